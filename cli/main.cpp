// cardctl: the console's jobs from a terminal. Everything but the process's own streams
// lives in cardctl_lib, where the tests reach it.
#include <QCoreApplication>
#include <iostream>
#include <optional>

#include "cardctl.h"
#include "cli_options.h"
#include "port_name.h"
#include "qt_chinese_texts.h"
#include "ui_language.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "console_stream.h"
#define isatty _isatty
#else
#include <signal.h>
#include <unistd.h>
#endif

int main(int argc, char** argv) {
#ifndef _WIN32
    // A closed standard output is noticed by the records' stream, which then stops the job
    // as Stop does; SIGPIPE would end the process with the device not reset.
    signal(SIGPIPE, SIG_IGN);
#else
    // Records are data: their bytes leave as they are, not with a CR put before every LF.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    QCoreApplication application(argc, argv);
    // Chosen before the command line is taken for the job, so that its refusals are in the
    // chosen language too.
    const LanguageChoice language = ChooseLanguage(LanguageOption(QCoreApplication::arguments()));
    const LanguageTexts texts(language);
    // Qt's own words (its command-line parser's refusals) follow a Chinese that is named.
    std::optional<QtChineseTexts> qtTexts;
    if (language.language == UiLanguage::Chinese && !language.asWritten) qtTexts.emplace();
#ifdef _WIN32
    const auto consoleOut = WideConsoleStream(1);
    const auto consoleErr = WideConsoleStream(2);
    std::ostream& out = consoleOut ? *consoleOut : std::cout;
    std::ostream& err = consoleErr ? *consoleErr : std::cerr;
#else
    std::ostream& out = std::cout;
    std::ostream& err = std::cerr;
#endif
    const CliEnvironment environment{
        out, err, isatty(2) != 0, SerialTimeouts{}, DefaultPortsDirectory(), isatty(1) != 0};
    return RunCardctl(QCoreApplication::arguments(), environment);
}
