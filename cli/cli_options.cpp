#include "cli_options.h"

#include <QCommandLineParser>
#include <algorithm>
#include <vector>

#include "line_settings.h"

namespace {

// Which commands an option belongs to, as bits.
enum CommandBits : unsigned {
    kRead = 1U << 0,
    kWrite = 1U << 1,
    kRun = 1U << 2,
    kBatch = 1U << 3,
    kClone = 1U << 4,
    kPorts = 1U << 5,
    kProfile = 1U << 6,
    kEveryCommand = kRead | kWrite | kRun | kBatch | kClone | kPorts | kProfile,
};

struct CommandSpec {
    CliCommand command;
    const char* name;
    unsigned bit;
    const char* synopsis;  // as the help lists it
    const char* summary;
};

const std::vector<CommandSpec> kCommandSpecs = {
    {CliCommand::Read, "read", kRead, "read",
     "reads cards until --cards N have been read, or Ctrl+C; each card a record on stdout"},
    {CliCommand::Write, "write", kWrite, "write", "writes one card from --track1/2/3"},
    {CliCommand::Run, "run", kRun, "run",
     "a numbered run: --count cards, each text followed by its own number"},
    {CliCommand::Batch, "batch", kBatch, "batch FILE",
     "writes a card list: a CSV with columns track1, track2, track3 (a records file "
     "is one), or one value a line for one track"},
    {CliCommand::Clone, "clone", kClone, "clone",
     "reads one card, then writes it onto --count blank cards"},
    {CliCommand::Ports, "ports", kPorts, "ports",
     "the COMn names and what they reach, then the serial ports found"},
    {CliCommand::Profile, "profile", kProfile, "profile",
     "every key of the profile with the bytes it decodes to, and warnings"},
};

struct OptionSpec {
    QStringList names;
    const char* valueName;  // nullptr for a switch
    const char* description;
    unsigned commands;
};

const std::vector<OptionSpec>& OptionSpecs() {
    static const std::vector<OptionSpec> specs = {
        {{"profile"},
         "PATH",
         "The device profile (default: QXProduct.ini found as the console finds it).",
         kEveryCommand},
        {{"p", "port"},
         "NAME",
         "The serial port (default COM1), named as in the console.",
         kEveryCommand},
        {{"line"},
         "TEXT",
         "Line settings (default \"baud=9600 parity=N data=8 stop=1\").",
         kEveryCommand},
        {{"t", "tracks"},
         "1|2|3|12|23",
         "The track or track pair; every job needs it.",
         kEveryCommand},
        {{"card-format"}, "iso|ibm", "Card format (default iso).", kEveryCommand},
        {{"density"}, "low|high", "Track-2 density (default low).", kEveryCommand},
        {{"coercivity"}, "low|high", "Stripe coercivity (default low).", kEveryCommand},
        {{"log"}, "FILE", "Writes the job log to FILE, GBK as the console's.", kEveryCommand},
        {{"log-utf8"}, nullptr, "Writes the --log file in UTF-8 instead.", kEveryCommand},
        {{"records"},
         "FILE",
         "Writes the job's card records to FILE at the end (.csv or .json).",
         kEveryCommand},
        {{"json"}, nullptr, "Records on stdout as JSON lines instead of CSV.", kEveryCommand},
        {{"q", "quiet"}, nullptr, "No messages or progress on stderr, only errors.", kEveryCommand},
        {{"c", "cards"}, "N", "read: stops after N cards have been read.", kRead},
        {{"track1"}, "TEXT", "write, run: the track-1 text.", kWrite | kRun},
        {{"track2"}, "TEXT", "write, run: the track-2 text.", kWrite | kRun},
        {{"track3"}, "TEXT", "write, run: the track-3 text.", kWrite | kRun},
        {{"n", "count"},
         "N",
         "run: cards in the run, 1-9999 (default 1); clone: blank cards (default 1).",
         kRun | kClone},
        {{"start1"}, "N", "run: track 1's first number, 0-99 (default 0).", kRun},
        {{"step1"}, "N", "run: track 1's increment, 0-99 (default 1).", kRun},
        {{"start2"}, "N", "run: track 2's first number, 0-99 (default 0).", kRun},
        {{"step2"}, "N", "run: track 2's increment, 0-99 (default 1).", kRun},
        {{"start3"}, "N", "run: track 3's first number, 0-99 (default 0).", kRun},
        {{"step3"}, "N", "run: track 3's increment, 0-99 (default 1).", kRun},
        {{"max-tries"},
         "N",
         "run, batch, clone: a card the device refuses N times in a row ends the job with "
         "status 1 (default 3; 0 writes it again until confirmed).",
         kRun | kBatch | kClone},
        {{"journal"},
         "FILE",
         "Appends each card's record to FILE (records CSV) as soon as it is logged, synced "
         "to the disk card by card.",
         kRead | kWrite | kRun | kBatch | kClone},
        {{"resume"},
         "JOURNAL",
         "batch: leaves out the cards JOURNAL shows written and confirmed; name it with "
         "--journal too to go on appending to it.",
         kBatch},
        {{"verify"},
         nullptr,
         "write, run, batch, clone: reads each confirmed card back (swipe it again) and "
         "writes it again on the next blank when it differs.",
         kWrite | kRun | kBatch | kClone},
        {{"h", "help"}, nullptr, "Shows this help.", kEveryCommand},
        {{"version"}, nullptr, "Shows the version.", kEveryCommand},
    };
    return specs;
}

// `head` and then `body` word-wrapped at the help's width, later lines indented below
// the body's start.
QString Wrapped(const QString& head, const QString& body) {
    constexpr int kWidth = 79;
    QString result;
    QString line = head;
    bool lineHasWord = false;
    for (const QString& word : body.split(QLatin1Char(' '))) {
        if (lineHasWord && line.size() + 1 + word.size() > kWidth) {
            result += line + QLatin1Char('\n');
            line = QString(head.size(), QLatin1Char(' '));
            lineHasWord = false;
        }
        line += (lineHasWord ? QStringLiteral(" ") : QString()) + word;
        lineHasWord = true;
    }
    return result + line + QLatin1Char('\n');
}

const char* const kExamples[] = {
    "cardctl read --tracks 23 --cards 10 > cards.csv",
    "cardctl write --tracks 2 --track2 4000001234567899=2512101",
    "cardctl run --tracks 2 --track2 62270001 --count 20 --start2 1",
    "cardctl batch list.csv --tracks 23 --records written.csv",
    "cardctl batch list.csv --tracks 23 --resume journal.csv --journal journal.csv",
    "cardctl clone --tracks 23 --count 3",
    "cardctl ports",
    "cardctl profile --profile my-device.ini",
};

constexpr const char* kExitStatus =
    "Exit status: 0 all done, 1 some card not confirmed, 2 bad arguments or input file\n"
    "(nothing reached the device), 3 profile or port failure, 4 cards went out but an\n"
    "output file (--records, --log, --journal) could not be written, 130 stopped by Ctrl+C or a\n"
    "closed standard output, 143 stopped by SIGTERM.\n";

void AddOptions(QCommandLineParser& parser) {
    for (const OptionSpec& entry : OptionSpecs()) {
        QCommandLineOption option(entry.names, QString::fromUtf8(entry.description));
        if (entry.valueName != nullptr) option.setValueName(QString::fromUtf8(entry.valueName));
        parser.addOption(option);
    }
}

QString CommandList() {
    QStringList names;
    for (const CommandSpec& entry : kCommandSpecs) names << QString::fromUtf8(entry.synopsis);
    return names.join(QStringLiteral(", "));
}

// One refusal per bad argument; the message says what to write instead.
class Refusal {
  public:
    void Add(const QString& message) {
        if (message_.isEmpty()) message_ = message;
    }
    bool Any() const { return !message_.isEmpty(); }
    std::string Text() const { return (QStringLiteral("cardctl: ") + message_).toStdString(); }

