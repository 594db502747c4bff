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

    // Each name tied to its density. Apart from the first three rows, which are fixed values, the range
    // is a gemmological reference's, not the table's: the International Gem Society's "Specific Gravity
    // Values of Selected Gems" and "Gemstone Physical Properties" tables, and for single values F. B. Wade,
    // "A Text-Book of Precious Stones" (1918), taken to +-0.02. The materials cutters use most are here.
    void densities_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::newRow("Actinolite, fixed") << 0 << "Actinolite" << 3.25 << 3.25;
        QTest::newRow("Agate, fixed") << 1 << "Agate" << 2.6 << 2.6;
        QTest::newRow("Alabaster, fixed") << 2 << "Alabaster" << 2.25 << 2.25;
        QTest::newRow("Amber") << 4 << "Amber" << 1.05 << 1.096;
        QTest::newRow("Beryl: emerald, aquamarine") << 15 << "Beryl" << 2.66 << 2.80;
        QTest::newRow("Cassiterite") << 19 << "Cassiterite" << 6.70 << 7.10;
        QTest::newRow("Cerussite") << 20 << "Cerussite" << 6.46 << 6.57;
        QTest::newRow("Cinnabar") << 21 << "Cinnabar" << 8.00 << 8.20;
        QTest::newRow("Corundum: ruby, sapphire") << 22 << "Corundum" << 3.97 << 4.03;
        QTest::newRow("Chrysoberyl") << 23 << "Chrysoberyl" << 3.71 << 3.75;
        QTest::newRow("Diamond") << 26 << "Diamond" << 3.51 << 3.53;
        QTest::newRow("Fabulite") << 30 << "Fabulite" << 5.11 << 5.15;
        QTest::newRow("Garnet") << 34 << "Garnet" << 3.40 << 4.25;
        QTest::newRow("Opal") << 41 << "Opal" << 1.99 << 2.25;
        QTest::newRow("Peridot") << 43 << "Peridot" << 3.27 << 3.48;
        QTest::newRow("Pyrite") << 45 << "Pyrite" << 5.00 << 5.20;
        QTest::newRow("Quartz: amethyst, citrine") << 47 << "Quartz" << 2.63 << 2.68;
        QTest::newRow("Spinel") << 57 << "Spinel" << 3.58 << 3.62;
        QTest::newRow("Spodumene") << 58 << "Spodumene (Kunzite)" << 3.16 << 3.20;
        QTest::newRow("Tanzanite, a zoisite") << 59 << "Tanzanite" << 3.10 << 3.38;
        QTest::newRow("Titania, synthetic rutile") << 60 << "Titania" << 4.20 << 4.30;
        QTest::newRow("Topaz") << 61 << "Topaz" << 3.53 << 3.56;
        QTest::newRow("Tourmaline") << 62 << "Tourmaline" << 2.84 << 3.10;
        QTest::newRow("Wulfenite") << 66 << "Wulfenite" << 6.50 << 7.00;
        QTest::newRow("YAG") << 67 << "YAG" << 4.55 << 4.65;
        QTest::newRow("Zircon") << 69 << "Zircon" << 3.93 << 4.73;
        QTest::newRow("Cubic zirconia") << 70 << "Zirconia" << 5.50 << 6.00;
    }

    void densities()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(double, low);
        QFETCH(double, high);
        Materials table;
        table.mate();
        QCOMPARE(table.at(index).name, name);
        const double density = table.at(index).density;
        QVERIFY2(density >= low && density <= high, qPrintable(QString::number(density)));
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
