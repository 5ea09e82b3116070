#pragma once

#include <QLabel>
#include <QRgb>
#include <functional>
#include <optional>

#include "link_text.h"

// A static text that behaves as a hyperlink: red while the pointer is over it, a hand
// pointer, and a click that opens its link through the desktop and turns it purple until
// the pointer leaves. The link is the constructor's text, else the string resource of the
// control's id (its objectName), else the control's own text.
class CStaticLink : public QLabel {
    Q_OBJECT
  public:
    static constexpr QRgb kUnvisitedColour = qRgb(0, 0, 255);
    static constexpr QRgb kVisitedColour = qRgb(128, 0, 128);
    static constexpr QRgb kHoverColour = qRgb(255, 0, 0);
    static constexpr int kHoverCheckMs = 100;

    // With deleteOnDestroy the object deletes itself when its window is closed.
    explicit CStaticLink(const QString& linkText = QString(), bool deleteOnDestroy = false,
                         QWidget* parent = nullptr);

    QRgb Colour() const { return colour_; }
    bool IsHovering() const { return hovering_; }
    const LinkText& Link() const { return link_; }
    void SetOpener(LinkText::Opener opener) { link_.SetOpener(std::move(opener)); }
    void SetBeeper(std::function<void()> beeper) { beeper_ = std::move(beeper); }

  protected:
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // Any timer event checks whether the pointer is still over the control.
    void timerEvent(QTimerEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void OnHitTest();
    void SetColour(QRgb colour);

    LinkText link_;
    QRgb colour_ = kUnvisitedColour;
    std::optional<QFont> font_;  // the control's font as it was at the first paint
    bool hovering_ = false;
    int hoverTimerId_ = 0;
    std::function<void()> beeper_;
};
