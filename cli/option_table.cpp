#include "option_table.h"

#include <type_traits>

#include "cardctl_text.h"
#include "line_settings.h"

namespace {

// The part of the options a rule's target field lives in.
template <typename Part>
Part& PartOf(CliOptions& options) {
    if constexpr (std::is_same_v<Part, JobSettings>) {
        return options.job;
    } else if constexpr (std::is_same_v<Part, RunNumbering>) {
        return options.numbering;
    } else {
        return options;
    }
}

template <typename Part>
ValueRule Flag(bool Part::*target) {
    return {ValueKind::None, {}, [target](const QString&, const QString&, CliOptions& options) {
                PartOf<Part>(options).*target = true;
                return QString();
            }};
}

template <typename Part>
ValueRule Number(int Part::*target, int low, int high) {
    return {ValueKind::Typed, QStringLiteral("N"),
            [=](const QString& option, const QString& text, CliOptions& options) {
                bool ok = false;
                const int value = text.trimmed().toInt(&ok);
                if (ok && value >= low && value <= high) {
                    PartOf<Part>(options).*target = value;
                    return QString();
                }
                return CardctlText::tr("%1 %2: write a whole number from %3 to %4")
                    .arg(option, text, QString::number(low), QString::number(high));
            }};
}

// A number of the run, in the range the window's box for `field` takes.
ValueRule RunNumber(int RunNumbering::*target, int32_t CardJob::*field) {
    return Number(target, RangeOf(field).min, RangeOf(field).max);
}

QString RangeText(int32_t CardJob::*field) {
    return QStringLiteral("%1-%2").arg(RangeOf(field).min).arg(RangeOf(field).max);
}

// A start or step of the run's numbering; its description's %1 is the range, %2 the default.
OptionSpec NumberingOption(const char* name, int RunNumbering::*target, int32_t CardJob::*field,
                           const char* description) {
    return {{QString::fromUtf8(name)},
            RunNumber(target, field),
            description,
            kRun,
            {RangeText(field), QString::number(RunNumbering{}.*target)}};
}

// One of two words, case aside; the target is true for the first.
template <typename Part>
ValueRule Choice(bool Part::*target, const char* first, const char* second) {
    const QString yes = QString::fromUtf8(first);
    const QString no = QString::fromUtf8(second);
    return {ValueKind::Choice,
            yes + QLatin1Char('|') + no,
            [=](const QString& option, const QString& value, CliOptions& options) {
                const QString word = value.toLower();
                if (word != yes && word != no)
                    return CardctlText::tr("%1 %2: write %3 or %4").arg(option, value, yes, no);
                PartOf<Part>(options).*target = word == yes;
                return QString();
            },
            {yes, no}};
}

// A file name that may not be empty; `whenEmpty` (marked for the translator) follows the
// option in the refusal.
ValueRule FilePath(QString CliOptions::*target, const char* valueName, const char* whenEmpty) {
    return {ValueKind::File, QString::fromUtf8(valueName),
            [=](const QString& option, const QString& value, CliOptions& options) {
                options.*target = value;
                if (!value.isEmpty()) return QString();
                return option + QLatin1Char(' ') + CardctlTranslated(whenEmpty);
            }};
}

ValueRule RecordsPath() {
    return {
        ValueKind::File, QStringLiteral("FILE"),
        [](const QString& option, const QString& value, CliOptions& options) {
            options.recordsPath = value;
            const QString lower = value.toLower();
            if (lower.endsWith(QStringLiteral(".csv")) || lower.endsWith(QStringLiteral(".json")))
                return QString();
            return CardctlText::tr("%1 %2: name a file ending in .csv or .json").arg(option, value);
        }};
}

ValueRule PortName() {
    return {
        ValueKind::Port, QStringLiteral("NAME"),
        [](const QString&, const QString& value, CliOptions& options) {
            options.job.portName = value.toStdString();
            options.job.portNamed = true;
            if (!value.isEmpty()) return QString();
            return CardctlText::tr("--port needs a name: write --port COM1 or --port /dev/ttyUSB0");
        }};
}

ValueRule LineSettingsText() {
    return {ValueKind::Typed, QStringLiteral("TEXT"),
            [](const QString&, const QString& value, CliOptions& options) {
                options.job.lineSettings = value.toStdString();
                if (ParseLineSettings(options.job.lineSettings)) return QString();
                return CardctlText::tr(
                           "--line \"%1\": write it as \"baud=9600 parity=N data=8 stop=1\" "
                           "(parity N, E, O, M or S; data 5 to 8; stop 1, 1.5 or 2)")
                    .arg(value);
            }};
}

ValueRule Tracks() {
    QStringList codes;
    for (const TrackSet tracks : kTrackSets) codes << QLatin1String(TrackSetCode(tracks));
    return {ValueKind::Choice, codes.join(QLatin1Char('|')),
            [](const QString&, const QString& value, CliOptions& options) {
                options.job.tracks = TrackSetOfCode(value.toStdString());
                if (options.job.tracks) return QString();
                return CardctlText::tr("--tracks %1: write 1, 2, 3, 12 or 23 (12 and 23 are pairs)")
                    .arg(value);
            },
            codes};
}

ValueRule TrackText(int track) {
    return {ValueKind::Typed, QStringLiteral("TEXT"),
            [track](const QString&, const QString& value, CliOptions& options) {
                options.texts[track - 1] = value;
                return QString();
            }};
}

}  // namespace

