// The window in English: every caption the translator gives must fit the control the
// template sizes for the Chinese one, in the window's own font.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QStyle>
#include <optional>

#include "console_dialog.h"
#include "console_fixture.h"
#include "dialog_builder.h"
#include "system_menu.h"
#include "ui_language.h"

namespace {

// The room the text has inside the control, in pixels.
int TextRoom(const QWidget& control) {
    const QStyle& style = *control.style();
    if (qobject_cast<const QCheckBox*>(&control) != nullptr) {
        return control.width() - style.pixelMetric(QStyle::PM_IndicatorWidth) -
               style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    }
    if (qobject_cast<const QGroupBox*>(&control) != nullptr) return control.width() - 16;
    if (qobject_cast<const QAbstractButton*>(&control) != nullptr) return control.width() - 4;
    return control.width();
}

QString ShownText(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(&control)) return box->title();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return StaticCaption(button->text());
    return {};
}

class EnglishWindow : public ConsoleTest {
  protected:
    void SetUp() override {
        english_.emplace(UiLanguage::English);
        ConsoleTest::SetUp();
    }
    void TearDown() override {
        ConsoleTest::TearDown();
        english_.reset();
    }
    std::optional<LanguageTexts> english_;
};

TEST_F(EnglishWindow, EveryCaptionAndListItemFitsItsControl) {
    QDialog dialog;
    BuildDialog(dialog, kConsoleDialog);
    EXPECT_EQ(dialog.windowTitle(), "Velto Card Reader/Writer Demo");
    const QList<QWidget*> controls = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(controls.size(), static_cast<qsizetype>(kConsoleDialog.controls.size()));
    for (const QWidget* control : controls) {
        const QString text = ShownText(*control);
        if (text.isEmpty()) continue;
        EXPECT_LE(control->fontMetrics().horizontalAdvance(text), TextRoom(*control))
            << text.toStdString();
        EXPECT_EQ(text.toUtf8().size(), text.size()) << "not translated: " << text.toStdString();
    }
    // The lists as the window fills them, each item beside the box's arrow.
    for (const ComboList& list : kConsoleComboLists) {
        const QComboBox* combo = Combo(list.id);
        for (int i = 0; i < combo->count(); ++i) {
            const QString item = combo->itemText(i);
            EXPECT_LE(combo->fontMetrics().horizontalAdvance(item), combo->width() - 20)
                << item.toStdString();
            EXPECT_EQ(item.toUtf8().size(), item.size())
                << "not translated: " << item.toStdString();
        }
    }
    const QList<QAction*> entries = Dlg().SystemCommands().ContextMenu()->actions();
    EXPECT_GT(entries.size(), 8);
    for (const QAction* entry : entries)
        EXPECT_EQ(entry->text().toUtf8().size(), entry->text().size())
            << "not translated: " << entry->text().toStdString();
    // Each place in a list means what it means in Chinese: the first density is the low one.
    EXPECT_EQ(Combo(IDC_DENSITY)->itemText(0), "T2 low");
    EXPECT_EQ(Combo(IDC_COERCIVITY)->currentText(), "LoCo");
}

}  // namespace
