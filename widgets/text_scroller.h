#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QStringList>
#include <QTimer>
#include <cstdint>
#include <memory>

class QPainter;
class QWidget;

// Centred lines of text that rise through an area of a window without end. Every frame is
// composed off-screen and reaches the window in one block, so the moving text never
// flickers. Calling order: Create, SetText, Start; the window's paint handler calls Draw
// and then CopyTo with its painter.
class CTextScroller {
  public:
    // The timer procedure's messages: the first one hands it the state record.
    static constexpr unsigned kInitMessage = 74;
    static constexpr unsigned kTimerMessage = 275;

    CTextScroller() = default;
    CTextScroller(const CTextScroller&) = delete;
    CTextScroller& operator=(const CTextScroller&) = delete;
    virtual ~CTextScroller();

    // The area is width x height pixels at (x, y) of the window; the text is drawn bold in
    // the face's default size. Refuses an empty area and keeps nothing then.
    bool Create(QWidget* window, int width, int height, int x, int y, QColor backgroundColour,
                QColor textColour, const QString& faceName);
    // Keeps a copy of `length` GBK bytes; lines are separated by "\r\n". A length of 0 or
    // less leaves the scroller without text.
    bool SetText(const char* bytes, int length);
    // Composes the current frame off-screen and measures the text's height.
    bool Draw();
    // Copies the last composed frame to the window's painter at (x, y).
    void CopyTo(QPainter& painter) const;
    bool Start(int intervalMs, int step);
    // Stops scrolling and lets go of the frame and the text; no tick runs after it.
    void Release();

    // Ticks with any message but kInitMessage; kInitMessage carries the address of a
    // ScrollTimerState in `time` and makes it the process-wide one before its tick.
    static void ScrollTimerProc(QWidget* window, unsigned message, std::uintptr_t timerId,
                                std::uintptr_t time);

    int ScrollPosition() const { return scrollPosition_; }
    int TextHeight() const { return textHeight_; }
    const QByteArray& Text() const { return text_; }
    const QImage& Frame() const { return frame_; }
    // The area in window coordinates; empty while there is no frame to show.
    QRect AreaInWindow() const;
    bool IsRunning() const;

  private:
    QWidget* window_ = nullptr;
    int height_ = 0;
    int width_ = 0;
    int x_ = 0;
    int y_ = 0;
    int textHeight_ = 0;
    int scrollPosition_ = 0;
    QImage frame_;
    QFont font_;
    QByteArray text_;
    QStringList lines_;  // text_ decoded for drawing
    QRect area_;
    QColor textColour_;
    QColor backgroundColour_;
    std::unique_ptr<QTimer> timer_;
};
