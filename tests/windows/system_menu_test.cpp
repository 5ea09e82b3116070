// The system menu under Wine on a display: its commands reach the console posted (as the
// menu does), sent, and from the keyboard.
//   system_menu_test PROFILE PICTURE   PICTURE: the screen while the About box is open
#include <windows.h>

#include <QApplication>
#include <QScreen>
#include <QTest>

#include "card_demo_dlg.h"
#include "console_commands.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    CCardDemoDlg console(nullptr, argv[1]);
    console.show();
    const auto window = reinterpret_cast<HWND>(console.winId());
    int abouts = 0;
    int ticksOpen = 0;
    QTimer watch;
    watch.callOnTimeout([&] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr || box == &console) return;
        // Half a second open, so the picture shows the box painted, not just mapped.
        if (++ticksOpen < 5) return;
        ticksOpen = 0;
        ++abouts;
        QGuiApplication::primaryScreen()->grabWindow(0).save(argv[2]);
        box->close();
    });
    watch.start(100);
    PostMessageW(window, WM_SYSCOMMAND, 0x10, 0);
    QTest::qWait(2000);
    SendMessageW(window, WM_SYSCOMMAND, kVerifyCommand, 0);
    // Alt+Space, End, Return as typed: the last entry is About.
    const BYTE keys[][2]{{VK_MENU, 0}, {VK_SPACE, 0}, {VK_SPACE, 2},  {VK_MENU, 2},
                         {VK_END, 0},  {VK_END, 2},   {VK_RETURN, 0}, {VK_RETURN, 2}};
    for (const auto& [key, up] : keys) keybd_event(key, 0, up, 0);
    QTest::qWait(3000);
    const UINT verify = GetMenuState(GetSystemMenu(window, FALSE), kVerifyCommand, 0);
    return argc == 3 && abouts == 2 && (verify & MF_CHECKED) ? 0 : 1;
}
