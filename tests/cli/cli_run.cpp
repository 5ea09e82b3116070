#include "cli_run.h"

#include <QStringList>
#include <sstream>

#include "cardctl.h"
#include "pty_job_harness.h"

CliRun RunCardctlHere(const std::vector<std::string>& arguments) {
    QStringList list{QStringLiteral("cardctl")};
    for (const std::string& argument : arguments) list << QString::fromStdString(argument);
    std::ostringstream out;
    std::ostringstream err;
    TempDir portsDir;
    const CliEnvironment environment{out, err, false, kShortTimeouts, portsDir.Path()};
    CliRun run;
    run.status = RunCardctl(list, environment);
    run.out = out.str();
    run.err = err.str();
    return run;
}
