#include "hid_reports.h"

#include <gtest/gtest.h>

#include "profile_text.h"

namespace {

using Outcome = ReplyJoiner::Outcome;

TEST(HidReports, MessagesGoOutInZeroPaddedReportsAfterReportIdZero) {
    // Each case: the message's size, then each report's header and payload count.
    const std::vector<std::pair<std::size_t, std::vector<std::pair<int, std::size_t>>>> cases = {
        {2, {{0xC2, 2}}}, {63, {{0xFF, 63}}}, {130, {{0xBF, 63}, {0x3F, 63}, {0x44, 4}}}};
    for (const auto& [size, reports] : cases) {
        std::string message;
        for (std::size_t i = 0; i < size; ++i) message.push_back(static_cast<char>(i + 1));
        std::string expected;
        std::size_t at = 0;
        for (const auto& [header, count] : reports) {
            expected += std::string(1, '\0') + static_cast<char>(header) + message.substr(at, count) +
                        std::string(63 - count, '\0');
            at += count;
        }
        std::string sent;
        for (const HostReport& report : HostReports(message)) sent.append(report.begin(), report.end());
        EXPECT_EQ(sent, expected) << size << " bytes";
    }
}

TEST(HidReports, DeviceReportsJoinIntoMessagesOrBreak) {
    struct Case {
        const char* name;
        std::vector<std::string> reports;  // each zero-padded to reportSize
        std::vector<Outcome> outcomes;
        std::string message;
        std::size_t reportSize = kHidReportSize;
    };
    const std::vector<Case> cases = {
        {"one report", {Hex("C2 1B 79")}, {Outcome::Complete}, Hex("1B 79")},
        {"a 63-byte payload", {Hex("FF") + std::string(63, 'x')}, {Outcome::Complete}, std::string(63, 'x')},
        {"over several reports", {Hex("83 1B 73 1B"), Hex("02 01 41"), Hex("42 3F 1C")},
         {Outcome::Partial, Outcome::Partial, Outcome::Complete}, Hex("1B 73 1B 01 41 3F 1C")},
        {"padding ignored", {Hex("C2 1B 30 55 55 55")}, {Outcome::Complete}, Hex("1B 30")},
        {"last report missing", {Hex("82 1B 73")}, {Outcome::Partial}, ""},
        {"a new first drops the cut message", {Hex("82 1B 73"), Hex("C1 79")},
         {Outcome::Partial, Outcome::Complete}, Hex("79")},
        {"continuation without a first", {Hex("42 1B 30")}, {Outcome::Broken}, ""},
        {"count beyond a short report", {Hex("C9 61 62 63")}, {Outcome::Broken}, "", 4},
    };
    for (const Case& c : cases) {
        ReplyJoiner joiner;
        std::vector<Outcome> outcomes;
        for (std::string report : c.reports) {
            report.resize(c.reportSize);
            outcomes.push_back(joiner.Take(reinterpret_cast<const unsigned char*>(report.data()), report.size()));
        }
        EXPECT_EQ(outcomes, c.outcomes) << c.name;
        EXPECT_EQ(joiner.TakeMessage(), c.message) << c.name;
        EXPECT_EQ(joiner.Problem().empty(), c.outcomes.back() != Outcome::Broken) << c.name;
    }
}

}  // namespace
