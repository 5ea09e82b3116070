#include <QApplication>

#include "card_demo_app.h"
#include "qt_texts.h"
#include "skin.h"

int main(int argc, char* argv[]) {
    // Qt takes its own options (-platform and the like) from the command line; the
    // program has none of its own.
    KeepNoUserSettings();
    QApplication application(argc, argv);
    const WindowTexts texts(ChooseLanguage());
    StyleSheetSkin skin(application);
    CCardDemoApp app(skin);
    return app.Run();
}
