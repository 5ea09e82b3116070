#include "cli_options.h"

#include <QCommandLineParser>
#include <algorithm>

#include "cardctl_text.h"
#include "option_table.h"

namespace {

// A terminal shows Chinese characters and full-width punctuation two columns wide.
bool IsWide(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x2E80 && u <= 0xA4CF) || (u >= 0xAC00 && u <= 0xD7A3) ||
           (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFE30 && u <= 0xFE4F) ||
           (u >= 0xFF00 && u <= 0xFF60) || (u >= 0xFFE0 && u <= 0xFFE6);
}

qsizetype Columns(const QString& text) {
    qsizetype columns = 0;
    for (const QChar c : text) columns += IsWide(c) ? 2 : 1;
    return columns;
}

// Chinese text breaks between any two characters, but not before a closing mark nor after
// an opening one.
bool BreaksBetween(QChar before, QChar after) {
    static const QString closing = QStringLiteral("，。、；：！？）」”’");
    static const QString opening = QStringLiteral("（「“‘");
    return (IsWide(before) || IsWide(after)) && !closing.contains(after) &&
           !opening.contains(before);
}

// The pieces a line may break between, each with whether a space goes before it.
std::vector<std::pair<QString, bool>> Pieces(const QString& body) {
    std::vector<std::pair<QString, bool>> pieces;
    for (const QString& word : body.split(QLatin1Char(' '))) {
        qsizetype start = 0;
        for (qsizetype at = 1; at <= word.size(); ++at) {
            if (at < word.size() && !BreaksBetween(word[at - 1], word[at])) continue;
            pieces.emplace_back(word.mid(start, at - start), start == 0);
            start = at;
        }
        if (word.isEmpty()) pieces.emplace_back(QString(), true);
    }
    return pieces;
}

// `head` and then `body` wrapped at the help's width, later lines indented below the
// body's start.
QString Wrapped(const QString& head, const QString& body) {
    constexpr int kWidth = 79;
    QString result;
    QString line = head;
    bool lineHasWord = false;
    for (const auto& [piece, spaced] : Pieces(body)) {
        const QString gap = lineHasWord && spaced ? QStringLiteral(" ") : QString();
        if (lineHasWord && Columns(line + gap + piece) > kWidth) {
            result += line + QLatin1Char('\n');
            line = QString(head.size(), QLatin1Char(' '));
            lineHasWord = false;
        }
        line += (lineHasWord ? gap : QString()) + piece;
        lineHasWord = true;
    }
    return result + line + QLatin1Char('\n');
}

// Each option with its value's name, "-p, --port <NAME>".
QString OptionHead(const OptionSpec& option) {
    const QString value = option.rule.valueName;
    return option.Forms().join(QStringLiteral(", ")) +
           (value.isEmpty() ? QString() : QStringLiteral(" <%1>").arg(value));
}

QString OptionList() {
    qsizetype width = 0;
    for (const OptionSpec& option : OptionSpecs())
        width = std::max(width, OptionHead(option).size());
    QString list;
    for (const OptionSpec& option : OptionSpecs()) {
        list += Wrapped(QStringLiteral("  %1  ").arg(OptionHead(option), -int(width)),
                        option.Description());
    }
    return list;
}

void AddOptions(QCommandLineParser& parser) {
    for (const OptionSpec& entry : OptionSpecs())
        parser.addOption(QCommandLineOption(entry.names, QString(), entry.rule.valueName));
}

QString CommandList() {
    QStringList names;
    for (const CommandSpec& entry : CommandSpecs()) names << QString::fromUtf8(entry.synopsis);
    return names.join(QStringLiteral(", "));
}

// One refusal per bad argument; the message says what to write instead.
class Refusal {
  public:
    void Add(const QString& message) {
        if (message_.isEmpty()) message_ = message;
    }
    bool Any() const { return !message_.isEmpty(); }
    std::string Text() const { return CardctlLine(message_); }

  private:
    QString message_;
};

const CommandSpec* FindCommand(const QString& name) {
    const auto found =
        std::find_if(CommandSpecs().begin(), CommandSpecs().end(),
                     [&](const CommandSpec& entry) { return name == QLatin1String(entry.name); });
    return found == CommandSpecs().end() ? nullptr : &*found;
}

// The first option given that belongs to other commands.
void RefuseForeignOptions(const QCommandLineParser& parser, const CommandSpec& command,
                          Refusal& refusal) {
    for (const OptionSpec& entry : OptionSpecs()) {
        if ((entry.commands & command.bit) != 0 || !parser.isSet(entry.LongName())) continue;
        QStringList owners;
        for (const CommandSpec& other : CommandSpecs()) {
            if ((entry.commands & other.bit) != 0) owners << QString::fromUtf8(other.name);
        }
        refusal.Add(CardctlText::tr("--%1 is not an option of %2 (it belongs to %3): leave it out")
                        .arg(entry.LongName(), QString::fromUtf8(command.name),
                             owners.join(CardctlText::tr(" and "))));
    }
}

