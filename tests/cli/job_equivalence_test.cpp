// A cardctl job is the window's job: the same bytes on the wire, in the --log file the
// same JobLog, byte for byte, and on stdout the same records, as the engine gives when
// the window fills the job record the same way.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>

#include "card_list.h"
#include "cardsim_process.h"
#include "cli_run.h"
#include "gbk.h"
#include "job_records.h"
#include "pty_job_harness.h"
#include "record_export.h"

namespace {

struct SameJob {
    const char* name;
    std::vector<std::string> simArguments;
    std::vector<std::string> cardctlArguments;
    // The window's side: the job record and the track boxes as its Run fills them.
    std::function<void(CardJob&, RecordingConsole&)> fillAsWindow;
    int status = 0;
    bool utf8Log = false;
    int windowStopsAtRefresh = 0;  // the operator's Stop, for a read
    std::string list;              // a card list, named LIST in the arguments
};

std::ostream& operator<<(std::ostream& out, const SameJob& job) {
    return out << job.name;
}

// Records as CSV with the times left out: the two jobs ran at different moments.
std::string WithoutTimes(const std::string& csv) {
    std::istringstream lines(csv);
    std::string line;
    std::string result;
    while (std::getline(lines, line)) {
        // The time is the fourth column, after job, card and row; a line that is the rest
        // of a quoted cell has none.
        std::size_t time = 0;
        for (int i = 0; i < 3 && time != std::string::npos; ++i) {
            time = line.find(',', time);
            if (time != std::string::npos) ++time;
        }
        const std::size_t after = time == std::string::npos ? time : line.find(',', time);
        result += after == std::string::npos ? line + "\n"
                                             : line.substr(0, time) + line.substr(after) + "\n";
    }
    return result;
}

std::string CsvOf(const CardRecordList& records) {
    std::string csv = RecordsCsvHeader();
    for (const CardRecord& record : records) csv += RecordCsvLine(record);
    return csv;
}

class CardctlJob : public ::testing::TestWithParam<SameJob> {};

TEST_P(CardctlJob, IsTheWindowsJob) {
    const SameJob& same = GetParam();
    const std::string profile = ProfileText();
    std::vector<std::string> simArguments = same.simArguments;
    simArguments.insert(simArguments.end(), {"--write-reply-ms", "20", "--swipe-ms", "20"});

    CardsimProcess cliSim(simArguments, profile);
    TempDir dir;
    std::vector<std::string> arguments = same.cardctlArguments;
    const auto listPath = dir / "cards.csv";
    WriteFile(listPath, same.list);
    std::replace(arguments.begin(), arguments.end(), std::string("LIST"), listPath.string());
    arguments.insert(arguments.end(),
                     {"--port", cliSim.PortPath(), "--profile", cliSim.ProfilePath().string(),
                      "--log", (dir / "job.log").string()});
    if (same.utf8Log) arguments.push_back("--log-utf8");
    const CliRun run = RunCardctlHere(arguments);
    EXPECT_EQ(run.status, same.status) << run.err;
    cliSim.Stop();

    CardsimProcess windowSim(simArguments, profile);
    PtyJobHarness window(0);
    window.UseProfileText(profile);
    window.job.PortName = windowSim.PortPath();
    window.job.IsoFormat = 1;
    window.job.LowDensity = 1;
    window.job.LowCoercivity = 1;
    window.job.JobNumber = 1;
    same.fillAsWindow(window.job, window.console);
    if (!same.list.empty()) {
        for (const ListCard& card : ReadCardList(QString::fromStdString(listPath.string()),
                                                 *TrackSetOf(window.job.Tracks),
                                                 TrackLimitsFor(window.job.Profile, true))
                                        .cards)
            window.job.CardList.push_back({card.tracks[0], card.tracks[1], card.tracks[2]});
    }
    EXPECT_EQ(window.Run(same.windowStopsAtRefresh), 0);
    windowSim.Stop();

    EXPECT_EQ(cliSim.Received(), windowSim.Received());
    const std::string log = ReadFile(dir / "job.log");
    EXPECT_FALSE(log.empty());
    EXPECT_EQ(log, same.utf8Log ? GbkToUtf8(window.job.JobLog) : window.job.JobLog);
    EXPECT_EQ(WithoutTimes(run.out), WithoutTimes(CsvOf(window.job.Records)));
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, CardctlJob,
    ::testing::Values(SameJob{"ReadTwoCards",
                              {},
                              {"read", "--tracks", "23", "--cards", "2"},
                              [](CardJob& job, RecordingConsole&) {
                                  job.Mode = 1;
                                  job.Tracks = Track23;
                              },
                              0,
                              false,
                              2,
                              ""},
                      SameJob{
                          "SingleWritePair",
                          {},
                          {"write", "--tracks", "23", "--track2", "12345", "--track3", "中文=99"},
                          [](CardJob& job, RecordingConsole& console) {
                              job.Tracks = Track23;
                              console.SetTrackTexts({"", "12345", Gbk("中文=99")});
                          },
                          0,
                          false,
                          0,
                          ""},
                      SameJob{"SingleWriteNotConfirmedUtf8Log",
                              {"--write-replies", "fail"},
                              {"write", "--tracks", "3", "--track3", "卡3", "--coercivity", "high"},
                              [](CardJob& job, RecordingConsole& console) {
                                  job.Tracks = Track3;
                                  job.LowCoercivity = 0;
                                  console.SetTrackTexts({"", "", Gbk("卡3")});
                              },
                              1,
                              true,
                              0,
                              ""},
                      SameJob{"NumberedRunWithARetry",
                              {"--write-replies", "ok,fail,ok"},
                              {"run", "--tracks", "2", "--track2", "AB", "--count", "3", "--start2",
                               "5", "--step2", "10", "--card-format", "ibm", "--density", "high"},
                              [](CardJob& job, RecordingConsole& console) {
                                  job.Tracks = Track2;
                                  job.Continuous = 1;
                                  job.Count = 3;
                                  job.Track2Start = 5;
                                  job.Track2Increment = 10;
                                  job.IsoFormat = 0;
                                  job.LowDensity = 0;
                                  console.SetTrackTexts({"", "AB", ""});
                              },
                              1,
                              false,
                              0,
                              ""},
                      SameJob{"ListWithARetry",
                              {"--write-replies", "ok,fail,ok"},
                              {"batch", "LIST", "--tracks", "23"},
                              [](CardJob& job, RecordingConsole&) { job.Tracks = Track23; },
                              1,
                              false,
                              0,
                              "track2,track3\n111,中文A\n\"2\r\n2\",33\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
