// SPDX-License-Identifier: GPL-3.0-or-later
// Calculate! and the resets through the fields, as a user types them.
#include "Form1Fixture.h"

class TestCalculation : public Form1Fixture
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpOnce(); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void typicalUseEndToEnd()
    {
        typeTypicalParameters();
        QCOMPARE(edit("spec")->text(), QStringLiteral("3.25"));
        type("wit", "10");
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        QVERIFY(m_messages->warnings.isEmpty());
        QCOMPARE(edit("thi")->text(), QStringLiteral("5.80"));
        QCOMPARE(edit("ct")->text(), QStringLiteral("9.75"));
        QCOMPARE(edit("lengh")->text(), QStringLiteral("10.00"));
        QCOMPARE(edit("pavillion")->text(), QStringLiteral("4.30"));
        QCOMPARE(edit("crown")->text(), QStringLiteral("1.50"));
        QCOMPARE(edit("wit")->text(), QStringLiteral("10"));

        edit("thi")->setText(QStringLiteral("changed"));
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        QCOMPARE(edit("thi")->text(), QStringLiteral("changed")); // four targets filled: nothing written

        QTest::mouseClick(button("Command4"), Qt::LeftButton);
        for (const char* name : {"wit", "lengh", "thi", "ct", "pavillion", "crown"})
            QVERIFY2(edit(name)->text().isEmpty(), name);
        QCOMPARE(edit("spec")->text(), QStringLiteral("3.25"));
        QCOMPARE(edit("vl")->text(), QStringLiteral("1"));
        QCOMPARE(mat()->currentText(), QStringLiteral("Actinolite"));
    }

    void everyCaseThroughTheFields_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QStringList>("expected"); // wit, lengh, thi, ct, pavillion, crown
        QTest::newRow("width") << "wit"
                               << "10" << QStringList{"10", "15.00", "5.80", "9.75", "4.30", "1.50"};
        QTest::newRow("length") << "lengh"
                                << "15" << QStringList{"10.00", "15", "5.80", "9.75", "4.30", "1.50"};
        QTest::newRow("weight") << "ct"
                                << "9.75" << QStringList{"10.00", "15.00", "5.80", "9.75", "4.30", "1.50"};
        QTest::newRow("height") << "thi"
                                << "5.8" << QStringList{"10.00", "15.00", "5.8", "9.75", "4.30", "1.50"};
    }

    void everyCaseThroughTheFields()
    {
        QFETCH(QString, target);
        QFETCH(QString, given);
        QFETCH(QStringList, expected);
        typeTypicalParameters();
        type("vl", "1.5");
        type(target, given);
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        QVERIFY(m_messages->warnings.isEmpty());
        const QStringList names{"wit", "lengh", "thi", "ct", "pavillion", "crown"};
        QStringList shown;
        for (const QString& name : names)
            shown << edit(name)->text();
        QCOMPARE(shown, expected);
    }

    void resetsKeepTheStoredNumbers()
    {
        typeTypicalParameters();
        type("wit", "10");
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        const core::CalcState stored = m_form->calcState();

        QTest::mouseClick(button("Command4"), Qt::LeftButton);
        QCOMPARE(m_form->calcState(), stored);
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        QCOMPARE(m_form->calcState(), stored);
        for (const QString& name : textFields)
            QVERIFY2(edit(name)->text().isEmpty(), qPrintable(name));
        QCOMPARE(mat()->currentText(), QStringLiteral("Material"));
        QCOMPARE(mat()->count(), 71);

        // Only the width given: the warnings come, then the stored density and ratios are used.
        type("wit", "10");
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        QCOMPARE(m_messages->warnings.size(), 5);
        QCOMPARE(edit("ct")->text(), QStringLiteral("9.75"));
        QCOMPARE(edit("thi")->text(), QStringLiteral("5.80"));

        pickFromList(QStringLiteral("Agate"));
        QCOMPARE(edit("spec")->text(), QStringLiteral("2.6"));
    }

    void figuresWaitForWarningsThatDoNotWait()
    {
        typeTypicalParameters();
        type("wit", "10");
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        QTest::mouseClick(button("Command4"), Qt::LeftButton);
        edit("vl")->clear();
        type("wit", "10");
        m_messages->holding = true;
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        QCOMPARE(m_messages->warnings, QStringList{"Please insert a valid L/W Thanks."});
        QVERIFY(edit("ct")->text().isEmpty());
        m_messages->pressAway();
        QCOMPARE(edit("ct")->text(), QStringLiteral("9.75"));
        QCOMPARE(edit("pavillion")->text(), QStringLiteral("4.30"));
    }

    void warningsComeInOrder()
    {
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        QCOMPARE(m_messages->warnings,
                 (QStringList{"Please Select a Material.", "Please insert a valid L/W Thanks.",
                              "Please insert a valid P/W Thanks.", "Please insert a valid C/W Thanks.",
                              "Please insert a valid Vol/W3 Thanks.", "Please insert at least a known dimension ."}));
        for (const QString& name : textFields)
            QVERIFY2(edit(name)->text().isEmpty(), qPrintable(name));
    }

    void hostileTextsLeaveTheWindowWhole_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        // Four times a line edit's default limit. (Not more: under Wine the tests' bitmap face is read
        // from its file again for each character laid out.)
        QTest::newRow("128 KB of digits") << "en_US" << QString(1 << 17, QLatin1Char('7'));
        QTest::newRow("control characters") << "en_US" << QStringLiteral("1\x01\x02\t\r\n\x1b[2J5");
        QTest::newRow("400 digits") << "en_US" << QString(400, QLatin1Char('9'));
        QTest::newRow("1e309") << "en_US" << QStringLiteral("1e309");
        QTest::newRow("nan") << "en_US" << QStringLiteral("nan");
        QTest::newRow("comma number under a point locale") << "en_US" << QStringLiteral("2,6");
        QTest::newRow("point number under a comma locale") << "de_DE" << QStringLiteral("2.6");
        QTest::newRow("right-to-left text") << "ar_EG" << QStringLiteral("\u200F\u0661\u0665\u066B\u0665 \u0645\u0645");
        QTest::newRow("lone surrogate") << "en_US" << QString(QChar(0xD800));
    }

    void hostileTextsLeaveTheWindowWhole()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(locale));
        pickFromList(QStringLiteral("Agate"));
        QApplication::clipboard()->setText(text);
        for (const char* name : {"vl", "pw", "cw", "w3", "wit", "lengh", "thi", "ct"}) {
            edit(name)->setFocus();
            QTest::keyClick(edit(name), Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(edit(name)->text().size(), text.size());
        }
        mat()->setFocus();
        QTest::keyClick(mat(), Qt::Key_V, Qt::ControlModifier);
        for (const char* name : {"Command1", "Command4", "Command1", "Command2", "Command1"})
            QTest::mouseClick(button(name), Qt::LeftButton);
        QCOMPARE(mat()->count(), 71);
        const QStringList known = core::knownWarnings();
        for (const QString& warning : m_messages->warnings)
            QVERIFY2(known.contains(warning), qPrintable(warning));
        type("vl", "1.5");
        QCOMPARE(edit("vl")->text(), QStringLiteral("1.5"));
        pickFromList(QStringLiteral("Diamond"));
        QCOMPARE(edit("spec")->text(), QLocale().toString(3.52));
    }
};

QTEST_MAIN(TestCalculation)
#include "tst_calculation.moc"
