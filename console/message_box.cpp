#include "message_box.h"

#include <QApplication>
#include <utility>

namespace {

MessageBoxRunner& Runner() {
    static MessageBoxRunner runner;
    return runner;
}

// Shows the box modally, or hands it to the test's runner.
void Run(QMessageBox& box) {
    if (Runner()) {
        Runner()(box);
    } else {
        box.exec();
    }
}

}  // namespace

void ShowMessageBox(QWidget* owner, const QString& text, QMessageBox::Icon icon) {
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, owner);
    Run(box);
}

namespace {

// Whether the operator answered a box of these two buttons with the first.
bool AskTwo(QWidget* owner, const QString& text, QMessageBox::StandardButton yes,
            QMessageBox::StandardButton no) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, yes | no,
                    owner);
    Run(box);
    return box.clickedButton() == box.button(yes);
}

}  // namespace

bool AskOkCancel(QWidget* owner, const QString& text) {
    return AskTwo(owner, text, QMessageBox::Ok, QMessageBox::Cancel);
}

bool AskYesNo(QWidget* owner, const QString& text) {
    return AskTwo(owner, text, QMessageBox::Yes, QMessageBox::No);
}

QMessageBox::StandardButton AskYesNoCancel(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, owner);
    Run(box);
    for (const QMessageBox::StandardButton answer : {QMessageBox::Yes, QMessageBox::No})
        if (box.clickedButton() == box.button(answer)) return answer;
    return QMessageBox::Cancel;
}

void SetMessageBoxRunner(MessageBoxRunner runner) {
    Runner() = std::move(runner);
}
