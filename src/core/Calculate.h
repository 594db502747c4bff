// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/CalcState.h"
#include "core/Form.h"

#include <QStringList>

namespace core {

// The warnings Calculate can show, in the order it shows them.
QStringList knownWarnings();

// "Calculate!": warns about missing inputs, stores the density and the ratios, then finds the width from
// the one target given and writes the other targets and the pavilion and crown figures back into the form.
void Calculate(Form& form, CalcState& state);

} // namespace core
