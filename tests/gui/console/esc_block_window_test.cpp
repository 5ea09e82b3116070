// The window's jobs on a profile of the ESC-block family, against the simulator playing
// such an encoder: the same buttons and boxes, one block per card on the wire.
#include <QCheckBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QTimer>
#include <functional>

#include "console_commands.h"
#include "console_texts.h"
#include "job_fixture.h"

namespace {

const char* const kEscBlockProfile = "[Protocol]\nFamily=esc-block\n[Command]\nSysDelay=10\n";
const std::string kReset = Hex("1b 61");

std::string Block(const std::string& t2, const std::string& t3 = "") {
    return Hex("1b 77 1b 73 1b 01 1b 02") + t2 + Hex("1b 03") + t3 + Hex("3f 1c");
}

class EscBlockWindow : public JobConsoleTest {
  protected:
    void SetUp() override {
        JobConsoleTest::SetUp();
        OpenConsole(kEscBlockProfile);
        Dlg().SetSerialTimeouts({10, 0, 30, 0, 200});
        WriteFile(dir_ / "cards.txt", "2=111;3=45\n");
    }
    void StartEscSim(std::vector<std::string> arguments = {}) {
        arguments.insert(arguments.end(),
                         {"--family", "esc-block", "--cards", (dir_ / "cards.txt").string(),
                          "--swipe-ms", "20", "--write-reply-ms", "20", "--read-back", "same"});
        sim_ = std::make_unique<CardsimProcess>(std::move(arguments), kEscBlockProfile);
        Combo(IDC_PORT)->setEditText(QString::fromStdString(sim_->PortPath()));
    }
    std::string ReceivedAfterStop() {
        sim_->Stop();
        return sim_->Received();
    }
    // The next dialog asking for an item gets this answer.
    void AnswerNextChoice(const QString& choice) {
        QTimer::singleShot(0, [choice] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->setTextValue(choice);
            dialog->accept();
        });
    }
};

TEST_F(EscBlockWindow, AReadArmsTheDeviceOnceAndStopResetsIt) {
    StartEscSim();
    Click(IDC_TOGGLE_TRACK23);
    Click(IDC_RUN);
    ASSERT_TRUE(QTest::qWaitFor([&] { return JobLogOnScreen().contains("第2次成功读取"); }, 10000));
    Click(IDC_STOP);
    ASSERT_TRUE(WaitForJobEnd());
    EXPECT_TRUE(JobLogOnScreen().contains("第1次成功读取，共读取3个2轨数据\n111\n"))
        << JobLogOnScreen().toStdString();
    EXPECT_TRUE(ReceivedAfterStop().ends_with(kReset));
    EXPECT_TRUE(messages_.empty());
}

// Each write job of the window as the operator sets it up, and the blocks the device got.
TEST_F(EscBlockWindow, WriteJobsSendOneBlockPerCard) {
    struct Case {
        const char* name;
        std::function<void()> setUp;
        std::string blocks;
    };
    const Case cases[] = {
        {"single", [] {}, Block("12", "")},
        {"numbered run",
         [&] {
             QTest::mouseClick(Ctl<QCheckBox>(IDC_CONTINUOUS), Qt::LeftButton);
             Ctl<QLineEdit>(IDC_COUNT)->setText("2");
             Ctl<QLineEdit>(IDC_TRACK2_START)->setText("1");
             Ctl<QLineEdit>(IDC_TRACK2_INCREMENT)->setText("1");
         },
         Block("121", "") + Block("122", "")},
        {"verified", [&] { Dlg().OnSysCommand(kVerifyCommand); }, Block("12", "") + Hex("1b 72")},
    };
    for (const Case& c : cases) {
        OpenConsole(kEscBlockProfile);
        StartEscSim();
        Click(IDC_WRITE_MODE);
        Click(IDC_TOGGLE_TRACK2);
        TrackBox(IDC_TRACK2_TEXT)->setPlainText("12");
        c.setUp();
        Click(IDC_RUN);
        ASSERT_TRUE(WaitForJobEnd()) << c.name;
        const std::string received = ReceivedAfterStop();
        EXPECT_NE(received.find(c.blocks + kReset), std::string::npos) << c.name;
        EXPECT_FALSE(JobLogOnScreen().contains("失败")) << c.name << JobLogOnScreen().toStdString();
    }
}

TEST_F(EscBlockWindow, EraseAsksForTheTracksAndSendsTheirMask) {
    StartEscSim();
    Click(IDC_TOGGLE_TRACK2);
    AnswerNextChoice(ConsoleTexts::TracksName("2，3"));
    Dlg().OnSysCommand(kEraseCommand);
    ASSERT_TRUE(WaitForJobEnd());
    EXPECT_TRUE(ReceivedAfterStop().ends_with(Hex("1b 63 06") + kReset));
    EXPECT_TRUE(Button(IDC_READ_MODE)->isChecked());  // the window's mode is as it was
}

TEST_F(EscBlockWindow, EraseOnAProfileWithoutOneIsRefusedBeforeTheWindowLocks) {
    OpenConsole(kTestProfile);
    AnswerNextChoice(ConsoleTexts::TracksName("2"));
    Dlg().OnSysCommand(kEraseCommand);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_TRUE(messages_[0].text.contains("没有擦卡命令")) << messages_[0].text.toStdString();
    EXPECT_FALSE(Dlg().JobRunning());
}

}  // namespace
