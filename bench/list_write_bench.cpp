// What a card costs in a list write against the simulator, next to a numbered run of the
// same length in the same run: the two should stay within 10 % of each other, as both
// send the same sequence and wait for the same reply per card.
//
//   build/bench/list_write_bench [CARDS]
#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "card_worker.h"
#include "cardsim_process.h"
#include "profile_text.h"
#include "serial_link.h"

namespace {

constexpr int kRounds = 15;
// Reads return 20 ms after the call at most: the reply comes at once, so no card waits.
const SerialTimeouts kTimeouts{10, 0, 20, 0, 200};

// A window that answers the worker at once and keeps nothing.
class QuietConsole : public Console {
  public:
    void Deliver(uint32_t, intptr_t, intptr_t) override {}
    TrackTexts CurrentTrackTexts() override { return {"", "6011000099990", ""}; }
    void ShowMessageBox(const std::string&) override {}
};

std::vector<TrackTexts> CardList(int cards) {
    std::vector<TrackTexts> list;
    for (int card = 0; card < cards; ++card)
        list.push_back({"", "6011000099990" + std::to_string(card), ""});
    return list;
}

// Milliseconds per card of one job on a worker thread, as the window runs it; nothing
// when not every card was written at the first try.
std::optional<double> MillisPerCard(CardJob& job, int cards) {
    job.Records.clear();
    const auto start = std::chrono::steady_clock::now();
    std::unique_ptr<QThread> worker(QThread::create([&job] { CardWorker(&job, kTimeouts); }));
    worker->start();
    worker->wait();
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    if (job.Records.size() != static_cast<std::size_t>(cards)) return std::nullopt;
    return elapsed.count() / cards;
}

double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int cards = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    CardsimProcess sim({"--write-reply-ms", "0"}, ProfileText());
    QuietConsole console;

    CardJob job;
    job.Mode = 0;
    job.Tracks = Track2;
    job.PortName = sim.PortPath();
    job.CommSettings = SerialLink::kDefaultSettings;
    job.Console = &console;
    LoadDeviceProfile(job.Profile, sim.ProfilePath());
    job.Count = cards;
    job.Continuous = 1;  // a list write goes before a numbered run when both are set
    const std::vector<TrackTexts> list = CardList(cards);

    // Alternating, and in turn first, so that a slower moment of the machine and any
    // cost of coming first fall on both kinds alike.
    std::vector<double> listTimes;
    std::vector<double> runTimes;
    std::vector<double> ratios;
    for (int round = 0; round < kRounds; ++round) {
        std::optional<double> times[2];  // numbered run, list write
        for (const int listWrite : {round % 2, 1 - round % 2}) {
            job.CardList = listWrite == 1 ? list : std::vector<TrackTexts>{};
            times[listWrite] = MillisPerCard(job, cards);
        }
        if (!times[0] || !times[1]) {
            std::fprintf(stderr, "a job did not write every card:\n%s\n%s", job.JobLog.c_str(),
                         sim.Log().c_str());
            return 1;
        }
        runTimes.push_back(*times[0]);
        listTimes.push_back(*times[1]);
        ratios.push_back(*times[1] / *times[0]);
    }
    std::printf("%d cards per job against cardsim (medians of %d rounds)\n", cards, kRounds);
    std::printf("numbered run   %7.3f ms/card\n", Median(runTimes));
    std::printf("list write     %7.3f ms/card\n", Median(listTimes));
    std::printf("list write / numbered run, round by round: %.2f\n", Median(ratios));
    return 0;
}
