#include "man_page.h"

#include <QRegularExpression>

#include "option_table.h"

namespace {

// Text as troff prints it: backslashes kept, hyphens as the minus signs options are typed
// with, and no line taken for a request.
QString Escaped(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\e"));
    escaped.replace(QLatin1Char('-'), QStringLiteral("\\-"));
    static const QRegularExpression requestLike(QStringLiteral("^([.'])"),
                                                QRegularExpression::MultilineOption);
    return escaped.replace(requestLike, QStringLiteral("\\&\\1"));
}

QString Bold(const QString& text) {
    return QStringLiteral("\\fB") + Escaped(text) + QStringLiteral("\\fR");
}

QString Italic(const QString& text) {
    return QStringLiteral("\\fI") + Escaped(text) + QStringLiteral("\\fR");
}

// "batch FILE": the command's name in bold, what follows it in italics.
QString CommandTag(const CommandSpec& command) {
    const QStringList words = QString::fromUtf8(command.synopsis).split(QLatin1Char(' '));
    QString tag = Bold(words.first());
    for (qsizetype at = 1; at < words.size(); ++at) tag += QLatin1Char(' ') + Italic(words[at]);
    return tag;
}

QString OptionTag(const OptionSpec& option) {
    QStringList forms;
    for (const QString& form : option.Forms()) forms << Bold(form);
    QString tag = forms.join(QStringLiteral(", "));
    if (!option.rule.valueName.isEmpty()) tag += QLatin1Char(' ') + Italic(option.rule.valueName);
    return tag;
}

QString Entry(const QString& tag, const QString& text) {
    return QStringLiteral(".TP\n") + tag + QLatin1Char('\n') + Escaped(text) + QLatin1Char('\n');
}

}  // namespace

std::string ManPage() {
    // No date, so that a rebuild gives the same page; no hyphenation inside option names.
    QString page = QStringLiteral(
        ".TH CARDCTL 1 \"\" \"cardctl " CARDCTL_VERSION
        "\" \"User Commands\"\n"
        ".nh\n.ad l\n"
        ".SH NAME\ncardctl \\- read and write magnetic\\-stripe cards from a terminal\n"
        ".SH SYNOPSIS\n");
    for (const CommandSpec& command : CommandSpecs()) {
        page += Bold(QStringLiteral("cardctl")) + QLatin1Char(' ') + CommandTag(command) +
                QStringLiteral(" [") + Italic(QStringLiteral("options")) +
                QStringLiteral("]\n.br\n");
    }
    page += QStringLiteral(".SH DESCRIPTION\n") + Escaped(QString::fromUtf8(kProgramSummary)) +
            QStringLiteral("\n.SH COMMANDS\n");
    for (const CommandSpec& command : CommandSpecs())
        page += Entry(CommandTag(command), QString::fromUtf8(command.summary));
    page += QStringLiteral(".SH OPTIONS\n");
    for (const OptionSpec& option : OptionSpecs())
        page += Entry(OptionTag(option), option.Description(false));
    page += QStringLiteral(".SH EXIT STATUS\n") +
            Escaped(QString::fromUtf8(kExitStatus).remove(QStringLiteral("Exit status: "))) +
            QStringLiteral(".SH EXAMPLES\n.nf\n");
    for (const char* example : kExamples) page += Escaped(QString::fromUtf8(example)) + '\n';
    page += QStringLiteral(
        ".fi\n.SH FILES\n"
        ".TP\n\\fIQXProduct.ini\\fR\n"
        "The device profile, looked for beside the program, then in "
        "\\fI$XDG_CONFIG_HOME/carddemo\\fR (\\fI~/.config/carddemo\\fR), then in "
        "\\fI../share/carddemo\\fR from the program's folder.\n"
        ".TP\n\\fIports/\\fR\n"
        "Links that give port names a device (\\fIports/COM1\\fR \\-> "
        "\\fI/dev/ttyUSB0\\fR): beside the program, or for an installed program in the "
        "user's \\fIcarddemo\\fR folder above.\n");
    return page.toStdString();
}
