// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/MaterialTable.h"

#include <QSet>
#include <QTest>
#include <stdexcept>

using namespace core;

class TestMaterialTable : public QObject
{
    Q_OBJECT

private slots:
    void boundsGive71Rows()
    {
        QCOMPARE(Materials::lowerBound(), 0);
        QCOMPARE(Materials::upperBound(), 70);
    }

    void emptyUntilMate()
    {
        Materials table;
        for (int i = Materials::lowerBound(); i <= Materials::upperBound(); ++i) {
            QVERIFY(table.at(i).name.isEmpty());
            QCOMPARE(table.at(i).density, 0.0);
        }
    }

    void namesThatAreEasyToGetWrong_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::newRow("first") << 0 << "Actinolite";
        QTest::newRow("longest, with blank and parentheses") << 58 << "Spodumene (Kunzite)";
        QTest::newRow("capitals") << 67 << "YAG";
        QTest::newRow("last") << 70 << "Zirconia";
        QTest::newRow("old spelling, anatase") << 5 << "Anatasium";
        QTest::newRow("old spelling, danburite") << 25 << "Danubrite";
        QTest::newRow("lapis and lazulite are two rows") << 38 << "Lapislazuli";
        QTest::newRow("lazulite") << 39 << "Lazuli";
        QTest::newRow("Amblygonite before Amber") << 3 << "Amblygonite";
        QTest::newRow("Amber after Amblygonite") << 4 << "Amber";
        QTest::newRow("Beryl before Berillonite") << 15 << "Beryl";
        QTest::newRow("Berillonite after Beryl") << 16 << "Berillonite";
        QTest::newRow("Corundum before Chrysoberyl") << 22 << "Corundum";
        QTest::newRow("Chrysoberyl after Corundum") << 23 << "Chrysoberyl";
        QTest::newRow("Opal before Obsidian") << 41 << "Opal";
        QTest::newRow("Obsidian after Opal") << 42 << "Obsidian";
        QTest::newRow("Pyrite before Prehnite") << 45 << "Pyrite";
        QTest::newRow("Prehnite after Pyrite") << 46 << "Prehnite";
        QTest::newRow("Sphalerite before Siderite") << 52 << "Sphalerite";
        QTest::newRow("Siderite after Sphalerite") << 53 << "Siderite";
    }

    void namesThatAreEasyToGetWrong()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        Materials table;
        table.mate();
        QCOMPARE(table.at(index).name, name);
    }

    void densities_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("density");
        QTest::newRow("Actinolite, fixed") << 0 << 3.25;
        QTest::newRow("Agate, fixed") << 1 << 2.6;
        QTest::newRow("Alabaster, fixed") << 2 << 2.25;
        // Well-known gem values, to within the spread of the references.
        QTest::newRow("Diamond") << 26 << 3.52;
        QTest::newRow("Corundum") << 22 << 4.00;
        QTest::newRow("Quartz") << 47 << 2.65;
        QTest::newRow("Cubic zirconia") << 70 << 5.80;
        QTest::newRow("Amber") << 4 << 1.08;
    }

    void densities()
    {
        QFETCH(int, index);
        QFETCH(double, density);
        Materials table;
        table.mate();
        QVERIFY2(std::fabs(table.at(index).density - density) <= (index < 3 ? 0.0 : 0.02),
                 qPrintable(QString::number(table.at(index).density)));
    }

    void everyRowIsAPlausibleGem()
    {
        Materials table;
        table.mate();
        QSet<QString> names;
        for (int i = Materials::lowerBound(); i <= Materials::upperBound(); ++i) {
            const MaterialEntry& row = table.at(i);
            QVERIFY2(!row.name.isEmpty(), qPrintable(QString::number(i)));
            QVERIFY2(row.name == row.name.trimmed(), qPrintable(row.name));
            names.insert(row.name);
            // From amber (about 1.1) to cinnabar (about 8.1), the lightest and heaviest gem materials.
            QVERIFY2(row.density >= 1.0 && row.density <= 8.2, qPrintable(row.name));
        }
        QCOMPARE(names.size(), 71);
    }

    void mateTwiceEqualsOnce()
    {
        Materials once, twice;
        once.mate();
        twice.mate();
        twice.mate();
        for (int i = Materials::lowerBound(); i <= Materials::upperBound(); ++i) {
            QCOMPARE(twice.at(i).name, once.at(i).name);
            QCOMPARE(twice.at(i).density, once.at(i).density);
        }
    }

    void outsideTheBoundsIsRefused_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("-1") << -1;
        QTest::newRow("71") << 71;
        QTest::newRow("most negative") << std::numeric_limits<int>::min();
        QTest::newRow("largest") << std::numeric_limits<int>::max();
    }

    void outsideTheBoundsIsRefused()
    {
        QFETCH(int, index);
        Materials table;
        table.mate();
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, table.at(index));
    }
};

QTEST_GUILESS_MAIN(TestMaterialTable)
#include "tst_materialtable.moc"
