// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Contrast.h"

#include <emscripten/val.h>

namespace platform {

namespace {

// The browser's "prefers-contrast: more", asked whenever the window takes its colours (at start and when
// the palette changes with the browser's dark setting).
class BrowserContrast final : public ContrastSetting
{
public:
    Contrast contrast() const override
    {
        const emscripten::val query = emscripten::val::global("window").call<emscripten::val>(
            "matchMedia", std::string("(prefers-contrast: more)"));
        return {query["matches"].as<bool>() ? ContrastWish::More : ContrastWish::None, {}};
    }
};

} // namespace

std::unique_ptr<ContrastSetting> systemContrast()
{
    return std::make_unique<BrowserContrast>();
}

} // namespace platform
