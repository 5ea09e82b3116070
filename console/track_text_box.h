#pragma once

#include <QPlainTextEdit>

// A track text box: multi-line text whose length is limited in GBK bytes, a line break
// counting two. Input that GBK cannot encode, or that would pass the limit, is refused
// whole, whether typed, composed or pasted; text set by the program is taken as it is.
// Enter belongs to the dialog; Ctrl+Enter breaks the line.
class TrackTextBox : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit TrackTextBox(QWidget* parent = nullptr);

    // 0 or less lifts the limit. A new limit governs later input only: text that is
    // already longer stays.
    void SetByteLimit(int limit) { byteLimit_ = limit; }
    int ByteLimit() const { return byteLimit_; }

    // The text's length in GBK bytes, line breaks counting two.
    int ByteLength() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    // Whether the text may replace the current selection.
    bool Accepts(const QString& insertion) const;

    int byteLimit_ = 0;
};
