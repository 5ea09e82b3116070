#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "card_demo_dlg.h"
#include "console_dialog.h"
#include "temp_dir.h"
#include "track_text_box.h"

// A message box as the console put it up.
struct ShownMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QWidget* owner;
};

// A file dialog as the console put it up.
struct ShownFileDialog {
    QString title;
    QString folder;
    QStringList filters;
    bool saving;
    bool widgetDialog;  // Qt's own, not the platform's
};

// How a test answers the next file dialog: a full path typed into the name field with
// one of the filters chosen.
struct FileAnswer {
    QString path;
    int filter = 0;
};

// The limits most tests run with: the sample's track limits and a short pause.
inline const char* const kTestProfile =
    "[Command]\n"
    "Tack1Num=75\n"
    "Tack2Lower=36\n"
    "Tack2High=104\n"
    "SysDelay=10\n"
    "ReadTack2=0x1b0x720x32\n";

// A console on a profile of the test's own, shown offscreen. Every message box it opens is
// recorded and closed at once (a question box with the next of boxAnswers_ clicked, or
// none when none is left); every file dialog is recorded and answered from fileAnswers_
// (Cancel when none is left).
class ConsoleTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Replaces the console with one on this profile text.
    void OpenConsole(const std::string& profileText);

    CCardDemoDlg& Dlg() { return *dialog_; }
    template <class T>
    T* Ctl(int id) {
        T* control = FindControl<T>(*dialog_, id);
        EXPECT_NE(control, nullptr) << "control " << id;
        return control;
    }
    QPushButton* Button(int id) { return Ctl<QPushButton>(id); }
    QComboBox* Combo(int id) { return Ctl<QComboBox>(id); }
    TrackTextBox* TrackBox(int id) { return Ctl<TrackTextBox>(id); }
    QString LabelText(int id);

    // Moves a combo box's selection to the index with the arrow keys, as the operator can.
    void Choose(int comboId, int index);
    // The model box by model index: 0 KX100 ... 4 KX500.
    void ChooseModel(int index) { Choose(IDC_MODEL, index); }
    void Click(int buttonId);
    // A shortcut pressed while the window has the focus.
    void Press(const QKeySequence& keys);

    // Text arriving as key presses, one character each, as a keyboard types it.
    static void Type(QWidget* widget, const QString& text);
    // Text arriving composed, as an input method commits it.
    static void Commit(QWidget* widget, const QString& text);
    // Text pasted from the clipboard with Ctrl+V.
    static void Paste(QWidget* widget, const QString& text);

    // A path as a file dialog takes it, and a file's bytes (empty when there is none).
    static QString QtPath(const std::filesystem::path& path);
    static std::string FileBytes(const std::filesystem::path& path);

    std::vector<ShownMessage> messages_;
    std::vector<QMessageBox::StandardButton> boxAnswers_;
    std::vector<ShownFileDialog> fileDialogs_;
    std::vector<FileAnswer> fileAnswers_;
    TempDir dir_;
    std::unique_ptr<CCardDemoDlg> dialog_;
};
