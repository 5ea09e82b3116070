// The window's own commands: the menu that holds About, their shortcuts, the log shown on
// demand and the log saved to a file.
#include "console_commands.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <cstring>
#include <filesystem>
#include <iterator>

#include "job_fixture.h"
#include "system_menu.h"

namespace {

const char* const kLogUtf8 =
    "第1次成功读取，共读取5个2轨数据\r\n12345\r\n"
    "------------------------------------------------------\r\n";

class ConsoleCommands : public JobConsoleTest {
  protected:
    bool TrackAreaShown() {
        for (int id : {IDC_TRACK1_TEXT, IDC_TRACK2_TEXT, IDC_TRACK3_TEXT, IDC_TRACK2_START,
                       IDC_TRACK3_INCREMENT}) {
            if (!Ctl<QWidget>(id)->isVisible()) return false;
        }
        return true;
    }
    QAction* Entry(int id) { return Dlg().SystemCommands().EntryAction(id); }
    // A read job that runs until Stop: the device never answers.
    void StartSilentJob() {
        StartSim({"--read-scenario", "silent"});
        Click(IDC_TOGGLE_TRACK2);
        Click(IDC_RUN);
        ASSERT_TRUE(Dlg().JobRunning());
    }
};

TEST_F(ConsoleCommands, MenuOffersTheCommandsWithTheirShortcutsAndAboutLast) {
    QStringList shown;
    for (QAction* action : Dlg().SystemCommands().ContextMenu()->actions()) {
        shown << (action->isSeparator() ? QString("-")
                                        : action->text() + " " + action->shortcut().toString());
    }
    EXPECT_EQ(shown, QStringList({"-", "查看日志(&L) F2", "保存日志(&S)... Ctrl+S",
                                  "导出作业记录(&E)... Ctrl+E", "按列表写卡(&W)... Ctrl+L", "-",
                                  "关于 磁条读写器演示程序(&A)... "}));
}

TEST_F(ConsoleCommands, EntriesAreEnabledAsTheModeAndTheJobAllow) {
    const int ids[] = {kViewLogCommand, kSaveLogCommand, kExportRecordsCommand, kWriteListCommand};
    auto states = [&] {
        std::vector<bool> enabled;
        for (int id : ids) enabled.push_back(Entry(id)->isEnabled());
        return enabled;
    };
    EXPECT_EQ(states(), std::vector<bool>({true, true, true, false}));  // read mode
    Click(IDC_WRITE_MODE);
    EXPECT_EQ(states(), std::vector<bool>({true, true, true, true}));

    Click(IDC_READ_MODE);
    StartSilentJob();
    EXPECT_EQ(states(), std::vector<bool>({false, false, false, false}));
    Press(QKeySequence(Qt::Key_F2));  // ignored: the job owns the log box
    EXPECT_FALSE(Dlg().LogShownWhileIdle());
    Click(IDC_STOP);
    ASSERT_TRUE(WaitForJobEnd());
    EXPECT_EQ(states(), std::vector<bool>({true, true, true, false}));
}

TEST_F(ConsoleCommands, F2ShowsTheLogAtItsEndInPlaceOfTheTracksAndF2AgainHidesIt) {
    std::string log;
    for (int i = 0; i < 40; ++i) log += Gbk(kLogUtf8);
    Dlg().Job().JobLog = log;

    Press(QKeySequence(Qt::Key_F2));
    EXPECT_TRUE(Dlg().LogShownWhileIdle());
    EXPECT_TRUE(LogBox()->isVisible());
    EXPECT_FALSE(TrackBox(IDC_TRACK2_TEXT)->isVisible());
    EXPECT_FALSE(Ctl<QLineEdit>(IDC_TRACK2_START)->isVisible());
    EXPECT_EQ(LogBox()->toPlainText(),
              QString::fromUtf8(kLogUtf8).replace("\r\n", "\n").repeated(40));
    EXPECT_EQ(LogBox()->verticalScrollBar()->value(), LogBox()->verticalScrollBar()->maximum());
    // Idle all the same: the settings stay in reach.
    EXPECT_TRUE(Combo(IDC_MODEL)->isEnabled());
    EXPECT_TRUE(Button(IDC_RUN)->isEnabled());

    Press(QKeySequence(Qt::Key_F2));
    EXPECT_FALSE(Dlg().LogShownWhileIdle());
    EXPECT_FALSE(LogBox()->isVisible());
    EXPECT_TRUE(TrackAreaShown());
}

TEST_F(ConsoleCommands, RunFromTheShownLogKeepsItWhereTheJobWantsItAndTheJobsEndRestores) {
    Dlg().OnSysCommand(kViewLogCommand);
    const QRect idleLog = LogBox()->geometry();

    StartSilentJob();
    EXPECT_FALSE(Dlg().LogShownWhileIdle());
    EXPECT_TRUE(LogBox()->isVisible());
    EXPECT_EQ(LogBox()->geometry(), idleLog);
    EXPECT_FALSE(TrackBox(IDC_TRACK2_TEXT)->isVisible());

    Click(IDC_STOP);
    ASSERT_TRUE(WaitForJobEnd());
    EXPECT_FALSE(LogBox()->isVisible());
    EXPECT_TRUE(TrackAreaShown());

    // A Run that starts nothing brings the tracks back as well.
    Dlg().OnSysCommand(kViewLogCommand);
    Click(IDC_TOGGLE_TRACK2);  // unchecks nothing: a toggle stays checked
    Ctl<QLineEdit>(IDC_COUNT)->setText("0");
    Click(IDC_RUN);
    EXPECT_FALSE(Dlg().JobRunning());
    EXPECT_FALSE(LogBox()->isVisible());
    EXPECT_TRUE(TrackAreaShown());
}

TEST_F(ConsoleCommands, LogBoxMenuOffersTheLogEntriesAfterItsOwn) {
    emit LogBox()->customContextMenuRequested(QPoint(5, 5));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->actions();
    ASSERT_GE(actions.size(), 4);
    const std::unique_ptr<QMenu> standard(LogBox()->createStandardContextMenu());
    EXPECT_EQ(actions.front()->text(), standard->actions().front()->text());
    EXPECT_EQ(actions[actions.size() - 2], Entry(kViewLogCommand));
    EXPECT_EQ(actions.back(), Entry(kSaveLogCommand));
    menu->close();
}

struct SaveCase {
    int filter;
    std::string expected;
};

TEST_F(ConsoleCommands, CtrlSSavesTheLogAsUtf8OrAsGbkByTheChosenFilter) {
    Dlg().Job().JobLog = Gbk(kLogUtf8);
    const SaveCase cases[] = {{0, kLogUtf8}, {1, Gbk(kLogUtf8)}};
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.filter);
        const auto path = dir_ / ("log" + std::to_string(c.filter) + ".txt");
        fileAnswers_ = {{QtPath(path), c.filter}};
        Press(QKeySequence(Qt::CTRL | Qt::Key_S));
        EXPECT_EQ(FileBytes(path), c.expected);
    }
    ASSERT_EQ(fileDialogs_.size(), 2u);
    EXPECT_EQ(fileDialogs_[0].title, "保存日志");
    EXPECT_EQ(fileDialogs_[0].folder, QDir::homePath());
    EXPECT_EQ(fileDialogs_[0].filters,
              QStringList({"UTF-8文本文件 (*.txt)", "GBK文本文件 (*.txt)"}));
    EXPECT_TRUE(fileDialogs_[0].saving);
    EXPECT_TRUE(fileDialogs_[0].widgetDialog);
    EXPECT_TRUE(messages_.empty());
    // The dialog's history is not kept for the next run.
    EXPECT_TRUE(QSettings(QSettings::UserScope, "QtProject").allKeys().isEmpty());
}

TEST_F(ConsoleCommands, SavingWhereNothingCanBeWrittenSaysWhyAndLeavesNoFile) {
    Dlg().Job().JobLog = Gbk(kLogUtf8);
    WriteFile(dir_ / "plain.txt", "not a folder");
    const auto path = dir_ / "plain.txt" / "log.txt";
    fileAnswers_ = {{QtPath(path), 0}};
    Dlg().OnSysCommand(kSaveLogCommand);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, QtPath(path) + ": 无法写入：" + std::strerror(ENOTDIR));
    EXPECT_EQ(messages_[0].owner, &Dlg());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.Path()), {}), 2);
    EXPECT_EQ(Dlg().Job().JobLog, Gbk(kLogUtf8));

    // Cancel writes nothing and says nothing.
    Dlg().OnSysCommand(kSaveLogCommand);
    EXPECT_EQ(fileDialogs_.size(), 2u);
    EXPECT_EQ(messages_.size(), 1u);
}

}  // namespace
