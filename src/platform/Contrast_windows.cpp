// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Contrast.h"

#include <QCoreApplication>
#include <QEvent>
#include <windows.h>

namespace platform {

bool contrastThemeOn()
{
    // Wine has no contrast themes (it always answers off): its tests, which set a theme's system colours,
    // ask for this branch by name.
    if (qEnvironmentVariable("TAVELON_CONTRAST_THEME") == QLatin1String("on"))
        return true;
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

namespace {

// A contrast theme asks for the system's colours in their documented pairs, and GrayText for greyed text
// (which the toolkit's palette does not take from the system).
class WindowsContrast final : public ContrastSetting
{
public:
    WindowsContrast() : m_on(contrastThemeOn()) { QCoreApplication::instance()->installEventFilter(this); }

    Contrast contrast() const override
    {
        if (!contrastThemeOn())
            return {};
        const COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
        return {ContrastWish::SystemColours, QColor(GetRValue(grey), GetGValue(grey), GetBValue(grey))};
    }

protected:
    // The toolkit raises a theme change when the user switches into or out of a contrast theme.
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ThemeChange || event->type() == QEvent::ApplicationPaletteChange) {
            const bool on = contrastThemeOn();
            if (on != m_on) {
                m_on = on;
                emit changed();
            }
        }
        return false;
    }

private:
    bool m_on;
};

} // namespace

std::unique_ptr<ContrastSetting> systemContrast()
{
    return std::make_unique<WindowsContrast>();
}

} // namespace platform
