// cardctl: the console's jobs from a terminal. Everything but the process's own streams
// lives in cardctl_lib, where the tests reach it.
#include <QCoreApplication>
#include <iostream>

#include "cardctl.h"
#include "port_name.h"

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#else
#include <unistd.h>
#endif

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const CliEnvironment environment{std::cout, std::cerr, isatty(2) != 0, SerialTimeouts{},
                                     DefaultPortsDirectory()};
    return RunCardctl(QCoreApplication::arguments(), environment);
}
