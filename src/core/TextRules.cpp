// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TextRules.h"

#include "platform/LocaleNumbers.h"

#include <cmath>

namespace core {

bool isEmpty(const QString& text)
{
    return text.isEmpty();
}

std::optional<double> parseNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const auto value = platform::localeToDouble(trimmed);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

QString notANumberText()
{
    return QStringLiteral("undefined");
}

QString formatResult(double value)
{
    if (!std::isfinite(value))
        return notANumberText();
    const QString magnitude = platform::localeFixed(std::fabs(value), 2);
    // A negative value that rounds to zero is shown as zero, not as a negative zero.
    if (std::signbit(value) && magnitude != platform::localeFixed(0.0, 2))
        return platform::localeFixed(value, 2);
    return magnitude;
}

QString densityText(double value)
{
    return platform::localeGeneral(value, 15);
}

} // namespace core
