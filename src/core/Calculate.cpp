// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Calculate.h"

#include "core/TextRules.h"
#include "platform/Power.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <optional>

namespace core {

namespace {

const QString materialWarning = QStringLiteral("Please Select a Material.");
const QString dimensionWarning = QStringLiteral("Please insert at least a known dimension .");

QString ratioWarning(const char* ratio)
{
    return QStringLiteral("Please insert a valid %1 Thanks.").arg(QLatin1String(ratio));
}

constexpr double milligramsPerCarat = 200;

using Number = double CalcState::*;

struct RatioField
{
    Field field;
    const char* caption;
    Number member;
};

constexpr RatioField ratioFields[] = {
    {Field::vl, "L/W", &CalcState::lwRatio},
    {Field::pw, "P/W", &CalcState::pwRatio},
    {Field::cw, "C/W", &CalcState::cwRatio},
    {Field::w3, "Vol/W3", &CalcState::yieldRatio},
};

// One run of Calculate. A step that cannot produce its number leaves the member as it was and the run
// goes on; store() is where that rule lives.
class Run
{
public:
    Run(Form& form, CalcState& state) : m_form(form), m_s(state) {}

    void operator()()
    {
        checks();
        parameters();
        solve();
    }

private:
    static bool store(double& member, std::optional<double> value)
    {
        if (value)
            member = *value;
        return value.has_value();
    }

    std::optional<double> parse(Field field) const { return parseNumber(m_form.text(field)); }
    void write(Field field, double value) { m_form.setText(field, formatResult(value)); }
    bool empty(Field field) const { return isEmpty(m_form.text(field)); }

    // What follows from the width, and the width from each target given. Ordinary arithmetic cannot fail;
    // a failed power or a base of the root that is not finite can.
    std::optional<double> identity(double width) const { return width; }
    std::optional<double> lengthOf(double width) const { return width * m_s.lwRatio; }
    std::optional<double> totalHeightOf(double width) const { return (m_s.cwRatio + m_s.pwRatio) * width; }
    std::optional<double> weightOf(double width) const
    {
        const auto cube = platform::power(width, 3);
        if (!cube)
            return std::nullopt;
        return *cube * m_s.yieldRatio * m_s.density / milligramsPerCarat;
    }
    std::optional<double> widthFromLength(double length) const { return length / m_s.lwRatio; }
    std::optional<double> widthFromHeight(double height) const { return height / (m_s.cwRatio + m_s.pwRatio); }
    std::optional<double> widthFromWeight(double weight) const
    {
        const double base = weight * milligramsPerCarat / m_s.density / m_s.yieldRatio;
        // A zero density or yield divides by zero here; there is no width to take a root of.
        if (!std::isfinite(base))
            return std::nullopt;
        return platform::power(base, 1.0 / 3.0);
    }

    using Step = std::optional<double> (Run::*)(double) const;

    // The four targets: where each is stored and how it follows from the width.
    struct Target
    {
        Field field;
        Number member;
        Step fromWidth;
    };
    static constexpr Target targets[] = {
        {Field::wit, &CalcState::width, &Run::identity},
        {Field::lengh, &CalcState::length, &Run::lengthOf},
        {Field::thi, &CalcState::totalHeight, &Run::totalHeightOf},
        {Field::ct, &CalcState::weightCt, &Run::weightOf},
    };
    static const Target& target(Field field)
    {
        return *std::find_if(std::begin(targets), std::end(targets), [&](const Target& t) { return t.field == field; });
    }

    // One case a target given alone: the width from it, then the other three targets written in this order.
    // The first case whose other targets are empty is solved, so four empty targets count as the width.
    struct Case
    {
        Field given;
        Step widthFrom;
        std::array<Field, 3> writes;
    };
    static constexpr Case cases[] = {
        {Field::wit, &Run::identity, {Field::thi, Field::ct, Field::lengh}},
        {Field::lengh, &Run::widthFromLength, {Field::thi, Field::ct, Field::wit}},
        {Field::ct, &Run::widthFromWeight, {Field::thi, Field::wit, Field::lengh}},
        {Field::thi, &Run::widthFromHeight, {Field::wit, Field::lengh, Field::ct}},
    };

    void checks()
    {
        if (empty(Field::spec))
            m_form.warn(materialWarning);
        // A ratio that is not a number would silently reuse the previous stone's value: warn as for an empty one.
        for (const RatioField& ratio : ratioFields) {
            if (!parse(ratio.field))
                m_form.warn(ratioWarning(ratio.caption));
        }
        if (empty(Field::wit) && empty(Field::lengh) && empty(Field::thi) && empty(Field::ct)) {
            m_form.warn(dimensionWarning);
            m_dimensionWarned = true;
        }
    }

    void parameters()
    {
        store(m_s.density, parse(Field::spec));
        for (const RatioField& ratio : ratioFields)
            store(m_s.*ratio.member, parse(ratio.field));
    }

    void solve()
    {
        const auto alone = [&](const Case& c) {
            return std::all_of(std::begin(targets), std::end(targets),
                               [&](const Target& t) { return t.field == c.given || empty(t.field); });
        };
        const Case* chosen = std::find_if(std::begin(cases), std::end(cases), alone);
        if (chosen == std::end(cases))
            return; // two or more targets given: nothing to solve

        if (!solve(*chosen)) {
            // Writing figures derived from an earlier stone's width would look like an answer.
            if (!m_dimensionWarned)
                m_form.warn(dimensionWarning);
            return;
        }
        m_s.pavilionDepth = m_s.width * m_s.pwRatio;
        m_s.crownHeight = m_s.width * m_s.cwRatio;
        write(Field::pavillion, m_s.pavilionDepth);
        write(Field::crown, m_s.crownHeight);
    }

    bool solve(const Case& c)
    {
        const std::optional<double> given = parse(c.given);
        if (!store(m_s.*target(c.given).member, given) || !store(m_s.width, (this->*c.widthFrom)(*given)))
            return false;
        for (const Target& t : targets) {
            if (t.field != c.given)
                store(m_s.*t.member, (this->*t.fromWidth)(m_s.width));
        }
        for (Field field : c.writes)
            write(field, m_s.*target(field).member);
        return true;
    }

    Form& m_form;
    CalcState& m_s;
    bool m_dimensionWarned = false;
};

} // namespace

QStringList knownWarnings()
{
    QStringList warnings{materialWarning};
    for (const RatioField& ratio : ratioFields)
        warnings << ratioWarning(ratio.caption);
    warnings << dimensionWarning;
    return warnings;
}

void Calculate(Form& form, CalcState& state)
{
    Run(form, state)();
}

} // namespace core
