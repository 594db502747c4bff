// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace platform {

// Conversions under the user's locale (QLocale(), which tests switch with QLocale::setDefault).
// Group separators are neither read nor written: under a comma-decimal locale "1.5" must not become 15.
std::optional<double> localeToDouble(const QString& text);
QString localeFixed(double value, int decimals);
QString localeGeneral(double value, int significantDigits);

} // namespace platform
