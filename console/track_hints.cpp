#include "track_hints.h"

#include <QPlainTextEdit>

#include "console_texts.h"
#include "iso7811.h"

TrackHints::TrackHints(QPlainTextEdit& box, int track)
    : QSyntaxHighlighter(box.document()), box_(box), track_(track) {
    connect(&box, &QPlainTextEdit::textChanged, this, &TrackHints::UpdateToolTip);
}

void TrackHints::SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    rehighlight();
    UpdateToolTip();
}

void TrackHints::highlightBlock(const QString& text) {
    if (!active_) return;
    const QString outside = Iso7811HintFor(track_, text).outside;
    if (outside.isEmpty()) return;
    QTextCharFormat marked;
    marked.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    marked.setUnderlineColor(Qt::red);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        if (outside.contains(text.mid(i, length))) {
            setFormat(static_cast<int>(i), static_cast<int>(length), marked);
        }
        i += length - 1;
    }
}

void TrackHints::UpdateToolTip() {
    box_.setToolTip(
        active_ ? ConsoleTexts::TrackHint(track_, Iso7811HintFor(track_, box_.toPlainText()))
                : QString());
}
