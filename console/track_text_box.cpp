#include "track_text_box.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <algorithm>

#include "gbk.h"

namespace {

bool IsEnter(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

// Whether a key press brings text to insert, as the text controls decide it: not a
// shortcut (Ctrl, Ctrl+Shift; AltGr is Ctrl+Alt and types), and not only the control
// characters that keys such as Backspace or Escape carry (a tab is text).
bool InsertsText(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier ||
        modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
        return false;
    }
    const QString text = event.text();
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.category() != QChar::Other_Control || c == u'\t'; });
}

}  // namespace

TrackTextBox::TrackTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    // Tab moves on to the next control, as in any dialog.
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

int TrackTextBox::ByteLength() const {
    return GbkByteLength(toPlainText());
}

bool TrackTextBox::Accepts(const QString& insertion) const {
    if (!GbkCanEncode(insertion)) return false;
    if (byteLimit_ <= 0) return true;
    const int selected = GbkByteLength(textCursor().selectedText());
    return ByteLength() - selected + GbkByteLength(insertion) <= byteLimit_;
}

void TrackTextBox::keyPressEvent(QKeyEvent* event) {
    if (IsEnter(*event)) {
        if (!(event->modifiers() & Qt::ControlModifier)) {
            event->ignore();
            return;
        }
        if (Accepts(QStringLiteral("\n"))) {
            insertPlainText(QStringLiteral("\n"));
        } else {
            QApplication::beep();
        }
        return;
    }
    if (InsertsText(*event) && !Accepts(event->text())) {
        QApplication::beep();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TrackTextBox::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty() || Accepts(event->commitString())) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QApplication::beep();
    QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
    QPlainTextEdit::inputMethodEvent(&withoutCommit);
}

void TrackTextBox::insertFromMimeData(const QMimeData* source) {
    if (source->hasText() && !Accepts(source->text())) {
        QApplication::beep();
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
}
