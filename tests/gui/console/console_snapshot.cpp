// Saves a picture of the console, skinned with the sample skin, for the documentation:
//   console_snapshot PICTURE.png [start|log|hint|menu|list|write|run]
// start: the console as it opens, with a little sample text; log: the log shown with F2
// after two writes; hint: an ISO hint on the track-2 box with its tooltip; menu: the
// window's menu; list: a list write running; write: write mode, ready; run: a numbered
// run going on. The jobs run against the simulator.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QToolTip>
#include <cstdio>
#include <functional>

#include "card_demo_app.h"
#include "card_demo_dlg.h"
#include "console_commands.h"
#include "console_dialog.h"
#include "file_dialog.h"
#include "message_box.h"
#include "qt_texts.h"
#include "skin.h"
#include "system_menu.h"

namespace {

bool WaitFor(const std::function<bool()>& done, int ms = 20000) {
    const QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return true;
}

template <class T>
T* Control(const CCardDemoDlg& console, int id) {
    return FindControl<T>(console, id);
}

// The simulator on a port link of its own; stopped with the object.
class Simulator {
  public:
    explicit Simulator(const QStringList& arguments) {
        process_.start(QStringLiteral(CARD_BIN_DIR "/cardsim"),
                       QStringList{"--link", Port()} + arguments);
        WaitFor([&] { return QFileInfo::exists(Port()); }, 5000);
    }
    ~Simulator() {
        process_.terminate();
        process_.waitForFinished(3000);
    }
    QString Port() const { return folder_.filePath("COM7"); }
    QString File(const QString& name) const { return folder_.filePath(name); }

  private:
    QTemporaryDir folder_;
    QProcess process_;
};

void Write(CCardDemoDlg& console, const QString& text, int count) {
    Control<QPlainTextEdit>(console, IDC_TRACK2_TEXT)->setPlainText(text);
    auto* continuous = Control<QCheckBox>(console, IDC_CONTINUOUS);
    if (continuous->isChecked() != (count > 1)) continuous->click();
    Control<QLineEdit>(console, IDC_COUNT)->setText(QString::number(count));
    Control<QPushButton>(console, IDC_RUN)->click();
    WaitFor([&] { return !console.JobRunning(); });
}

// The window and, on the screen, whatever popup is open over it.
QPixmap GrabScreenAroundWindow(const CCardDemoDlg& console) {
    const QRect area = console.frameGeometry();
    return console.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
}

}  // namespace

int main(int argc, char* argv[]) {
    KeepNoUserSettings();
    QApplication application(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr,
                     "usage: console_snapshot PICTURE.png [start|log|hint|menu|list|write|run]\n");
        return 2;
    }
    const QString scene = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("start");
    const WindowTexts texts(ChooseLanguage());
    StyleSheetSkin skin(application, CARD_BIN_DIR);
    skin.Load("dogmax.ssk");
    CCardDemoDlg console(nullptr, std::filesystem::path(CARD_BIN_DIR) / "QXProduct.ini");
    auto* track2 = Control<QPlainTextEdit>(console, IDC_TRACK2_TEXT);
    track2->setPlainText("6225880137462198=2512101");
    Control<QPlainTextEdit>(console, IDC_TRACK3_TEXT)
        ->setPlainText("996225880137462198=1561560000000000000003000000214");
    console.show();
    WaitFor([] { return false; }, 300);

    std::unique_ptr<Simulator> sim;
    if (scene == "log" || scene == "list" || scene == "write" || scene == "run") {
        sim = std::make_unique<Simulator>(
            QStringList{"--write-reply-ms", "700", "--write-replies", "ok,ok,fail,ok,ok,ok"});
        Control<QComboBox>(console, IDC_PORT)->setEditText(sim->Port());
        Control<QPushButton>(console, IDC_WRITE_MODE)->click();
        Control<QPushButton>(console, IDC_TOGGLE_TRACK2)->click();
    } else {
        Control<QPushButton>(console, IDC_TOGGLE_TRACK23)->click();
    }

    QPixmap picture;
    if (scene == "log") {
        Write(console, "6225880137462198=2512101", 1);
        Write(console, "62258801374621", 2);
        console.OnSysCommand(kViewLogCommand);
        WaitFor([] { return false; }, 300);
        picture = console.grab();
    } else if (scene == "list") {
        QFile list(sim->File("cards.csv"));
        list.open(QIODevice::WriteOnly);
        list.write(
            "track2\n6225880137462198=2512101\n6225880137462199=2512101\n"
            "6225880137462200=2512101\n6225880137462201=2512101\n");
        list.close();
        SetFileDialogRunner([&](QFileDialog& dialog) {
            dialog.selectFile(list.fileName());
            static_cast<QDialog&>(dialog).accept();
            return dialog.result();
        });
        SetMessageBoxRunner([](QMessageBox& box) { box.button(QMessageBox::Ok)->click(); });
        console.OnSysCommand(kWriteListCommand);
        // "第4/4张": the last card, while the job still runs.
        WaitFor([&] { return console.Job().JobLog.find("\xb5\xda\x34/4") != std::string::npos; });
        WaitFor([] { return false; }, 300);
        picture = console.grab();
        Control<QPushButton>(console, IDC_STOP)->click();
        WaitFor([&] { return !console.JobRunning(); });
    } else if (scene == "run") {
        Control<QCheckBox>(console, IDC_CONTINUOUS)->click();
        Control<QLineEdit>(console, IDC_COUNT)->setText(QStringLiteral("20"));
        Control<QPushButton>(console, IDC_RUN)->click();
        WaitFor([] { return false; }, 2500);
        picture = console.grab();
        Control<QPushButton>(console, IDC_STOP)->click();
        WaitFor([&] { return !console.JobRunning(); });
    } else if (scene == "hint") {
        track2->setPlainText("6225880137462198=2512101AB");
        const QPoint at = track2->mapToGlobal(QPoint(track2->width() / 3, track2->height() / 2));
        QToolTip::showText(at, track2->toolTip(), track2);
        WaitFor([] { return false; }, 500);
        picture = GrabScreenAroundWindow(console);
    } else if (scene == "menu") {
        console.SystemCommands().ContextMenu()->popup(console.mapToGlobal(QPoint(200, 250)));
        WaitFor([] { return false; }, 500);
        picture = GrabScreenAroundWindow(console);
    } else {
        picture = console.grab();
    }
    const bool saved = picture.save(QString::fromLocal8Bit(argv[1]));
    console.reject();
    skin.Remove();
    return saved ? 0 : 1;
}
