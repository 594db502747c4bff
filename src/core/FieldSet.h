// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace core {

// The material list and the eleven text fields, named as their controls are.
enum class Field { mat, spec, vl, pw, cw, w3, wit, lengh, thi, ct, pavillion, crown };

// Each field with its control's object name, by which screen readers, the tests and the layout table know
// it; the list of fields is this table's.
inline constexpr auto fieldNames = std::to_array<std::pair<Field, std::string_view>>({
    {Field::mat, "mat"},
    {Field::spec, "spec"},
    {Field::vl, "vl"},
    {Field::pw, "pw"},
    {Field::cw, "cw"},
    {Field::w3, "w3"},
    {Field::wit, "wit"},
    {Field::lengh, "lengh"},
    {Field::thi, "thi"},
    {Field::ct, "ct"},
    {Field::pavillion, "pavillion"},
    {Field::crown, "crown"},
});

inline constexpr auto allFields = [] {
    std::array<Field, fieldNames.size()> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i] = fieldNames[i].first;
    return fields;
}();

// The field a control of that name shows, if any; usable where the layout table is checked at compile time.
constexpr std::optional<Field> fieldNamed(std::string_view name)
{
    for (const auto& [field, fieldName] : fieldNames)
        if (fieldName == name)
            return field;
    return std::nullopt;
}

QString controlName(Field field);

} // namespace core
