// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FieldSet.h"

#include <QString>
#include <utility>
#include <vector>

namespace core {

// What the calculation sees of the window: texts in, texts and warnings out.
class Form
{
public:
    virtual ~Form() = default;
    virtual QString text(Field field) const = 0;
    virtual void setText(Field field, const QString& text) = 0;
    // Returns once the user has dismissed the warning.
    virtual void warn(const QString& message) = 0;
};

using Writes = std::vector<std::pair<Field, QString>>;

// A form that passes everything on to another and keeps the list of what was written through it.
class WriteLog final : public Form
{
public:
    explicit WriteLog(Form& form) : m_form(form) {}
    QString text(Field field) const override { return m_form.text(field); }
    void setText(Field field, const QString& text) override
    {
        m_form.setText(field, text);
        m_writes.emplace_back(field, text);
    }
    void warn(const QString& message) override { m_form.warn(message); }
    const Writes& writes() const { return m_writes; }

private:
    Form& m_form;
    Writes m_writes;
};

} // namespace core
