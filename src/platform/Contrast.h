// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QObject>
#include <memory>

namespace platform {

// What the user asked of the window's colours.
enum class ContrastWish {
    None,          // the theme's colours, and the layout's own where the theme is light
    More,          // more contrast: every coloured and greyed text at 7:1 (GNOME's High Contrast)
    SystemColours, // the system's own colours only (a Windows contrast theme)
};

struct Contrast
{
    ContrastWish wish = ContrastWish::None;
    QColor greyedText; // the system's colour for greyed text under SystemColours, where it has one
};

// The user's contrast wish as the desktop keeps it, heard again whenever it changes. Reading it never
// makes start-up wait: until the desktop has answered, there is no wish.
class ContrastSetting : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    virtual Contrast contrast() const = 0;

signals:
    // The wish may have changed; also once when the desktop first answers.
    void changed();
};

// This system's setting.
std::unique_ptr<ContrastSetting> systemContrast();

// Whether the system draws in its own contrast theme, which wins over a dark app mode (Windows only).
bool contrastThemeOn();

} // namespace platform
