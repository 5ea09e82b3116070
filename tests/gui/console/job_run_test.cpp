// The console driven as an operator drives it, against the simulated device over a real
// pseudo-terminal: Run, the worker thread, the log box, Stop and closing.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include "console_texts.h"
#include "job_fixture.h"
#include "message_box.h"

namespace {

class JobRunTest : public JobConsoleTest {
  protected:
    void SetNumber(int id, const QString& text) { Ctl<QLineEdit>(id)->setText(text); }
};

TEST_F(JobRunTest, RunWithoutATrackOnlySaysSo) {
    Click(IDC_RUN);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, QStringLiteral("请选择一操作轨道！"));
    EXPECT_EQ(messages_[0].owner, &Dlg());
    EXPECT_FALSE(Dlg().JobRunning());
    EXPECT_TRUE(Button(IDC_RUN)->isEnabled());
    EXPECT_FALSE(Button(IDC_STOP)->isEnabled());
    EXPECT_FALSE(LogBox()->isVisible());
    EXPECT_TRUE(Combo(IDC_MODEL)->isEnabled());
}

TEST_F(JobRunTest, AnInvalidCountStartsNoJob) {
    Click(IDC_TOGGLE_TRACK2);
    SetNumber(IDC_COUNT, "0");
    Click(IDC_RUN);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, QStringLiteral("请输入一个介于 1 和 9999 之间的整数。"));
    EXPECT_FALSE(Dlg().JobRunning());
    EXPECT_TRUE(Button(IDC_RUN)->isEnabled());
    EXPECT_TRUE(TrackBox(IDC_TRACK2_TEXT)->isVisible());
}

TEST_F(JobRunTest, ReadJobShowsEachCardThenStopUnlocks) {
    StartSim({"--swipe-ms", "30"});
    Click(IDC_TOGGLE_TRACK23);
    Click(IDC_RUN);

    EXPECT_TRUE(Dlg().JobRunning());
    EXPECT_TRUE(LogBox()->isVisible());
    EXPECT_FALSE(TrackBox(IDC_TRACK2_TEXT)->isVisible());
    EXPECT_FALSE(Ctl<QLineEdit>(IDC_TRACK2_START)->isVisible());
    EXPECT_FALSE(Button(IDC_RUN)->isEnabled());
    EXPECT_TRUE(Button(IDC_STOP)->isEnabled());
    for (int id : {IDC_READ_MODE, IDC_TOGGLE_TRACK2, IDC_TOGGLE_TRACK23})
        EXPECT_FALSE(Button(id)->isEnabled());
    for (int id : {IDC_MODEL, IDC_PORT, IDC_BAUD}) EXPECT_FALSE(Combo(id)->isEnabled());
    EXPECT_FALSE(Ctl<QCheckBox>(IDC_CONTINUOUS)->isEnabled());
    EXPECT_FALSE(Ctl<QLineEdit>(IDC_COUNT)->isEnabled());

    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return LogBox()->Text().contains(QStringLiteral("第2次成功读取")); }, 10000));
    EXPECT_EQ(LogBox()->Text(), JobLogOnScreen());
    EXPECT_EQ(LogBox()->verticalScrollBar()->value(), LogBox()->verticalScrollBar()->maximum());
    EXPECT_EQ(Dlg().Job().PortName, sim_->PortPath());  // a typed port name is used as typed

    Click(IDC_STOP);
    ASSERT_TRUE(WaitForJobEnd());
    EXPECT_TRUE(messages_.empty());  // a stopped job has nothing more to say
    EXPECT_EQ(Dlg().Job().StopFlag.load(), 0);
    EXPECT_FALSE(LogBox()->isVisible());
    EXPECT_TRUE(TrackBox(IDC_TRACK2_TEXT)->isVisible());
    EXPECT_TRUE(Button(IDC_RUN)->isEnabled());
    EXPECT_FALSE(Button(IDC_STOP)->isEnabled());
    // Back as the model allows, check marks kept.
    EXPECT_FALSE(Button(IDC_TOGGLE_TRACK1)->isEnabled());
    EXPECT_TRUE(Button(IDC_TOGGLE_TRACK23)->isEnabled());
    EXPECT_TRUE(Button(IDC_TOGGLE_TRACK23)->isChecked());
    EXPECT_FALSE(TrackBox(IDC_TRACK1_TEXT)->isEnabled());
    EXPECT_TRUE(sim_->Received().ends_with(Hex("1b 61")));

    // The next job's lines follow the old ones, numbered from 1 again.
    const QString firstJob = LogBox()->Text();
    Click(IDC_RUN);
    EXPECT_TRUE(LogBox()->isVisible());
    EXPECT_TRUE(LogBox()->Text().startsWith(firstJob));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return LogBox()->Text().mid(firstJob.size()).contains(QStringLiteral("第1次成功读取"));
        },
        10000));
    Click(IDC_STOP);
    ASSERT_TRUE(WaitForJobEnd());
    EXPECT_EQ(LogBox()->Text(), JobLogOnScreen());
}