OptionSpec::OptionSpec(QStringList names, ValueRule rule, const char* description,
                       unsigned commands, QStringList descriptionArgs)
    : names(std::move(names)),
      rule(std::move(rule)),
      description(description),
      commands(commands),
      descriptionArgs(std::move(descriptionArgs)) {}

QString OptionSpec::Description(bool translated) const {
    QString text = translated ? CardctlTranslated(description) : QString::fromUtf8(description);
    for (const QString& arg : descriptionArgs) text = text.arg(arg);
    return text;
}

QStringList OptionSpec::Forms() const {
    QStringList forms;
    for (const QString& name : names)
        forms << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    return forms;
}

const char* const kProgramSummary = QT_TRANSLATE_NOOP(
    "CardctlText",
    "Reads and writes magnetic-stripe cards from a terminal, with the console's engine,\n"
    "profile and port names.");

const std::vector<const char*> kExamples = {
    "cardctl read --tracks 23 --cards 10 > cards.csv",
    "cardctl write --tracks 2 --track2 4000001234567899=2512101",
    "cardctl run --tracks 2 --track2 62270001 --count 20 --start2 1",
    "cardctl batch list.csv --tracks 23 --records written.csv",
    "cardctl batch list.csv --tracks 23 --resume journal.csv --journal journal.csv",
    "cardctl clone --tracks 23 --count 3",
    "cardctl erase --tracks 23",
    "cardctl ports",
    "cardctl profile --profile my-device.ini",
    "cardctl probe --port /dev/ttyUSB0",
};

const char* const kExitStatus = QT_TRANSLATE_NOOP(
    "CardctlText",
    "Exit status: 0 all done, 1 some card not confirmed, 2 bad arguments or input file\n"
    "(nothing reached the device), 3 profile or port failure, 4 cards went out but an\n"
    "output file (--records, --log, --journal) could not be written, 5 the profile has\n"
    "problems (cardctl profile warned), 130 stopped by Ctrl+C or a closed standard output,\n"
    "129 stopped by SIGHUP, 143 stopped by SIGTERM.\n");

const std::vector<CommandSpec>& CommandSpecs() {
    static const std::vector<CommandSpec> specs = {
        {CliCommand::Read, "read", kRead, "read",
         QT_TRANSLATE_NOOP("CardctlText",
                           "reads cards until --cards N have been read, or Ctrl+C; each card a "
                           "record on stdout")},
        {CliCommand::Write, "write", kWrite, "write",
         QT_TRANSLATE_NOOP("CardctlText", "writes one card from --track1/2/3")},
        {CliCommand::Run, "run", kRun, "run",
         QT_TRANSLATE_NOOP("CardctlText",
                           "a numbered run: --count cards, each text followed by its own number")},
        {CliCommand::Batch, "batch", kBatch, "batch FILE",
         QT_TRANSLATE_NOOP(
             "CardctlText",
             "writes a card list: a CSV with columns track1, track2, track3 (a records file "
             "is one), or one value a line for one track")},
        {CliCommand::Clone, "clone", kClone, "clone",
         QT_TRANSLATE_NOOP("CardctlText",
                           "reads one card, then writes it onto --count blank cards")},
        {CliCommand::Erase, "erase", kErase, "erase",
         QT_TRANSLATE_NOOP("CardctlText",
                           "erases the --tracks of one card (devices whose profile can erase)")},
        {CliCommand::Ports, "ports", kPorts, "ports",
         QT_TRANSLATE_NOOP("CardctlText",
                           "the COMn names and what they reach, then the serial ports found")},
        {CliCommand::Profile, "profile", kProfile, "profile",
         QT_TRANSLATE_NOOP("CardctlText",
                           "every key of the profile with the bytes it decodes to, and warnings")},
        {CliCommand::Probe, "probe", kProbe, "probe",
         QT_TRANSLATE_NOOP(
             "CardctlText",
             "what answers on --port: an encoder of the ESC-block kind, its model and firmware, "
             "and the sample profile that fits")},
    };
    return specs;
}

