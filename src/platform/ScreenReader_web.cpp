// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ScreenReader.h"

#include <emscripten/val.h>

namespace platform {

namespace {

// The window is drawn on a canvas, which says nothing to a screen reader: the page keeps two live regions
// beside it, a polite one for figures and an assertive one for warnings. A region speaks a change only,
// so a text the same as the last one is told apart by a trailing no-break space.
void speak(const char* region, const QString& text)
{
    emscripten::val element =
        emscripten::val::global("document").call<emscripten::val>("getElementById", std::string(region));
    if (element.isNull())
        return;
    std::string said = text.toStdString();
    if (element["textContent"].as<std::string>() == said)
        said += "\u00a0";
    element.set("textContent", said);
}

} // namespace

void announce(QObject*, Announced, const QString& text)
{
    speak("tavelon-status", text);
}

void announceWarning(const QString& text)
{
    speak("tavelon-alert", text);
}

} // namespace platform
