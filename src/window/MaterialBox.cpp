// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/MaterialBox.h"

#include <QWheelEvent>

namespace window {

MaterialBox::MaterialBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setDuplicatesEnabled(true);
    setMaxVisibleItems(20);
}

void MaterialBox::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}

} // namespace window
