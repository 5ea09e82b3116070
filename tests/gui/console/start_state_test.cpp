// The console as the operator first sees it.
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSerialPortInfo>
#include <QTimer>
#include <algorithm>
#include <optional>

#include "about_dlg.h"
#include "console_fixture.h"
#include "log_view.h"
#include "string_table.h"
#include "system_menu.h"

namespace {

struct ControlState {
    int id;
    bool enabled;
    bool visible;
    std::optional<bool> checked;
};

// KX500, read mode, no track chosen, Stop disabled, the log box hidden.
const ControlState kStartStates[] = {
    {IDC_SETTINGS_GROUP, true, true, {}},
    {IDC_MODEL, true, true, {}},
    {IDC_DENSITY, true, true, {}},
    {IDC_FORMAT, true, true, {}},
    {IDC_BAUD, true, true, {}},
    {IDC_PARITY, true, true, {}},
    {IDC_DATA_BITS, true, true, {}},
    {IDC_STOP_BITS, true, true, {}},
    {IDC_PORT, true, true, {}},
    {IDC_COERCIVITY, true, true, {}},
    {IDC_TRACK2_TEXT, true, true, {}},
    {IDC_READ_MODE, true, true, true},
    {IDC_WRITE_MODE, true, true, false},
    {IDC_TRACK2_COUNT, true, true, {}},
    {IDC_TRACK3_TEXT, true, true, {}},
    {IDC_TRACK3_COUNT, true, true, {}},
    {IDC_TRACK1_TEXT, false, true, {}},
    {IDC_TRACK1_COUNT, true, true, {}},
    {IDC_RUN, true, true, {}},
    {IDC_STOP, false, true, {}},
    {IDC_TOGGLE_TRACK1, false, true, false},
    {IDC_TOGGLE_TRACK2, true, true, false},
    {IDC_TOGGLE_TRACK3, true, true, false},
    {IDC_TOGGLE_TRACK12, false, true, false},
    {IDC_TOGGLE_TRACK23, true, true, false},
    {IDC_CONTINUOUS, true, true, false},
    {IDC_COUNT, true, true, {}},
    {IDC_TRACK1_START, false, true, {}},
    {IDC_TRACK1_INCREMENT, false, true, {}},
    {IDC_TRACK2_START, true, true, {}},
    {IDC_TRACK2_INCREMENT, true, true, {}},
    {IDC_TRACK3_START, true, true, {}},
    {IDC_TRACK3_INCREMENT, true, true, {}},
    {IDC_LOG, true, false, {}},
    {IDC_EMPTY_FRAME, true, true, {}},
};

struct ComboStart {
    int id;
    QStringList items;  // in list order
    int selected;
};

const ComboStart kComboStarts[] = {
    {IDC_MODEL, {"KX100", "KX200", "KX300", "KX400", "KX500"}, 4},
    {IDC_DENSITY, {"2轨低密", "2轨高密"}, 0},
    {IDC_FORMAT, {"IBM", "ISO"}, 1},
    {IDC_BAUD, {"1200", "9600"}, 1},
    {IDC_PARITY, {"E", "N", "O"}, 1},
    {IDC_DATA_BITS, {"7", "8"}, 1},
    {IDC_STOP_BITS, {"1", "2"}, 0},
    {IDC_COERCIVITY, {"低抗", "高抗"}, 0},
};

QStringList Items(const QComboBox& combo) {
    QStringList items;
    for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
    return items;
}

}  // namespace

using StartState = ConsoleTest;

TEST_F(StartState, EveryControlIsEnabledShownAndCheckedAsForTheStartModel) {
    for (const ControlState& expected : kStartStates) {
        SCOPED_TRACE(expected.id);
        QWidget* control = Ctl<QWidget>(expected.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->isEnabled(), expected.enabled);
        EXPECT_EQ(control->isVisible(), expected.visible);
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            EXPECT_EQ(button->isCheckable(), expected.checked.has_value());
            EXPECT_EQ(button->isChecked(), expected.checked.value_or(false));
        }
    }
}

TEST_F(StartState, CombosListTheirItemsSortedWithTheStartItemSelected) {
    for (const ComboStart& expected : kComboStarts) {
        SCOPED_TRACE(expected.id);
        QComboBox* combo = Combo(expected.id);
        EXPECT_EQ(Items(*combo), expected.items);
        EXPECT_EQ(combo->currentIndex(), expected.selected);
        EXPECT_EQ(combo->currentText(), expected.items[expected.selected]);
        EXPECT_TRUE(combo->isEditable());
    }
}

