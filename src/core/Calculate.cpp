// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Calculate.h"

#include "core/TextRules.h"
#include "platform/Power.h"

#include <cmath>
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

struct RatioField
{
    Field field;
    const char* caption;
    double CalcState::*member;
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

    // What follows from the width, each in one place; the cases differ only in where they start.
    double lengthOf(double width) const { return width * m_s.lwRatio; }
    double totalHeightOf(double width) const { return (m_s.cwRatio + m_s.pwRatio) * width; }
    std::optional<double> weightOf(double width) const
    {
        const auto cube = platform::power(width, 3);
        if (!cube)
            return std::nullopt;
        return *cube * m_s.yieldRatio * m_s.density / milligramsPerCarat;
    }

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
        const bool wit = empty(Field::wit), lengh = empty(Field::lengh), thi = empty(Field::thi), ct = empty(Field::ct);
        bool solved = false;
        if (lengh && thi && ct)
            solved = widthCase();
        else if (wit && thi && ct)
            solved = lengthCase();
        else if (wit && lengh && thi)
            solved = weightCase();
        else if (wit && lengh && ct)
            solved = heightCase();
        else
            return; // two or more targets given: nothing to solve

        if (!solved) {
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

    bool widthCase()
    {
        if (!store(m_s.width, parse(Field::wit)))
            return false;
        m_s.length = lengthOf(m_s.width);
        m_s.totalHeight = totalHeightOf(m_s.width);
        store(m_s.weightCt, weightOf(m_s.width));
        write(Field::thi, m_s.totalHeight);
        write(Field::ct, m_s.weightCt);
        write(Field::lengh, m_s.length);
        return true;
    }

    bool lengthCase()
    {
        if (!store(m_s.length, parse(Field::lengh)))
            return false;
        m_s.width = m_s.length / m_s.lwRatio;
        m_s.totalHeight = totalHeightOf(m_s.width);
        store(m_s.weightCt, weightOf(m_s.width));
        write(Field::thi, m_s.totalHeight);
        write(Field::ct, m_s.weightCt);
        write(Field::wit, m_s.width);
        return true;
    }

    bool weightCase()
    {
        if (!store(m_s.weightCt, parse(Field::ct)))
            return false;
        const double third = 1.0 / 3.0;
        const double base = m_s.weightCt * milligramsPerCarat / m_s.density / m_s.yieldRatio;
        // A zero density or yield divides by zero here; there is no width to take a root of.
        if (!std::isfinite(base) || !store(m_s.width, platform::power(base, third)))
            return false;
        m_s.length = lengthOf(m_s.width);
        m_s.totalHeight = totalHeightOf(m_s.width);
        write(Field::thi, m_s.totalHeight);
        write(Field::wit, m_s.width);
        write(Field::lengh, m_s.length);
        return true;
    }

    bool heightCase()
    {
        const auto height = parse(Field::thi);
        if (!store(m_s.totalHeight, height))
            return false;
        m_s.width = *height / (m_s.cwRatio + m_s.pwRatio);
        m_s.length = lengthOf(m_s.width);
        store(m_s.weightCt, weightOf(m_s.width));
        write(Field::wit, m_s.width);
        write(Field::lengh, m_s.length);
        write(Field::ct, m_s.weightCt);
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
