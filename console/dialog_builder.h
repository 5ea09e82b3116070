#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include "dialog_template.h"

class QComboBox;
class QDialog;

// Lays a dialog out from its template: caption, font and fixed client size, then one
// child control per row, created in template order so that the tab order follows the
// template. Each control's objectName is its numeric ID; controls with ID -1 are named
// "-1". Combo boxes come empty: their lists are the dialog's to fill (AddSortedItem).
void BuildDialog(QDialog& dialog, const DialogTemplate& dialogTemplate);

// The template's font; where its face is missing, a face that has Chinese glyphs.
QFont DialogFont(const DialogTemplate& dialogTemplate);

// A template rectangle in pixels at the widget's logical dpi.
QRect DialogUnitsRect(const QWidget& widget, int x, int y, int width, int height);

// A caption as static text shows it: "&&" is one ampersand, and a single '&', which marks
// a mnemonic, is not shown.
QString StaticCaption(const QString& caption);

// Inserts an item at its place in a sorted list (compared without regard to case), as a
// sorted combo box does with every item it receives. The item may be shown in other words
// (the operator's language): its place, and so what its index means, stays the item's.
void AddSortedItem(QComboBox& combo, const QString& item, const QString& shown = {});
// Where such a list puts the item: after every item that does not sort after it.
int SortedPosition(const QStringList& items, const QString& item);

// Makes a text control at least as tall as its font's lines, growing it about its middle,
// so that a font taller than the template allows is not cut.
void FitHeightToFont(QWidget& control);

// The control with the ID among the dialog's own controls.
template <class T>
T* FindControl(const QWidget& dialog, int id) {
    return dialog.findChild<T*>(QString::number(id), Qt::FindDirectChildrenOnly);
}