TEST_F(StartState, PortBoxListsComPortsAndTheMachinesPortsSortedStartingOnCom1) {
    QStringList expected{"COM1", "COM2", "COM3", "COM4"};
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        if (!expected.contains(port.portName(), Qt::CaseInsensitive)) expected << port.portName();
    }
    std::sort(expected.begin(), expected.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    EXPECT_EQ(Items(*Combo(IDC_PORT)), expected);
    EXPECT_EQ(Combo(IDC_PORT)->currentText(), "COM1");
}

TEST_F(StartState, NumberBoxesLabelsAndLogShowTheDefaults) {
    const std::pair<int, const char*> texts[] = {
        {IDC_COUNT, "1"},           {IDC_TRACK1_START, "0"},     {IDC_TRACK1_INCREMENT, "1"},
        {IDC_TRACK2_START, "0"},    {IDC_TRACK2_INCREMENT, "1"}, {IDC_TRACK3_START, "0"},
        {IDC_TRACK3_INCREMENT, "1"}};
    for (const auto& [id, text] : texts) EXPECT_EQ(Ctl<QLineEdit>(id)->text(), text) << id;
    EXPECT_EQ(LabelText(IDC_TRACK1_COUNT), "1轨0个数据：");
    EXPECT_EQ(LabelText(IDC_TRACK2_COUNT), "2轨0个数据：");
    EXPECT_EQ(LabelText(IDC_TRACK3_COUNT), "3轨0个数据：");
    EXPECT_TRUE(Ctl<LogView>(IDC_LOG)->Text().isEmpty());
}

TEST_F(StartState, JobRecordHoldsTheStartValuesAndTheProfile) {
    const CardJob& job = Dlg().Job();
    EXPECT_EQ(job.Mode, 1);
    EXPECT_EQ(job.Tracks, NoTrack);
    EXPECT_EQ(job.StopFlag.load(), 0);
    EXPECT_EQ(job.Count, 1);
    EXPECT_EQ(job.Track1Start, 0);
    EXPECT_EQ(job.Track1Increment, 1);
    EXPECT_EQ(job.Track2Start, 0);
    EXPECT_EQ(job.Track2Increment, 1);
    EXPECT_EQ(job.Track3Start, 0);
    EXPECT_EQ(job.Track3Increment, 1);
    EXPECT_TRUE(job.JobLog.empty());
    EXPECT_EQ(job.Profile.SysDelay, 10);
    EXPECT_EQ(job.Profile.ReadTack2.View(), "\x1b\x72\x32");
    // Keys the profile does not have leave their slots empty.
    EXPECT_TRUE(job.Profile.ReadTack1.Empty());
}

TEST_F(StartState, MissingProfileGivesTheDefaultLimits) {
    dialog_ = std::make_unique<CCardDemoDlg>(nullptr, dir_ / "absent.ini");
    EXPECT_EQ(TrackBox(IDC_TRACK1_TEXT)->ByteLimit(), 75);
    EXPECT_EQ(TrackBox(IDC_TRACK2_TEXT)->ByteLimit(), 36);
    EXPECT_EQ(TrackBox(IDC_TRACK3_TEXT)->ByteLimit(), 104);
    EXPECT_EQ(Dlg().Job().Profile.SysDelay, 3000);
    EXPECT_TRUE(Dlg().Job().Profile.ReadTack2.Empty());
}

TEST_F(StartState, FocusIsOnTheModelBox) {
    QWidget* focus = Dlg().focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(focus == Combo(IDC_MODEL) || focus->parentWidget() == Combo(IDC_MODEL));
}

TEST_F(StartState, WindowHasItsCaptionSizeFlagsAndIcon) {
    EXPECT_EQ(Dlg().windowTitle(), "Velto磁条读写器演示程序");
    // 501 x 363 dialog units at 1.5 px each (the offscreen screen has 96 dpi).
    ASSERT_EQ(Dlg().logicalDpiY(), 96);
    EXPECT_EQ(Dlg().size(), QSize(752, 545));
    EXPECT_EQ(Dlg().minimumSize(), Dlg().maximumSize());
    const Qt::WindowFlags flags = Dlg().windowFlags();
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(Dlg().windowIcon().isNull());
    EXPECT_FALSE(Dlg().windowIcon().pixmap(32).isNull());
}

TEST_F(StartState, DialogFontIsSongTiNinePointWithChineseGlyphs) {
    const QFont font = Dlg().font();
    ASSERT_FALSE(font.families().isEmpty());
    EXPECT_EQ(font.families().front(), "宋体");
    EXPECT_EQ(font.pointSize(), 9);
    EXPECT_TRUE(QFontMetrics(font).inFontUcs4(U'磁')) << QFontInfo(font).family().toStdString();
}

