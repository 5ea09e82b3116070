#include "dialog_builder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "drop_down_combo.h"
#include "log_view.h"
#include "track_text_box.h"

namespace {

// The closed height of a combo box; the template's height includes the dropped list.
constexpr int kComboEditHeight = 14;

int Pixels(const QWidget& widget, int dialogUnits) {
    return DialogUnitsToPixels(dialogUnits, widget.logicalDpiY());
}

// Faces tried after the template's own, for machines without it.
const QStringList& FallbackFaces() {
    static const QStringList faces{QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Micro Hei"),
                                   QStringLiteral("Noto Sans CJK SC")};
    return faces;
}

QComboBox* CreateComboBox(QWidget& parent, int listPixels) {
    auto* combo = new DropDownCombo(&parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // A typed text stays as typed: no completion from the list.
    combo->setCompleter(nullptr);
    // Nor is a typed text that matches an item a selection: only choosing from the list
    // (or with the arrow keys) selects.
    QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
    const int itemPixels = QFontMetrics(combo->font()).height() + 2;
    combo->setMaxVisibleItems(std::max(1, listPixels / itemPixels));
    return combo;
}

LogView* CreateLogBox(QWidget& parent) {
    auto* box = new LogView(&parent);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return box;
}

QFrame* CreateBlackFrame(QWidget& parent) {
    auto* frame = new QFrame(&parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    frame->setPalette(palette);
    return frame;
}

QPushButton* CreateButton(QWidget& parent, const QString& caption, ControlKind kind) {
    auto* button = new QPushButton(caption, &parent);
    button->setCheckable(kind == ControlKind::Toggle);
    // Enter presses a focused push button; a toggle leaves it to the dialog.
    button->setAutoDefault(kind != ControlKind::Toggle);
    button->setDefault(kind == ControlKind::DefaultPushButton);
    return button;
}

QWidget* CreateControl(QDialog& dialog, const ControlTemplate& control, int heightPixels) {
    const QString caption = TemplateText(control.caption);
    switch (control.kind) {
        case ControlKind::GroupBox:
            return new QGroupBox(caption, &dialog);
        case ControlKind::ComboBox:
            return CreateComboBox(dialog, heightPixels - Pixels(dialog, kComboEditHeight));
        case ControlKind::Label: {
            auto* label = new QLabel(StaticCaption(caption), &dialog);
            label->setTextFormat(Qt::PlainText);
            return label;
        }
        case ControlKind::BlackFrame:
            return CreateBlackFrame(dialog);
        case ControlKind::TrackBox:
            return new TrackTextBox(&dialog);
        case ControlKind::LogBox:
            return CreateLogBox(dialog);
        case ControlKind::NumberBox:
            return new QLineEdit(&dialog);
        case ControlKind::CheckBox:
            return new QCheckBox(caption, &dialog);
        case ControlKind::Toggle:
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton:
            return CreateButton(dialog, caption, control.kind);
    }
    return nullptr;
}

}  // namespace

QFont DialogFont(const DialogTemplate& dialogTemplate) {
    QFont font;
    font.setFamilies(QStringList{QString::fromUtf8(dialogTemplate.fontFace)} + FallbackFaces());
    font.setPointSize(dialogTemplate.fontPoints);
    return font;
}

QRect DialogUnitsRect(const QWidget& widget, int x, int y, int width, int height) {
    return {Pixels(widget, x), Pixels(widget, y), Pixels(widget, width), Pixels(widget, height)};
}

QString StaticCaption(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') {
            shown += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == u'&') {
            shown += u'&';
            ++i;
        }
    }
    return shown;
}

void AddSortedItem(QComboBox& combo, const QString& item, const QString& shown) {
    QStringList items;
    for (int i = 0; i < combo.count(); ++i) items << combo.itemData(i).toString();
    combo.insertItem(SortedPosition(items, item), shown.isNull() ? item : shown, item);
}

int SortedPosition(const QStringList& items, const QString& item) {
    int index = 0;
    while (index < items.size() && QString::compare(items[index], item, Qt::CaseInsensitive) <= 0) {
        ++index;
    }
    return index;
}

void FitHeightToFont(QWidget& control) {
    const int needed = QFontMetrics(control.font()).height();
    QRect rect = control.geometry();
    if (rect.height() >= needed) return;
    const int grow = needed - rect.height();
    rect.adjust(0, -grow / 2, 0, grow - grow / 2);
    control.setGeometry(rect);
}

void BuildDialog(QDialog& dialog, const DialogTemplate& dialogTemplate) {
    dialog.setWindowTitle(TemplateText(dialogTemplate.caption));
    dialog.setFont(DialogFont(dialogTemplate));
    dialog.setFixedSize(Pixels(dialog, dialogTemplate.width),
                        Pixels(dialog, dialogTemplate.height));

    std::vector<QWidget*> frames;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        const QRect rect =
            DialogUnitsRect(dialog, control.x, control.y, control.width, control.height);
        QWidget* widget = CreateControl(dialog, control, rect.height());
        widget->setObjectName(QString::number(control.id));
        if (control.kind == ControlKind::ComboBox) {
            widget->setGeometry(rect.x(), rect.y(), rect.width(), Pixels(dialog, kComboEditHeight));
        } else {
            widget->setGeometry(rect);
        }
        const bool frame =
            control.kind == ControlKind::GroupBox || control.kind == ControlKind::BlackFrame;
        if (frame) frames.push_back(widget);
        if (frame || control.kind == ControlKind::Label) {
            // Static controls only show: clicks go through them to what lies beneath, even
            // where a label has grown over a neighbour to fit its font.
            widget->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        if (control.kind == ControlKind::Label) FitHeightToFont(*widget);
    }
    // Frames lie beneath every other control, the first of them lowest, whatever their
    // place in the tab order.
    for (auto it = frames.rbegin(); it != frames.rend(); ++it) (*it)->lower();
}
