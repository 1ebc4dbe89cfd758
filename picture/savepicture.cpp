#include "savepicture.h"

#include "bmpwriter.h"
#include "saveerror.h"

#include <QImage>
#include <QSaveFile>
#include <QString>

void savePicture(const QImage &picture, const QString &path)
{
    // QSaveFile also refuses a folder of that name here, at open().
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw SaveError::cannotCreate(path);

    // Without commit() the target stays untouched; commit() after
    // cancelWriting() deletes the temporary file instead of renaming it.
    if (!writeBmp(picture, file)) {
        file.cancelWriting();
        file.commit();
        throw SaveError::writeFailed();
    }
    if (!file.commit())
        throw SaveError::writeFailed();
}