// An operator reading back in the log keeps his place and his selection while cards come.
TEST_F(JobRunTest, NewCardsLeaveAScrolledLogAndItsSelectionWhereTheyAre) {
    StartSim({"--swipe-ms", "30"});
    Click(IDC_TOGGLE_TRACK2);
    Click(IDC_RUN);
    const auto cards = [&] { return LogBox()->Text().count(QStringLiteral("次成功读取")); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return cards() >= 10; }, 10000));  // more than fit
    QScrollBar& bar = *LogBox()->verticalScrollBar();
    bar.setValue(1);
    QTest::mousePress(LogBox()->viewport(), Qt::LeftButton, {}, QPoint(4, 6));
    QTest::mouseMove(LogBox()->viewport(), QPoint(60, 40));
    QTest::mouseRelease(LogBox()->viewport(), Qt::LeftButton, {}, QPoint(60, 40));
    const QString selected = LogBox()->SelectedText();
    ASSERT_FALSE(selected.isEmpty());

    const int seen = cards();
    ASSERT_TRUE(QTest::qWaitFor([&] { return cards() >= seen + 3; }, 10000));
    EXPECT_EQ(bar.value(), 1);
    EXPECT_EQ(LogBox()->SelectedText(), selected);
    Click(IDC_STOP);
    ASSERT_TRUE(WaitForJobEnd());
}

// A device that sends nothing is named in the title, not in the log, while the job waits.
TEST_F(JobRunTest, ASilentDeviceIsNamedInTheTitleUntilTheJobEnds) {
    StartSim({"--read-scenario", "silent"});
    Dlg().Job().SilenceMillis = 300;
    const QString caption = Dlg().windowTitle();
    Click(IDC_TOGGLE_TRACK2);
    Click(IDC_RUN);
    const QString port = QString::fromStdString(sim_->PortPath());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return Dlg().windowTitle() == caption + "（设备无应答：" + port + "）"; }, 5000))
        << Dlg().windowTitle().toStdString();
    EXPECT_TRUE(Dlg().JobRunning());
    EXPECT_FALSE(LogBox()->Text().contains("设备无应答"));
    Click(IDC_STOP);
    ASSERT_TRUE(WaitForJobEnd());
    EXPECT_EQ(Dlg().windowTitle(), caption);
}

