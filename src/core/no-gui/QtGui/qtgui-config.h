// SPDX-License-Identifier: GPL-3.0-or-later
// Every QtGui header reaches this one through qtguiglobal.h: in the calculation core it stops the build.
#error "The calculation core uses QtCore only: no QtGui header here."
