// SPDX-License-Identifier: GPL-3.0-or-later
// Every QtWidgets header reaches this one through qtwidgetsglobal.h: in the calculation core it stops the build.
#error "The calculation core uses QtCore only: no QtWidgets header here."
