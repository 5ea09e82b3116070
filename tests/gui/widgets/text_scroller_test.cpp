#include "text_scroller.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QTest>
#include <string>

#include "frame_pixels.h"
#include "gbk.h"
#include "scroll_timer_state.h"

namespace {

using frame_pixels::AllOf;
using frame_pixels::AnyInk;

const QColor kGrey(235, 235, 235);
const QColor kBlack(0, 0, 0);

void Tick() {
    CTextScroller::ScrollTimerProc(nullptr, CTextScroller::kTimerMessage, 0, 0);
}

void Ticks(int count) {
    for (int i = 0; i < count; ++i) Tick();
}

bool CreateArea(CTextScroller& scroller, int width, int height, int x = 0, int y = 0) {
    return scroller.Create(nullptr, width, height, x, y, kGrey, kBlack, QStringLiteral("Arial"));
}

void SetText(CTextScroller& scroller, const std::string& utf8) {
    const std::string gbk = Utf8ToGbk(utf8);
    scroller.SetText(gbk.data(), static_cast<int>(gbk.size()));
}

int MeasuredHeight(const std::string& utf8) {
    CTextScroller scroller;
    CreateArea(scroller, 270, 300);
    SetText(scroller, utf8);
    scroller.Draw();
    return scroller.TextHeight();
}

// --- set-up -----------------------------------------------------------------------------

struct AreaSize {
    int width;
    int height;
};

class ScrollerRefusesArea : public ::testing::TestWithParam<AreaSize> {};

TEST_P(ScrollerRefusesArea, CreateKeepsNothing) {
    CTextScroller scroller;
    EXPECT_FALSE(CreateArea(scroller, GetParam().width, GetParam().height));
    EXPECT_TRUE(scroller.Frame().isNull());
    EXPECT_TRUE(scroller.AreaInWindow().isNull());
    EXPECT_TRUE(scroller.Draw());  // drawing without an area is harmless
}

INSTANTIATE_TEST_SUITE_P(EmptyAreas, ScrollerRefusesArea,
                         ::testing::Values(AreaSize{0, 300}, AreaSize{270, 0}, AreaSize{-1, 300},
                                           AreaSize{270, -5}));

TEST(ScrollerText, CopiesExactlyTheGivenBytes) {
    CTextScroller scroller;
    ASSERT_TRUE(CreateArea(scroller, 270, 300));
    EXPECT_TRUE(scroller.SetText("abcdef", 3));
    EXPECT_EQ(scroller.Text(), QByteArray("abc"));
}

TEST(ScrollerText, ZeroOrNegativeLengthDropsTheOldText) {
    for (const int length : {0, -1}) {
        CTextScroller scroller;
        ASSERT_TRUE(CreateArea(scroller, 270, 300));
        ASSERT_TRUE(scroller.SetText("abc", 3));
        EXPECT_FALSE(scroller.SetText("xyz", length));
        EXPECT_TRUE(scroller.Text().isEmpty());
        scroller.Draw();
        EXPECT_EQ(scroller.TextHeight(), 0);
        EXPECT_TRUE(AllOf(scroller.Frame(), scroller.Frame().rect(), kGrey));
    }
}

// --- measuring and drawing --------------------------------------------------------------

struct LineCase {
    const char* text;
    int lines;
};

class ScrollerLineCount : public ::testing::TestWithParam<LineCase> {};

TEST_P(ScrollerLineCount, EveryLineTakesOneLineHeight) {
    const int lineHeight = MeasuredHeight("Ver 1.0");
    ASSERT_GT(lineHeight, 0);
    EXPECT_EQ(MeasuredHeight(GetParam().text), GetParam().lines * lineHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Breaks, ScrollerLineCount,
    ::testing::Values(LineCase{"欢迎使用", 1},
                      // far wider than the area: still one line, never wrapped
                      LineCase{"MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM", 1},
                      LineCase{"欢迎使用\r\n磁条", 2}, LineCase{"欢迎使用\r\n\r\n磁条", 3},
                      LineCase{"a\r\n\r\n\r\nb", 4}));

TEST(ScrollerDraw, NothingShowsWhileTheTextWaitsBelow) {
    CTextScroller scroller;
    ASSERT_TRUE(CreateArea(scroller, 270, 300));
    SetText(scroller, "欢迎使用\r\nVer 1.0");
    scroller.Draw();  // before any tick the text's top is the area's bottom edge
    EXPECT_TRUE(AllOf(scroller.Frame(), scroller.Frame().rect(), kGrey));
}

TEST(ScrollerDraw, LinesAreCentred) {
    CTextScroller scroller;
    ASSERT_TRUE(CreateArea(scroller, 270, 300));
    SetText(scroller, "Ver 1.0\r\nMMMMMMMMMM");
    ASSERT_TRUE(scroller.Start(1000, 200));
    scroller.Draw();
    for (const QRect& line : {QRect(0, 100, 270, scroller.TextHeight() / 2),
                              QRect(0, 100 + scroller.TextHeight() / 2, 270, 20)}) {
        const auto [left, right] = frame_pixels::InkColumns(scroller.Frame().copy(line));
        ASSERT_GE(left, 0);
        EXPECT_NEAR(left, 269 - right, 2);
    }
}

TEST(ScrollerDraw, TooWideALineIsCutAtBothSides) {
    CTextScroller scroller;
    ASSERT_TRUE(CreateArea(scroller, 100, 60));
    SetText(scroller, "MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM");
    ASSERT_TRUE(scroller.Start(1000, 40));
    scroller.Draw();
    const QImage& frame = scroller.Frame();
    EXPECT_TRUE(AnyInk(frame, QRect(0, 0, 4, 60)));
    EXPECT_TRUE(AnyInk(frame, QRect(96, 0, 4, 60)));
}

TEST(ScrollerDraw, TextIsClippedToTheAreaAndCopiedToItsPlace) {
    CTextScroller scroller;
    ASSERT_TRUE(CreateArea(scroller, 100, 60, 10, 20));
    SetText(scroller, "MMMM\r\nMMMM\r\nMMMM\r\nMMMM\r\nMMMM\r\nMMMM\r\nMMMM\r\nMMMM");
    ASSERT_TRUE(scroller.Start(1000, 1));
    Ticks(30);
    ASSERT_EQ(scroller.ScrollPosition(), 29);
    scroller.Draw();
    ASSERT_GT(scroller.TextHeight(), 60);  // the text runs on far below the area

    QImage window(130, 110, QImage::Format_RGB32);
    window.fill(Qt::white);
    QPainter painter(&window);
    scroller.CopyTo(painter);
    painter.end();

    const QRect area(10, 20, 100, 60);
    EXPECT_EQ(scroller.AreaInWindow(), area);
    EXPECT_TRUE(AllOf(window, QRect(0, 80, 130, 30), Qt::white));  // nothing below the area
    EXPECT_TRUE(AllOf(window, QRect(0, 0, 130, 20), Qt::white));
    EXPECT_TRUE(AllOf(window, QRect(0, 0, 10, 110), Qt::white));
    EXPECT_TRUE(AllOf(window, QRect(110, 0, 20, 110), Qt::white));
    EXPECT_TRUE(AllOf(window, QRect(10, 20, 100, 29), kGrey));  // above the text's top
    EXPECT_TRUE(AnyInk(window, QRect(10, 70, 100, 10)));        // text down to the bottom edge
}

// --- scrolling --------------------------------------------------------------------------

TEST(ScrollerStart, RefusesANonPositiveInterval) {
    for (const int interval : {0, -10}) {
        CTextScroller scroller;
        ASSERT_TRUE(CreateArea(scroller, 270, 300));
        SetText(scroller, "Ver 1.0");
        EXPECT_FALSE(scroller.Start(interval, 1));
        EXPECT_FALSE(scroller.IsRunning());
        EXPECT_EQ(scroller.ScrollPosition(), 300);  // no first tick either
    }
}

struct StepCase {
    int step;
    int afterStart;
    int afterTwoTicks;
};

class ScrollerFall : public ::testing::TestWithParam<StepCase> {};

TEST_P(ScrollerFall, FirstTickRunsInsideStartThenOneStepPerTick) {
    CTextScroller scroller;
    ASSERT_TRUE(CreateArea(scroller, 270, 300));
    SetText(scroller, "欢迎使用");
    ASSERT_TRUE(scroller.Start(10, GetParam().step));
    EXPECT_TRUE(scroller.IsRunning());
    EXPECT_EQ(scroller.ScrollPosition(), GetParam().afterStart);
    Ticks(2);
    EXPECT_EQ(scroller.ScrollPosition(), GetParam().afterTwoTicks);
}

INSTANTIATE_TEST_SUITE_P(Steps, ScrollerFall,
                         ::testing::Values(StepCase{1, 299, 297}, StepCase{3, 297, 291}));

// The text falls until it has left the top, with only background showing, then enters
// again at the bottom.
TEST(ScrollerCycle, OneCycleTakesAreaPlusTextHeightTicks) {
    CTextScroller scroller;
    ASSERT_TRUE(CreateArea(scroller, 270, 300));
    SetText(scroller, "欢迎使用\r\n\r\nVer 1.0");
    ASSERT_TRUE(scroller.Start(1000, 1));
    const int textHeight = scroller.TextHeight();
    ASSERT_GT(textHeight, 0);
    for (int i = 1; i < 300 + textHeight; ++i) {
        Tick();
        ASSERT_NE(scroller.ScrollPosition(), 299) << "back at the start after " << i << " ticks";
    }
    EXPECT_EQ(scroller.ScrollPosition(), -textHeight);
    scroller.Draw();
    EXPECT_TRUE(AllOf(scroller.Frame(), scroller.Frame().rect(), kGrey));
    Tick();
    EXPECT_EQ(scroller.ScrollPosition(), 299);
}

TEST(ScrollerCycle, TheTimerDrivesTheText) {
    CTextScroller scroller;
    ASSERT_TRUE(CreateArea(scroller, 270, 300));
    SetText(scroller, "Ver 1.0");
    ASSERT_TRUE(scroller.Start(10, 1));
    EXPECT_TRUE(QTest::qWaitFor([&] { return scroller.ScrollPosition() < 299; }, 5000));
}

// --- ending -----------------------------------------------------------------------------

TEST(ScrollerRelease, StopsTheTimerAndForgetsTheSharedState) {
    CTextScroller scroller;
    ASSERT_TRUE(CreateArea(scroller, 270, 300));
    SetText(scroller, "Ver 1.0");
    ASSERT_TRUE(scroller.Start(10, 1));
    scroller.Release();
    EXPECT_FALSE(scroller.IsRunning());
    EXPECT_TRUE(scroller.Text().isEmpty());
    EXPECT_EQ(SharedScrollTimerState().scrollPosition, nullptr);
    const int position = scroller.ScrollPosition();
    Tick();  // a stray tick finds nothing to move
    EXPECT_EQ(scroller.ScrollPosition(), position);
}

TEST(ScrollerRelease, DestroyingARunningScrollerForgetsTheSharedState) {
    {
        CTextScroller scroller;
        ASSERT_TRUE(CreateArea(scroller, 270, 300));
        SetText(scroller, "Ver 1.0");
        ASSERT_TRUE(scroller.Start(10, 1));
        ASSERT_NE(SharedScrollTimerState().scrollPosition, nullptr);
    }
    EXPECT_EQ(SharedScrollTimerState().scrollPosition, nullptr);
    Tick();
}

TEST(ScrollerRelease, AnIdleScrollerLeavesTheRunningOneAlone) {
    CTextScroller running;
    ASSERT_TRUE(CreateArea(running, 270, 300));
    SetText(running, "Ver 1.0");
    ASSERT_TRUE(running.Start(1000, 1));
    {
        CTextScroller idle;
        ASSERT_TRUE(CreateArea(idle, 270, 300));
    }
    Tick();
    EXPECT_EQ(running.ScrollPosition(), 298);
}

}  // namespace
