#include "card_demo_app.h"

#include <QSettings>
#include <cstdlib>

#include "card_demo_dlg.h"
#include "skin.h"
#include "stop_signals.h"

namespace {

// Looked for where the profile is: beside the executable, then in the user's and the
// shared folder.
const char* const kSkinFile = "dogmax.ssk";

}  // namespace

void KeepNoUserSettings() {
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
#endif
}

int CCardDemoApp::Run() {
    InitInstance();
    return ExitInstance();
}

void CCardDemoApp::InitInstance() {
    skin_.Load(QString::fromUtf8(kSkinFile));
    CCardDemoDlg console;
    // A logout or a service manager ends the console as its close button does: a running
    // job stops and the device gets its reset before the program ends.
    StopSignals stopSignals(StopSignals::Watched::Session);
    QObject::connect(&stopSignals, &StopSignals::Received, &console, &QDialog::reject);
    // However the console was closed, the program ends the same way.
    console.exec();
}

int CCardDemoApp::ExitInstance() {
    skin_.Remove();
    return EXIT_SUCCESS;
}
