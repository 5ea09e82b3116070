#include "about_dlg.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {}
