// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace core {

// The numbers a calculation leaves behind for the next one. Clearing a field does not clear its number:
// only Calculate assigns these.
struct CalcState
{
    double density = 0;
    double lwRatio = 0;
    double pwRatio = 0;
    double cwRatio = 0;
    double yieldRatio = 0;
    double width = 0;
    double length = 0;
    double totalHeight = 0;
    double weightCt = 0;
    double pavilionDepth = 0;
    double crownHeight = 0;

    bool operator==(const CalcState&) const = default;
};

} // namespace core
