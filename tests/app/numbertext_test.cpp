#include "numbertext.h"

#include <QTest>

#include <cstdint>
#include <limits>

// Digit strings in the comments are the exact decimal values of the doubles;
// "digits" means the first 18 significant ones, the 16th of which decides
// the 15-digit rounding.
class NumberTextTest : public QObject
{
    Q_OBJECT

private slots:
    void doubleText_data();
    void doubleText();
    void integerText_data();
    void integerText();
};

void NumberTextTest::doubleText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("expected");

    const QChar dot = QLatin1Char('.');
    const QChar comma = QLatin1Char(',');

    QTest::newRow("zero") << 0.0 << dot << QStringLiteral("0");
    QTest::newRow("negative zero has no sign") << -0.0 << dot << QStringLiteral("0");
    QTest::newRow("negative half") << -0.5 << dot << QStringLiteral("-0.5");
    // 1.8 * 0.5 is exact: the double nearest 0.9, 0.900000000000000022.
    QTest::newRow("product shows its short form") << 1.8 * 0.5 << dot << QStringLiteral("0.9");
    // 0.113000000000000003...: digit 16 is 0, the tail is dropped.
    QTest::newRow("small fraction") << 0.113 << dot << QStringLiteral("0.113");
    // 0.744999999999999995...: digits 744999999999999996, digit 16 is 9,
    // the carry runs up to the 4.
    QTest::newRow("stored below, rounds up") << -0.745 << dot << QStringLiteral("-0.745");
    // 2.29999999999999982...: digits 229999999999999982 round up to 23.
    QTest::newRow("negative with integer part") << -2.3 << dot << QStringLiteral("-2.3");
    // -0.5 - 1.8 rounds to the double of -2.3, adding 1.8 back leaves
    // -0.499999999999999778 (digits 499999999999999778): the error sits in
    // digit 16, so the sum still reads as -0.5.
    QTest::newRow("error beyond 15 digits hidden") << (-0.5 - 1.8) + 1.8 << dot
                                                   << QStringLiteral("-0.5");
    // 0.333333333333333315: digit 16 is 3.
    QTest::newRow("third") << 1.0 / 3.0 << dot << QStringLiteral("0.333333333333333");
    // 1234.56780000000003...
    QTest::newRow("integer and fraction digits") << 1234.5678 << dot
                                                 << QStringLiteral("1234.5678");
    QTest::newRow("integer padded with zeros") << 20.0 << dot << QStringLiteral("20");

    // Fixed notation ends at 0.1E-3 below and 0.1E16 above.
    // 1E-4 is 0.1E-3, the smallest power of ten still written out.
    QTest::newRow("1E-4 fixed") << 1e-4 << dot << QStringLiteral("0.0001");
    QTest::newRow("1E-5 scientific") << 1e-5 << dot << QStringLiteral("1E-5");
    // 1.8 / 2^14 = 0.000109863281250000003 (0.109...E-3), digit 16 is 0;
    // one more halving gives 0.0000549316406250000014 (0.549...E-4).
    QTest::newRow("1.8 / 2^14 fixed") << 1.8 / (1 << 14) << dot
                                      << QStringLiteral("0.00010986328125");
    QTest::newRow("1.8 / 2^15 scientific") << 1.8 / (1 << 15) << dot
                                           << QStringLiteral("5.4931640625E-5");
    // 1E14 is 0.1E15: fifteen integer digits, all but the first padding.
    QTest::newRow("1E14 fixed") << 1e14 << dot << QStringLiteral("100000000000000");
    QTest::newRow("1E15 scientific") << 1e15 << dot << QStringLiteral("1E15");
    // The double is 123456789012345680; digit 16 is 6.
    QTest::newRow("18-digit integer scientific") << 123456789012345678.0 << dot
                                                 << QStringLiteral("1.23456789012346E17");
    // 1.00000000000000002506E-300
    QTest::newRow("negative scientific") << -1e-300 << dot << QStringLiteral("-1E-300");
    // 4.94065645841246544E-324: digit 16 is 5.
    QTest::newRow("smallest denormal") << std::numeric_limits<double>::denorm_min() << dot
                                       << QStringLiteral("4.94065645841247E-324");
    // 1.79769313486231571E308: digit 16 is 5.
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << dot
                                    << QStringLiteral("1.79769313486232E308");

    // Rounding to 15 digits rounds a 16th digit of 5 up, no ties to even:
    // 100000000000000.5 is exact, digits 100000000000000500.
    QTest::newRow("16th digit 5 rounds up") << 100000000000000.5 << dot
                                            << QStringLiteral("100000000000001");
    // 0.25 + 9 * 2^-54 is exactly 0.2500000000000004996003...: digits
    // 16 to 19 are 4996, the 18-digit rounding makes 16 to 18 into 500, which
    // then rounds digit 15 up. A single rounding to 15 digits gives 0.25.
    QTest::newRow("two roundings differ from one") << 0.25 + 9 * 0x1p-54 << dot
                                                   << QStringLiteral("0.250000000000001");

    // A carry out of the first digit raises the exponent, which can move the
    // value into the other notation.
    // 1 - 2^-53 = 0.999999999999999888...
    QTest::newRow("carry to 1") << 1.0 - 0x1p-53 << dot << QStringLiteral("1");
    // 999999999999999.875 is exact (0.99...E15), the carry makes it 0.1E16.
    QTest::newRow("carry into scientific") << 999999999999999.875 << dot
                                           << QStringLiteral("1E15");
    // 0.0000999999999999999912 is 0.99...E-4, the carry makes it 0.1E-3.
    QTest::newRow("carry into fixed") << 9.999999999999999e-5 << dot
                                      << QStringLiteral("0.0001");
    // The literal 1E23 is stored as 99999999999999991611392.
    QTest::newRow("carry at 1E23") << 1e23 << dot << QStringLiteral("1E23");

    QTest::newRow("comma, fixed") << -0.5 << comma << QStringLiteral("-0,5");
    // Grouping would put a separator into the integer part; there is none.
    QTest::newRow("comma, no grouping") << 1234.5678 << comma << QStringLiteral("1234,5678");
    QTest::newRow("comma, scientific") << 1.5e-5 << comma << QStringLiteral("1,5E-5");
    QTest::newRow("comma, single digit has no separator") << 1e-5 << comma
                                                          << QStringLiteral("1E-5");

    QTest::newRow("infinity") << -std::numeric_limits<double>::infinity() << dot
                              << QStringLiteral("-INF");
}

void NumberTextTest::doubleText()
{
    QFETCH(double, value);
    QFETCH(QChar, separator);
    QFETCH(QString, expected);

    QCOMPARE(numberText(value, separator), expected);
}

void NumberTextTest::integerText_data()
{
    QTest::addColumn<qint32>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << qint32(0) << QStringLiteral("0");
    QTest::newRow("positive") << qint32(20) << QStringLiteral("20");
    QTest::newRow("negative") << qint32(-5) << QStringLiteral("-5");
    // Its magnitude does not fit into qint32.
    QTest::newRow("most negative") << qint32(INT32_MIN) << QStringLiteral("-2147483648");
}

void NumberTextTest::integerText()
{
    QFETCH(qint32, value);
    QFETCH(QString, expected);

    QCOMPARE(numberText(value), expected);
}

QTEST_APPLESS_MAIN(NumberTextTest)
#include "numbertext_test.moc"
