#include "errorbox.h"

#include "windowdescription.h"

#include <QMessageBox>

void showErrorBox(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kApplicationTitle),
                    message + QLatin1Char('.'), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}
