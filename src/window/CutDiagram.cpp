// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/CutDiagram.h"

#include "window/Artwork.h"

#include <QPainter>

namespace window {

CutDiagram::CutDiagram(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAccessibleName(QStringLiteral("Cut diagram"));
    setAccessibleDescription(QStringLiteral("A step cut seen from above, from its end and from its side: W width and "
                                            "L length on the top view, C crown and P pavilion on the side view."));
}

void CutDiagram::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    const qreal ratio = devicePixelRatioF();
    if (m_rendered.isNull() || m_ratio != ratio) {
        m_rendered = cutDiagram(ratio);
        m_ratio = ratio;
    }
    QPainter(this).drawPixmap(contentsRect().topLeft(), m_rendered);
}

} // namespace window