  private:
    QString message_;
};

int NumberOption(const QCommandLineParser& parser, const QString& name, int low, int high,
                 int fallback, Refusal& refusal) {
    if (!parser.isSet(name)) return fallback;
    const QString text = parser.value(name);
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (ok && value >= low && value <= high) return value;
    refusal.Add(QStringLiteral("--%1 %2: write a whole number from %3 to %4")
                    .arg(name, text)
                    .arg(low)
                    .arg(high));
    return fallback;
}

// An option that takes one of two words; true for the first.
bool ChoiceOption(const QCommandLineParser& parser, const QString& name, const QString& first,
                  const QString& second, bool fallback, Refusal& refusal) {
    if (!parser.isSet(name)) return fallback;
    const QString value = parser.value(name).toLower();
    if (value == first) return true;
    if (value == second) return false;
    refusal.Add(
        QStringLiteral("--%1 %2: write %3 or %4").arg(name, parser.value(name), first, second));
    return fallback;
}

std::optional<TrackSet> TracksOption(const QCommandLineParser& parser, Refusal& refusal) {
    if (!parser.isSet(QStringLiteral("tracks"))) return std::nullopt;
    const QString value = parser.value(QStringLiteral("tracks"));
    const std::optional<TrackSet> tracks = TrackSetOfCode(value.toStdString());
    if (!tracks) {
        refusal.Add(QStringLiteral("--tracks %1: write 1, 2, 3, 12 or 23 (12 and 23 are pairs)")
                        .arg(value));
    }
    return tracks;
}

void ReadJobSettings(const QCommandLineParser& parser, CliOptions& options, Refusal& refusal) {
    JobSettings& job = options.job;
    if (parser.isSet(QStringLiteral("port"))) {
        job.portName = parser.value(QStringLiteral("port")).toStdString();
        if (job.portName.empty())
            refusal.Add(
                QStringLiteral("--port needs a name: write --port COM1 or --port /dev/ttyUSB0"));
    }
    if (parser.isSet(QStringLiteral("line"))) {
        job.lineSettings = parser.value(QStringLiteral("line")).toStdString();
        if (!ParseLineSettings(job.lineSettings)) {
            refusal.Add(
                QStringLiteral("--line \"%1\": write it as \"baud=9600 parity=N data=8 stop=1\" "
                               "(parity N, E, O, M or S; data 5 to 8; stop 1, 1.5 or 2)")
                    .arg(parser.value(QStringLiteral("line"))));
        }
    }
    job.tracks = TracksOption(parser, refusal);
    job.isoFormat = ChoiceOption(parser, QStringLiteral("card-format"), QStringLiteral("iso"),
                                 QStringLiteral("ibm"), true, refusal);
    job.lowDensity = ChoiceOption(parser, QStringLiteral("density"), QStringLiteral("low"),
                                  QStringLiteral("high"), true, refusal);
    job.lowCoercivity = ChoiceOption(parser, QStringLiteral("coercivity"), QStringLiteral("low"),
                                     QStringLiteral("high"), true, refusal);
}

void ReadOutputOptions(const QCommandLineParser& parser, CliOptions& options, Refusal& refusal) {
    options.logPath = parser.value(QStringLiteral("log"));
    options.logUtf8 = parser.isSet(QStringLiteral("log-utf8"));
    if (options.logUtf8 && options.logPath.isEmpty()) {
        refusal.Add(
            QStringLiteral("--log-utf8 goes with --log FILE: write --log job.log --log-utf8"));
    }
    if (parser.isSet(QStringLiteral("log")) && options.logPath.isEmpty()) {
        refusal.Add(QStringLiteral("--log needs a file name: write --log job.log"));
    }
    options.recordsPath = parser.value(QStringLiteral("records"));
    if (parser.isSet(QStringLiteral("records"))) {
        const QString lower = options.recordsPath.toLower();
        if (!lower.endsWith(QStringLiteral(".csv")) && !lower.endsWith(QStringLiteral(".json"))) {
            refusal.Add(QStringLiteral("--records %1: name a file ending in .csv or .json")
                            .arg(options.recordsPath));
        }
    }
    options.json = parser.isSet(QStringLiteral("json"));
    options.quiet = parser.isSet(QStringLiteral("quiet"));
    options.verify = parser.isSet(QStringLiteral("verify"));
    for (const auto& [name, path] : {std::pair{QStringLiteral("journal"), &options.journalPath},
                                     std::pair{QStringLiteral("resume"), &options.resumePath}}) {
        *path = parser.value(name);
        if (parser.isSet(name) && path->isEmpty())
            refusal.Add(QStringLiteral("--%1 needs a file name: write --%1 journal.csv").arg(name));
    }
    options.profilePath = parser.value(QStringLiteral("profile"));
    if (parser.isSet(QStringLiteral("profile")) && options.profilePath.isEmpty()) {
        refusal.Add(QStringLiteral("--profile needs a file: write --profile QXProduct.ini"));
    }
}

void ReadCommandOptions(const QCommandLineParser& parser, CliOptions& options, Refusal& refusal) {
    options.cards = NumberOption(parser, QStringLiteral("cards"), 1, 1000000, 0, refusal);
    RunNumbering& numbering = options.numbering;
    const struct {
        const char* name;
        int RunNumbering::*target;
        int32_t CardJob::*field;
    } numbers[] = {
        {"count", &RunNumbering::count, &CardJob::Count},
        {"start1", &RunNumbering::start1, &CardJob::Track1Start},
        {"step1", &RunNumbering::step1, &CardJob::Track1Increment},
        {"start2", &RunNumbering::start2, &CardJob::Track2Start},
        {"step2", &RunNumbering::step2, &CardJob::Track2Increment},
        {"start3", &RunNumbering::start3, &CardJob::Track3Start},
        {"step3", &RunNumbering::step3, &CardJob::Track3Increment},
    };
    for (const auto& number : numbers) {
        // The ranges the window's number boxes take.
        const NumberRange range = RangeOf(number.field);
        numbering.*number.target = NumberOption(parser, QString::fromUtf8(number.name), range.min,
                                                range.max, numbering.*number.target, refusal);
    }
    options.maxTries = NumberOption(parser, QStringLiteral("max-tries"), 0, 1000000, 3, refusal);
    for (int track = 1; track <= 3; ++track) {
        const QString name = QStringLiteral("track%1").arg(track);
        if (!parser.isSet(name)) continue;
        options.texts[track - 1] = parser.value(name);
        if (options.job.tracks && !HasTrack(*options.job.tracks, track)) {
            refusal.Add(QStringLiteral("--%1 is not written with --tracks %2: leave it out or "
                                       "choose tracks that hold track %3")
                            .arg(name, parser.value(QStringLiteral("tracks")))
                            .arg(track));
        }
    }
}

const CommandSpec* FindCommand(const QString& name) {
    const auto found =
        std::find_if(kCommandSpecs.begin(), kCommandSpecs.end(),
                     [&](const CommandSpec& entry) { return name == QLatin1String(entry.name); });
    return found == kCommandSpecs.end() ? nullptr : &*found;
}

// The first option given that belongs to other commands.
void RefuseForeignOptions(const QCommandLineParser& parser, const CommandSpec& command,
                          Refusal& refusal) {
    for (const OptionSpec& entry : OptionSpecs()) {
        if ((entry.commands & command.bit) != 0 || !parser.isSet(entry.names.last())) continue;
        QStringList owners;
        for (const CommandSpec& other : kCommandSpecs) {
            if ((entry.commands & other.bit) != 0) owners << QString::fromUtf8(other.name);
        }
        refusal.Add(QStringLiteral("--%1 is not an option of %2 (it belongs to %3): leave it out")
                        .arg(entry.names.last(), QString::fromUtf8(command.name),
                             owners.join(QStringLiteral(" and "))));
    }
}

void RefuseBadPositionals(const QStringList& positional, const CommandSpec& command,
                          CliOptions& options, Refusal& refusal) {
    if (command.command == CliCommand::Batch) {
        if (positional.size() < 2) {
            refusal.Add(
                QStringLiteral("batch needs a card list: write cardctl batch FILE --tracks 23"));
            return;
        }
        options.listPath = positional[1];
    }
    const qsizetype expected = command.command == CliCommand::Batch ? 2 : 1;
    if (positional.size() > expected) {
        refusal.Add(QStringLiteral("%1 takes no argument \"%2\"; options start with --")
                        .arg(QString::fromUtf8(command.synopsis), positional[expected]));
    }
}

}  // namespace

