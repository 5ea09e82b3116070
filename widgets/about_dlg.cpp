#include "about_dlg.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "about_dialog.h"
#include "gbk.h"

namespace {

// Shown as GBK like every text of the system; the last line has no break after it.
constexpr const char* kAboutText = QT_TRANSLATE_NOOP("AboutText",
                                                     "欢迎使用\r\n"
                                                     "磁条读写器演示程序！\r\n"
                                                     "\r\n"
                                                     "经串口驱动磁条卡读写器，\r\n"
                                                     "可循环读卡、单张写卡\r\n"
                                                     "及连续编号写卡。\r\n"
                                                     "\r\n"
                                                     "没有设备也可试用：\r\n"
                                                     "模拟器 cardsim 可在\r\n"
                                                     "伪终端上扮演读写器。\r\n"
                                                     "\r\n"
                                                     "设备的命令字节取自\r\n"
                                                     "程序旁的 QXProduct.ini。\r\n"
                                                     "\r\n"
                                                     "Ver 1.0");

const QColor kScrollBackground(235, 235, 235);
const QColor kScrollText(0, 0, 0);

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    if (const QScreen* shown = screen()) logicalDpi_ = shown->logicalDotsPerInch();
    BuildFromTemplate(AboutDialogTemplate());
    // The paint handler covers every pixel itself, so the 10 ms repaints erase nothing.
    setAttribute(Qt::WA_OpaquePaintEvent);
    OnInitDialog();
}

void CAboutDlg::BuildFromTemplate(const DialogTemplate& dialog) {
    setWindowTitle(TemplateText(dialog.caption));
    setFont(QFont(QString::fromUtf8(dialog.fontFace), dialog.fontPoints));
    setFixedSize(DialogUnitsToPixels(dialog.width, logicalDpi_),
                 DialogUnitsToPixels(dialog.height, logicalDpi_));
    // The About template holds push buttons only.
    for (const ControlTemplate& control : dialog.controls) {
        auto* button = new QPushButton(TemplateText(control.caption), this);
        button->setObjectName(QString::number(control.id));
        button->setGeometry(DialogUnitsToPixels(control.x, logicalDpi_),
                            DialogUnitsToPixels(control.y, logicalDpi_),
                            DialogUnitsToPixels(control.width, logicalDpi_),
                            DialogUnitsToPixels(control.height, logicalDpi_));
        button->setDefault(control.kind == ControlKind::DefaultPushButton);
        if (control.id == 1) connect(button, &QPushButton::clicked, this, &QDialog::accept);
    }
}

bool CAboutDlg::OnInitDialog() {
    scroller_.Create(this, Pixels(270), Pixels(300), Pixels(0), Pixels(32), kScrollBackground,
                     kScrollText, QStringLiteral("Arial"));
    const std::string text =
        Utf8ToGbk(QCoreApplication::translate("AboutText", kAboutText).toStdString());
    scroller_.SetText(text.data(), static_cast<int>(text.size()));
    if (!scroller_.Start(10, 1)) {
        QMessageBox box(QMessageBox::NoIcon, QString(), QStringLiteral("Failed to start."),
                        QMessageBox::Ok, this);
        box.exec();
    }
    return true;
}

int CAboutDlg::Pixels(int pixelsAt96Dpi) const {
    return PixelsAtDpi(pixelsAt96Dpi, logicalDpi_);
}

void CAboutDlg::done(int result) {
    scroller_.Release();
    QDialog::done(result);
}

void CAboutDlg::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    scroller_.Draw();
    for (const QRect& rect : event->region() - scroller_.AreaInWindow()) {
        painter.fillRect(rect, palette().window());
    }
    scroller_.CopyTo(painter);
}
