#include "log_view.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTextBoundaryFinder>
#include <algorithm>

#include "gbk.h"

namespace {

// The room a plain text box leaves around its text.
constexpr int kMargin = 4;

// Enough laid-out lines for a tall box and the last lines that fix its scroll range.
constexpr std::size_t kKeptLayouts = 128;

// A frame of a 60 Hz screen.
constexpr int kFrameMillis = 16;

// A menu entry's text with its keys after a tab, as the text boxes' own menus show them.
QString WithKeys(const char* text, QKeySequence::StandardKey keys) {
    return QCoreApplication::translate("QWidgetTextControl", text) + u'\t' +
           QKeySequence(keys).toString(QKeySequence::NativeText);
}

}  // namespace

LogView::LogView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    verticalScrollBar()->setSingleStep(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    nextFrame_.setSingleShot(true);
    connect(&nextFrame_, &QTimer::timeout, viewport(), qOverload<>(&QWidget::update));
}

std::unique_lock<std::mutex> LogView::Reading() const {
    return appending_ ? std::unique_lock<std::mutex>(*appending_) : std::unique_lock<std::mutex>();
}

void LogView::Show(const std::string& jobLog, std::mutex& appending) {
    QScrollBar& bar = *verticalScrollBar();
    // An operator who has scrolled up or selected text is reading: new lines leave the
    // view and the selection where they are. At the end with nothing selected, the box
    // follows the log.
    bool following = bar.value() == bar.maximum() && anchor_ == caret_;
    {
        // Another log, or this one begun again: its lines are not those laid out.
        const bool other = log_ != &jobLog;
        log_ = &jobLog;
        appending_ = &appending;
        const auto lock = Reading();
        if (other || jobLog.size() < lines_.IndexedBytes()) {
            ForgetLayouts();
            following = true;
        }
        lines_.Update(jobLog);
        // The caret goes to the end, as when the whole text is set.
        if (following) anchor_ = caret_ = EndPlace();
    }
    UpdateScrollRange();
    if (following) bar.setValue(bar.maximum());
    RepaintSoon();
}

void LogView::RepaintSoon() {
    const qint64 since = sincePainted_.isValid() ? sincePainted_.elapsed() : kFrameMillis;
    if (since >= kFrameMillis) {
        viewport()->update();
    } else if (!nextFrame_.isActive()) {
        nextFrame_.start(static_cast<int>(kFrameMillis - since));
    }
}

QString LogView::LineText(std::size_t line) const {
    return log_ ? GbkToText(lines_.Line(*log_, line)) : QString();
}

int LogView::TextWidth() const {
    return std::max(1, viewport()->width() - 2 * kMargin);
}

const QTextLayout& LogView::LaidOut(std::size_t line) const {
    const std::size_t bytes = log_ ? lines_.Line(*log_, line).size() : 0;
    // Lines laid out for another width wrap wrongly at this one.
    if (layoutWidth_ != TextWidth()) {
        layouts_.clear();
        layoutWidth_ = TextWidth();
    }
    if (const auto kept = layouts_.find(line); kept != layouts_.end()) {
        if (kept->second.bytes == bytes) return *kept->second.layout;
        layouts_.erase(kept);
    }
    if (layouts_.size() >= kKeptLayouts) layouts_.clear();
    auto layout = std::make_unique<QTextLayout>();
    layout->setText(LineText(line));
    layout->setFont(font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    layout->beginLayout();
    qreal y = 0;
    for (QTextLine row = layout->createLine(); row.isValid(); row = layout->createLine()) {
        row.setLeadingIncluded(true);
        row.setLineWidth(layoutWidth_);
        row.setPosition(QPointF(0, y));
        y += row.height();
    }
    layout->endLayout();
    return *layouts_.emplace(line, KeptLayout{bytes, std::move(layout)}).first->second.layout;
}

void LogView::ForgetLayouts() {
    layouts_.clear();
}

void LogView::UpdateScrollRange() {
    const auto lock = Reading();
    const qreal room = viewport()->height() - 2 * kMargin;
    std::size_t fit = 0;
    for (qreal used = 0; fit < lines_.Count(); ++fit) {
        used += LaidOut(lines_.Count() - 1 - fit).boundingRect().height();
        if (used > room && fit > 0) break;
    }
    QScrollBar& bar = *verticalScrollBar();
    bar.setRange(0, static_cast<int>(lines_.Count() - fit));
    bar.setPageStep(std::max(1, static_cast<int>(room) / fontMetrics().lineSpacing()));
}

LogView::Place LogView::EndPlace() const {
    const std::size_t last = lines_.Count() - 1;
    return {last, static_cast<int>(LineText(last).size())};
}

LogView::Place LogView::PlaceAt(const QPoint& point) const {
    const auto lock = Reading();
    qreal top = kMargin;
    for (std::size_t line = static_cast<std::size_t>(verticalScrollBar()->value());
         line < lines_.Count(); ++line) {
        const QTextLayout& layout = LaidOut(line);
        const qreal height = layout.boundingRect().height();
        if (point.y() < top + height || line + 1 == lines_.Count()) {
            for (int i = 0; i < layout.lineCount(); ++i) {
                const QTextLine row = layout.lineAt(i);
                if (point.y() < top + row.y() + row.height() || i + 1 == layout.lineCount())
                    return {line, row.xToCursor(point.x() - kMargin)};
            }
        }
        top += height;
    }
    return EndPlace();
}

QString LogView::TextBetween(Place from, Place to) const {
    const auto lock = Reading();
    if (from.line == to.line) return LineText(from.line).mid(from.column, to.column - from.column);
    QString text = LineText(from.line).mid(from.column) + u'\n';
    if (to.line > from.line + 1) {
        // The lines between, decoded in one go, their breaks made LF.
        const char* begin = lines_.Line(*log_, from.line + 1).data();
        const char* end = lines_.Line(*log_, to.line).data();
        text += WithLineBreaks(
            GbkToText(std::string_view(begin, static_cast<std::size_t>(end - begin))), u"\n");
    }
    return text + LineText(to.line).left(to.column);
}

QString LogView::Text() const {
    Place end;
    {
        const auto lock = Reading();
        end = EndPlace();
    }
    return TextBetween({}, end);
}

QString LogView::SelectedText() const {
    return TextBetween(std::min(anchor_, caret_), std::max(anchor_, caret_));
}

void LogView::SelectAll() {
    const auto lock = Reading();
    SetSelection({}, EndPlace());
}

void LogView::Copy() const {
    const QString text = SelectedText();
    if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
}

void LogView::SetSelection(Place anchor, Place caret) {
    anchor_ = anchor;
    caret_ = caret;
    viewport()->update();
}

void LogView::paintEvent(QPaintEvent*) {
    sincePainted_.restart();
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    QTextCharFormat selected;
    selected.setBackground(palette().brush(QPalette::Highlight));
    selected.setForeground(palette().brush(QPalette::HighlightedText));
    const Place from = std::min(anchor_, caret_);
    const Place to = std::max(anchor_, caret_);

    const auto lock = Reading();
    qreal top = kMargin;
    for (std::size_t line = static_cast<std::size_t>(verticalScrollBar()->value());
         line < lines_.Count() && top < viewport()->height(); ++line) {
        const QTextLayout& layout = LaidOut(line);
        QList<QTextLayout::FormatRange> selections;
        if (from != to && line >= from.line && line <= to.line) {
            const int start = line == from.line ? from.column : 0;
            const int end = line == to.line ? to.column : static_cast<int>(layout.text().size());
            selections.append({start, end - start, selected});
        }
        layout.draw(&painter, QPointF(kMargin, top), selections);
        top += layout.boundingRect().height();
    }
}

void LogView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    // A box at its end stays at its end.
    const bool atEnd = verticalScrollBar()->value() == verticalScrollBar()->maximum();
    UpdateScrollRange();
    if (atEnd) verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void LogView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        ForgetLayouts();
        UpdateScrollRange();
    }
}

