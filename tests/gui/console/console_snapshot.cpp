// Saves a picture of the console, skinned with the sample skin and holding a little
// sample text, to the file named on the command line.
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "card_demo_dlg.h"
#include "console_dialog.h"
#include "skin.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: console_snapshot PICTURE.png\n");
        return 2;
    }
    StyleSheetSkin skin(application, CARD_BIN_DIR);
    skin.Load("dogmax.ssk");
    CCardDemoDlg console(nullptr, std::filesystem::path(CARD_BIN_DIR) / "QXProduct.ini");
    FindControl<QPlainTextEdit>(console, IDC_TRACK2_TEXT)->setPlainText("6225880137462198=2512101");
    FindControl<QPlainTextEdit>(console, IDC_TRACK3_TEXT)
        ->setPlainText("996225880137462198=1561560000000000000003000000214");
    FindControl<QPushButton>(console, IDC_TOGGLE_TRACK23)->click();
    console.show();
    bool saved = false;
    QTimer::singleShot(500, [&] {
        saved = console.grab().save(QString::fromLocal8Bit(argv[1]));
        console.reject();
    });
    application.exec();
    skin.Remove();
    return saved ? 0 : 1;
}
