#pragma once

#include <QComboBox>

// A combo box that says when its list is about to open, however it is opened (mouse, F4,
// Alt+Down), so that the list can be brought up to date before it shows.
class DropDownCombo : public QComboBox {
    Q_OBJECT
  public:
    using QComboBox::QComboBox;

    void showPopup() override {
        emit listAboutToOpen();
        QComboBox::showPopup();
    }

  signals:
    void listAboutToOpen();
};
