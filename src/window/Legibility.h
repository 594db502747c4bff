// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Contrast.h"

#include <QColor>
#include <QPalette>
#include <vector>

class QWidget;

namespace window {

// The colour a coloured text is drawn in. With no wish for more contrast, on a light background the
// layout's colour is kept exactly, legible or not: that is the layout's choice. Elsewhere, a colour under
// the floor is drawn in the nearest shade of the same hue that reaches it, darker on a light background
// and lighter on a dark one, so blue still means width and red still crown; where no shade reaches it,
// black or white. The floor is 4.5:1, or with MORE contrast asked for 7.5:1, so that the text reaches
// 7:1 as drawn, its antialiased strokes included.
QColor legibleOn(const QColor& given, const QColor& background, bool more = false);

// A greyed text at least as dark against its background as the classic desktop's disabled text, with a
// margin (5.3:1; 7.5:1 when MORE contrast is asked for): the palette's own disabled grey, moved toward the
// normal text colour only as needed.
QColor readableGrey(const QColor& grey, const QColor& normalText, const QColor& background, bool more = false);

// The window's coloured and greyed texts and its line, drawn anew against the theme and the user's
// contrast wish whenever either changes.
class ThemeColours
{
public:
    // A text in one of the layout's colours, drawn in the palette role it is given for.
    void colour(QWidget* widget, QPalette::ColorRole role, QRgb given);
    // A disabled field whose text is greyed but must stay readable.
    void grey(QWidget* widget);
    // A line drawn in one of the layout's colours.
    void line(QWidget* widget, QRgb given);
    // Sets only the roles above on each widget; everything else follows the theme. Under the system's
    // own colours (a Windows contrast theme), the texts take the theme's roles and greyed ones its grey.
    void apply(const QPalette& theme, const platform::Contrast& contrast) const;

private:
    struct Coloured
    {
        QWidget* widget;
        QPalette::ColorRole role;
        QRgb given;
    };
    std::vector<Coloured> m_coloured;
    std::vector<QWidget*> m_greyed;
    std::vector<Coloured> m_lines;
};

} // namespace window
