// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QRgb>
#include <optional>
#include <span>

namespace window {

enum class Kind { TextBox, ComboBox, Button, Frame, Label, Picture, Line };
enum class Container { Window, Frame };
// What a button does when pressed.
enum class Action { None, Calculate, ResetAll, Exit, TargetsReset };

// What sets a control apart from the standard one of its kind.
struct Traits
{
    std::optional<QRgb> textColour = std::nullopt;
    bool disabled = false;
    bool readOnly = false;
    bool bold = false;               // the 9.75-point bold face
    bool wrap = false;               // a label that wraps its text at word boundaries
    const char* captionOf = nullptr; // for a caption label, the field it names
    Action action = Action::None;    // for a button
};

// One control of the window. Geometry is in twips from the container's top-left corner:
// 15 twips make one logical pixel, so the window scales as a whole on high-DPI screens.
struct ControlSpec
{
    const char* name;
    Kind kind;
    Container container;
    const char* caption;
    int left, top, width, height;
    Traits traits = {};
};

constexpr int twipsPerPixel = 15;
constexpr QRect pixels(int left, int top, int width, int height)
{
    return {left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel, height / twipsPerPixel};
}

// Every control, bottom-most first: creating them in this order gives the stacking the layout wants.
std::span<const ControlSpec> controls();

// Where a control stands, in pixels in its container.
constexpr QRect pixels(const ControlSpec& spec)
{
    return pixels(spec.left, spec.top, spec.width, spec.height);
}

// Where a caption stands when its text needs textWidth pixels. The stand-in face may run wider than the
// classic one: the caption then grows to the left, its right edge kept against its field, into the free
// space before it on its row, but no further than the control standing there.
QRect captionGeometry(const ControlSpec& caption, int textWidth);

// The order the Tab key visits; the disabled fields, labels, frame and picture are not in it.
std::span<const char* const> tabOrder();

constexpr QSize clientSize{4545 / twipsPerPixel, 7305 / twipsPerPixel};

} // namespace window
