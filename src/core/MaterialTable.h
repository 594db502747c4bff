// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

namespace core {

struct MaterialEntry
{
    QString name;
    double density = 0; // g/cm³
};

// The gem materials the list offers, fixed in the program. Empty until mate() fills it.
class Materials
{
    static constexpr int first = 0;
    static constexpr int last = 70;

public:
    static constexpr int lowerBound() { return first; }
    static constexpr int upperBound() { return last; }

    // Throws std::out_of_range for an index outside the bounds; nothing is read.
    const MaterialEntry& at(int index) const;

    // Fills every row; calling it again leaves the same rows.
    void mate();

private:
    std::array<MaterialEntry, last - first + 1> m_rows;
};

} // namespace core
