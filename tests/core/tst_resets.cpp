// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryForm.h"
#include "core/Resets.h"

#include <QTest>

using namespace core;

class TestResets : public QObject
{
    Q_OBJECT

private slots:
    void resetAllClearsEveryFieldInOrder()
    {
        MemoryForm form;
        for (Field field : allFields)
            form.type(field, QStringLiteral("1"));
        resetAll(form);
        QCOMPARE(form.events, (QStringList{"spec=", "vl=", "cw=", "pw=", "w3=", "wit=", "lengh=", "thi=", "ct=",
                                           "mat=Material", "pavillion=", "crown="}));
    }

    void resetTargetsKeepsMaterialAndRatios()
    {
        MemoryForm form;
        for (Field field : allFields)
            form.type(field, QStringLiteral("7"));
        resetTargets(form);
        QCOMPARE(form.events, (QStringList{"wit=", "lengh=", "thi=", "ct=", "pavillion=", "crown="}));
        for (Field kept : {Field::mat, Field::spec, Field::vl, Field::pw, Field::cw, Field::w3})
            QCOMPARE(form.text(kept), QStringLiteral("7"));
    }
};

QTEST_GUILESS_MAIN(TestResets)
#include "tst_resets.moc"
