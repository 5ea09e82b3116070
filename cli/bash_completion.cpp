#include "bash_completion.h"

#include "option_table.h"

namespace {

// One `case` branch: the patterns, then the shell line.
QString Branch(const QStringList& patterns, const QString& line) {
    return QStringLiteral("        %1) %2 ;;\n").arg(patterns.join(QLatin1Char('|')), line);
}

QString Words(const QStringList& words) {
    return QStringLiteral("COMPREPLY=($(compgen -W '%1' -- \"$cur\"))")
        .arg(words.join(QLatin1Char(' ')));
}

constexpr const char* kFiles = "compopt -o filenames; COMPREPLY=($(compgen -f -- \"$cur\"))";

// What follows an option that takes a value, one branch for the options that share it;
// `return` ends the completion there.
QString ValueBranches() {
    QStringList lines;
    QList<QStringList> patterns;
    for (const OptionSpec& option : OptionSpecs()) {
        const ValueRule& rule = option.rule;
        if (rule.valueName.isEmpty()) continue;
        QString line = QStringLiteral("return");  // a number or a text the user types
        if (rule.kind == ValueKind::Choice) {
            line = Words(rule.choices) + QStringLiteral("; return");
        } else if (rule.kind == ValueKind::File) {
            line = QString::fromUtf8(kFiles) + QStringLiteral("; return");
        } else if (rule.kind == ValueKind::Port) {
            line = QStringLiteral(
                "COMPREPLY=($(compgen -W \"$(\"${COMP_WORDS[0]}\" ports 2>/dev/null | "
                "cut -d' ' -f1)\" -- \"$cur\")); return");
        }
        if (!lines.contains(line)) {
            lines << line;
            patterns << QStringList();
        }
        patterns[lines.indexOf(line)] << option.Forms();
    }
    QString branches;
    for (qsizetype at = 0; at < lines.size(); ++at) branches += Branch(patterns[at], lines[at]);
    return branches;
}

// The options of any of the commands in `commands` (CommandBits).
QStringList OptionsOf(unsigned commands) {
    QStringList forms;
    for (const OptionSpec& option : OptionSpecs()) {
        if ((option.commands & commands) != 0) forms << option.Forms();
    }
    return forms;
}

// The options each command takes, offered once a word starts with a hyphen; before the
// command, every option.
QString CommandBranches() {
    QString branches;
    for (const CommandSpec& command : CommandSpecs())
        branches += Branch({QString::fromUtf8(command.name)}, Words(OptionsOf(command.bit)));
    return branches + Branch({QStringLiteral("''")}, Words(OptionsOf(kEveryCommand)));
}

QStringList OptionsWithValues() {
    QStringList forms;
    for (const OptionSpec& option : OptionSpecs()) {
        if (!option.rule.valueName.isEmpty()) forms << option.Forms();
    }
    return forms;
}

QStringList CommandNames() {
    QStringList names;
    for (const CommandSpec& command : CommandSpecs()) names << QString::fromUtf8(command.name);
    return names;
}

}  // namespace

std::string BashCompletion() {
    const QString script = QStringLiteral(
        "# bash completion for cardctl; made from its option table when cardctl is built.\n"
        "_cardctl() {\n"
        "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
        "    local command='' i\n"
        "    # The command is the first word that is neither an option nor an option's value.\n"
        "    for ((i = 1; i < COMP_CWORD; i++)); do\n"
        "        case ${COMP_WORDS[i]} in\n"
        "%1"
        "        -*) ;;\n"
        "        *) command=${COMP_WORDS[i]}; break ;;\n"
        "        esac\n"
        "    done\n"
        "    case $prev in\n"
        "%2"
        "    esac\n"
        "    if [[ $cur == -* ]]; then\n"
        "        case $command in\n"
        "%3"
        "        esac\n"
        "    elif [[ -z $command ]]; then\n"
        "        %4\n"
        "    elif [[ $command == batch ]]; then\n"
        "        %5\n"
        "    fi\n"
        "}\n"
        "complete -F _cardctl cardctl\n");
    return script
        .arg(Branch(OptionsWithValues(), QStringLiteral("((i++))")), ValueBranches(),
             CommandBranches(), Words(CommandNames()), QString::fromUtf8(kFiles))
        .toStdString();
}
