// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Power.h"

#include <cmath>

namespace platform {

std::optional<double> power(double base, double exponent)
{
    if (base < 0 && std::isfinite(exponent) && std::trunc(exponent) != exponent)
        return std::nullopt;
    return std::pow(base, exponent);
}

} // namespace platform
