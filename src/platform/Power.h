// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace platform {

// A double raised to a double. Empty when the result is not a real number (a negative base with a
// fractional exponent), so the caller cannot store a NaN by accident.
std::optional<double> power(double base, double exponent);

} // namespace platform
