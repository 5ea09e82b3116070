#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

#include "cli_options.h"

// cardctl's commands and options, each option with the rule that reads its value and the
// field it fills: the parser, --help, the man page and the shell completion all read
// these tables, so an option added here is parsed, documented and completed at once.

// Which commands an option belongs to, as bits.
enum CommandBits : unsigned {
    kRead = 1U << 0,
    kWrite = 1U << 1,
    kRun = 1U << 2,
    kBatch = 1U << 3,
    kClone = 1U << 4,
    kPorts = 1U << 5,
    kProfile = 1U << 6,
    kErase = 1U << 7,
    kProbe = 1U << 8,
    kEveryCommand = kRead | kWrite | kRun | kBatch | kClone | kPorts | kProfile | kErase | kProbe,
};

struct CommandSpec {
    CliCommand command;
    const char* name;
    unsigned bit;
    const char* synopsis;  // as the help lists it
    const char* summary;   // English, marked for the translator
};

// What an option's value is, as far as a shell completing it needs to know: Typed is a
// number or a text only the user knows.
enum class ValueKind { None, Typed, Choice, File, Port };

// Stores a given option's value in the options. Returns the one-line refusal that says
// what to write instead (the option named as given, "--count"), or empty when the value
// will do.
using ValueReader =
    std::function<QString(const QString& option, const QString& value, CliOptions& options)>;

struct ValueRule {
    ValueRule() = default;  // --help and --version
    ValueRule(ValueKind kind, QString valueName, ValueReader read, QStringList choices = {})
        : kind(kind),
          valueName(std::move(valueName)),
          read(std::move(read)),
          choices(std::move(choices)) {}

    ValueKind kind = ValueKind::None;
    QString valueName;    // empty for a switch
    ValueReader read;     // unset for --help and --version, which end the parse
    QStringList choices;  // for ValueKind::Choice
};

struct OptionSpec {
    OptionSpec(QStringList names, ValueRule rule, const char* description, unsigned commands,
               QStringList descriptionArgs = {});

    QStringList names;  // the short form first, as the help lists them
    ValueRule rule;
    const char* description;  // English, marked for the translator; %1.. are descriptionArgs
    unsigned commands;
    QStringList descriptionArgs;

    // In the operator's language for the help; as written for the man page.
    QString Description(bool translated = true) const;
    QString LongName() const { return names.last(); }
    // Each name as typed: "-p", "--port".
    QStringList Forms() const;
};

const std::vector<CommandSpec>& CommandSpecs();
const std::vector<OptionSpec>& OptionSpecs();

// The help's and the man page's shared texts, English, marked for the translator.
extern const char* const kProgramSummary;  // line breaks where the help breaks it
extern const std::vector<const char*> kExamples;
extern const char* const kExitStatus;
