// The console's system menu as Windows delivers it, on a display under Wine: a command
// posted (as the menu does) or sent runs; a disabled entry does nothing while a job runs.
//   system_menu_test PORT PROFILE SCREENSHOT   (PORT: a silent simulator)
#include <gtest/gtest.h>
#include <windows.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "about_dlg.h"
#include "card_demo_dlg.h"
#include "console_commands.h"
#include "console_dialog.h"
#include "file_dialog.h"

namespace {

char** gArgs;

// The class of the dialog that opens (and is closed) within a moment of deliver().
QString Opened(CCardDemoDlg& console, const std::function<void()>& deliver) {
    QString opened;
    SetFileDialogRunner([&](QFileDialog&) { return (opened = "QFileDialog", 0); });
    QTimer watch;
    watch.callOnTimeout([&] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr || box == &console || !opened.isEmpty()) return;
        opened = box->metaObject()->className();
        if (opened == "CAboutDlg") QGuiApplication::primaryScreen()->grabWindow(0).save(gArgs[3]);
        box->close();
    });
    watch.start(50);
    deliver();
    QTest::qWait(600);
    return opened;
}

QString Command(CCardDemoDlg& console, WPARAM id, bool post) {
    const auto hwnd = reinterpret_cast<HWND>(console.winId());
    return Opened(console, [&] {
        post ? PostMessageW(hwnd, WM_SYSCOMMAND, id, 0) : SendMessageW(hwnd, WM_SYSCOMMAND, id, 0);
    });
}

UINT State(CCardDemoDlg& console, int id) {
    return GetMenuState(GetSystemMenu(reinterpret_cast<HWND>(console.winId()), FALSE), id,
                        MF_BYCOMMAND);
}

void Click(CCardDemoDlg& console, int id) {
    QTest::mouseClick(FindControl<QPushButton>(console, id), Qt::LeftButton);
}

TEST(SystemMenu, EachEntryRunsPostedOrSentAndNoneWhileAJobRuns) {
    CCardDemoDlg console(nullptr, gArgs[2]);
    console.show();
    const struct {
        int id;
        bool post;
        QString opens;
    } cases[] = {{0x10, true, "CAboutDlg"},
                 {0x1F, false, "CAboutDlg"},
                 {kSaveLogCommand, true, "QFileDialog"},
                 {kExportRecordsCommand, false, "QFileDialog"},
                 {kWriteListCommand, true, ""},
                 {kJournalCommand, true, "QFileDialog"},
                 {kVerifyCommand, false, ""}};
    for (const auto& [id, post, opens] : cases) EXPECT_EQ(Command(console, id, post), opens) << id;
    EXPECT_EQ(State(console, kVerifyCommand) & MF_CHECKED, MF_CHECKED);
    EXPECT_EQ(State(console, kJournalCommand) & MF_CHECKED, 0);
    Command(console, kViewLogCommand, true);
    EXPECT_TRUE(console.LogShownWhileIdle());
    // Alt+Space, End, Return as the operator types them: the last entry is About.
    EXPECT_EQ(Opened(console,
                     [] {
                         for (const auto [key, flags] : {std::pair<WORD, DWORD>{VK_MENU, 0},
                                                         {VK_SPACE, 0},
                                                         {VK_SPACE, KEYEVENTF_KEYUP},
                                                         {VK_MENU, KEYEVENTF_KEYUP},
                                                         {VK_END, 0},
                                                         {VK_RETURN, 0}}) {
                             INPUT input{INPUT_KEYBOARD, {}};
                             input.ki.wVk = key;
                             input.ki.dwFlags = flags;
                             SendInput(1, &input, sizeof(INPUT));
                         }
                     }),
              "CAboutDlg");

    FindControl<QComboBox>(console, IDC_PORT)->setEditText(gArgs[1]);
    Click(console, IDC_TOGGLE_TRACK2);
    Click(console, IDC_RUN);
    ASSERT_TRUE(console.JobRunning());
    for (const auto& [id, post, opens] : cases) {
        if (IsAboutCommand(id)) continue;
        EXPECT_EQ(State(console, id) & MF_GRAYED, MF_GRAYED) << id;
        EXPECT_EQ(Command(console, id, post), "") << id;
    }
    EXPECT_EQ(State(console, kVerifyCommand) & MF_CHECKED, MF_CHECKED);
    Click(console, IDC_STOP);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    gArgs = argv;
    return argc == 4 ? RUN_ALL_TESTS() : 2;
}
