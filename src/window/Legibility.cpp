// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/Legibility.h"

#include <QWidget>
#include <algorithm>
#include <cmath>
#include <map>

namespace window {

namespace {

constexpr double textContrast = 4.5;    // WCAG AA for body text
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

QColor legibleOn(const QColor& given, const QColor& background)
{
    if (luminance(background) >= lightBackground || contrastRatio(given, background) >= textContrast)
        return given;
    const QColor hsl = given.toHsl();
    // Lightness in steps of one 8-bit level, so the colour drawn is the one measured.
    for (int lightness = hsl.lightness() + 1; lightness <= 255; ++lightness) {
        const QColor lighter = QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness).toRgb();
        if (contrastRatio(lighter, background) >= textContrast)
            return lighter;
    }
    return Qt::white;
}

QColor readableGrey(const QColor& grey, const QColor& normalText, const QColor& background)
{
    const QColor from = grey.toRgb(), to = normalText.toRgb();
    const auto mix = [](int a, int b, int step) { return a + (b - a) * step / 100; };
    for (int step = 0; step <= 100; ++step) {
        // In whole 8-bit levels, so the colour drawn is the one measured.
        const QColor mixed(mix(from.red(), to.red(), step), mix(from.green(), to.green(), step),
                           mix(from.blue(), to.blue(), step));
        if (contrastRatio(mixed, background) >= greyedContrast)
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

void ThemeColours::apply(const QPalette& theme) const
{
    std::map<QWidget*, QPalette> palettes; // fresh palettes: the roles not set here stay the theme's
    for (const Coloured& coloured : m_coloured) {
        const QPalette::ColorRole behind = coloured.role == QPalette::Text ? QPalette::Base : QPalette::Window;
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palettes[coloured.widget].setColor(group, coloured.role,
                                               legibleOn(QColor(coloured.given), theme.color(group, behind)));
    }
    for (QWidget* widget : m_greyed)
        palettes[widget].setColor(QPalette::Disabled, QPalette::Text,
                                  readableGrey(theme.color(QPalette::Disabled, QPalette::Text),
                                               theme.color(QPalette::Active, QPalette::Text),
                                               theme.color(QPalette::Disabled, QPalette::Base)));
    for (const auto& [widget, colours] : palettes)
        widget->setPalette(colours);
}

} // namespace window
