// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/MaterialTable.h"

#include <stdexcept>
#include <string>

namespace core {

namespace {

struct Row
{
    int index;
    const char* name;
    double density;
};

// Specific gravity in g/cm³: the gem value commonly quoted in gemmological references (GIA's gem
// reference data, Webster's "Gems", mindat). Where a material spans a range, the note says which value.
// Names keep the list's own spellings; the material meant is noted where it is not plain.
constexpr Row rows[] = {
    {0, "Actinolite", 3.25},
    {1, "Agate", 2.6},
    {2, "Alabaster", 2.25},
    {3, "Amblygonite", 3.02},
    {4, "Amber", 1.08},
    {5, "Anatasium", 3.90}, // anatase
    {6, "Andalusite", 3.17},
    {7, "Anidrite", 2.98}, // anhydrite
    {8, "Apatite", 3.18},
    {9, "Apofillite", 2.35}, // apophyllite
    {10, "Aragonite", 2.94},
    {11, "Axinite", 3.28},
    {12, "Azurite", 3.80},
    {13, "Barite", 4.50},
    {14, "Benitoite", 3.68},
    {15, "Beryl", 2.72},        // the usual quoted value; emerald 2.72, aquamarine 2.69, the species 2.67-2.90
    {16, "Berillonite", 2.81},  // beryllonite
    {17, "Brasilianite", 2.98}, // brazilianite
    {18, "Calcite", 2.71},
    {19, "Cassiterite", 6.95},
    {20, "Cerussite", 6.55},
    {21, "Cinnabar", 8.10},
    {22, "Corundum", 4.00},
    {23, "Chrysoberyl", 3.73},
    {24, "Crysocolla", 2.20}, // chrysocolla, 2.0-2.4: the middle
    {25, "Danubrite", 3.00},  // danburite
    {26, "Diamond", 3.52},
    {27, "Enstatite", 3.25},
    {28, "Epidote", 3.40},
    {29, "Euclasium", 3.10}, // euclase
    {30, "Fabulite", 5.13},  // strontium titanate
    {31, "Fenacite", 2.96},  // phenakite
    {32, "Fluorite", 3.18},
    {33, "Gahnite", 4.55},
    {34, "Garnet", 3.84},     // pyrope-almandine (rhodolite), the commonest gem garnet; the group spans 3.5-4.3
    {35, "Hambergyte", 2.35}, // hambergite
    {36, "Jade", 2.95},       // nephrite; jadeite has its own row
    {37, "Jadeite", 3.34},
    {38, "Lapislazuli", 2.75}, // lapis lazuli, a rock: 2.7-2.9
    {39, "Lazuli", 3.10},      // lazulite
    {40, "Malachite", 3.95},
    {41, "Opal", 2.15}, // precious opal; common opal runs down to 1.98
    {42, "Obsidian", 2.40},
    {43, "Peridot", 3.34},
    {44, "Petalite", 2.40},
    {45, "Pyrite", 5.00},
    {46, "Prehnite", 2.90},
    {47, "Quartz", 2.65},
    {48, "Rhodonite", 3.60}, // massive rhodonite, 3.57-3.76, which is what is cut
    {49, "Rutilum", 4.25},   // rutile
    {50, "Scapolite", 2.68},
    {51, "Serpentine", 2.57}, // bowenite and antigorite, 2.44-2.62
    {52, "Sphalerite", 4.08},
    {53, "Siderite", 3.90},
    {54, "Sinhalite", 3.48},
    {55, "Smithsonite", 4.40},
    {56, "Sodalite", 2.27},
    {57, "Spinel", 3.60},
    {58, "Spodumene (Kunzite)", 3.18},
    {59, "Tanzanite", 3.35},
    {60, "Titania", 4.26}, // synthetic rutile
    {61, "Topaz", 3.53},
    {62, "Tourmaline", 3.06}, // elbaite, the usual gem tourmaline; the group spans 3.0-3.26
    {63, "Tremolite", 3.00},
    {64, "Turquoise", 2.76},
    {65, "Willemite", 4.05}, // 3.89-4.19: the middle
    {66, "Wulfenite", 6.80},
    {67, "YAG", 4.55}, // yttrium aluminium garnet
    {68, "Zincite", 5.68},
    {69, "Zircon", 4.69},   // high (unmetamict) zircon, which most cut stones are; low zircon is 3.9-4.1
    {70, "Zirconia", 5.80}, // cubic zirconia
};

constexpr bool rowsCoverTheBoundsInOrder()
{
    if (std::size(rows) != Materials::upperBound() - Materials::lowerBound() + 1)
        return false;
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        if (rows[i].index != Materials::lowerBound() + static_cast<int>(i))
            return false;
    }
    return true;
}
static_assert(rowsCoverTheBoundsInOrder());

} // namespace

const MaterialEntry& Materials::at(int index) const
{
    if (index < lowerBound() || index > upperBound())
        throw std::out_of_range("material index " + std::to_string(index) + " outside 0..70");
    return m_rows[static_cast<std::size_t>(index - lowerBound())];
}

void Materials::mate()
{
    for (const Row& row : rows) {
        MaterialEntry& entry = m_rows[static_cast<std::size_t>(row.index - lowerBound())];
        entry.name = QString::fromUtf8(row.name);
        entry.density = row.density;
    }
}

} // namespace core
