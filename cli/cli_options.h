#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <string>

#include "card_job.h"
#include "ui_language.h"

enum class CliCommand { Read, Write, Run, Batch, Clone, Erase, Ports, Profile, Probe };

// The settings a job takes from the window's boxes, here from the command line.
struct JobSettings {
    std::string portName = "COM1";
    bool portNamed = false;  // --port was given; else the profile's link has its own default
    std::string lineSettings = "baud=9600 parity=N data=8 stop=1";
    std::optional<TrackSet> tracks;  // none until --tracks names some
    bool isoFormat = true;
    bool lowDensity = true;
    bool lowCoercivity = true;
};

// The numbered run's boxes, with the window's defaults.
struct RunNumbering {
    int count = 1;
    int start1 = 0;
    int step1 = 1;
    int start2 = 0;
    int step2 = 1;
    int start3 = 0;
    int step3 = 1;
    int digits = 0;  // 0: numbers as wide as they are
};

struct CliOptions {
    CliCommand command = CliCommand::Ports;
    QString profilePath;  // empty: the console's own lookup
    JobSettings job;
    QString logPath;
    bool logUtf8 = false;
    QString recordsPath;
    bool json = false;
    bool quiet = false;
    std::optional<UiLanguage> language;  // --lang; unset: CARDDEMO_LANG, then the system's
    int cards = 0;                       // read: stop after this many cards; 0 reads until stopped
    // --track1 ... --track3 as given, by track number - 1.
    std::array<std::optional<QString>, 3> texts;
    RunNumbering numbering;      // run; clone takes its count
    QString listPath;            // batch
    int maxTries = 3;            // run, batch, clone; 0 sets no limit
    QString journalPath;         // every record appended as its card is logged
    QString resumePath;          // batch: the journal whose confirmed cards are left out
    bool verify = false;         // write, run, batch, clone: each confirmed card read back
    bool rewriteUnsure = false;  // batch --resume: writes again a card the journal left in flight
};

struct ParsedCommandLine {
    enum class Action { RunCommand, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Refuse;
    CliOptions options;
    // For Refuse: what is wrong and what to write instead, one line.
    std::string error;
};

// `arguments` as main() gets them, the program's name first.
ParsedCommandLine ParseCommandLine(const QStringList& arguments);
// Only the language --lang names, before the translator is in: the job's parse and its
// refusals come after, in that language.
std::optional<UiLanguage> LanguageOption(const QStringList& arguments);

// The whole --help text: usage, commands, options, an example per command, exit status.
std::string HelpText();
std::string VersionText();

// Whether the command runs a job on the device.
bool IsJobCommand(CliCommand command);
