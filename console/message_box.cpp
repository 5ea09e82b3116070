#include "message_box.h"

#include <QApplication>
#include <utility>

namespace {

MessageBoxRunner& Runner() {
    static MessageBoxRunner runner;
    return runner;
}

}  // namespace

void ShowMessageBox(QWidget* owner, const QString& text, QMessageBox::Icon icon) {
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, owner);
    if (Runner()) {
        Runner()(box);
    } else {
        box.exec();
    }
}

void SetMessageBoxRunner(MessageBoxRunner runner) {
    Runner() = std::move(runner);
}
