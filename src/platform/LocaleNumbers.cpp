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

// Right-to-left locales write their minus sign with an invisible direction mark (Arabic, Persian,
// Hebrew), which QLocale then fails to read back. The marks carry no meaning for a number.
QString withoutDirectionMarks(QString text)
{
    text.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return u == 0x061C || u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E) ||
               (u >= 0x2066 && u <= 0x2069);
    });
    return text;
}

} // namespace

std::optional<double> localeToDouble(const QString& text)
{
    bool ok = false;
    const double value = userLocale().toDouble(withoutDirectionMarks(text), &ok);
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
