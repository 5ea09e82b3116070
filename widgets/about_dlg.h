#pragma once

#include <QDialog>

// The About box, opened from the console's About command for one modal run.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