TEST_F(StartState, BigBoldFontIsOnTheTrackBoxesLogAndCountLabels) {
    for (int id : {IDC_TRACK1_TEXT, IDC_TRACK2_TEXT, IDC_TRACK3_TEXT, IDC_LOG, IDC_TRACK1_COUNT,
                   IDC_TRACK2_COUNT, IDC_TRACK3_COUNT}) {
        SCOPED_TRACE(id);
        const QFont font = Ctl<QWidget>(id)->font();
        EXPECT_TRUE(font.bold());
        // A character cell 24 pixels high.
        EXPECT_LE(QFontMetrics(font).height(), 24);
        EXPECT_GE(QFontMetrics(font).height(), 22);
        // The count stays readable: the label is as tall as the font's lines.
        if (auto* label = qobject_cast<QLabel*>(Ctl<QWidget>(id))) {
            EXPECT_GE(label->height(), QFontMetrics(font).height());
        }
    }
}

TEST_F(StartState, EveryControlTakesClicksOverItsWholeArea) {
    for (const ControlState& state : kStartStates) {
        QWidget* control = Ctl<QWidget>(state.id);
        if (qobject_cast<QLabel*>(control) || qobject_cast<QGroupBox*>(control) ||
            state.id == IDC_EMPTY_FRAME || !state.visible) {
            continue;
        }
        SCOPED_TRACE(state.id);
        const QRect inner = control->geometry().adjusted(2, 2, -3, -3);
        for (const QPoint& point : {inner.topLeft(), inner.topRight(), inner.bottomLeft(),
                                    inner.bottomRight(), inner.center()}) {
            QWidget* hit = Dlg().childAt(point);
            ASSERT_NE(hit, nullptr);
            EXPECT_TRUE(hit == control || control->isAncestorOf(hit))
                << hit->metaObject()->className() << " " << hit->objectName().toStdString();
        }
    }
}

TEST_F(StartState, AmpersandCaptionsShowOneAmpersandAndNoMnemonic) {
    for (int id : {IDC_TOGGLE_TRACK12, IDC_TOGGLE_TRACK23}) {
        const QString text = Button(id)->text();
        EXPECT_TRUE(QKeySequence::mnemonic(text).isEmpty()) << text.toStdString();
    }
    EXPECT_EQ(Button(IDC_TOGGLE_TRACK12)->text(), "1&&2轨");
    EXPECT_EQ(Button(IDC_TOGGLE_TRACK23)->text(), "2&&3轨");
    QStringList labels;
    for (QLabel* label : Dlg().findChildren<QLabel*>("-1")) labels << label->text();
    EXPECT_TRUE(labels.contains("高|低:"));
}

namespace {

// Closes the About box once it is up and says whether it came.
class AboutWatcher {
  public:
    AboutWatcher() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget())) {
                opened_ = true;
                owner_ = about->parentWidget();
                about->reject();
            }
        });
        timer_.start();
    }
    bool Opened() const { return opened_; }
    QWidget* Owner() const { return owner_; }

  private:
    QTimer timer_;
    bool opened_ = false;
    QWidget* owner_ = nullptr;
};

}  // namespace

using SystemCommand = ConsoleTest;

TEST_F(SystemCommand, IdsOfTheAboutEntryOpenTheAboutBoxOthersDoNot) {
    const std::pair<int, bool> cases[] = {{16, true},      {17, true},     {31, true},
                                          {0, false},      {15, false},    {32, false},
                                          {0xF060, false}, {0xF020, false}};
    for (const auto& [id, opens] : cases) {
        SCOPED_TRACE(id);
        AboutWatcher watcher;
        Dlg().OnSysCommand(id);
        EXPECT_EQ(watcher.Opened(), opens);
        if (opens) {
            EXPECT_EQ(watcher.Owner(), &Dlg());
        }
    }
}

TEST_F(SystemCommand, ContextMenuOffersTheAboutEntryFromTheStringTable) {
    QMenu* menu = Dlg().SystemCommands().ContextMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Dlg().contextMenuPolicy(), Qt::CustomContextMenu);
    QAction* about = nullptr;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) about = action;
    }
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->text(), LoadStringResource(IDS_ABOUTBOX));
    EXPECT_EQ(about->text(), "关于 磁条读写器演示程序(&A)...");
    AboutWatcher watcher;
    about->trigger();
    EXPECT_TRUE(watcher.Opened());
}
