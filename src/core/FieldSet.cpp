// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FieldSet.h"

namespace core {

QString controlName(Field field)
{
    for (const auto& [named, name] : fieldNames)
        if (named == field)
            return QString::fromLatin1(name.data(), qsizetype(name.size()));
    return {};
}

} // namespace core
