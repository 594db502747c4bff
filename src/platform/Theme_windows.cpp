// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Theme.h"

#include "platform/Contrast.h"

#include <QApplication>
#include <QStyle>
#include <QStyleHints>
#include <windows.h>

namespace platform {

namespace {

// The native windowsvista style keeps the classic controls the layout was drawn with, on Windows 10 and
// 11 alike, but it draws only light: in dark app mode the window takes fusion, which draws the toolkit's
// dark palette with the same metrics. A contrast theme wins over the app mode: the native style, which
// draws the system's colours.
void chooseStyle()
{
    const bool dark = QGuiApplication::styleHints()->colorScheme() == Qt::ColorScheme::Dark && !contrastThemeOn();
    const QString wanted = dark ? QStringLiteral("fusion") : QStringLiteral("windowsvista");
    if (QApplication::style()->name().compare(wanted, Qt::CaseInsensitive) != 0)
        QApplication::setStyle(wanted);
}

} // namespace

void followSystemTheme()
{
    chooseStyle();
    QObject::connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, qApp, &chooseStyle);
}

} // namespace platform
