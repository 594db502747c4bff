// SPDX-License-Identifier: GPL-3.0-or-later
// Turns fuzz input into a locale, a starting CalcState and the nine input texts, runs Calculate, and
// aborts when a run writes a field it must not, writes a figure that does not follow from the inputs,
// or shows a warning that is not one of the known ones in their order.
#include "MemoryForm.h"
#include "core/Calculate.h"
#include "core/TextRules.h"

#include <QLocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <map>

using core::Field;

namespace {

[[noreturn]] void fail(const char* what, const QString& detail = {})
{
    std::fprintf(stderr, "calculate_fuzzer: %s %s\n", what, qPrintable(detail.left(200)));
    std::abort();
}

struct Case
{
    Field known;
    std::array<Field, 3> others; // the targets that must be empty for this case
    std::array<Field, 5> writes;
};

// clang-format off
constexpr Case cases[] = {
    {Field::wit,   {Field::lengh, Field::thi, Field::ct},  {Field::thi, Field::ct, Field::lengh, Field::pavillion, Field::crown}},
    {Field::lengh, {Field::wit, Field::thi, Field::ct},    {Field::thi, Field::ct, Field::wit, Field::pavillion, Field::crown}},
    {Field::ct,    {Field::wit, Field::lengh, Field::thi}, {Field::thi, Field::wit, Field::lengh, Field::pavillion, Field::crown}},
    {Field::thi,   {Field::wit, Field::lengh, Field::ct},  {Field::wit, Field::lengh, Field::ct, Field::pavillion, Field::crown}},
};
// clang-format on

constexpr Field inputs[] = {Field::spec, Field::vl,    Field::pw,  Field::cw, Field::w3,
                            Field::wit,  Field::lengh, Field::thi, Field::ct};

double member(const core::CalcState& s, Field field)
{
    switch (field) {
    case Field::wit:
        return s.width;
    case Field::lengh:
        return s.length;
    case Field::thi:
        return s.totalHeight;
    case Field::ct:
        return s.weightCt;
    case Field::pavillion:
        return s.pavilionDepth;
    case Field::crown:
        return s.crownHeight;
    default:
        fail("not a result field");
    }
}

Field fieldNamed(const QString& name)
{
    const QByteArray latin = name.toLatin1();
    if (const std::optional<Field> field = core::fieldNamed(std::string_view(latin.constData(), latin.size())))
        return *field;
    fail("write to an unknown field", name);
}

// The text shown for a member: its value to two decimals, or the non-number text.
void checkText(const QString& text, double value)
{
    if (!std::isfinite(value)) {
        if (text != core::notANumberText())
            fail("non-finite member shown as", text);
        return;
    }
    const auto shown = core::parseNumber(text);
    if (!shown)
        fail("result text does not parse back", text);
    const double slack = 0.005 + std::fabs(value) * 1e-15;
    if (std::fabs(*shown - value) > slack)
        fail("result text is not the member to two decimals",
             text + QStringLiteral(" vs ") + QString::number(value, 'g', 17));
}

const char* const locales[] = {"C", "en_US", "de_DE", "fr_FR", "ar_EG", "hi_IN", "fa_IR", "he_IL"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    QLocale::setDefault(QLocale(QString::fromLatin1(provider.PickValueInArray(locales))));

    core::CalcState state;
    for (double* m : {&state.density, &state.lwRatio, &state.pwRatio, &state.cwRatio, &state.yieldRatio, &state.width,
                      &state.length, &state.totalHeight, &state.weightCt, &state.pavilionDepth, &state.crownHeight})
        *m = provider.ConsumeBool() ? provider.ConsumeFloatingPoint<double>() : 0.0;

    MemoryForm form;
    for (Field field : inputs) {
        const std::string text = provider.ConsumeRandomLengthString();
        form.type(field, QString::fromUtf8(text.data(), qsizetype(text.size())));
    }
    std::map<Field, QString> given;
    for (Field field : inputs)
        given[field] = form.text(field);

    core::Calculate(form, state);

    QStringList warnings;
    QList<Field> written;
    for (const QString& event : form.events) {
        if (event.startsWith(QStringLiteral("warn:"))) {
            warnings << event.mid(5);
            continue;
        }
        const qsizetype equals = event.indexOf(QLatin1Char('='));
        const Field field = fieldNamed(event.left(equals));
        written << field;
        checkText(event.mid(equals + 1), member(state, field));
    }

    // Warnings: known ones only, each at most once, in their order.
    const QStringList known = core::knownWarnings();
    qsizetype last = -1;
    for (const QString& warning : warnings) {
        const qsizetype at = known.indexOf(warning);
        if (at <= last)
            fail("unknown, repeated or out-of-order warning", warning);
        last = at;
    }

    const Case* selected = nullptr;
    for (const Case& c : cases) {
        if (std::all_of(c.others.begin(), c.others.end(), [&](Field f) { return given[f].isEmpty(); })) {
            selected = &c;
            break;
        }
    }
    if (written.isEmpty())
        return 0;
    if (!selected)
        fail("fields written with two or more targets given");
    if (written != QList<Field>(selected->writes.begin(), selected->writes.end()))
        fail("the written fields are not those of the case");
    // A figure is shown only when the known target was a number.
    if (!core::parseNumber(given[selected->known]))
        fail("figures written from a target that is not a number", given[selected->known]);
    return 0;
}
