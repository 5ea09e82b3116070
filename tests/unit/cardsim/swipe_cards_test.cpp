// A card list line as the simulated reader finds it on the stripe.
#include "swipe_cards.h"

#include <gtest/gtest.h>

namespace {

// The card read from a line, shown in the list's own notation: each track's text, "!"
// for a track that fails, and raw bytes in hex where text would not come back the same.
TEST(CardList, ReadsEachKindOfField) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"2=4000=25;3=!", "1=!;2=4000=25;3=!"},
        {"3=99;1=B4^A B^25", "1=B4^A B^25;2=!;3=99"},
        {"1=hex:414243;2=hex:3b31;3=hex:B2e2", "1=ABC;2=hex:3b31;3=hex:b2e2"},
        {"2=;;3=!;", "1=!;2=;3=!"},
        {"1=hex:21", "1=hex:21;2=!;3=!"},
    };
    for (const auto& [line, described] : cases) {
        std::string error;
        const auto card = ParseCard(line, error);
        ASSERT_TRUE(card) << line << ": " << error;
        EXPECT_EQ(DescribeCard(*card), described) << line;
    }
}

}  // namespace
