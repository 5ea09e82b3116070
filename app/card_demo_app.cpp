#include "card_demo_app.h"

#include <cstdlib>

#include "card_demo_dlg.h"
#include "skin.h"

namespace {

// Looked for where the profile is: beside the executable, then in the user's and the
// shared folder.
const char* const kSkinFile = "dogmax.ssk";

}  // namespace

int CCardDemoApp::Run() {
    InitInstance();
    return ExitInstance();
}

void CCardDemoApp::InitInstance() {
    skin_.Load(QString::fromUtf8(kSkinFile));
    CCardDemoDlg console;
    // However the console was closed, the program ends the same way.
    console.exec();
}

int CCardDemoApp::ExitInstance() {
    skin_.Remove();
    return EXIT_SUCCESS;
}
