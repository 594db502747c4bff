// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Form.h"

#include <QString>
#include <optional>

namespace core {

// Exactly the empty text: a lone blank is not empty.
bool isEmpty(const QString& text);

// A finite signed decimal in the user's locale, blanks around it allowed. Empty on anything else,
// including grouping separators, "inf", "nan" and values too large for a double.
std::optional<double> parseNumber(const QString& text);

// "#####0.00" in the user's locale: no grouping, two decimals, never "-0.00".
// A value that is not finite gets notANumberText(), which parseNumber refuses.
QString formatResult(double value);
QString notANumberText();

// A density as picked from the table: up to 15 significant digits, no trailing zeros.
QString densityText(double value);

// How a screen reader says figures just written, as one sentence in the order a cutter reads the window
// (the targets, then the results), each with its unit: "Length 10.00 mm, total height 5.80 mm, ...".
QString spokenFigures(const Writes& writes);

} // namespace core
