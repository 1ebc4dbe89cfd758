#pragma once

#include <QChar>
#include <QString>
#include <QtGlobal>

// Text for the edit boxes: 15 significant digits, fixed notation when the
// rounded value lies in 1E-4 <= |v| < 1E15, otherwise scientific
// ("1,5E-5"); never a thousands separator, so the text reads back
// unambiguously.
QString numberText(double v, QChar decimalSeparator);

QString numberText(qint32 v);

// The decimal separator of the user's locale, '.' if the locale has none.
QChar systemDecimalSeparator();
