#include "card_check.h"

#include <gtest/gtest.h>

namespace {

TEST(TrackLimits, FollowTheWindowsBoxes) {
    DeviceProfile profile;
    profile.Tack1Num = 10;
    profile.Tack2Lower = 20;
    profile.Tack2High = 30;
    EXPECT_EQ(TrackLimitsFor(profile, true).bytes, (std::array<int, 3>{10, 20, 30}));
    EXPECT_EQ(TrackLimitsFor(profile, false).bytes, (std::array<int, 3>{10, 30, 30}));
}

TEST(CheckCardValues, CountsGbkBytesAgainstTheLimitAnd119) {
    struct Case {
        const char* name;
        QString value;
        int limit;
        std::vector<std::string> problems;
    } cases[] = {
        {"at the limit", "12345", 5, {}},
        {"over the limit", "123456", 5, {"2轨数据6个字节，超过5个字节的限制"}},
        {"a Chinese character counts 2", "中2345", 5, {"2轨数据6个字节，超过5个字节的限制"}},
        {"a line break counts 2", "12\n34", 5, {"2轨数据6个字节，超过5个字节的限制"}},
        {"0 means no limit", QString(119, u'1'), 0, {}},
        {"a negative limit means none", QString(119, u'1'), -1, {}},
        {"119 bytes at most", QString(120, u'1'), 0, {"2轨数据120个字节，超过119个字节的限制"}},
        {"a larger limit still stops at 119",
         QString(120, u'1'),
         200,
         {"2轨数据120个字节，超过119个字节的限制"}},
        {"empty is missing", "", 5, {"缺少2轨数据"}},
    };
    for (const Case& c : cases) {
        TrackValues values;
        values[1] = c.value;
        const CheckedCard card = CheckCardValues(TrackSet::Track2, values, {{0, c.limit, 0}});
        EXPECT_EQ(card.problems, c.problems) << c.name;
    }
}

TEST(CheckCardValues, TakesOnlyTheSelectionsTracks) {
    const TrackValues values{QString(200, u'x'), QStringLiteral("1\r2"), QStringLiteral("中")};
    const CheckedCard card = CheckCardValues(TrackSet::Track23, values, {});
    EXPECT_TRUE(card.problems.empty());
    EXPECT_EQ(card.gbk, (std::array<std::string, 3>{"", "1\r\n2", "\xD6\xD0"}));
}

}  // namespace
