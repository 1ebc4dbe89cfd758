#include "tform1.h"

#include "errorbox.h"
#include "interfacelook.h"
#include "windowdescription.h"

#include <QApplication>

#include <exception>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
    try {
        applyInterfaceLook();
        loadJapaneseQtTexts(app);
        TForm1 form;
        form.show();
        app.exec();
    } catch (const std::exception &error) {
        showErrorBox(nullptr, QString::fromUtf8(error.what()));
    }
    return 0;
}