bool IsJobCommand(CliCommand command) {
    return command != CliCommand::Ports && command != CliCommand::Profile;
}

ParsedCommandLine ParseCommandLine(const QStringList& arguments) {
    ParsedCommandLine result;
    QCommandLineParser parser;
    AddOptions(parser);
    if (!parser.parse(arguments)) {
        result.error =
            "cardctl: " + parser.errorText().toStdString() + " cardctl --help lists every option.";
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
        result.error = "cardctl: no command given; write one of " + CommandList().toStdString() +
                       " (cardctl --help shows them all)";
        return result;
    }
    const CommandSpec* command = FindCommand(positional.first());
    if (command == nullptr) {
        result.error = "cardctl: unknown command \"" + positional.first().toStdString() +
                       "\"; write one of " + CommandList().toStdString();
        return result;
    }

    Refusal refusal;
    CliOptions& options = result.options;
    options.command = command->command;
    RefuseForeignOptions(parser, *command, refusal);
    RefuseBadPositionals(positional, *command, options, refusal);
    ReadJobSettings(parser, options, refusal);
    ReadOutputOptions(parser, options, refusal);
    ReadCommandOptions(parser, options, refusal);
    if (IsJobCommand(command->command) && !parser.isSet(QStringLiteral("tracks"))) {
        refusal.Add(QStringLiteral("%1 needs the tracks: add --tracks 1, 2, 3, 12 or 23")
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
    QCommandLineParser parser;
    AddOptions(parser);
    QString text = QStringLiteral(
        "Usage: cardctl COMMAND [options]\n\n"
        "Reads and writes magnetic-stripe cards from a terminal, with the "
        "console's engine,\nprofile and port names.\n\nCommands:\n");
    for (const CommandSpec& entry : kCommandSpecs) {
        text += Wrapped(QStringLiteral("  %1 ").arg(QString::fromUtf8(entry.synopsis), -11),
                        QString::fromUtf8(entry.summary));
    }
    // The parser's own text begins with its usage line and a blank line; its option list
    // follows.
    QString optionsText = parser.helpText();
    optionsText.remove(0, optionsText.indexOf(QStringLiteral("Options:")));
    text += QLatin1Char('\n') + optionsText + QStringLiteral("\nExamples:\n");
    for (const char* example : kExamples)
        text += QStringLiteral("  %1\n").arg(QString::fromUtf8(example));
    text += QLatin1Char('\n') + QString::fromUtf8(kExitStatus);
    return text.toStdString();
}

std::string VersionText() {
    return std::string("cardctl ") + CARDCTL_VERSION + "\n";
}
