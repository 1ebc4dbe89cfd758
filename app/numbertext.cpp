#include "numbertext.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <system_error>

namespace {

constexpr int roundedDigits = 15;
// The first rounding keeps three guard digits beyond the shown ones.
constexpr int guardedDigits = 18;

} // namespace

QString numberText(double v, QChar decimalSeparator)
{
    // Stored values are checked for overflow, so these only guard against
    // garbage text should one ever slip through.
    if (std::isnan(v))
        return QStringLiteral("NAN");
    if (std::isinf(v))
        return v < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (v == 0.0)
        return QStringLiteral("0");

    // The value is rounded twice, first to 18 and then to 15 digits, which
    // now and then gives a different last digit than a single rounding
    // (%.15g) would; the texts must stay the ones the program has always
    // written. to_chars rounds the exact binary value correctly, giving
    // "d.ddddddddddddddddde[+-]x".
    char buffer[40];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(v),
                                            std::chars_format::scientific, guardedDigits - 1);
    Q_ASSERT(error == std::errc());

    char digits[guardedDigits];
    digits[0] = buffer[0];
    for (int i = 1; i < guardedDigits; ++i)
        digits[i] = buffer[i + 1];

    const char *exponentText = buffer + guardedDigits + 2;
    if (*exponentText == '+')
        ++exponentText;
    int tenPower = 0; // |v| = 0.d1d2d3... * 10^tenPower
    std::from_chars(exponentText, end, tenPower);
    ++tenPower;

    if (digits[roundedDigits] >= '5') {
        int i = roundedDigits - 1;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits[0] = '1';
            ++tenPower;
        }
    }
    int count = roundedDigits;
    while (count > 1 && digits[count - 1] == '0')
        --count;

    QString text;
    if (v < 0)
        text += QLatin1Char('-');
    if (tenPower >= -3 && tenPower <= roundedDigits) {
        if (tenPower > 0) {
            for (int i = 0; i < tenPower; ++i)
                text += QLatin1Char(i < count ? digits[i] : '0');
            if (count > tenPower) {
                text += decimalSeparator;
                text += QLatin1StringView(digits + tenPower, count - tenPower);
            }
        } else {
            text += QLatin1Char('0');
            text += decimalSeparator;
            text += QString(-tenPower, QLatin1Char('0'));
            text += QLatin1StringView(digits, count);
        }
    } else {
        text += QLatin1Char(digits[0]);
        if (count > 1) {
            text += decimalSeparator;
            text += QLatin1StringView(digits + 1, count - 1);
        }
        text += QLatin1Char('E');
        text += QString::number(tenPower - 1);
    }
    return text;
}

QString numberText(qint32 v)
{
    return QString::number(v);
}

QChar systemDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}