void RefuseBadPositionals(const QStringList& positional, const CommandSpec& command,
                          CliOptions& options, Refusal& refusal) {
    if (command.command == CliCommand::Batch) {
        if (positional.size() < 2) {
            refusal.Add(
                CardctlText::tr("batch needs a card list: write cardctl batch FILE --tracks 23"));
            return;
        }
        options.listPath = positional[1];
    }
    const qsizetype expected = command.command == CliCommand::Batch ? 2 : 1;
    if (positional.size() > expected) {
        refusal.Add(CardctlText::tr("%1 takes no argument \"%2\"; options start with --")
                        .arg(QString::fromUtf8(command.synopsis), positional[expected]));
    }
}

// Every option given, read by its table row's rule.
void ReadOptions(const QCommandLineParser& parser, CliOptions& options, Refusal& refusal) {
    for (const OptionSpec& entry : OptionSpecs()) {
        const QString name = entry.LongName();
        if (!entry.rule.read || !parser.isSet(name)) continue;
        refusal.Add(entry.rule.read(QStringLiteral("--") + name, parser.value(name), options));
    }
}

// Options that only mean something beside another.
void RefuseUnpairedOptions(const CliOptions& options, Refusal& refusal) {
    if (options.logUtf8 && options.logPath.isEmpty()) {
        refusal.Add(
            CardctlText::tr("--log-utf8 goes with --log FILE: write --log job.log --log-utf8"));
    }
    for (int track = 1; track <= 3; ++track) {
        const std::optional<TrackSet> tracks = options.job.tracks;
        if (!options.texts[track - 1] || !tracks || HasTrack(*tracks, track)) continue;
        refusal.Add(CardctlText::tr("--track%1 is not written with --tracks %2: leave it out or "
                                    "choose tracks that hold track %1")
                        .arg(track)
                        .arg(QLatin1String(TrackSetCode(*tracks))));
    }
}

// --lang, read even from a command line the parser refuses.
std::optional<UiLanguage> LanguageOf(const QCommandLineParser& parser) {
    return LanguageNamed(parser.value(QStringLiteral("lang")).toLower().toStdString());
}

}  // namespace

bool IsJobCommand(CliCommand command) {
    return command != CliCommand::Ports && command != CliCommand::Profile &&
           command != CliCommand::Probe;
}

std::optional<UiLanguage> LanguageOption(const QStringList& arguments) {
    QCommandLineParser parser;
    AddOptions(parser);
    parser.parse(arguments);
    return LanguageOf(parser);
}

ParsedCommandLine ParseCommandLine(const QStringList& arguments) {
    ParsedCommandLine result;
    QCommandLineParser parser;
    AddOptions(parser);
    const bool parsed = parser.parse(arguments);
    result.options.language = LanguageOf(parser);
    if (!parsed) {
        result.error = CardctlLine(CardctlText::tr("%1 cardctl --help lists every option."),
                                   {parser.errorText().toStdString()});
        return result;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        result.action = ParsedCommandLine::Action::ShowHelp;
        return result;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        result.action = ParsedCommandLine::Action::ShowVersion;
        return result;
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        result.error = CardctlLine(
            CardctlText::tr("no command given; write one of %1 (cardctl --help shows them all)"),
            {CommandList().toStdString()});
        return result;
    }
    const CommandSpec* command = FindCommand(positional.first());
    if (command == nullptr) {
        result.error = CardctlLine(CardctlText::tr("unknown command \"%1\"; write one of %2"),
                                   {positional.first().toStdString(), CommandList().toStdString()});
        return result;
    }

    Refusal refusal;
    CliOptions& options = result.options;
    options.command = command->command;
    RefuseForeignOptions(parser, *command, refusal);
    RefuseBadPositionals(positional, *command, options, refusal);
    ReadOptions(parser, options, refusal);
    RefuseUnpairedOptions(options, refusal);
    if (IsJobCommand(command->command) && !parser.isSet(QStringLiteral("tracks"))) {
        refusal.Add(CardctlText::tr("%1 needs the tracks: add --tracks 1, 2, 3, 12 or 23")
                        .arg(QString::fromUtf8(command->name)));
    }
    if (refusal.Any()) {
        result.error = refusal.Text();
        return result;
    }
    result.action = ParsedCommandLine::Action::RunCommand;
    return result;
}

std::string HelpText() {
    QString text = CardctlText::tr("Usage: cardctl COMMAND [options]") + QStringLiteral("\n\n") +
                   CardctlTranslated(kProgramSummary) + QStringLiteral("\n\n") +
                   CardctlText::tr("Commands:") + QLatin1Char('\n');
    for (const CommandSpec& entry : CommandSpecs()) {
        text += Wrapped(QStringLiteral("  %1 ").arg(QString::fromUtf8(entry.synopsis), -11),
                        CardctlTranslated(entry.summary));
    }
    text += QLatin1Char('\n') + CardctlText::tr("Options:") + QLatin1Char('\n') + OptionList() +
            QLatin1Char('\n') + CardctlText::tr("Examples:") + QLatin1Char('\n');
    for (const char* example : kExamples)
        text += QStringLiteral("  %1\n").arg(QString::fromUtf8(example));
    text += QLatin1Char('\n') + CardctlTranslated(kExitStatus);
    return text.toStdString();
}

std::string VersionText() {
    return std::string("cardctl ") + CARDCTL_VERSION + "\n";
}