const std::vector<OptionSpec>& OptionSpecs() {
    static const std::vector<OptionSpec> specs = {
        {{"profile"},
         FilePath(&CliOptions::profilePath, "PATH",
                  QT_TRANSLATE_NOOP("CardctlText", "needs a file: write --profile QXProduct.ini")),
         QT_TRANSLATE_NOOP(
             "CardctlText",
             "The device profile (default: QXProduct.ini found as the console finds it)."),
         kEveryCommand},
        {{"p", "port"},
         PortName(),
         QT_TRANSLATE_NOOP("CardctlText",
                           "The serial port (default COM1), named as in the console."),
         kEveryCommand},
        {{"line"},
         LineSettingsText(),
         QT_TRANSLATE_NOOP("CardctlText",
                           "Line settings (default \"baud=9600 parity=N data=8 stop=1\")."),
         kEveryCommand},
        {{"t", "tracks"},
         Tracks(),
         QT_TRANSLATE_NOOP("CardctlText", "The track or track pair; every job needs it."),
         kEveryCommand},
        {{"card-format"},
         Choice(&JobSettings::isoFormat, "iso", "ibm"),
         QT_TRANSLATE_NOOP("CardctlText", "Card format (default iso)."),
         kEveryCommand},
        {{"density"},
         Choice(&JobSettings::lowDensity, "low", "high"),
         QT_TRANSLATE_NOOP("CardctlText", "Track-2 density (default low)."),
         kEveryCommand},
        {{"coercivity"},
         Choice(&JobSettings::lowCoercivity, "low", "high"),
         QT_TRANSLATE_NOOP("CardctlText", "Stripe coercivity (default low)."),
         kEveryCommand},
        {{"log"},
         FilePath(&CliOptions::logPath, "FILE",
                  QT_TRANSLATE_NOOP("CardctlText", "needs a file name: write --log job.log")),
         QT_TRANSLATE_NOOP("CardctlText", "Writes the job log to FILE, GBK as the console's."),
         kEveryCommand},
        {{"log-utf8"},
         Flag(&CliOptions::logUtf8),
         QT_TRANSLATE_NOOP("CardctlText", "Writes the --log file in UTF-8 instead."),
         kEveryCommand},
        {{"records"},
         RecordsPath(),
         QT_TRANSLATE_NOOP("CardctlText",
                           "Writes the job's card records to FILE at the end (.csv or .json)."),
         kEveryCommand},
        {{"json"},
         Flag(&CliOptions::json),
         QT_TRANSLATE_NOOP("CardctlText", "Records on stdout as JSON lines instead of CSV."),
         kEveryCommand},
        {{"q", "quiet"},
         Flag(&CliOptions::quiet),
         QT_TRANSLATE_NOOP("CardctlText", "No messages or progress on stderr, only errors."),
         kEveryCommand},
        {{"lang"},
         {ValueKind::Choice,
          QStringLiteral("zh|en"),
          [](const QString& option, const QString& value, CliOptions& options) {
              options.language = LanguageNamed(value.toLower().toStdString());
              return options.language ? QString()
                                      : CardctlText::tr("%1 %2: write zh or en").arg(option, value);
          },
          {QStringLiteral("zh"), QStringLiteral("en")}},
         QT_TRANSLATE_NOOP("CardctlText",
                           "Messages in Chinese (zh) or English (en); by default as CARDDEMO_LANG "
                           "or the system's "
                           "language says."),
         kEveryCommand},
        {{"c", "cards"},
         Number(&CliOptions::cards, 1, 1000000),
         QT_TRANSLATE_NOOP("CardctlText", "read: stops after N cards have been read."),
         kRead},
        {{"track1"},
         TrackText(1),
         QT_TRANSLATE_NOOP("CardctlText", "write, run: the track-1 text."),
         kWrite | kRun},
        {{"track2"},
         TrackText(2),
         QT_TRANSLATE_NOOP("CardctlText", "write, run: the track-2 text."),
         kWrite | kRun},
        {{"track3"},
         TrackText(3),
         QT_TRANSLATE_NOOP("CardctlText", "write, run: the track-3 text."),
         kWrite | kRun},
        {{"n", "count"},
         RunNumber(&RunNumbering::count, &CardJob::Count),
         QT_TRANSLATE_NOOP(
             "CardctlText",
             "run: cards in the run, %1 (default 1); clone: blank cards (default 1)."),
         kRun | kClone,
         {RangeText(&CardJob::Count)}},
        NumberingOption(
            "start1", &RunNumbering::start1, &CardJob::Track1Start,
            QT_TRANSLATE_NOOP("CardctlText", "run: track 1's first number, %1 (default %2).")),
        NumberingOption(
            "step1", &RunNumbering::step1, &CardJob::Track1Increment,
            QT_TRANSLATE_NOOP("CardctlText", "run: track 1's increment, %1 (default %2).")),
        NumberingOption(
            "start2", &RunNumbering::start2, &CardJob::Track2Start,
            QT_TRANSLATE_NOOP("CardctlText", "run: track 2's first number, %1 (default %2).")),
        NumberingOption(
            "step2", &RunNumbering::step2, &CardJob::Track2Increment,
            QT_TRANSLATE_NOOP("CardctlText", "run: track 2's increment, %1 (default %2).")),
        NumberingOption(
            "start3", &RunNumbering::start3, &CardJob::Track3Start,
            QT_TRANSLATE_NOOP("CardctlText", "run: track 3's first number, %1 (default %2).")),
        NumberingOption(
            "step3", &RunNumbering::step3, &CardJob::Track3Increment,
            QT_TRANSLATE_NOOP("CardctlText", "run: track 3's increment, %1 (default %2).")),
        {{"digits"},
         Number(&RunNumbering::digits, 1, kMaxRunDigits),
         QT_TRANSLATE_NOOP(
             "CardctlText",
             "run: pads each number with zeros to N digits; the track limits count them."),
         kRun},
        {{"max-tries"},
         Number(&CliOptions::maxTries, 0, 1000000),
         QT_TRANSLATE_NOOP(
             "CardctlText",
             "run, batch, clone: a card the device refuses N times in a row ends the job with "
             "status 1 (default 3; 0 writes it again until confirmed)."),
         kRun | kBatch | kClone},
        {{"journal"},
         FilePath(
             &CliOptions::journalPath, "FILE",
             QT_TRANSLATE_NOOP("CardctlText", "needs a file name: write --journal journal.csv")),
         QT_TRANSLATE_NOOP(
             "CardctlText",
             "Appends each card's record to FILE (records CSV) as soon as it is logged, synced "
             "to the disk card by card."),
         kRead | kWrite | kRun | kBatch | kClone},
        {{"resume"},
         FilePath(
             &CliOptions::resumePath, "JOURNAL",
             QT_TRANSLATE_NOOP("CardctlText", "needs a file name: write --resume journal.csv")),
         QT_TRANSLATE_NOOP(
             "CardctlText",
             "batch: leaves out the cards JOURNAL shows written and confirmed (none when JOURNAL "
             "is not there yet); name it with --journal too to go on appending to it."),
         kBatch},
        {{"rewrite-unsure"},
         Flag(&CliOptions::rewriteUnsure),
         QT_TRANSLATE_NOOP(
             "CardctlText",
             "batch --resume: writes again a card JOURNAL shows in flight when the job ended "
             "(it may be on its card already); without it such a card is named and nothing is "
             "sent."),
         kBatch},
        {{"verify"},
         Flag(&CliOptions::verify),
         QT_TRANSLATE_NOOP(
             "CardctlText",
             "write, run, batch, clone: reads each confirmed card back (swipe it again) and "
             "writes it again on the next blank when it differs."),
         kWrite | kRun | kBatch | kClone},
        {{"h", "help"}, {}, QT_TRANSLATE_NOOP("CardctlText", "Shows this help."), kEveryCommand},
        {{"version"}, {}, QT_TRANSLATE_NOOP("CardctlText", "Shows the version."), kEveryCommand},
    };
    return specs;
}
