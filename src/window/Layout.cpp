// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/Layout.h"

#include "core/FieldSet.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace window {

namespace {

constexpr QRgb blue = 0x0000FF, orange = 0xFF8000, red = 0xFF0000, green = 0x00C000, darkOrange = 0xC04000,
               lightGrey = 0xC0C0C0;

// clang-format off
constexpr ControlSpec table[] = {
    // On the window.
    {"Label13",   Kind::Label,    Container::Window,
     // Sixteen leading blanks stand the notice roughly in the middle of the line.
     "                Tavelon " TAVELON_VERSION " - step-cut proportions and weight",
                                                                                  135, 7065, 4320,  195, {.textColour = red}},
    {"Frame1",    Kind::Frame,    Container::Window, "Tavelon",                   120,   90, 4335, 5655},
    {"Command1",  Kind::Button,   Container::Window, "Calculate!",                120, 5760, 4335,  375, {.bold = true, .action = Action::Calculate}},
    {"Command2",  Kind::Button,   Container::Window, "Reset All",                 120, 6600, 2295,  375, {.action = Action::ResetAll}},
    {"Command3",  Kind::Button,   Container::Window, "Exit",                     2400, 6600, 2055,  375, {.action = Action::Exit}},
    {"Command4",  Kind::Button,   Container::Window, "Targets Reset",             120, 6120, 4335,  375, {.action = Action::TargetsReset}},
    // In the frame: the labels, line and picture beneath the fields.
    {"sp",        Kind::Label,    Container::Frame,  "Density",                  2760,  360,  615, 255, {.captionOf = "spec"}},
    {"Label1",    Kind::Label,    Container::Frame,  "Yeld Vol./W^3 ",           2280, 2760, 1095, 255, {.captionOf = "w3"}},
    {"Label2",    Kind::Label,    Container::Frame,  "Width Target (mm)",         600, 3480, 1335, 255, {.textColour = blue, .captionOf = "wit"}},
    {"Label3",    Kind::Label,    Container::Frame,  "L/W",                       120, 2400,  375, 255, {.captionOf = "vl"}},
    {"Label4",    Kind::Label,    Container::Frame,  "P/W",                      3000, 2400,  375, 255, {.captionOf = "pw"}},
    {"Label5",    Kind::Label,    Container::Frame,  "C/W",                       120, 2760,  375, 255, {.captionOf = "cw"}},
    {"Label6",    Kind::Label,    Container::Frame,  "Lenght Target (mm)",        480, 3840, 1455, 255, {.textColour = orange, .captionOf = "lengh"}},
    {"Label7",    Kind::Label,    Container::Frame,  "Total Height Target (mm)",  120, 4920, 1815, 255, {.captionOf = "thi"}},
    {"Label8",    Kind::Label,    Container::Frame,  "Final Weight (Ct)",         720, 5280, 1215, 255, {.captionOf = "ct"}},
    {"Label9",    Kind::Label,    Container::Frame,  "Crown (mm)",               1080, 4560,  855, 255, {.textColour = red, .captionOf = "crown"}},
    {"Label11",   Kind::Label,    Container::Frame,  "Pavillion (mm)",            960, 4200,  975, 255, {.textColour = green, .captionOf = "pavillion"}},
    {"Line1",     Kind::Line,     Container::Frame,  "",                            0, 3240, 4320,  15, {.textColour = lightGrey}},
    {"Image1",    Kind::Picture,  Container::Frame,  "",                           45,  810, 4245, 1440},
    {"Label12",   Kind::Label,    Container::Frame,  "Tip:                   you must input only one of the final teget "
                                                     "measurements and Tavelon will do the rest!",
                                                                                 3060, 3720, 1170, 1515, {.textColour = darkOrange, .wrap = true}},
    // In the frame: the fields, topmost last.
    {"mat",       Kind::ComboBox, Container::Frame,  "Material",                  120,  360, 1935, 315},
    {"spec",      Kind::TextBox,  Container::Frame,  "",                         3480,  360,  735, 285, {.disabled = true}},
    {"w3",        Kind::TextBox,  Container::Frame,  "",                         3480, 2760,  735, 285},
    {"wit",       Kind::TextBox,  Container::Frame,  "",                         2040, 3480,  855, 285, {.textColour = blue}},
    {"lengh",     Kind::TextBox,  Container::Frame,  "",                         2040, 3840,  855, 285, {.textColour = orange}},
    {"vl",        Kind::TextBox,  Container::Frame,  "",                          600, 2400,  855, 285},
    {"pw",        Kind::TextBox,  Container::Frame,  "",                         3480, 2400,  735, 285},
    {"cw",        Kind::TextBox,  Container::Frame,  "",                          600, 2760,  855, 285},
    {"thi",       Kind::TextBox,  Container::Frame,  "",                         2040, 4920,  855, 285},
    {"ct",        Kind::TextBox,  Container::Frame,  "",                         2040, 5280,  855, 285},
    {"crown",     Kind::TextBox,  Container::Frame,  "",                         2040, 4560,  855, 285, {.textColour = red, .disabled = true, .readOnly = true}},
    // On the window, over the frame, topmost of all.
    {"pavillion", Kind::TextBox,  Container::Window, "",                         2160, 4320,  855, 285, {.textColour = green, .disabled = true, .readOnly = true}},
};

constexpr const char* tabs[] = {"mat", "vl", "pw", "cw", "w3", "wit", "lengh", "thi", "ct",
                                "Command1", "Command4", "Command2", "Command3"};
// clang-format on

// A misspelt name in the table fails the build, not the window at run time.
constexpr bool names(std::string_view name)
{
    return std::any_of(std::begin(table), std::end(table), [&](const ControlSpec& spec) { return name == spec.name; });
}
static_assert(std::all_of(std::begin(tabs), std::end(tabs), names), "the tab order names a control the table lacks");
static_assert(std::all_of(std::begin(table), std::end(table),
                          [](const ControlSpec& spec) {
                              const bool field = spec.kind == Kind::TextBox || spec.kind == Kind::ComboBox;
                              return (!field || core::fieldNamed(spec.name)) &&
                                     (!spec.traits.captionOf || core::fieldNamed(spec.traits.captionOf));
                          }),
              "a field or a caption's field has a name no field has");
static_assert(std::all_of(std::begin(table), std::end(table),
                          [](const ControlSpec& spec) {
                              return (spec.kind == Kind::Button) == (spec.traits.action != Action::None);
                          }),
              "a button without an action, or an action on another control");

} // namespace

std::span<const ControlSpec> controls()
{
    return table;
}

QRect captionGeometry(const ControlSpec& caption, int textWidth)
{
    QRect geometry = pixels(caption);
    if (textWidth <= geometry.width())
        return geometry;
    constexpr int gap = 4;
    int limit = pixels(120, 0, 0, 0).left(); // the layout's own left margin
    for (const ControlSpec& other : controls()) {
        const QRect rect = pixels(other);
        if (&other != &caption && other.container == caption.container && rect.right() < geometry.left() &&
            rect.top() <= geometry.bottom() && rect.bottom() >= geometry.top())
            limit = std::max(limit, rect.right() + 1 + gap);
    }
    geometry.setLeft(std::max(limit, geometry.right() + 1 - textWidth));
    return geometry;
}

std::span<const char* const> tabOrder()
{
    return tabs;
}

} // namespace window
