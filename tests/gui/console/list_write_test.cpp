// Card records exported, and card lists written, from the window's menu against the
// simulated device.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "console_commands.h"
#include "job_fixture.h"
#include "record_export.h"

namespace {

const char* const kHyphens = "------------------------------------------------------";

class ListWrite : public JobConsoleTest {
  protected:
    void ChooseTrackTwoWriting() {
        Click(IDC_WRITE_MODE);
        Click(IDC_TOGGLE_TRACK2);
    }
    // Answers the next file dialog with the list, and the question after it.
    void ChooseList(const std::filesystem::path& list, QMessageBox::StandardButton answer) {
        fileAnswers_ = {{QtPath(list), 0}};
        boxAnswers_ = {answer};
        Press(QKeySequence(Qt::CTRL | Qt::Key_L));
    }
    // Where each value's write sequence starts in what the device received, in order.
    std::vector<std::size_t> WritesOf(const std::vector<std::string>& values) {
        std::vector<std::size_t> at;
        std::size_t from = 0;
        for (const std::string& value : values) {
            from = sim_->Received().find(Hex("1b 77 32") + value + Hex("1c 0d"), from);
            at.push_back(from);
            if (from != std::string::npos) ++from;
        }
        return at;
    }
};

TEST_F(ListWrite, CtrlEExportsTheRecordsAsCsvOrAsJsonByTheChosenFilter) {
    StartSim({"--write-reply-ms", "20"});
    ChooseTrackTwoWriting();
    TrackBox(IDC_TRACK2_TEXT)->setPlainText("磁卡AB");
    Click(IDC_RUN);
    ASSERT_TRUE(WaitForJobEnd());
    ASSERT_EQ(Dlg().Job().Records.size(), 1u);
    const std::string time = Dlg().Job().Records[0].time;

    fileAnswers_ = {{QtPath(dir_ / "cards.csv"), 0}, {QtPath(dir_ / "cards.json"), 1}};
    Press(QKeySequence(Qt::CTRL | Qt::Key_E));
    Press(QKeySequence(Qt::CTRL | Qt::Key_E));
    EXPECT_EQ(FileBytes(dir_ / "cards.csv"),
              "\xEF\xBB\xBFjob,card,time,kind,tracks,track1,track1_status,track2,track2_status,"
              "track3,track3_status\r\n1,1," +
                  time + ",write,2,,,磁卡AB,ok,,\r\n");
    const std::string json = FileBytes(dir_ / "cards.json");
    EXPECT_EQ(json, RecordsJson(Dlg().Job().Records));
    const QJsonObject card = QJsonDocument::fromJson(QByteArray::fromStdString(json))[0].toObject();
    EXPECT_EQ(card["track2_hex"].toString().toStdString(),
              QByteArray::fromStdString(Gbk("磁卡AB")).toHex().toStdString());
    ASSERT_EQ(fileDialogs_.size(), 2u);
    EXPECT_EQ(fileDialogs_[0].title, "导出作业记录");
    EXPECT_EQ(fileDialogs_[0].filters, QStringList({"CSV文件 (*.csv)", "JSON文件 (*.json)"}));
    EXPECT_TRUE(fileDialogs_[0].saving);
}

struct BadList {
    const char* name;
    std::string bytes;
    std::vector<std::string> errors;  // after "PATH"
};

TEST_F(ListWrite, ABadListIsRefusedWithItsBadRowsInOneBoxAndNothingIsSent) {
    StartSim({});
    Press(QKeySequence(Qt::CTRL | Qt::Key_L));  // read mode: no list writing
    EXPECT_TRUE(fileDialogs_.empty());

    ChooseTrackTwoWriting();
    const BadList lists[] = {
        {"rows.csv",
         "note,track2\na,1234\nb,\nc," + std::string(37, '1') + "\n",
         {":3: 缺少2轨数据", ":4: 2轨数据37个字节，超过36个字节的限制"}},
        {"binary.csv", std::string("track2\n12\0\n", 11), {":2: 不是文本文件（含有NUL字节）"}},
    };
    for (const BadList& list : lists) {
        SCOPED_TRACE(list.name);
        messages_.clear();
        WriteFile(dir_ / list.name, list.bytes);
        ChooseList(dir_ / list.name, QMessageBox::Ok);
        QStringList expected;
        for (const std::string& error : list.errors) {
            expected << QtPath(dir_ / list.name) + QString::fromStdString(error);
        }
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0].text, expected.join("\n"));
        EXPECT_EQ(messages_[0].buttons, QMessageBox::Ok);
        EXPECT_FALSE(Dlg().JobRunning());
    }
    EXPECT_TRUE(Dlg().Job().JobLog.empty());
    EXPECT_TRUE(sim_->Received().empty());
}

