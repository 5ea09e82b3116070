#pragma once

#include <QAbstractScrollArea>
#include <QElapsedTimer>
#include <QList>
#include <QTextLayout>
#include <QTimer>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "log_lines.h"

class QMenu;

// The read-only log box. It draws the job log (GBK bytes) straight from the log's own
// bytes, a line at a time and only the lines in view, instead of holding the text a second
// time: a long session costs the log and a small index of its lines, and bringing the box
// up to date costs only what is new. Lines wrap at the box's width; the scroll bar counts
// lines, as a plain text box's does.
class LogView : public QAbstractScrollArea {
    Q_OBJECT
  public:
    explicit LogView(QWidget* parent = nullptr);

    // Shows the log as it is now, its last line in view. The worker appends to the log
    // under `appending`; the box reads the log's bytes under it, when it draws or copies.
    void Show(const std::string& jobLog, std::mutex& appending);

    // The whole text shown, every line break as LF.
    QString Text() const;
    QString SelectedText() const;
    void SelectAll();
    // The selection to the clipboard, as text.
    void Copy() const;

    // The box's own entries (Copy, Select All), as the right-click menu has them.
    QMenu* CreateStandardContextMenu();
    // The box's right-click menu: its own entries, then these actions.
    void OfferInContextMenu(const QList<QAction*>& actions);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // A place between two characters: a line and a UTF-16 offset in its text.
    struct Place {
        std::size_t line = 0;
        int column = 0;
        auto operator<=>(const Place&) const = default;
    };

    // The log's bytes may move while the worker appends: they are read under its lock.
    std::unique_lock<std::mutex> Reading() const;
    // These read the log: the caller holds Reading().
    QString LineText(std::size_t line) const;
    // The line laid out at the box's width, its lines placed from y = 0. Recent lines are
    // kept laid out, so a refresh lays out only what is new.
    const QTextLayout& LaidOut(std::size_t line) const;
    // The log or the font the kept lines were laid out for has changed.
    void ForgetLayouts();
    int TextWidth() const;
    // The scroll bar's range: its end shows the last lines that fit in the box.
    void UpdateScrollRange();
    // Repaints within a frame: a log that grows faster than a screen shows frames is
    // painted once a frame, not once a line.
    void RepaintSoon();
    Place PlaceAt(const QPoint& point) const;
    Place EndPlace() const;
    void SetSelection(Place anchor, Place caret);
    // The text between two places, breaks as LF.
    QString TextBetween(Place from, Place to) const;

    const std::string* log_ = nullptr;
    std::mutex* appending_ = nullptr;
    LogLines lines_;
    struct KeptLayout {
        std::size_t bytes;  // the line's length when laid out: only the last line grows
        std::unique_ptr<QTextLayout> layout;
    };
    mutable std::map<std::size_t, KeptLayout> layouts_;
    mutable int layoutWidth_ = 0;
    QElapsedTimer sincePainted_;
    QTimer nextFrame_;
    Place anchor_;
    Place caret_;
};
