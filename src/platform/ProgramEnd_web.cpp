// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramEnd.h"

#include <QCoreApplication>
#include <QWidget>
#include <emscripten/val.h>

namespace platform {

void endProgram(QWidget* window)
{
    window->close();
    // The canvas would stay blank: the page says in its own words that the program has ended.
    const emscripten::val ended = emscripten::val::global("tavelonEnded");
    if (ended.typeOf().as<std::string>() == "function")
        ended();
    QCoreApplication::exit(0);
}

} // namespace platform
