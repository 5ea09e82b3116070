// cardctl against the simulator, as a user runs it:
//  1. the CPU `cardctl read` takes while it waits for a swipe (must stay below 1 % of a
//     core), from /proc/<pid>/stat over five seconds;
//  2. the time per card of a 1000-card `cardctl batch` against a numbered run of the
//     same length in the engine, as the window runs it (within 10 % of each other).
//
//   build/bench/cardctl_bench [CARDS]
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QStringList>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "card_worker.h"
#include "cardctl.h"
#include "cardsim_process.h"
#include "profile_text.h"
#include "program_process.h"
#include "serial_link.h"

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

using Clock = std::chrono::steady_clock;
constexpr int kRounds = 11;

double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// The window's side of a numbered run: answers at once, keeps nothing.
class QuietConsole : public Console {
  public:
    void Deliver(uint32_t, intptr_t, intptr_t) override {}
    TrackTexts CurrentTrackTexts() override { return {"", "6011000099990", ""}; }
    void ShowMessageBox(const std::string&) override {}
};

double EngineRunMillisPerCard(const CardsimProcess& sim, int cards) {
    QuietConsole console;
    CardJob job;
    job.Mode = 0;
    job.Continuous = 1;
    job.Count = cards;
    job.Tracks = Track2;
    job.PortName = sim.PortPath();
    job.CommSettings = SerialLink::kDefaultSettings;
    job.Console = &console;
    LoadDeviceProfile(job.Profile, sim.ProfilePath());
    const auto start = Clock::now();
    std::unique_ptr<QThread> worker(QThread::create([&job] { CardWorker(&job); }));
    worker->start();
    worker->wait();
    const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
    if (job.Records.size() != static_cast<std::size_t>(cards)) std::fprintf(stderr, "run short\n");
    return elapsed.count() / cards;
}

double CardctlBatchMillisPerCard(const CardsimProcess& sim, const std::string& list, int cards) {
    std::ostringstream out;
    std::ostringstream err;
    const CliEnvironment environment{out, err, false, SerialTimeouts{}, {}};
    const QStringList arguments{QStringLiteral("cardctl"),
                                QStringLiteral("batch"),
                                QString::fromStdString(list),
                                QStringLiteral("--tracks"),
                                QStringLiteral("2"),
                                QStringLiteral("--port"),
                                QString::fromStdString(sim.PortPath()),
                                QStringLiteral("--profile"),
                                QString::fromStdString(sim.ProfilePath().string())};
    const auto start = Clock::now();
    const int status = RunCardctl(arguments, environment);
    const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
    if (status != 0)
        std::fprintf(stderr, "cardctl batch ended with %d: %s\n", status, err.str().c_str());
    return elapsed.count() / cards;
}

void BatchAgainstRun(int cards) {
    CardsimProcess sim({"--write-reply-ms", "0"}, ProfileText());
    const std::string list = (sim.Folder() / "cards.txt").string();
    std::string values;
    for (int card = 0; card < cards; ++card)
        values += "6011000099990" + std::to_string(card) + "\n";
    WriteFile(list, values);

    std::vector<double> batchTimes;
    std::vector<double> runTimes;
    std::vector<double> ratios;
    for (int round = 0; round < kRounds; ++round) {
        // In turn first, so that a slower moment falls on both alike.
        double batch = 0;
        double run = 0;
        for (const bool batchNow : {round % 2 == 0, round % 2 != 0}) {
            (batchNow ? batch : run) = batchNow ? CardctlBatchMillisPerCard(sim, list, cards)
                                                : EngineRunMillisPerCard(sim, cards);
        }
        batchTimes.push_back(batch);
        runTimes.push_back(run);
        ratios.push_back(batch / run);
    }
    std::printf("%d cards per job against cardsim (medians of %d rounds)\n", cards, kRounds);
    std::printf("engine numbered run  %7.3f ms/card\n", Median(runTimes));
    std::printf("cardctl batch        %7.3f ms/card\n", Median(batchTimes));
    std::printf("batch / numbered run, round by round: %.2f\n", Median(ratios));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    IdleRead();
    BatchAgainstRun(argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000);
    return 0;
}
