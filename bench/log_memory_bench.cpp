// What a long read session costs in memory and in the window's time, against the
// simulator swiping as fast as it can:
//  1. the console's window (offscreen) reading N cards: RSS growth per logged card, the
//     log's own bytes per card, and the CPU time of the window's thread per card;
//  2. the JSON export of the window's records: peak memory against the file's size;
//  3. `cardctl read --cards N --log FILE`: RSS growth per logged card, from its peak
//     against that of a run of N/10 cards.
// Growth is taken between N/10 and N cards, so start-up costs stay out of the ratios.
//
//   build/bench/log_memory_bench [N]      (default 100000)
#include <time.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "card_demo_dlg.h"
#include "cardsim_process.h"
#include "console_dialog.h"
#include "profile_text.h"
#include "program_process.h"
#include "record_export.h"

namespace {

// A field of /proc/self/status (or another process's), in bytes.
long StatusBytes(const std::string& statusPath, const std::string& field) {
    std::ifstream in(statusPath);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(field + ":", 0) == 0)
            return std::atol(line.c_str() + field.size() + 1) * 1024;
    }
    return 0;
}

long OwnRss() {
    return StatusBytes("/proc/self/status", "VmRSS");
}

double ThreadCpuMillis() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Sample {
    long rss;
    double windowMillis;
    std::size_t logBytes;
};

// Runs the window's read loop until `cards` have been logged, keeping the window's
// thread busy only with the window's own work.
void WindowRead(int cards) {
    CardsimProcess sim({"--swipe-ms", "0"}, ProfileText());
    CCardDemoDlg dialog(nullptr, sim.ProfilePath());
    dialog.show();
    FindControl<QComboBox>(dialog, IDC_PORT)->setEditText(QString::fromStdString(sim.PortPath()));
    FindControl<QPushButton>(dialog, IDC_TOGGLE_TRACK23)->click();
    FindControl<QPushButton>(dialog, IDC_RUN)->click();
    const CardJob& job = dialog.Job();

    const std::size_t early = static_cast<std::size_t>(std::max(1, cards / 10));
    std::optional<Sample> first;
    Sample last{};
    while (job.Records.size() < static_cast<std::size_t>(cards)) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (!dialog.JobRunning()) {
            std::fprintf(stderr, "the read loop ended early\n");
            std::exit(1);
        }
        // The records are the window's to read here: the worker waits in a refresh or
        // for the device, and counting them is as cheap as the window's own look.
        if (!first && job.Records.size() >= early)
            first = Sample{OwnRss(), ThreadCpuMillis(), job.JobLog.size()};
    }
    last = Sample{OwnRss(), ThreadCpuMillis(), job.JobLog.size()};
    const double logged = static_cast<double>(job.Records.size() - early);
    FindControl<QPushButton>(dialog, IDC_STOP)->click();
    while (dialog.JobRunning()) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);

    std::printf("window, %zu cards read (growth from card %zu)\n", job.Records.size(), early);
    std::printf("  RSS growth per logged card   %8.0f bytes\n",
                static_cast<double>(last.rss - first->rss) / logged);
    std::printf("  log's own bytes per card     %8.0f bytes\n",
                static_cast<double>(last.logBytes - first->logBytes) / logged);
    std::printf("  window thread CPU per card   %8.3f ms\n",
                (last.windowMillis - first->windowMillis) / logged);

    // The export the console's Ctrl+E makes, peak against the file.
    const std::filesystem::path file = sim.Folder() / "records.json";
    std::ofstream("/proc/self/clear_refs") << "5";
    const long before = OwnRss();
    const auto json = [&job](const ByteSink& sink) { RecordsJson(job.Records, sink); };
    if (const auto error = WriteFileWhole(QString::fromStdString(file.string()), json)) {
        std::fprintf(stderr, "%s\n", error->c_str());
    }
    const long peak = StatusBytes("/proc/self/status", "VmHWM") - before;
    const auto size = static_cast<double>(std::filesystem::file_size(file));
    std::printf("JSON export of %zu records: file %.1f MB, peak %.1f MB, %.2f x the file\n",
                job.Records.size(), size / 1e6, static_cast<double>(peak) / 1e6,
                static_cast<double>(peak) / size);
}

// cardctl's peak RSS over a read of `cards`, polled from its status while it runs.
long CardctlPeak(const CardsimProcess& sim, int cards, long& logBytes) {
    const std::string log = (sim.Folder() / "cardctl.log").string();
    ProgramProcess cardctl(
        CARDCTL_PATH,
        {"read", "--tracks", "23", "--cards", std::to_string(cards), "--quiet", "--port",
         sim.PortPath(), "--profile", sim.ProfilePath().string(), "--log", log});
    const std::string status = "/proc/" + std::to_string(cardctl.Pid()) + "/status";
    long peak = 0;
    for (;;) {
        const long now = StatusBytes(status, "VmHWM");
        // A process that has exited has no memory left to report.
        if (now == 0) break;
        peak = now;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    const int exit = cardctl.Wait(std::chrono::hours(1));
    if (exit != 0)
        std::fprintf(stderr, "cardctl read ended with %d: %s\n", exit, cardctl.Err().c_str());
    logBytes = static_cast<long>(std::filesystem::file_size(log));
    return peak;
}

void CardctlRead(int cards) {
    CardsimProcess sim({"--swipe-ms", "0"}, ProfileText());
    const int few = std::max(1, cards / 10);
    long fewLog = 0;
    long allLog = 0;
    const long fewPeak = CardctlPeak(sim, few, fewLog);
    const long allPeak = CardctlPeak(sim, cards, allLog);
    const double logged = cards - few;
    std::printf("cardctl read, %d cards against %d\n", cards, few);
    std::printf("  RSS growth per logged card   %8.0f bytes\n",
                static_cast<double>(allPeak - fewPeak) / logged);
    std::printf("  log's own bytes per card     %8.0f bytes\n",
                static_cast<double>(allLog - fewLog) / logged);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int cards = argc > 1 ? std::max(10, std::atoi(argv[1])) : 100000;
    WindowRead(cards);
    CardctlRead(cards);
    return 0;
}
