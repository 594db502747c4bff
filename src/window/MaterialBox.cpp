// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/MaterialBox.h"

#include <QLineEdit>
#include <QWheelEvent>

namespace window {

MaterialBox::MaterialBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // The box would choose an item whose name was typed once editing finishes (Enter, or leaving the
    // field), reporting it as a pick. Only the list and the arrow keys pick a material here.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    setMaxVisibleItems(20);
}

void MaterialBox::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}

} // namespace window
