// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TextRules.h"

#include "platform/LocaleNumbers.h"

#include <QStringList>

#include <algorithm>
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

QString spokenFigures(const Writes& writes)
{
    struct Spoken
    {
        Field field;
        const char* name;
        const char* unit;
    };
    static constexpr Spoken order[] = {
        {Field::spec, "density", nullptr},  {Field::wit, "width", "mm"}, {Field::lengh, "length", "mm"},
        {Field::thi, "total height", "mm"}, {Field::ct, "weight", "ct"}, {Field::pavillion, "pavilion", "mm"},
        {Field::crown, "crown", "mm"},
    };
    QStringList parts;
    for (const Spoken& spoken : order) {
        const auto written = std::find_if(writes.rbegin(), writes.rend(),
                                          [&](const auto& write) { return write.first == spoken.field; });
        if (written == writes.rend())
            continue;
        QString part = QLatin1String(spoken.name) + QLatin1Char(' ') + written->second;
        // A figure that is no number has no unit.
        if (spoken.unit && written->second != notANumberText())
            part += QLatin1Char(' ') + QLatin1String(spoken.unit);
        parts << part;
    }
    QString sentence = parts.join(QStringLiteral(", "));
    if (!sentence.isEmpty())
        sentence[0] = sentence[0].toUpper();
    return sentence;
}

} // namespace core
