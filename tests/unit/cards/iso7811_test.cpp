#include "iso7811.h"

#include <gtest/gtest.h>

namespace {

TEST(Iso7811Hint, NamesOutsideCharactersAndCountsTheFrame) {
    struct Case {
        int track;
        QString text;
        QString outside;
        int length;
        bool over;
    } cases[] = {
        {1, "%B1234^DOE/JOHN^2512?", "", 22, false},
        {1, "B1234^doe", "doe", 12, false},
        {1, QString(76, u'A'), "", 79, false},
        {1, QString(77, u'A'), "", 80, true},
        {2, "6011=2512", "", 12, false},
        {2, "12a4a中\n", "a中\n", 10, false},
        {2, QString(37, u'1'), "", 40, false},
        {2, ";" + QString(38, u'1') + "?", "", 41, true},
        {3, QString(104, u'1'), "", 107, false},
        {3, QString(105, u'1'), "", 108, true},
    };
    for (const Case& c : cases) {
        const Iso7811Hint hint = Iso7811HintFor(c.track, c.text);
        EXPECT_EQ(hint.outside, c.outside) << c.track << " " << c.text.toStdString();
        EXPECT_EQ(hint.length, c.length) << c.track << " " << c.text.toStdString();
        EXPECT_EQ(hint.OverCapacity(), c.over) << c.track << " " << c.text.toStdString();
    }
}

}  // namespace
