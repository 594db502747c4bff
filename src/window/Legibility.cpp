// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/Legibility.h"

#include <QWidget>
#include <algorithm>
#include <cmath>
#include <map>

namespace window {

namespace {

// WCAG AA for body text (4.5:1) and AAA (7:1), for a user who asked for more, as the screen shows them:
// the finest strokes of an 8-point text are never drawn in the full colour, but blended a little with
// the background (more so where the face is not fitted to the pixels, as in a browser).
constexpr double textContrast = 4.8;
constexpr double moreContrast = 7.5;
constexpr double greyedContrast = 5.3;  // a shade darker than the classic #6D6D6D on #F0F0F0 (4.5:1)
constexpr double lightBackground = 0.4; // relative luminance above which a background counts as light

double channel(double value)
{
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

// WCAG 2 contrast between two colours, from 1 (none) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

QColor legibleOn(const QColor& given, const QColor& background, bool more)
{
    const double floor = more ? moreContrast : textContrast;
    if ((!more && luminance(background) >= lightBackground) || contrastRatio(given, background) >= floor)
        return given;
    // Toward whichever end stands out more from the background: darker on a light one, lighter on a dark one.
    const bool darker = contrastRatio(Qt::black, background) > contrastRatio(Qt::white, background);
    const QColor hsl = given.toHsl();
    const int step = darker ? -1 : 1;
    // Lightness in steps of one 8-bit level, so the colour drawn is the one measured.
    for (int lightness = hsl.lightness() + step; lightness >= 0 && lightness <= 255; lightness += step) {
        const QColor shade = QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness).toRgb();
        if (contrastRatio(shade, background) >= floor)
            return shade;
    }
    return darker ? QColor(Qt::black) : QColor(Qt::white);
}

QColor readableGrey(const QColor& grey, const QColor& normalText, const QColor& background, bool more)
{
    const double floor = more ? moreContrast : greyedContrast;
    const QColor from = grey.toRgb(), to = normalText.toRgb();
    const auto mix = [](int a, int b, int step) { return a + (b - a) * step / 100; };
    for (int step = 0; step <= 100; ++step) {
        // In whole 8-bit levels, so the colour drawn is the one measured.
        const QColor mixed(mix(from.red(), to.red(), step), mix(from.green(), to.green(), step),
                           mix(from.blue(), to.blue(), step));
        if (contrastRatio(mixed, background) >= floor)
            return mixed;
    }
    return to;
}

void ThemeColours::colour(QWidget* widget, QPalette::ColorRole role, QRgb given)
{
    m_coloured.push_back({widget, role, given});
}

void ThemeColours::grey(QWidget* widget)
{
    m_greyed.push_back(widget);
}

void ThemeColours::line(QWidget* widget, QRgb given)
{
    m_lines.push_back({widget, QPalette::Window, given});
}

void ThemeColours::apply(const QPalette& theme, const platform::Contrast& contrast) const
{
    using platform::ContrastWish;
    const bool more = contrast.wish == ContrastWish::More;
    // Fresh palettes: the roles not set here stay the theme's. Under the system's own colours, the
    // coloured texts set none at all.
    std::map<QWidget*, QPalette> palettes;
    for (const Coloured& coloured : m_coloured) {
        QPalette& palette = palettes[coloured.widget];
        if (contrast.wish == ContrastWish::SystemColours)
            continue;
        const QPalette::ColorRole behind = coloured.role == QPalette::Text ? QPalette::Base : QPalette::Window;
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, coloured.role, legibleOn(QColor(coloured.given), theme.color(group, behind), more));
    }
    for (QWidget* widget : m_greyed) {
        const QColor grey = contrast.wish == ContrastWish::SystemColours && contrast.greyedText.isValid()
                                ? contrast.greyedText
                                : readableGrey(theme.color(QPalette::Disabled, QPalette::Text),
                                               theme.color(QPalette::Active, QPalette::Text),
                                               theme.color(QPalette::Disabled, QPalette::Base), more);
        palettes[widget].setColor(QPalette::Disabled, QPalette::Text, grey);
    }
    for (const Coloured& line : m_lines)
        palettes[line.widget].setColor(line.role, contrast.wish == ContrastWish::SystemColours
                                                      ? theme.color(QPalette::WindowText)
                                                      : QColor(line.given));
    for (const auto& [widget, colours] : palettes)
        widget->setPalette(colours);
}

} // namespace window
