// The window's own commands: the menu that holds About, the shortcuts, the log shown on
// demand and the log saved to a file.
#include "console_commands.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QScrollBar>
#include <QSettings>
#include <cstring>

#include "job_fixture.h"
#include "system_menu.h"

namespace {

const char* const kLogUtf8 = "第1次成功读取，共读取5个2轨数据\r\n12345\r\n";

class ConsoleCommands : public JobConsoleTest {
  protected:
    QStringList Shown(const QList<QAction*>& actions) {
        QStringList shown;
        for (QAction* action : actions) {
            shown << (action->isSeparator() ? "-"
                                            : action->text() + " " + action->shortcut().toString() +
                                                  (action->isEnabled() ? "" : " off"));
        }
        return shown;
    }
    QStringList Menu() { return Shown(Dlg().SystemCommands().ContextMenu()->actions()); }
};

// In the window's menu before About, and after its own entries in the log box's menu.
TEST_F(ConsoleCommands, MenusOfferTheCommandsListWritingInWriteModeOnly) {
    EXPECT_EQ(Menu().join("|"),
              "-|查看日志(&L) F2|保存日志(&S)... Ctrl+S|导出作业记录(&E)... Ctrl+E|"
              "按列表写卡(&W)... Ctrl+L off|写后校验(&V) |作业记录自动保存(&J)... |擦除磁卡(&D)... |"
              "连写号码位数(&N)... |-|"
              "关于 磁条读写器演示程序(&A)... ");
    Press(QKeySequence(Qt::CTRL | Qt::Key_L));  // off, but not without a word
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "按列表写卡需在“写卡”模式下进行，请先点“写卡”。");
    Click(IDC_WRITE_MODE);
    EXPECT_EQ(Menu()[4], "按列表写卡(&W)... Ctrl+L");

    emit LogBox()->customContextMenuRequested(QPoint(5, 5));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    const std::unique_ptr<QMenu> standard(LogBox()->CreateStandardContextMenu());
    EXPECT_EQ(Shown(menu->actions()), Shown(standard->actions()) + Menu().mid(0, 3));
    menu->close();
    // From the keyboard wherever the focus is, with the key of the system menu on Windows.
    QTest::keyClick(TrackBox(IDC_TRACK2_TEXT), Qt::Key_Space, Qt::AltModifier);
    EXPECT_EQ(QApplication::activePopupWidget(), Dlg().SystemCommands().ContextMenu());
}

// F2 shows the log where a job shows it, F2 hides it; Run returns to the job's layout and
// a job's end to the normal one. While a job runs, every entry is off.
TEST_F(ConsoleCommands, F2ShowsTheLogAtItsEndInPlaceOfTheTracksUntilF2OrRun) {
    Dlg().Job().JobLog = Gbk(QString(kLogUtf8).repeated(40).toStdString());
    Press(QKeySequence(Qt::Key_F2));
    EXPECT_TRUE(LogBox()->isVisible());
    EXPECT_FALSE(TrackBox(IDC_TRACK2_TEXT)->isVisible());
    EXPECT_FALSE(Ctl<QWidget>(IDC_TRACK2_START)->isVisible());
    EXPECT_TRUE(Combo(IDC_MODEL)->isEnabled());  // idle all the same
    EXPECT_EQ(LogBox()->Text(), QString(kLogUtf8).replace("\r\n", "\n").repeated(40));
    EXPECT_EQ(LogBox()->verticalScrollBar()->value(), LogBox()->verticalScrollBar()->maximum());
    const QRect shown = LogBox()->geometry();
    Press(QKeySequence(Qt::Key_F2));
    EXPECT_FALSE(LogBox()->isVisible());
    EXPECT_TRUE(TrackBox(IDC_TRACK2_TEXT)->isVisible());

    Press(QKeySequence(Qt::Key_F2));
    StartSim({"--read-scenario", "silent"});
    Click(IDC_TOGGLE_TRACK2);
    Click(IDC_RUN);
    ASSERT_TRUE(Dlg().JobRunning());
    EXPECT_EQ(LogBox()->geometry(), shown);
    EXPECT_EQ(Menu().filter("off").size(), 8);
    Press(QKeySequence(Qt::Key_F2));
    EXPECT_FALSE(Dlg().LogShownWhileIdle());
    Click(IDC_STOP);
    ASSERT_TRUE(WaitForJobEnd());
    EXPECT_FALSE(LogBox()->isVisible());
    EXPECT_TRUE(Ctl<QWidget>(IDC_TRACK2_START)->isVisible());
}

// A line edit keeps Ctrl+E for itself (end of line); the window's shortcut wins there too.
TEST_F(ConsoleCommands, ShortcutsWinInNumberBoxesAndTheModelBox) {
    for (const int id : {IDC_COUNT, IDC_MODEL}) {
        Ctl<QWidget>(id)->setFocus();
        Press(QKeySequence(Qt::CTRL | Qt::Key_E));
    }
    EXPECT_EQ(fileDialogs_.size(), 2u);
}

TEST_F(ConsoleCommands, CtrlSSavesTheLogAsUtf8OrGbkOrSaysWhyNot) {
    Dlg().Job().JobLog = Gbk(kLogUtf8);
    WriteFile(dir_ / "plain.txt", "");
    const struct {
        std::filesystem::path path;
        int filter;
        std::string bytes;  // none: the box with the system's reason
    } cases[] = {{dir_ / "utf8.txt", 0, kLogUtf8},
                 {dir_ / "gbk.txt", 1, Gbk(kLogUtf8)},
                 {dir_ / "plain.txt" / "log.txt", 0, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        fileAnswers_ = {{QtPath(c.path), c.filter}};
        Press(QKeySequence(Qt::CTRL | Qt::Key_S));
        EXPECT_EQ(FileBytes(c.path), c.bytes);
    }
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, QtPath(cases[2].path) + ": 无法写入：" + std::strerror(ENOTDIR));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.Path()), {}), 4);
    EXPECT_EQ(fileDialogs_[0].title, "保存日志");
    EXPECT_EQ(fileDialogs_[0].folder, QDir::homePath());
    EXPECT_EQ(fileDialogs_[0].filters.join("|"), "UTF-8文本文件 (*.txt)|GBK文本文件 (*.txt)");
    EXPECT_TRUE(fileDialogs_[0].saving && fileDialogs_[0].widgetDialog);
    // Nothing of the dialog is kept for the next run.
    EXPECT_TRUE(QSettings(QSettings::UserScope, "QtProject").allKeys().isEmpty());
}

}  // namespace
