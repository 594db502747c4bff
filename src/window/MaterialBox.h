// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace window {

// The material list. A wheel turned over the closed box would change the material behind the
// cutter's back, so only the list, the arrow keys and typing reach it.
class MaterialBox final : public QComboBox
{
    Q_OBJECT

public:
    explicit MaterialBox(QWidget* parent);

protected:
    void wheelEvent(QWheelEvent* event) override;
};

} // namespace window
