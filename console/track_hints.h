#pragma once

#include <QSyntaxHighlighter>

class QPlainTextEdit;

// A hint at what an ISO/IEC 7811 track would not hold, while the card format is ISO:
// characters outside the track's set are underlined in red, and the box's tooltip names
// them and, when the text is longer than the track holds, its standard capacity. Nothing
// is refused and nothing moves: the device and the profile's limits decide what is written.
class TrackHints : public QSyntaxHighlighter {
    Q_OBJECT
  public:
    // Track 1, 2 or 3; starts inactive.
    TrackHints(QPlainTextEdit& box, int track);

    void SetActive(bool active);
    bool Active() const { return active_; }

  protected:
    void highlightBlock(const QString& text) override;

  private:
    void UpdateToolTip();

    QPlainTextEdit& box_;
    int track_;
    bool active_ = false;
};
