#include "about_dialog.h"

#include <QtGlobal>

namespace {

constexpr ControlTemplate kAboutControls[] = {
    {1, ControlKind::DefaultPushButton, QT_TRANSLATE_NOOP("DialogTemplate", "确定"), 63, 231, 50,
     14},
};

constexpr DialogTemplate kAboutDialog = {
    IDD_ABOUTBOX,
    QT_TRANSLATE_NOOP("DialogTemplate", "关于 磁条读写器演示程序"),
    175,
    250,
    "宋体",
    9,
    kAboutControls,
};

}  // namespace

const DialogTemplate& AboutDialogTemplate() {
    return kAboutDialog;
}
