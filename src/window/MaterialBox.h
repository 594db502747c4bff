// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace window {

// The material list, editable but never picking by itself: neither typing a name nor turning the
// wheel over the closed box changes the material behind the cutter's back.
class MaterialBox final : public QComboBox
{
    Q_OBJECT

public:
    // The name is the prompt the box shows at start, and what screen readers call it on every visit.
    MaterialBox(const QString& name, QWidget* parent);

    // Shows the text in the edit area; the item of that name is chosen, or none if there is no such item.
    void setText(const QString& text);

protected:
    void wheelEvent(QWheelEvent* event) override;
};

} // namespace window
