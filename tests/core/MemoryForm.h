// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Form.h"

#include <QMap>
#include <QStringList>

// The form in memory: every write is recorded as "field=text" and every warning as "warn:text", in order.
class MemoryForm final : public core::Form
{
public:
    QString text(core::Field field) const override { return m_texts.value(field); }
    void setText(core::Field field, const QString& text) override
    {
        m_texts[field] = text;
        events << core::controlName(field) + QLatin1Char('=') + text;
    }
    void warn(const QString& message) override { events << QStringLiteral("warn:") + message; }

    // Sets a field the way the user types into it: not recorded.
    void type(core::Field field, const QString& text) { m_texts[field] = text; }

    QStringList events;

private:
    QMap<core::Field, QString> m_texts;
};
