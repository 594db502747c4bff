// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QPixmap>

namespace window {

// The cut diagram at its own size inside a two-pixel sunken border. The picture is loaded once per
// screen scale and kept, so repaints only copy pixels.
class CutDiagram final : public QFrame
{
    Q_OBJECT

public:
    explicit CutDiagram(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_rendered;
    qreal m_ratio = 0;
};

} // namespace window
