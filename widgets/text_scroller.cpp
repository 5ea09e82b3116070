#include "text_scroller.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include "gbk.h"
#include "scroll_timer_state.h"

CTextScroller::~CTextScroller() {
    Release();
}

bool CTextScroller::Create(QWidget* window, int width, int height, int x, int y,
                           QColor backgroundColour, QColor textColour, const QString& faceName) {
    if (width <= 0 || height <= 0) return false;
    window_ = window;
    width_ = width;
    height_ = height;
    x_ = x;
    y_ = y;
    backgroundColour_ = backgroundColour;
    textColour_ = textColour;
    scrollPosition_ = height;  // the text waits just below the area

    // Frames are composed at the window's pixel density so the copy is one plain block.
    const qreal ratio = window ? window->devicePixelRatioF() : 1.0;
    frame_ = QImage(QSize(width, height) * ratio, QImage::Format_RGB32);
    frame_.setDevicePixelRatio(ratio);
    // The face's default size: a font asked for without a height comes out at 12 points.
    font_ = QFont(faceName, 12, QFont::Bold);
    area_ = QRect(0, 0, width, height);
    return true;
}

bool CTextScroller::SetText(const char* bytes, int length) {
    text_.clear();
    lines_.clear();
    if (bytes == nullptr || length <= 0) return false;
    text_ = QByteArray(bytes, length);
    const std::string utf8 = GbkToUtf8(std::string_view(bytes, static_cast<size_t>(length)));
    lines_ = QString::fromStdString(utf8).split(QStringLiteral("\r\n"));
    return true;
}

bool CTextScroller::Draw() {
    if (frame_.isNull()) return true;
    QPainter painter(&frame_);
    painter.fillRect(area_, backgroundColour_);
    painter.setFont(font_);
    const int lineHeight = painter.fontMetrics().height();
    textHeight_ = static_cast<int>(lines_.size()) * lineHeight;

    // Lines break only where the text breaks them; one too wide is cut at both sides.
    painter.setPen(textColour_);
    for (int top = scrollPosition_; const QString& line : lines_) {
        if (top >= height_) break;
        if (top + lineHeight > 0) {
            painter.drawText(QRect(0, top, width_, lineHeight),
                             Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, line);
        }
        top += lineHeight;
    }
    return true;
}

void CTextScroller::CopyTo(QPainter& painter) const {
    if (!frame_.isNull()) painter.drawImage(QPoint(x_, y_), frame_);
}

bool CTextScroller::Start(int intervalMs, int step) {
    if (intervalMs <= 0) return false;
    timer_ = std::make_unique<QTimer>();
    QTimer* timer = timer_.get();
    QObject::connect(timer, &QTimer::timeout, timer, [timer] {
        ScrollTimerProc(nullptr, kTimerMessage, static_cast<std::uintptr_t>(timer->timerId()), 0);
    });
    timer->start(intervalMs);

    Draw();
    ScrollTimerState record{step, textHeight_, &scrollPosition_, &area_, window_, QPoint(x_, y_)};
    ScrollTimerProc(nullptr, kInitMessage, 0, reinterpret_cast<std::uintptr_t>(&record));
    return true;
}

void CTextScroller::Release() {
    timer_.reset();
    ScrollTimerState& state = SharedScrollTimerState();
    if (state.scrollPosition == &scrollPosition_) state = ScrollTimerState{};
    frame_ = QImage();
    text_.clear();
    lines_.clear();
}

void CTextScroller::ScrollTimerProc(QWidget* /*window*/, unsigned message,
                                    std::uintptr_t /*timerId*/, std::uintptr_t time) {
    ScrollTimerState& state = SharedScrollTimerState();
    if (message == kInitMessage && time != 0) {
        state = *reinterpret_cast<const ScrollTimerState*>(time);
    }
    if (state.scrollPosition == nullptr) return;  // the scroller that ran has been released

    int& position = *state.scrollPosition;
    if (position <= -state.textHeight) position = state.area->y() + state.area->height();
    position -= state.step;
    // Painting is clipped to what is invalidated, so invalidate the area where it lies.
    if (state.window != nullptr) state.window->repaint(state.area->translated(state.origin));
}

QRect CTextScroller::AreaInWindow() const {
    return frame_.isNull() ? QRect() : QRect(x_, y_, width_, height_);
}

bool CTextScroller::IsRunning() const {
    return timer_ && timer_->isActive();
}
