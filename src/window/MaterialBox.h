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
    explicit MaterialBox(QWidget* parent);

protected:
    void wheelEvent(QWheelEvent* event) override;
};

} // namespace window
