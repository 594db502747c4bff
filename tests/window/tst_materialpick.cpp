// SPDX-License-Identifier: GPL-3.0-or-later
// Picking a material: from the list, by arrow keys, not by typing or the wheel.
#include "Form1Fixture.h"

class TestMaterialPick : public Form1Fixture
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpOnce(); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void picks_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("material");
        QTest::addColumn<QString>("density");
        QTest::newRow("Agate") << "en_US"
                               << "Agate"
                               << "2.6";
        QTest::newRow("comma locale, Agate") << "de_DE"
                                             << "Agate"
                                             << "2,6";
        QTest::newRow("Actinolite") << "en_US"
                                    << "Actinolite"
                                    << "3.25";
        QTest::newRow("Alabaster") << "en_US"
                                   << "Alabaster"
                                   << "2.25";
        QTest::newRow("last row") << "en_US"
                                  << "Zirconia"
                                  << "5.8";
    }

    void picks()
    {
        QFETCH(QString, locale);
        QFETCH(QString, material);
        QFETCH(QString, density);
        QLocale::setDefault(QLocale(locale));
        pickFromList(material);
        QCOMPARE(edit("spec")->text(), density);
        QCOMPARE(mat()->currentText(), material);
        // Heard as shown, in the locale's format.
        QCOMPARE(QAccessible::queryAccessibleInterface(control("announcement"))->text(QAccessible::Name),
                 QStringLiteral("Density ") + density);
        // Showing a material, the box is still named by its label (the frame's title labels it too): a
        // bridge that names an editable box by its text, as Linux's does, would otherwise call it "Agate".
        QStringList labels;
        for (const auto& [label, relation] :
             QAccessible::queryAccessibleInterface(mat())->relations(QAccessible::Label))
            labels << label->text(QAccessible::Name);
        QVERIFY2(labels.contains(QStringLiteral("Material")), qPrintable(labels.join(QLatin1Char(','))));
    }

    void pickMapsThroughItemData()
    {
        // Were the list ever reordered, the row stored with the item still decides.
        mat()->setItemData(1, 0);
        pickFromList(QStringLiteral("Agate"));
        QCOMPARE(edit("spec")->text(), QStringLiteral("3.25"));
    }

    void secondPickReplacesTheFirst()
    {
        pickFromList(QStringLiteral("Agate"));
        pickFromList(QStringLiteral("Diamond"));
        QCOMPARE(edit("spec")->text(), QStringLiteral("3.52"));
    }

    void arrowKeysPick_data()
    {
        QTest::addColumn<QString>("before"); // the material picked before Reset All, or none
        QTest::newRow("from the start") << QString();
        QTest::newRow("after Reset All, from the first row again") << "Alabaster";
    }

    void arrowKeysPick()
    {
        QFETCH(QString, before);
        if (!before.isEmpty()) {
            pickFromList(before);
            QTest::mouseClick(button("Command2"), Qt::LeftButton);
            QCOMPARE(mat()->currentIndex(), -1);
            QCOMPARE(mat()->currentText(), QStringLiteral("Material"));
            QCOMPARE(mat()->count(), 71);
        }
        mat()->setFocus();
        QTest::keyClick(mat(), Qt::Key_Down);
        QCOMPARE(edit("spec")->text(), QStringLiteral("3.25"));
        QTest::keyClick(mat(), Qt::Key_Down);
        QCOMPARE(mat()->currentText(), QStringLiteral("Agate"));
        QCOMPARE(edit("spec")->text(), QStringLiteral("2.6"));
    }

    void typingIsNoPick()
    {
        mat()->setFocus();
        mat()->lineEdit()->selectAll();
        QTest::keyClicks(mat(), QStringLiteral("Agate"));
        QVERIFY(edit("spec")->text().isEmpty());
        QTest::keyClick(mat(), Qt::Key_Return);
        QVERIFY(edit("spec")->text().isEmpty());
        QCOMPARE(mat()->count(), 71);
        QTest::keyClicks(mat(), QStringLiteral("Moonstone"));
        QTest::keyClick(mat(), Qt::Key_Return);
        QCOMPARE(mat()->count(), 71);
        QTest::keyClick(mat(), Qt::Key_Tab); // leaving the field is no pick either
        QVERIFY(edit("spec")->text().isEmpty());
    }

    void wheelDoesNotChangeTheMaterial()
    {
        pickFromList(QStringLiteral("Agate"));
        const QPoint centre = mat()->rect().center();
        for (int delta : {-120, 120, -120}) {
            QWheelEvent wheel(centre, mat()->mapToGlobal(centre), QPoint(), QPoint(0, delta), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(mat(), &wheel);
        }
        QCOMPARE(mat()->currentText(), QStringLiteral("Agate"));
        QCOMPARE(edit("spec")->text(), QStringLiteral("2.6"));
    }
};

QTEST_MAIN(TestMaterialPick)
#include "tst_materialpick.moc"
