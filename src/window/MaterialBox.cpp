// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/MaterialBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QWheelEvent>

namespace window {

MaterialBox::MaterialBox(const QString& name, QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // The box would choose an item whose name was typed once editing finishes (Enter, or leaving the
    // field), reporting it as a pick. Only the list and the arrow keys pick a material here.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    setMaxVisibleItems(20);

    setAccessibleName(name);
    // Screen readers on Linux name an editable box after the label that points to it and would otherwise
    // call it by the material it shows. The label is never drawn.
    auto* label = new QLabel(name, parent);
    label->setObjectName(QStringLiteral("matName"));
    label->setBuddy(this);
    label->hide();
}

void MaterialBox::setText(const QString& text)
{
    setCurrentIndex(findText(text, Qt::MatchExactly));
    setEditText(text);
}

void MaterialBox::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}

} // namespace window