TEST_F(JobRunTest, SingleWriteOfChineseTextReachesTheDevice) {
    StartSim({"--write-reply-ms", "20"});
    Click(IDC_WRITE_MODE);
    Click(IDC_TOGGLE_TRACK2);
    TrackBox(IDC_TRACK2_TEXT)->setPlainText(QStringLiteral("磁卡AB"));
    Click(IDC_RUN);
    ASSERT_TRUE(WaitForJobEnd());
    EXPECT_NE(sim_->Received().find(Hex("1b 77 32") + Gbk("磁卡AB") + Hex("1c 0d")),
              std::string::npos);
    EXPECT_TRUE(JobLogOnScreen().contains(QStringLiteral("写2轨成功，共写入6个数据\n磁卡AB\n")));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(JobRunTest, ContinuousWriteNumbersThreeCards) {
    StartSim({"--write-reply-ms", "20"});
    Click(IDC_WRITE_MODE);
    Click(IDC_TOGGLE_TRACK2);
    QTest::mouseClick(Ctl<QCheckBox>(IDC_CONTINUOUS), Qt::LeftButton);
    TrackBox(IDC_TRACK2_TEXT)->setPlainText("AB");
    SetNumber(IDC_COUNT, "3");
    SetNumber(IDC_TRACK2_START, "5");
    SetNumber(IDC_TRACK2_INCREMENT, "10");
    Click(IDC_RUN);
    ASSERT_TRUE(WaitForJobEnd());
    const std::string received = sim_->Received();
    std::size_t at = 0;
    for (const char* value : {"AB5", "AB15", "AB25"}) {
        at = received.find(Hex("1b 77 32") + value + Hex("1c 0d"), at);
        EXPECT_NE(at, std::string::npos) << value;
    }
    EXPECT_EQ(JobLogOnScreen().count(QStringLiteral("写2轨成功")), 3);
}

TEST_F(JobRunTest, WriteWarningIsTheWindowsMessageAndEndsTheJob) {
    StartSim({});
    Click(IDC_WRITE_MODE);
    Click(IDC_TOGGLE_TRACK23);
    TrackBox(IDC_TRACK2_TEXT)->setPlainText("12345");
    Click(IDC_RUN);
    ASSERT_TRUE(WaitForJobEnd());
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, QStringLiteral("请输入3轨信息！"));
    EXPECT_EQ(messages_[0].owner, &Dlg());
    EXPECT_EQ(messages_[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(messages_[0].buttons, QMessageBox::Ok);
    EXPECT_TRUE(Button(IDC_RUN)->isEnabled());
}

// A port that fails ends the job and the log box with it: the reason is also shown in a
// box of the window's, in the log's words.
TEST_F(JobRunTest, PortFailureIsShownInABoxInTheLogsWords) {
    StartSim({"--swipe-ms", "30"});
    const QString missing = QtPath(dir_ / "missing" / "tty");
    Click(IDC_TOGGLE_TRACK2);
    Click(IDC_RUN);
    ASSERT_TRUE(QTest::qWaitFor([&] { return JobLogOnScreen().contains("第1次成功读取"); }, 10000));
    sim_->Stop();  // unplugged
    ASSERT_TRUE(WaitForJobEnd());
    Combo(IDC_PORT)->setEditText(missing);
    Click(IDC_RUN);
    ASSERT_TRUE(WaitForJobEnd());

    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_TRUE(messages_[0].text.startsWith("端口" + QtPath(sim_->PortPath()) + "通信中断："));
    EXPECT_TRUE(messages_[1].text.startsWith("端口" + missing + "打开失败："));
    for (const ShownMessage& message : messages_) {
        EXPECT_EQ(message.owner, &Dlg());
        const QString logged = message.text.chopped(ConsoleTexts::ProbeHint().size() + 1);
        EXPECT_EQ(message.text, logged + "\n" + ConsoleTexts::ProbeHint());
        EXPECT_TRUE(JobLogOnScreen().contains(logged + "\n----")) << message.text.toStdString();
    }
}

TEST_F(JobRunTest, JobSettingsComeFromTheBoxes) {
    Click(IDC_TOGGLE_TRACK2);
    Click(IDC_RUN);
    EXPECT_EQ(Dlg().Job().PortName, "COM1");
    EXPECT_EQ(Dlg().Job().CommSettings, "baud=9600 parity=N data=8 stop=1");
    EXPECT_EQ(Dlg().Job().Tracks, Track2);
    EXPECT_EQ(Dlg().Job().LowDensity, 1);
    EXPECT_EQ(Dlg().Job().IsoFormat, 1);
    EXPECT_EQ(Dlg().Job().LowCoercivity, 1);
    Click(IDC_STOP);
    ASSERT_TRUE(WaitForJobEnd());

    Choose(IDC_PORT, Combo(IDC_PORT)->findText("COM2"));
    Choose(IDC_BAUD, 0);
    Choose(IDC_PARITY, 0);
    Choose(IDC_DATA_BITS, 0);
    Choose(IDC_STOP_BITS, 1);
    for (int id : {IDC_DENSITY, IDC_FORMAT, IDC_COERCIVITY}) Combo(id)->setCurrentIndex(-1);
    Click(IDC_RUN);
    EXPECT_EQ(Dlg().Job().PortName, "COM2");
    EXPECT_EQ(Dlg().Job().CommSettings, "baud=1200 parity=E data=7 stop=2");
    // Nothing chosen means high density, IBM and high coercivity.
    EXPECT_EQ(Dlg().Job().LowDensity, 0);
    EXPECT_EQ(Dlg().Job().IsoFormat, 0);
    EXPECT_EQ(Dlg().Job().LowCoercivity, 0);
    Click(IDC_STOP);
    ASSERT_TRUE(WaitForJobEnd());
}

TEST_F(JobRunTest, ClosingDuringAJobStopsItFirst) {
    StartSim({"--read-scenario", "silent"});
    Click(IDC_TOGGLE_TRACK2);
    Click(IDC_RUN);
    Dlg().reject();
    EXPECT_TRUE(Dlg().isVisible());  // not before the job has ended
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Dlg().isVisible(); }, 5000));
    EXPECT_FALSE(Dlg().JobRunning());
    EXPECT_EQ(Dlg().result(), QDialog::Rejected);
    EXPECT_TRUE(sim_->Received().ends_with(Hex("1b 61")));
}

TEST_F(JobRunTest, ClosingWhileAWarningIsOpenWaitsForIt) {
    StartSim({});
    SetMessageBoxRunner([this](QMessageBox& box) {
        messages_.push_back(
            {box.windowTitle(), box.text(), box.icon(), box.standardButtons(), box.parentWidget()});
        Dlg().reject();
        EXPECT_TRUE(Dlg().isVisible());
    });
    Click(IDC_WRITE_MODE);
    Click(IDC_TOGGLE_TRACK2);
    Click(IDC_RUN);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Dlg().isVisible(); }, 5000));
    EXPECT_EQ(messages_.size(), 1u);
}

TEST_F(JobRunTest, DestroyingTheWindowDuringAJobEndsTheWorker) {
    StartSim({"--read-scenario", "silent"});
    Click(IDC_TOGGLE_TRACK2);
    Click(IDC_RUN);
    QTest::qWait(100);
    const auto start = std::chrono::steady_clock::now();
    dialog_.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
}

}  // namespace
