// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/CutDiagram.h"

#include "window/Layout.h"

#include <QPainter>
#include <QSvgRenderer>

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
    if (m_rendered.isNull() || m_rendered.devicePixelRatio() != ratio) {
        m_rendered = QPixmap(pictureSize * ratio);
        m_rendered.setDevicePixelRatio(ratio);
        m_rendered.fill(Qt::white);
        QPainter painter(&m_rendered);
        QSvgRenderer(QStringLiteral(":/cut.svg")).render(&painter, QRectF(QPointF(0, 0), pictureSize));
    }
    QPainter(this).drawPixmap(contentsRect().topLeft(), m_rendered);
}

} // namespace window