TEST_F(ListWrite, AConfirmedListIsWrittenAsRunWritesWithARefusedCardWrittenAgain) {
    StartSim({"--write-reply-ms", "20", "--write-replies", "ok,fail,ok,ok"});
    ChooseTrackTwoWriting();
    WriteFile(dir_ / "cards.txt", "111\n2222\n33\n");

    ChooseList(dir_ / "cards.txt", QMessageBox::Cancel);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "列表共3张卡，写入2轨。");
    EXPECT_EQ(messages_[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(messages_[0].owner, &Dlg());
    EXPECT_FALSE(Dlg().JobRunning());

    ChooseList(dir_ / "cards.txt", QMessageBox::Ok);
    ASSERT_TRUE(Dlg().JobRunning());
    EXPECT_TRUE(LogBox()->isVisible());
    EXPECT_FALSE(TrackBox(IDC_TRACK2_TEXT)->isVisible());
    EXPECT_FALSE(Button(IDC_RUN)->isEnabled());
    EXPECT_TRUE(Button(IDC_STOP)->isEnabled());
    EXPECT_FALSE(Combo(IDC_PORT)->isEnabled());
    ASSERT_TRUE(WaitForJobEnd());

    const std::vector<std::size_t> writes = WritesOf({"111", "2222", "2222", "33"});
    EXPECT_EQ(std::count(writes.begin(), writes.end(), std::string::npos), 0);
    const QString log = JobLogOnScreen();
    std::size_t at = 0;
    for (const QString& entry :
         {QString("第1/3张：写2轨成功，共写入3个数据\n111\n"), QString("第2/3张：写2轨失败！\n"),
          QString("第2/3张：写2轨成功，共写入4个数据\n2222\n"),
          QString("第3/3张：写2轨成功，共写入2个数据\n33\n"),
          QString("列表写卡结束：成功3张，未成功1次\n") + kHyphens + "\n"}) {
        const qsizetype found = log.indexOf(entry, static_cast<qsizetype>(at));
        EXPECT_GE(found, 0) << entry.toStdString();
        at = found < 0 ? at : static_cast<std::size_t>(found);
    }
    EXPECT_FALSE(LogBox()->isVisible());
    EXPECT_TRUE(TrackBox(IDC_TRACK2_TEXT)->isVisible());
    EXPECT_TRUE(Button(IDC_RUN)->isEnabled());
    EXPECT_EQ(messages_.size(), 2u);  // the two questions, nothing else
}

TEST_F(ListWrite, StopEndsAListWriteThatWaitsForACard) {
    StartSim({"--write-reply-ms", "20", "--write-replies", "ok,none"});
    ChooseTrackTwoWriting();
    WriteFile(dir_ / "cards.txt", "111\n2222\n33\n");
    ChooseList(dir_ / "cards.txt", QMessageBox::Ok);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return JobLogOnScreen().contains("第1/3张：写2轨成功"); }, 10000));
    Click(IDC_STOP);
    ASSERT_TRUE(WaitForJobEnd(3000));
    EXPECT_TRUE(
        JobLogOnScreen().endsWith(QString("列表写卡结束：成功1张，未成功0次\n") + kHyphens + "\n"));
    EXPECT_EQ(WritesOf({"33"}), std::vector<std::size_t>({std::string::npos}));
}

}  // namespace
