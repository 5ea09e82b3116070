// What a 10,000-card list costs to read and check, and 10,000 records to export, against
// a plain read of the list file's bytes in the same run. Each should stay well under a
// second.
//
//   build/bench/card_list_bench
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "card_list.h"
#include "record_export.h"
#include "whole_file.h"

namespace {

constexpr int kCards = 10000;
constexpr int kRuns = 7;

using Clock = std::chrono::steady_clock;

double MedianMillis(const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + kRuns / 2, times.end());
    return times[kRuns / 2];
}

std::string Track2(int card) {
    char text[40];
    std::snprintf(text, sizeof text, "60110000999%05d=30011010000000000", card);
    return text;
}

std::string Track3(int card) {
    char text[48];
    std::snprintf(text, sizeof text, "9960110000999%05d=156156000000000000000", card);
    return text;
}

std::string ListFile() {
    std::string list = "card,track2,track3\r\n";
    for (int card = 1; card <= kCards; ++card)
        list += std::to_string(card) + "," + Track2(card) + "," + Track3(card) + "\r\n";
    return list;
}

CardRecordList Records() {
    CardRecordList records;
    for (int card = 1; card <= kCards; ++card)
        records.push_back(
            {1,
             card,
             "2024-03-01T09:30:00+08:00",
             CardKind::Read,
             TrackSet::Track23,
             {{{}, {Track2(card), TrackStatus::Ok}, {Track3(card), TrackStatus::Ok}}}});
    return records;
}

void Report(const char* what, double millis, double baseline) {
    std::printf("%-34s %8.2f ms  %6.2f us/card  %7.1fx baseline\n", what, millis,
                millis * 1000.0 / kCards, millis / baseline);
}

}  // namespace

int main() {
    QTemporaryDir dir;
    const QString listPath = dir.filePath(QStringLiteral("list.csv"));
    const QString exportPath = dir.filePath(QStringLiteral("records.csv"));
    const std::string list = ListFile();
    if (WriteFileWhole(listPath, list)) return 1;
    DeviceProfile profile;
    const TrackLimits limits = TrackLimitsFor(profile, false);
    const CardRecordList records = Records();

    std::size_t sink = 0;
    const double baseline = MedianMillis([&] {
        QFile file(listPath);
        if (file.open(QIODevice::ReadOnly)) sink += static_cast<std::size_t>(file.readAll().size());
    });
    const double read = MedianMillis(
        [&] { sink += ReadCardList(listPath, TrackSet::Track23, limits).cards.size(); });
    std::string csv;
    const double toCsv = MedianMillis([&] { csv = RecordsCsv(records); });
    const double toJson = MedianMillis([&] { sink += RecordsJson(records).size(); });
    const double save = MedianMillis([&] { sink += WriteFileWhole(exportPath, csv) ? 0 : 1; });

    std::printf("%d cards, list file %zu bytes, CSV export %zu bytes (median of %d runs)\n", kCards,
                list.size(), csv.size(), kRuns);
    Report("baseline: read the list's bytes", baseline, baseline);
    Report("read and check the list", read, baseline);
    Report("records to CSV", toCsv, baseline);
    Report("records to JSON", toJson, baseline);
    Report("CSV export written to disk", save, baseline);
    return sink == 0 ? 1 : 0;
}
