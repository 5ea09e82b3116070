// Card records exported, and card lists written, from the window's menu against the
// simulated device.
#include <QRegularExpression>

#include "console_commands.h"
#include "job_fixture.h"
#include "system_menu.h"
#include "record_export.h"

namespace {

class ListWrite : public JobConsoleTest {
  protected:
    void SetUp() override {
        JobConsoleTest::SetUp();
        Click(IDC_WRITE_MODE);
        Click(IDC_TOGGLE_TRACK2);
    }
    // Names the list in the file dialog and answers the question after it.
    void WriteList(const std::string& name, QMessageBox::StandardButton answer) {
        fileAnswers_ = {{QtPath(dir_ / name), 0}};
        boxAnswers_ = {answer};
        Press(QKeySequence(Qt::CTRL | Qt::Key_L));
    }
};

TEST_F(ListWrite, CtrlEExportsTheRecordsAsCsvOrAsJsonByTheChosenFilter) {
    StartSim({"--write-reply-ms", "20"});
    TrackBox(IDC_TRACK2_TEXT)->setPlainText("磁卡AB");
    Click(IDC_RUN);
    ASSERT_TRUE(WaitForJobEnd());
    ASSERT_EQ(Dlg().Job().Records.size(), 1u);

    fileAnswers_ = {{QtPath(dir_ / "cards.csv"), 0}, {QtPath(dir_ / "cards.json"), 1}};
    Press(QKeySequence(Qt::CTRL | Qt::Key_E));
    Press(QKeySequence(Qt::CTRL | Qt::Key_E));
    EXPECT_EQ(FileBytes(dir_ / "cards.csv"),
              "\xEF\xBB\xBFjob,card,row,time,kind,tracks,track1,track1_status,track2,"
              "track2_status,track3,track3_status\r\n1,1,," +
                  std::string(Dlg().Job().Records[0].Time()) + ",write,2,,,磁卡AB,ok,,\r\n");
    EXPECT_EQ(FileBytes(dir_ / "cards.json"), RecordsJson(Dlg().Job().Records));
    EXPECT_EQ(fileDialogs_[1].filters.join("|"), "CSV文件 (*.csv)|JSON文件 (*.json)");
}

TEST_F(ListWrite, ABadListIsRefusedWithItsBadRowsInOneBoxAndNothingIsSent) {
    StartSim({});
    WriteFile(dir_ / "rows.csv", "note,track2\na,1234\nb,\nc," + std::string(37, '1') + "\n");
    WriteFile(dir_ / "binary.csv", std::string("track2\n12\0\n", 11));
    WriteList("rows.csv", QMessageBox::Ok);
    WriteList("binary.csv", QMessageBox::Ok);
    const QString rows = QtPath(dir_ / "rows.csv");
    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_EQ(messages_[0].text,
              rows + ":3: 缺少2轨数据\n" + rows + ":4: 2轨数据37个字节，超过36个字节的限制");
    EXPECT_EQ(messages_[1].text, QtPath(dir_ / "binary.csv") + ":2: 不是文本文件（含有NUL字节）");
    EXPECT_FALSE(Dlg().JobRunning());
    EXPECT_TRUE(sim_->Received().empty());
}

TEST_F(ListWrite, AConfirmedListIsWrittenAsRunWritesWithARefusedCardWrittenAgain) {
    StartSim({"--write-reply-ms", "20", "--write-replies", "ok,fail,ok,ok"});
    WriteFile(dir_ / "cards.txt", "111\n2222\n33\n");
    WriteList("cards.txt", QMessageBox::Cancel);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "列表共3张卡，写入2轨。");
    EXPECT_EQ(messages_[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_FALSE(Dlg().JobRunning());

    WriteList("cards.txt", QMessageBox::Ok);
    ASSERT_TRUE(Dlg().JobRunning());
    EXPECT_TRUE(LogBox()->isVisible());
    EXPECT_TRUE(Button(IDC_STOP)->isEnabled());
    EXPECT_FALSE(Combo(IDC_PORT)->isEnabled());
    ASSERT_TRUE(WaitForJobEnd());
    const std::string received = sim_->Received();
    std::size_t at = 0;
    for (const char* value : {"111", "2222", "2222", "33"}) {
        at = received.find(Hex("1b 77 32") + value + Hex("1c 0d"), at);
        ASSERT_NE(at, std::string::npos) << value;
        ++at;
    }
    const QString log = JobLogOnScreen();
    EXPECT_EQ(log.count(QRegularExpression("第\\d/3张：写2轨成功")), 3);
    EXPECT_TRUE(log.contains("第2/3张：写2轨失败！"));
    EXPECT_TRUE(log.endsWith("列表写卡结束：成功3张，未成功1次\n列表已全部写完：共3张\n" +
                             QString(54, '-') + "\n"));
    EXPECT_FALSE(LogBox()->isVisible());
    EXPECT_TRUE(Button(IDC_RUN)->isEnabled());
}

// With the journal on every card goes to it; a card refused three times in a row ends
// the list with a box, and the list opened again offers to leave out the card written.
TEST_F(ListWrite, JournalKeepsEveryCardAndTheListAgainOffersToLeaveOutTheWrittenOnes) {
    StartSim({"--write-reply-ms", "20", "--write-replies", "ok,fail,fail,fail"});
    WriteFile(dir_ / "cards.txt", "111\n222\n");
    fileAnswers_ = {{QtPath(dir_ / "journal.csv"), 0}};
    Dlg().OnSysCommand(kJournalCommand);
    EXPECT_TRUE(Dlg().SystemCommands().EntryAction(kJournalCommand)->isChecked());
    EXPECT_TRUE(Dlg().windowTitle().endsWith("（作业记录自动保存：journal.csv）"));
    WriteList("cards.txt", QMessageBox::Ok);
    ASSERT_TRUE(WaitForJobEnd());
    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_TRUE(messages_[1].text.startsWith(
        "第2/2张卡连续3次写入未成功，停止写卡：2轨 222\n列表未写完：已确认1张，还剩1张。"));
    const std::string journal = FileBytes(dir_ / "journal.csv");
    EXPECT_TRUE(journal.starts_with("\xEF\xBB\xBF" + RecordsCsvHeader())) << journal;
    EXPECT_EQ(QString::fromStdString(journal).count(",write,2,,,222,failed,,\r\n"), 3);

    WriteList("cards.txt", QMessageBox::Cancel);
    EXPECT_EQ(fileDialogs_.back().folder, QtPath(dir_.Path()));  // the last one's folder
    EXPECT_EQ(messages_.back().text, "列表共2张卡，其中1张已写入（见作业记录）。跳过已写入的卡？");
    EXPECT_FALSE(Dlg().JobRunning());

    // Resumed, the list's end counts the card written before.
    fileAnswers_ = {{QtPath(dir_ / "cards.txt"), 0}};
    boxAnswers_ = {QMessageBox::Yes, QMessageBox::Ok};
    Press(QKeySequence(Qt::CTRL | Qt::Key_L));
    ASSERT_TRUE(WaitForJobEnd());
    EXPECT_EQ(messages_.back().text, "列表写卡完成：2张全部写入并确认。");
}

}  // namespace
