#pragma once

#include <QDialog>

#include "text_scroller.h"

struct DialogTemplate;

// The console's About entry carries this command id; the menu keeps the low four bits of a
// command for itself, so every id from 16 to 31 means About.
inline constexpr int AboutMenuCommand = 0x0010;
constexpr bool IsAboutCommand(int commandId) {
    return (commandId & 0xFFF0) == AboutMenuCommand;
}

// The About box, opened from the console's About command for one modal run: an OK button
// and, above it, the program's notice scrolling upward without end.
class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    const CTextScroller& Scroller() const { return scroller_; }
    // Every way of closing the box ends here: the scrolling stops before the box goes.
    void done(int result) override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void BuildFromTemplate(const DialogTemplate& dialog);
    bool OnInitDialog();
    int Pixels(int pixelsAt96Dpi) const;

    double logicalDpi_ = 96.0;
    CTextScroller scroller_;
};
