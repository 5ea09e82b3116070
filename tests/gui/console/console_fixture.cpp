#include "console_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <fstream>
#include <iterator>

#include "file_dialog.h"
#include "message_box.h"

void ConsoleTest::SetUp() {
    SetMessageBoxRunner([this](QMessageBox& box) {
        messages_.push_back(
            {box.windowTitle(), box.text(), box.icon(), box.standardButtons(), box.parentWidget()});
        if (box.standardButtons() != QMessageBox::Ok && !boxAnswers_.empty()) {
            box.button(boxAnswers_.front())->click();
            boxAnswers_.erase(boxAnswers_.begin());
        }
    });
    SetFileDialogRunner([this](QFileDialog& dialog) {
        fileDialogs_.push_back({dialog.windowTitle(), dialog.directory().absolutePath(),
                                dialog.nameFilters(),
                                dialog.acceptMode() == QFileDialog::AcceptSave,
                                dialog.testOption(QFileDialog::DontUseNativeDialog)});
        if (fileAnswers_.empty()) return static_cast<int>(QDialog::Rejected);
        const FileAnswer answer = fileAnswers_.front();
        fileAnswers_.erase(fileAnswers_.begin());
        dialog.selectNameFilter(dialog.nameFilters().value(answer.filter));
        dialog.findChild<QLineEdit*>("fileNameEdit")->setText(answer.path);
        static_cast<QDialog&>(dialog).accept();  // as the Save or Open button does
        return dialog.result();
    });
    OpenConsole(kTestProfile);
}

void ConsoleTest::TearDown() {
    dialog_.reset();
    SetMessageBoxRunner({});
    SetFileDialogRunner({});
}

void ConsoleTest::OpenConsole(const std::string& profileText) {
    dialog_.reset();
    WriteFile(dir_ / "QXProduct.ini", profileText);
    dialog_ = std::make_unique<CCardDemoDlg>(nullptr, dir_ / "QXProduct.ini");
    dialog_->show();
    QApplication::setActiveWindow(dialog_.get());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog_.get()));
}

QString ConsoleTest::LabelText(int id) {
    return Ctl<QLabel>(id)->text();
}

void ConsoleTest::Choose(int comboId, int index) {
    QComboBox* combo = Combo(comboId);
    for (int guard = 0; combo->currentIndex() != index && guard < 20; ++guard) {
        QTest::keyClick(combo, combo->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    }
    ASSERT_EQ(combo->currentIndex(), index);
}

void ConsoleTest::Click(int buttonId) {
    QTest::mouseClick(Button(buttonId), Qt::LeftButton);
}

void ConsoleTest::Press(const QKeySequence& keys) {
    QTest::keyClick(dialog_.get(), keys[0].key(), keys[0].keyboardModifiers());
}

void ConsoleTest::Type(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character outside the basic plane arrives whole, as one key's text.
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        i += length - 1;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &release);
    }
}

void ConsoleTest::Commit(QWidget* widget, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

void ConsoleTest::Paste(QWidget* widget, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
}

QString ConsoleTest::QtPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

std::string ConsoleTest::FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