void LogView::scrollContentsBy(int, int) {
    RepaintSoon();
}

void LogView::keyPressEvent(QKeyEvent* event) {
    QScrollBar& bar = *verticalScrollBar();
    if (event->matches(QKeySequence::SelectAll)) {
        SelectAll();
    } else if (event->matches(QKeySequence::Copy)) {
        Copy();
    } else if (event->modifiers() == Qt::NoModifier && event->key() == Qt::Key_Home) {
        bar.triggerAction(QAbstractSlider::SliderToMinimum);
    } else if (event->modifiers() == Qt::NoModifier && event->key() == Qt::Key_End) {
        bar.triggerAction(QAbstractSlider::SliderToMaximum);
    } else if (event->key() == Qt::Key_Space) {
        bar.triggerAction(event->modifiers() & Qt::ShiftModifier
                              ? QAbstractSlider::SliderPageStepSub
                              : QAbstractSlider::SliderPageStepAdd);
    } else {
        // Arrows and Page Up/Down scroll; other keys go on to the window.
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void LogView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const Place place = PlaceAt(event->position().toPoint());
    SetSelection(event->modifiers() & Qt::ShiftModifier ? anchor_ : place, place);
}

void LogView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const QPoint point = event->position().toPoint();
    // Dragging past the box's edge scrolls it.
    if (point.y() < 0) verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    if (point.y() > viewport()->height())
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    SetSelection(anchor_, PlaceAt(point));
}

void LogView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const Place place = PlaceAt(event->position().toPoint());
    const auto lock = Reading();
    const QString text = LineText(place.line);
    QTextBoundaryFinder words(QTextBoundaryFinder::Word, text);
    words.setPosition(place.column);
    const qsizetype start = words.isAtBoundary() ? place.column : words.toPreviousBoundary();
    words.setPosition(place.column);
    const qsizetype end = words.toNextBoundary();
    SetSelection({place.line, static_cast<int>(std::max<qsizetype>(0, start))},
                 {place.line, static_cast<int>(end < 0 ? text.size() : end)});
}

QMenu* LogView::CreateStandardContextMenu() {
    auto* menu = new QMenu(this);
    QAction* copy = menu->addAction(WithKeys("&Copy", QKeySequence::Copy), this, &LogView::Copy);
    copy->setEnabled(anchor_ != caret_);
    menu->addSeparator();
    QAction* all =
        menu->addAction(WithKeys("Select All", QKeySequence::SelectAll), this, &LogView::SelectAll);
    const auto lock = Reading();
    all->setEnabled(EndPlace() != Place{});
    return menu;
}

void LogView::OfferInContextMenu(const QList<QAction*>& actions) {
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this, actions](const QPoint& pos) {
        QMenu* menu = CreateStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addSeparator();
        menu->addActions(actions);
        menu->popup(viewport()->mapToGlobal(pos));
    });
}
