// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TextRules.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

using namespace core;

class TestTextRules : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void isEmptyTakesOnlyTheEmptyText()
    {
        QVERIFY(isEmpty(QString()));
        QVERIFY(isEmpty(QStringLiteral("")));
        QVERIFY(!isEmpty(QStringLiteral(" ")));
        QVERIFY(!isEmpty(QStringLiteral("\t")));
    }

    void parseAccepted_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("point locale, 2.6") << "en_US"
                                           << "2.6" << 2.6;
        QTest::newRow("point locale, integer") << "en_US"
                                               << "10" << 10.0;
        QTest::newRow("point locale, negative") << "en_US"
                                                << "-10" << -10.0;
        QTest::newRow("point locale, plus sign") << "en_US"
                                                 << "+0.43" << 0.43;
        QTest::newRow("point locale, leading point") << "en_US"
                                                     << ".5" << 0.5;
        QTest::newRow("point locale, blanks around") << "en_US"
                                                     << "  9.75 " << 9.75;
        QTest::newRow("point locale, zero") << "en_US"
                                            << "0" << 0.0;
        QTest::newRow("C locale, 0.15") << "C"
                                        << "0.15" << 0.15;
        QTest::newRow("comma locale, 2,6") << "de_DE"
                                           << "2,6" << 2.6;
        QTest::newRow("comma locale, negative") << "de_DE"
                                                << "-5,8" << -5.8;
        QTest::newRow("comma locale, integer") << "fr_FR"
                                               << "15" << 15.0;
        QTest::newRow("largest double") << "C"
                                        << "1.7976931348623157e308" << 1.7976931348623157e308;
        QTest::newRow("Arabic digits") << "ar_EG"
                                       << "\u0661\u0665\u066B\u0665" << 15.5;
        QTest::newRow("direction mark before the number") << "he_IL"
                                                          << "\u200F-15.5" << -15.5;
    }

    void parseAccepted()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(double, expected);
        QLocale::setDefault(QLocale(locale));
        const auto value = parseNumber(text);
        QVERIFY(value.has_value());
        QCOMPARE(*value, expected);
    }

    void parseRejected_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "en_US"
                               << "";
        QTest::newRow("lone blank") << "en_US"
                                    << " ";
        QTest::newRow("tab only") << "en_US"
                                  << "\t";
        QTest::newRow("word") << "en_US"
                              << "abc";
        QTest::newRow("number then word") << "en_US"
                                          << "10mm";
        QTest::newRow("two numbers") << "en_US"
                                     << "1 5";
        QTest::newRow("lone sign") << "en_US"
                                   << "-";
        QTest::newRow("lone point") << "en_US"
                                    << ".";
        QTest::newRow("inf") << "en_US"
                             << "inf";
        QTest::newRow("infinity") << "en_US"
                                  << "-infinity";
        QTest::newRow("nan") << "en_US"
                             << "nan";
        QTest::newRow("overflow 1e999") << "en_US"
                                        << "1e999";
        QTest::newRow("overflow 1e309") << "C"
                                        << "1e309";
        QTest::newRow("point locale, grouping 1,000") << "en_US"
                                                      << "1,000";
        QTest::newRow("point locale, comma decimal 2,6") << "en_US"
                                                         << "2,6";
        QTest::newRow("comma locale, 1.5 is no 15") << "de_DE"
                                                    << "1.5";
        QTest::newRow("comma locale, grouping 1.000,5") << "de_DE"
                                                        << "1.000,5";
        QTest::newRow("comma locale, point decimal 2.6") << "fr_FR"
                                                         << "2.6";
    }

    void parseRejected()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(locale));
        const auto value = parseNumber(text);
        QVERIFY2(!value.has_value(), qPrintable(QString::number(value.value_or(0))));
    }

    void formatResult_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0.5 gets two decimals") << "en_US" << 0.5 << "0.50";
        QTest::newRow("0.004 rounds to 0.00") << "en_US" << 0.004 << "0.00";
        QTest::newRow("no grouping separator") << "en_US" << 1234567.891 << "1234567.89";
        QTest::newRow("zero") << "en_US" << 0.0 << "0.00";
        QTest::newRow("negative") << "en_US" << -5.8 << "-5.80";
        QTest::newRow("tiny negative is not -0.00") << "en_US" << -0.004 << "0.00";
        QTest::newRow("negative zero is not -0.00") << "en_US" << -0.0 << "0.00";
        QTest::newRow("rounds up") << "en_US" << 9.7499999 << "9.75";
        QTest::newRow("just below ten") << "en_US" << 9.999999999999998 << "10.00";
        QTest::newRow("comma locale") << "de_DE" << 9.75 << "9,75";
        QTest::newRow("comma locale, no grouping") << "de_DE" << 1234567.891 << "1234567,89";
        QTest::newRow("comma locale, negative") << "de_DE" << -4.3 << "-4,30";
        QTest::newRow("large value keeps every digit") << "C" << 1e20 << "100000000000000000000.00";
    }

    void formatResult()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(QString, expected);
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(core::formatResult(value), expected);
    }

    void notANumberTextIsNoMeasurement_data()
    {
        QTest::addColumn<double>("value");
        QTest::newRow("+inf") << std::numeric_limits<double>::infinity();
        QTest::newRow("-inf") << -std::numeric_limits<double>::infinity();
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN();
    }

    void notANumberTextIsNoMeasurement()
    {
        QFETCH(double, value);
        for (const char* locale : {"C", "en_US", "de_DE"}) {
            QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
            const QString text = core::formatResult(value);
            QCOMPARE(text, notANumberText());
            QVERIFY(!parseNumber(text).has_value());
            QVERIFY(!text.contains(QRegularExpression(QStringLiteral("[0-9]"))));
        }
    }

    void resultParsesBackRounded_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("point locale") << "en_US";
        QTest::newRow("comma locale") << "de_DE";
        QTest::newRow("Arabic locale, minus with a letter mark") << "ar_EG";
        QTest::newRow("Persian locale, minus with a direction mark") << "fa_IR";
        QTest::newRow("Hebrew locale, minus with a direction mark") << "he_IL";
    }

    void resultParsesBackRounded()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        for (double value : {0.5, 9.745, 1234567.891, -4.301, 0.004, 123.456, -0.006}) {
            const auto back = parseNumber(core::formatResult(value));
            QVERIFY(back.has_value());
            QVERIFY2(std::fabs(*back - std::round(value * 100) / 100) < 1e-9, qPrintable(QString::number(value)));
        }
    }

    void densityText_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("3.25") << "en_US" << 3.25 << "3.25";
        QTest::newRow("2.6 without trailing digits") << "en_US" << 2.6 << "2.6";
        QTest::newRow("2.25") << "en_US" << 2.25 << "2.25";
        QTest::newRow("whole number") << "en_US" << 4.0 << "4";
        QTest::newRow("comma locale, 2,6") << "de_DE" << 2.6 << "2,6";
        QTest::newRow("comma locale, 3,25") << "fr_FR" << 3.25 << "3,25";
    }

    void densityText()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(QString, expected);
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(core::densityText(value), expected);
    }

    void spokenFigures_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("writes"); // "field=text", in the order written
        QTest::addColumn<QString>("expected");
        QTest::newRow("width case: the targets, then the results")
            << "en_US" << QStringList{"thi=5.80", "ct=9.75", "lengh=10.00", "pavillion=4.30", "crown=1.50"}
            << "Length 10.00 mm, total height 5.80 mm, weight 9.75 ct, pavilion 4.30 mm, crown 1.50 mm";
        QTest::newRow("comma locale, height case")
            << "de_DE" << QStringList{"wit=10,00", "lengh=15,00", "ct=9,75", "pavillion=4,30", "crown=1,50"}
            << "Width 10,00 mm, length 15,00 mm, weight 9,75 ct, pavilion 4,30 mm, crown 1,50 mm";
        QTest::newRow("density has no unit") << "en_US" << QStringList{"spec=3.25"} << "Density 3.25";
        QTest::newRow("no number, no unit")
            << "en_US" << QStringList{"wit=undefined", "crown=undefined"} << "Width undefined, crown undefined";
        QTest::newRow("written twice, said once as last written")
            << "en_US" << QStringList{"lengh=1.00", "lengh=2.00"} << "Length 2.00 mm";
        QTest::newRow("nothing written, nothing said") << "en_US" << QStringList{} << "";
    }

    void spokenFigures()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, writes);
        QFETCH(QString, expected);
        QLocale::setDefault(QLocale(locale));
        core::Writes written;
        for (const QString& write : writes) {
            const QByteArray name = write.section(QLatin1Char('='), 0, 0).toLatin1();
            const std::optional<core::Field> field = core::fieldNamed(std::string_view(name.constData(), name.size()));
            QVERIFY(field);
            written.emplace_back(*field, write.section(QLatin1Char('='), 1));
        }
        QCOMPARE(core::spokenFigures(written), expected);
    }
};

QTEST_GUILESS_MAIN(TestTextRules)
#include "tst_textrules.moc"
