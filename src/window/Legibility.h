// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>
#include <vector>

class QWidget;

namespace window {

// The colour a coloured text is drawn in. On a light background the layout's colour is kept exactly,
// legible or not: that is the layout's choice. On a dark one, too dark a colour is drawn in the least
// lighter shade of the same hue that reads at 4.5:1, so blue still means width and red still crown.
QColor legibleOn(const QColor& given, const QColor& background);

// A greyed text at least as dark against its background as the classic desktop's disabled text, with a
// margin (5.3:1): the palette's own disabled grey, moved toward the normal text colour only as needed.
QColor readableGrey(const QColor& grey, const QColor& normalText, const QColor& background);

// The window's coloured and greyed texts, drawn anew against the theme whenever it changes.
class ThemeColours
{
public:
    // A text in one of the layout's colours, drawn in the palette role it is given for.
    void colour(QWidget* widget, QPalette::ColorRole role, QRgb given);
    // A disabled field whose text is greyed but must stay readable.
    void grey(QWidget* widget);
    // Sets only the roles above on each widget; everything else follows the theme.
    void apply(const QPalette& theme) const;

private:
    struct Coloured
    {
        QWidget* widget;
        QPalette::ColorRole role;
        QRgb given;
    };
    std::vector<Coloured> m_coloured;
    std::vector<QWidget*> m_greyed;
};

} // namespace window
