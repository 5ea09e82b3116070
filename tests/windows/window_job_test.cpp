// The console's window under Wine on a display, driven as an operator drives it against
// the simulator on a COM port: a read job stopped during a silent read, one write, and a
// port that does not open. wine_job_test.sh checks what the simulator received.
//   window_job_test PROFILE PORT PICTURE   PICTURE: the screen during the read job
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "card_demo_dlg.h"
#include "console_dialog.h"
#include "gbk.h"
#include "log_view.h"
#include "message_box.h"
#include "skin.h"
#include "track_text_box.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 4) return 2;
    StyleSheetSkin skin(application, std::filesystem::path(argv[1]).parent_path());
    skin.Load(QStringLiteral("dogmax.ssk"));
    QStringList messages;
    SetMessageBoxRunner([&](QMessageBox& box) { messages << box.text(); });
    CCardDemoDlg console(nullptr, argv[1]);
    console.show();
    int failures = 0;
    const auto expect = [&](bool holds, const char* what) {
        if (!holds && ++failures) std::fprintf(stderr, "FAIL: %s\n", what);
    };
    const auto click = [&](int id) {
        QTest::mouseClick(FindControl<QAbstractButton>(console, id), Qt::LeftButton);
    };
    const auto jobLog = [&] { return QString::fromStdString(GbkToUtf8(console.Job().JobLog)); };
    const auto jobEnded = [&] { return QTest::qWaitFor([&] { return !console.JobRunning(); }); };
    auto* port = FindControl<QComboBox>(console, IDC_PORT);

    port->setEditText(QString::fromLocal8Bit(argv[2]));
    click(IDC_TOGGLE_TRACK23);
    click(IDC_RUN);
    const auto* logBox = FindControl<LogView>(console, IDC_LOG);  // the job's log, as it grows
    expect(QTest::qWaitFor([&] { return logBox->Text().contains(QStringLiteral("第2次成功读取")); }),
           "two cards read");
    QTest::qWait(500);  // the third read gets no answer
    QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromLocal8Bit(argv[3]));
    // A read's time-outs (100 ms between bytes, 500 in all) bound the wait; Wine adds a bit.
    const QDeadlineTimer second(1000);
    click(IDC_STOP);
    expect(jobEnded() && !second.hasExpired(), "Stop during a silent read took 1 s or more");

    click(IDC_WRITE_MODE);
    click(IDC_TOGGLE_TRACK2);
    FindControl<TrackTextBox>(console, IDC_TRACK2_TEXT)->setPlainText(QStringLiteral("磁卡AB"));
    click(IDC_RUN);
    expect(jobEnded() && jobLog().contains(QStringLiteral("写2轨成功，共写入6个数据\r\n磁卡AB\r\n")),
           "the card written");

    port->setEditText(QStringLiteral("COM40"));
    click(IDC_RUN);
    expect(jobEnded() && messages.size() == 1 &&
               messages[0].startsWith(QStringLiteral("端口COM40打开失败：")) &&
               jobLog().contains(messages[0].section(u'\n', 0, 0)),
           "the port that does not open said so in the log and a box");

    // Characters that no font has come out as the same empty box.
    const auto drawn = [](QChar character) {
        QImage image(48, 48, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter(&image).drawText(image.rect(), Qt::AlignCenter, character);
        return image;
    };
    expect(drawn(u'读') != drawn(u'写'), "Chinese drawn as empty boxes");
    return failures == 0 ? 0 : 1;
}
