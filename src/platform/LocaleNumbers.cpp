// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LocaleNumbers.h"

#include <QLocale>

namespace platform {

namespace {

QLocale userLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

} // namespace

std::optional<double> localeToDouble(const QString& text)
{
    bool ok = false;
    const double value = userLocale().toDouble(text, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString localeFixed(double value, int decimals)
{
    return userLocale().toString(value, 'f', decimals);
}

QString localeGeneral(double value, int significantDigits)
{
    return userLocale().toString(value, 'g', significantDigits);
}

} // namespace platform
