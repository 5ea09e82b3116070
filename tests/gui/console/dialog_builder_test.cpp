// Building a window from its template.
#include "dialog_builder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>

#include "console_fixture.h"
#include "log_view.h"

namespace {

// A small template with one control of every kind.
constexpr std::array<ControlTemplate, 11> kEveryKind{{
    {10, ControlKind::GroupBox, "组", 2, 2, 100, 60},
    {11, ControlKind::ComboBox, "", 10, 10, 40, 50},
    {-1, ControlKind::Label, "A&&B &C", 10, 30, 40, 8},
    {12, ControlKind::BlackFrame, "", 60, 10, 20, 20},
    {13, ControlKind::TrackBox, "", 10, 70, 80, 30},
    {14, ControlKind::LogBox, "", 10, 110, 80, 30},
    {15, ControlKind::NumberBox, "", 100, 10, 20, 14},
    {16, ControlKind::Toggle, "T&&1", 100, 30, 30, 20},
    {17, ControlKind::CheckBox, "连写", 100, 60, 30, 10},
    {18, ControlKind::PushButton, "运行", 100, 80, 40, 14},
    {19, ControlKind::DefaultPushButton, "确定", 100, 100, 40, 14},
}};

constexpr DialogTemplate kTestDialog{7, "测试", 200, 150, "宋体", 9, kEveryKind};

}  // namespace

TEST(DialogBuilder, EveryKindBecomesItsControlAtItsPlaceInTemplateOrder) {
    QDialog dialog;
    BuildDialog(dialog, kTestDialog);
    EXPECT_EQ(dialog.windowTitle(), "测试");
    EXPECT_EQ(dialog.size(), QSize(300, 225));

    const QObjectList& children = dialog.children();
    std::vector<QWidget*> controls;
    for (QObject* child : children) {
        if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow()) {
            controls.push_back(widget);
        }
    }
    ASSERT_EQ(controls.size(), kEveryKind.size());

    auto* combo = FindControl<QComboBox>(dialog, 11);
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->insertPolicy(), QComboBox::NoInsert);
    EXPECT_EQ(combo->completer(), nullptr);
    EXPECT_EQ(combo->geometry(), QRect(15, 15, 60, 21));

    auto* label = dialog.findChild<QLabel*>("-1");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "A&B C");
    EXPECT_EQ(label->x(), 15);
    EXPECT_GE(label->height(), 12);

    auto* frame = FindControl<QFrame>(dialog, 12);
    EXPECT_EQ(frame->frameShape(), QFrame::Box);
    EXPECT_EQ(frame->palette().color(QPalette::WindowText), QColor(Qt::black));

    EXPECT_NE(FindControl<TrackTextBox>(dialog, 13), nullptr);
    EXPECT_NE(FindControl<LogView>(dialog, 14), nullptr);
    EXPECT_EQ(FindControl<QLineEdit>(dialog, 15)->geometry(), QRect(150, 15, 30, 21));

    auto* toggle = FindControl<QPushButton>(dialog, 16);
    EXPECT_TRUE(toggle->isCheckable());
    EXPECT_FALSE(toggle->autoDefault());
    EXPECT_EQ(toggle->text(), "T&&1");
    EXPECT_NE(FindControl<QCheckBox>(dialog, 17), nullptr);
    EXPECT_FALSE(FindControl<QPushButton>(dialog, 18)->isCheckable());
    EXPECT_TRUE(FindControl<QPushButton>(dialog, 18)->autoDefault());
    EXPECT_TRUE(FindControl<QPushButton>(dialog, 19)->isDefault());

    // Frames sit beneath the controls they hold and let clicks through.
    EXPECT_EQ(controls[0]->objectName(), "10");
    EXPECT_EQ(controls[1]->objectName(), "12");
    for (QWidget* control : {FindControl<QWidget>(dialog, 10), FindControl<QWidget>(dialog, 12),
                             static_cast<QWidget*>(label)}) {
        EXPECT_TRUE(control->testAttribute(Qt::WA_TransparentForMouseEvents));
    }
}

TEST(DialogBuilder, TabOrderFollowsTheTemplate) {
    QDialog dialog;
    BuildDialog(dialog, kTestDialog);
    std::vector<QString> order;
    QWidget* widget = FindControl<QWidget>(dialog, 11);
    for (int guard = 0; guard < 40 && order.size() < 8; ++guard) {
        if (widget->parentWidget() == &dialog && widget->focusPolicy() & Qt::TabFocus) {
            order.push_back(widget->objectName());
        }
        widget = widget->nextInFocusChain();
    }
    EXPECT_EQ(order, (std::vector<QString>{"11", "13", "14", "15", "16", "17", "18", "19"}));
}

TEST(DialogBuilder, StaticCaptionsShowAmpersandsAsTheTemplateMeansThem) {
    const std::pair<const char*, const char*> cases[] = {{"1&&2轨", "1&2轨"},
                                                         {"&About", "About"},
                                                         {"a&&&b", "a&b"},
                                                         {"end&", "end"},
                                                         {"高|低:", "高|低:"}};
    for (const auto& [caption, shown] : cases) EXPECT_EQ(StaticCaption(caption), shown) << caption;
}

TEST(DialogBuilder, SortedComboPutsEachItemInItsPlace) {
    QComboBox combo;
    for (const char* item : {"9600", "1200", "ttyS0", "COM2", "com1", "2轨高密", "2轨低密"}) {
        AddSortedItem(combo, QString::fromUtf8(item));
    }
    QStringList items;
    for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
    EXPECT_EQ(items, (QStringList{"1200", "2轨低密", "2轨高密", "9600", "com1", "COM2", "ttyS0"}));
}
