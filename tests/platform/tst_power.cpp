// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Power.h"

#include <QTest>
#include <cmath>

class TestPower : public QObject
{
    Q_OBJECT

private slots:
    void realResults_data()
    {
        QTest::addColumn<double>("base");
        QTest::addColumn<double>("exponent");
        QTest::addColumn<double>("expected");
        QTest::newRow("cube") << 10.0 << 3.0 << 1000.0;
        QTest::newRow("cube of a negative is signed") << -10.0 << 3.0 << -1000.0;
        QTest::newRow("square of a negative") << -3.0 << 2.0 << 9.0;
        QTest::newRow("cube root of 8") << 8.0 << 1.0 / 3.0 << 2.0;
        QTest::newRow("cube root of 0") << 0.0 << 1.0 / 3.0 << 0.0;
        QTest::newRow("infinite base cubed")
            << std::numeric_limits<double>::infinity() << 3.0 << std::numeric_limits<double>::infinity();
    }

    void realResults()
    {
        QFETCH(double, base);
        QFETCH(double, exponent);
        QFETCH(double, expected);
        const auto result = platform::power(base, exponent);
        QVERIFY(result.has_value());
        QVERIFY2(std::fabs(*result - expected) <= 1e-12 * std::fabs(expected) || *result == expected,
                 qPrintable(QString::number(*result, 'g', 17)));
    }

    void negativeBaseWithFractionIsRefused_data()
    {
        QTest::addColumn<double>("base");
        QTest::addColumn<double>("exponent");
        QTest::newRow("cube root of -8") << -8.0 << 1.0 / 3.0;
        QTest::newRow("half of -1") << -1.0 << 0.5;
        QTest::newRow("tiny negative") << -1e-300 << 1.0 / 3.0;
    }

    void negativeBaseWithFractionIsRefused()
    {
        QFETCH(double, base);
        QFETCH(double, exponent);
        QVERIFY(!platform::power(base, exponent).has_value());
    }
};

QTEST_GUILESS_MAIN(TestPower)
#include "tst_power.moc"
