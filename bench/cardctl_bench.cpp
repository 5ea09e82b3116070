// cardctl against the simulator, as a user runs it:
//  1. the CPU `cardctl read` takes while it waits for a swipe (must stay below 1 % of a
//     core), from /proc/<pid>/stat over five seconds;
//
//   build/bench/cardctl_bench
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "cardsim_process.h"
#include "profile_text.h"
#include "program_process.h"

namespace {

// utime + stime of a process, in clock ticks.
long CpuTicks(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The command name may hold blanks; the fields after it are counted from its ')'.
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    long utime = 0;
    long stime = 0;
    for (int index = 3; fields >> field; ++index) {
        if (index == 14) utime = std::stol(field);
        if (index == 15) {
            stime = std::stol(field);
            break;
        }
    }
    return utime + stime;
}

void IdleRead() {
    CardsimProcess sim({"--swipe-ms", "600000"}, ProfileText());
    ProgramProcess cardctl(CARDCTL_PATH, {"read", "--tracks", "23", "--port", sim.PortPath(),
                                          "--profile", sim.ProfilePath().string()});
    std::this_thread::sleep_for(std::chrono::seconds(1));
    constexpr int kSeconds = 5;
    const long before = CpuTicks(cardctl.Pid());
    std::this_thread::sleep_for(std::chrono::seconds(kSeconds));
    const long after = CpuTicks(cardctl.Pid());
    cardctl.Signal(SIGINT);
    const int status = cardctl.Wait();
    const double percent =
        100.0 * static_cast<double>(after - before) / sysconf(_SC_CLK_TCK) / kSeconds;
    std::printf("idle read: %.2f %% of a core over %d s (%ld ticks), exit %d after Ctrl+C\n",
                percent, kSeconds, after - before, status);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    IdleRead();
    return 0;
}
