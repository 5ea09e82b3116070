// Shows the About box on a real display, lets the text scroll for a while and saves what
// the window shows, for the documentation: about_screenshot <png file> [milliseconds]
#include <QApplication>
#include <QTimer>

#include "about_dlg.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int scrollMs = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 1500;

    CAboutDlg box;
    bool saved = false;
    QTimer::singleShot(scrollMs, &box, [&] {
        saved = box.grab().save(path);
        box.accept();
    });
    box.exec();
    return saved ? 0 : 1;
}
