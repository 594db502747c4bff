// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Form.h"

namespace core {

// The prompt that the material list shows at start and after "Reset All".
QString materialPrompt();

// "Reset All": every field empty, the material prompt back. Stored numbers stay.
void resetAll(Form& form);

// "Targets Reset": the four targets and the two results empty, for the next stone.
void resetTargets(Form& form);

} // namespace core
