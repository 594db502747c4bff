// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/FittingLabel.h"

#include <QEvent>
#include <algorithm>

namespace window {

FittingLabel::FittingLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
}

bool FittingLabel::fits() const
{
    const QFontMetrics metrics = fontMetrics();
    if (!wordWrap())
        return metrics.horizontalAdvance(text()) <= width();
    const QStringList words = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return std::all_of(words.begin(), words.end(),
                       [&](const QString& word) { return metrics.horizontalAdvance(word) <= width(); }) &&
           heightForWidth(width()) <= height();
}

void FittingLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fit();
}

void FittingLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    fit();
}

void FittingLabel::fit()
{
    if (m_fitting)
        return;
    m_fitting = true;
    // Back to the inherited font first, so that a larger or narrower face is not left shrunk.
    if (testAttribute(Qt::WA_SetFont))
        setFont(QFont());
    QFont font = this->font();
    while (!fits() && font.pointSizeF() > 4) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        setFont(font);
    }
    m_fitting = false;
}

} // namespace window
