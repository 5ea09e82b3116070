#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

// Every message the console shows goes through here: a box owned by the given window,
// titled with the application's title, with one OK button and, unless a caller asks for
// one, no icon. Returns once the box is closed.
void ShowMessageBox(QWidget* owner, const QString& text,
                    QMessageBox::Icon icon = QMessageBox::NoIcon);

// The same box with OK and Cancel, for a question; true when the operator chose OK.
bool AskOkCancel(QWidget* owner, const QString& text);

// The same box with Yes and No; true when the operator chose Yes.
bool AskYesNo(QWidget* owner, const QString& text);

// The same box with Yes, No and Cancel; closing it without a choice is Cancel.
QMessageBox::StandardButton AskYesNoCancel(QWidget* owner, const QString& text);

// Replaces the modal run of the box, so that tests can look at it and answer it (by
// clicking one of its buttons; a box left unanswered counts as closed without OK) without
// an operator. An empty runner restores the modal run.
using MessageBoxRunner = std::function<void(QMessageBox& box)>;
void SetMessageBoxRunner(MessageBoxRunner runner);
