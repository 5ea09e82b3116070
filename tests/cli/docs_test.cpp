// The man page and the bash completion are made from the option table: every command and
// option must reach both, each command offered just its own options.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

#include "bash_completion.h"
#include "man_page.h"
#include "option_table.h"
#include "temp_dir.h"

namespace {

QString Output(const QString& program, const QStringList& arguments, const TempDir& dir) {
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(dir.Path().string()));
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(10000)) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(ManPage, ShowsEveryCommandAndOption) {
    if (QStandardPaths::findExecutable(QStringLiteral("man")).isEmpty()) GTEST_SKIP() << "no man";
    TempDir dir;
    WriteFile(dir / "cardctl.1", ManPage());
    qputenv("MANWIDTH", "200");
    const QString page =
        Output(QStringLiteral("man"), {QStringLiteral("-l"), QStringLiteral("cardctl.1")}, dir);
    for (const CommandSpec& command : CommandSpecs())
        EXPECT_TRUE(page.contains(
            QStringLiteral("cardctl %1 [options]").arg(QString::fromUtf8(command.synopsis))))
            << command.name;
    for (const OptionSpec& option : OptionSpecs()) {
        const QString tag =
            (option.Forms().join(QStringLiteral(", ")) + QLatin1Char(' ') + option.rule.valueName)
                .trimmed();
        EXPECT_TRUE(page.contains(tag)) << tag.toStdString();
    }
}

// What the completion offers for the words typed, the last one being completed, from a
// folder that holds list.csv; sorted, one space between.
std::string Completed(QStringList words) {
    TempDir dir;
    WriteFile(dir / "cardctl.bash", BashCompletion());
    WriteFile(dir / "list.csv", "");
    words.prepend(QStringLiteral(CARDCTL_PATH));
    const QString script = QStringLiteral(
        "source cardctl.bash; COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); _cardctl 2>/dev/null; "
        "printf '%s\\n' \"${COMPREPLY[@]}\"");
    QStringList offered =
        Output(QStringLiteral("bash"),
               QStringList{QStringLiteral("-c"), script, QStringLiteral("bash")} + words, dir)
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    offered.sort();
    return offered.join(QLatin1Char(' ')).toStdString();
}

TEST(BashCompletion, OffersEachCommandItsOwnOptions) {
    QStringList commands;
    for (const CommandSpec& command : CommandSpecs()) {
        const QString name = QString::fromUtf8(command.name);
        commands << name;
        QStringList own;
        for (const OptionSpec& option : OptionSpecs()) {
            if ((option.commands & command.bit) != 0) own << option.Forms();
        }
        own.sort();
        // An option's value before the command is not taken for it.
        EXPECT_EQ(Completed({QStringLiteral("-t"), QStringLiteral("2"), name, QStringLiteral("-")}),
                  own.join(QLatin1Char(' ')).toStdString());
    }
    commands.sort();
    EXPECT_EQ(Completed({QString()}), commands.join(QLatin1Char(' ')).toStdString());
}

TEST(BashCompletion, OffersWhatEachOptionTakes) {
    for (const OptionSpec& option : OptionSpecs()) {
        if (option.rule.valueName.isEmpty()) continue;
        // What is typed of the value, and what must be offered then; nothing for a number
        // or a text.
        QString typed;
        QStringList expected;
        switch (option.rule.kind) {
            case ValueKind::Choice:
                expected = option.rule.choices;
                break;
            case ValueKind::File:
                typed = QStringLiteral("li"), expected = {QStringLiteral("list.csv")};
                break;
            case ValueKind::Port:
                typed = QStringLiteral("COM1"), expected = {typed};
                break;
            default:
                break;
        }
        expected.sort();
        EXPECT_EQ(Completed({option.Forms().last(), typed}),
                  expected.join(QLatin1Char(' ')).toStdString())
            << option.LongName().toStdString();
    }
}

}  // namespace
