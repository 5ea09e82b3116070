#pragma once

#include "picture_holder.h"
#include "static_link.h"

// A static control that shows the "IMAGE" resource of its own id (its objectName),
// loaded when the control is first shown. The picture sits at the top-left corner in its
// natural size; in a direction where the control is smaller it is squeezed, never cut.
// Harmless when never shown: nothing is loaded then.
class CPictureCtrl : public CStaticLink {
    Q_OBJECT
  public:
    explicit CPictureCtrl(bool autoLoad, QWidget* parent = nullptr);

    const PictureHolder& Picture() const { return picture_; }
    PictureHolder& Picture() { return picture_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    PictureHolder picture_;
    bool autoLoad_;
};
