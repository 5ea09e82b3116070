#pragma once

#include <QStringList>
#include <filesystem>
#include <ostream>

#include "serial_link.h"

// Where a cardctl run reads and writes; main() gives the process's own, tests their own.
struct CliEnvironment {
    std::ostream& out;
    std::ostream& err;
    bool errIsTerminal = false;
    SerialTimeouts timeouts;
    // The folder whose links `ports` shows for COM1 to COM4.
    std::filesystem::path portsDirectory;
    // Standard output is a terminal: what goes there shows control bytes escaped.
    bool outIsTerminal = false;
};

// The whole of cardctl: `arguments` as main() gets them; the result is the exit status.
// Needs a QCoreApplication.
int RunCardctl(const QStringList& arguments, const CliEnvironment& environment);
