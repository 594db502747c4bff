// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Resets.h"

namespace core {

QString materialPrompt()
{
    return QStringLiteral("Material");
}

void resetAll(Form& form)
{
    for (Field field :
         {Field::spec, Field::vl, Field::cw, Field::pw, Field::w3, Field::wit, Field::lengh, Field::thi, Field::ct})
        form.setText(field, QString());
    form.setText(Field::mat, materialPrompt());
    form.setText(Field::pavillion, QString());
    form.setText(Field::crown, QString());
}

void resetTargets(Form& form)
{
    for (Field field : {Field::wit, Field::lengh, Field::thi, Field::ct, Field::pavillion, Field::crown})
        form.setText(field, QString());
}

} // namespace core
