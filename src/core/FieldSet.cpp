// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FieldSet.h"

namespace core {

QString controlName(Field field)
{
    switch (field) {
    case Field::mat:
        return QStringLiteral("mat");
    case Field::spec:
        return QStringLiteral("spec");
    case Field::vl:
        return QStringLiteral("vl");
    case Field::pw:
        return QStringLiteral("pw");
    case Field::cw:
        return QStringLiteral("cw");
    case Field::w3:
        return QStringLiteral("w3");
    case Field::wit:
        return QStringLiteral("wit");
    case Field::lengh:
        return QStringLiteral("lengh");
    case Field::thi:
        return QStringLiteral("thi");
    case Field::ct:
        return QStringLiteral("ct");
    case Field::pavillion:
        return QStringLiteral("pavillion");
    case Field::crown:
        return QStringLiteral("crown");
    }
    return {};
}

} // namespace core
