// What a terminal would act on is shown, never sent; text for people stays readable.
#include "control_escape.h"

#include <gtest/gtest.h>

TEST(EscapeControls, ShowsEveryControlAndKeepsTextAndLines) {
    const struct {
        const char* name;
        std::string text;
        std::string shown;
    } cases[] = {
        {"retitle", "\x1b]0;PWNED\x07", "\\x1b]0;PWNED\\x07"},
        {"NUL and DEL", std::string("a\0b\x7f", 4), "a\\x00b\\x7f"},
        {"C1 in UTF-8", "\xc2\x9b" "6n", "\\u009b6n"},
        {"byte outside UTF-8", "\x9b\xff", "\\x9b\\xff"},
        {"backslash", "\\x1b", "\\\\x1b"},
        {"lines", "a\r\nb\nc\rd\te", "a\r\nb\nc\\x0dd\\x09e"},
        {"Chinese and NBSP", "磁卡\xc2\xa0", "磁卡\xc2\xa0"},
    };
    for (const auto& c : cases) EXPECT_EQ(EscapeControls(c.text), c.shown) << c.name;
}
