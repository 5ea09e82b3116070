#include "about_dlg.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

#include "dialog_template.h"
#include "frame_pixels.h"
#include "gbk.h"
#include "scroll_timer_state.h"

namespace {

double Dpi(const QWidget& widget) {
    return widget.screen()->logicalDotsPerInch();
}

int Units(const QWidget& widget, int units) {
    return DialogUnitsToPixels(units, Dpi(widget));
}

QPushButton* OkButton(CAboutDlg& box) {
    return box.findChild<QPushButton*>(QStringLiteral("1"));
}

// --- the console's About command ---------------------------------------------------------

struct CommandCase {
    int id;
    bool opensAbout;
};

class AboutCommand : public ::testing::TestWithParam<CommandCase> {};

TEST_P(AboutCommand, OnlyIdsSixteenToThirtyOneOpenTheBox) {
    EXPECT_EQ(IsAboutCommand(GetParam().id), GetParam().opensAbout) << GetParam().id;
}

INSTANTIATE_TEST_SUITE_P(Ids, AboutCommand,
                         ::testing::Values(CommandCase{16, true}, CommandCase{17, true},
                                           CommandCase{31, true}, CommandCase{32, false},
                                           CommandCase{15, false}, CommandCase{0, false},
                                           CommandCase{0xF060, false},  // close
                                           CommandCase{0xF010, false}   // move
                                           ));

// --- the box -----------------------------------------------------------------------------

TEST(AboutBox, CaptionSizeAndButtonComeFromItsTemplate) {
    CAboutDlg box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("关于 磁条读写器演示程序"));
    EXPECT_EQ(box.size(), QSize(Units(box, 175), Units(box, 250)));

    QPushButton* ok = OkButton(box);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("确定"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(ok->geometry(),
              QRect(Units(box, 63), Units(box, 231), Units(box, 50), Units(box, 14)));
}

TEST(AboutBox, ItsTextIsScrollingFromTheStart) {
    CAboutDlg box;
    const CTextScroller& scroller = box.Scroller();
    const double dpi = Dpi(box);
    EXPECT_TRUE(scroller.IsRunning());
    EXPECT_EQ(scroller.AreaInWindow(),
              QRect(0, PixelsAtDpi(32, dpi), PixelsAtDpi(270, dpi), PixelsAtDpi(300, dpi)));
    EXPECT_EQ(scroller.ScrollPosition(), PixelsAtDpi(300, dpi) - 1);

    const std::string text = scroller.Text().toStdString();
    const std::string welcome = Utf8ToGbk("欢迎使用\r\n磁条读写器演示程序！\r\n\r\n");
    EXPECT_EQ(text.substr(0, welcome.size()), welcome);
    EXPECT_TRUE(text.ends_with("\r\nVer 1.0")) << GbkToUtf8(text);
}

TEST(AboutBox, PaintsTheScrollingAreaAndNothingOfItBelow) {
    CAboutDlg box;
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    const QRect area = box.Scroller().AreaInWindow();
    for (int i = 0; i < area.height() / 2; ++i) {
        CTextScroller::ScrollTimerProc(nullptr, CTextScroller::kTimerMessage, 0, 0);
    }
    const QImage shot = box.grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(area.left() + 1, area.top() + 1)), QColor(235, 235, 235));
    EXPECT_EQ(QColor(shot.pixel(5, 5)), box.palette().color(QPalette::Window));
    EXPECT_TRUE(frame_pixels::AnyInk(shot, area));
    const int buttonTop = OkButton(box)->geometry().top();
    EXPECT_FALSE(frame_pixels::AnyInk(
        shot, QRect(0, area.bottom() + 1, box.width(), buttonTop - area.bottom() - 1)));
}

struct CloseCase {
    const char* name;
    std::function<void(CAboutDlg&)> close;
    QDialog::DialogCode result;
};

void PrintTo(const CloseCase& c, std::ostream* os) {
    *os << c.name;
}

class AboutBoxClosing : public ::testing::TestWithParam<CloseCase> {};

TEST_P(AboutBoxClosing, EndsTheModalRunAndStopsTheScrolling) {
    CAboutDlg box;
    QTimer::singleShot(0, &box, [&box] {
        EXPECT_TRUE(box.isVisible());
        EXPECT_TRUE(box.Scroller().IsRunning());
        GetParam().close(box);
    });
    // A way that fails to close fails the test instead of hanging it.
    QTimer::singleShot(5000, &box, [&box] { box.done(-1); });
    EXPECT_EQ(box.exec(), GetParam().result);
    EXPECT_FALSE(box.isVisible());
    EXPECT_FALSE(box.Scroller().IsRunning());
    EXPECT_EQ(SharedScrollTimerState().scrollPosition, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutBoxClosing,
    ::testing::Values(
        CloseCase{"Ok", [](CAboutDlg& box) { QTest::mouseClick(OkButton(box), Qt::LeftButton); },
                  QDialog::Accepted},
        CloseCase{"Enter", [](CAboutDlg& box) { QTest::keyClick(&box, Qt::Key_Return); },
                  QDialog::Accepted},
        CloseCase{"Escape", [](CAboutDlg& box) { QTest::keyClick(&box, Qt::Key_Escape); },
                  QDialog::Rejected},
        CloseCase{"CloseBox", [](CAboutDlg& box) { box.close(); }, QDialog::Rejected}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
