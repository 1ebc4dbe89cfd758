#include "bmpwriter.h"
#include "encodedbmp.h"
#include "saveerror.h"
#include "savepicture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

QImage picture(QRgb colour)
{
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                  | QDir::NoDotAndDotDot);
}

// Code points written out so the half-width katakana cannot be confused
// with the full-width ones: ﾌｧｲﾙ %1 を作成できません.
const char cannotCreateText[] =
    "\uFF8C\uFF67\uFF72\uFF99 %1 \u3092\u4F5C\u6210\u3067\u304D\u307E\u305B\u3093";

} // namespace

class SavePictureTest : public QObject
{
    Q_OBJECT

private slots:
    void replacesExistingFile();
    void cannotCreate_data();
    void cannotCreate();
};

void SavePictureTest::replacesExistingFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // No extension: the name is used exactly as given.
    const QString path = dir.filePath(QStringLiteral("test"));
    const QImage first = picture(qRgb(255, 0, 0));
    const QImage second = picture(qRgb(0, 0, 255));

    savePicture(first, path);
    savePicture(second, path);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    QCOMPARE(written.size(), 120054);
    QCOMPARE(written, encodedBmp(second));
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("test")});
}

void SavePictureTest::cannotCreate_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("folderInTheWay");

    QTest::newRow("no such folder") << QStringLiteral("missing/picture.bmp") << false;
    QTest::newRow("a folder of that name") << QStringLiteral("picture.bmp") << true;
}

void SavePictureTest::cannotCreate()
{
    QFETCH(QString, name);
    QFETCH(bool, folderInTheWay);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (folderInTheWay)
        QVERIFY(QDir(dir.path()).mkdir(name));
    const QStringList before = entries(dir.path());
    const QString path = dir.filePath(name);

    QByteArray message;
    try {
        savePicture(picture(qRgb(0, 255, 0)), path);
    } catch (const SaveError &error) {
        message = error.what();
    }
    // The full path as given, not just the file name.
    QCOMPARE(message, QString::fromUtf8(cannotCreateText).arg(path).toUtf8());
    QCOMPARE(entries(dir.path()), before);
    if (folderInTheWay)
        QVERIFY(entries(path).isEmpty());
}

QTEST_GUILESS_MAIN(SavePictureTest)
#include "savepicture_test.moc"
