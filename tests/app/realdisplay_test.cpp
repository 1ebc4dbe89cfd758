// The window on a real X server, driven by real key presses from xdotool:
// what reaches it the way a user's keys do, including keys typed while a
// render holds the event loop.
#include "interfacelook.h"
#include "tform1.h"

#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class RealDisplayTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyInterfaceLook(); }
    void typedKeysDrawAndQueueBehindARender();

private:
    static void xdotool(const QStringList &arguments)
    {
        QProcess::startDetached(QStringLiteral("xdotool"), arguments);
    }
};

void RealDisplayTest::typedKeysDrawAndQueueBehindARender()
{
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QProcess::execute(QStringLiteral("xdotool"),
                      {QStringLiteral("windowfocus"), QStringLiteral("--sync"),
                       QString::number(form.winId())});
    QTRY_VERIFY(form.isActiveWindow());

    // A render long enough for the second key to arrive while it runs.
    form.RadioButton3->setChecked(true);
    form.viewParameters().IterationLimit = 5000;  // about a second
    form.Button1->setFocus();
    QList<int> positions;
    int rendersStarted = 0;
    connect(form.ProgressBar1, &QProgressBar::valueChanged, &form, [&](int value) {
        positions << value;
        rendersStarted += value == 1;
    });

    xdotool({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("150"),
             QStringLiteral("p"), QStringLiteral("p")});
    QTRY_COMPARE_WITH_TIMEOUT(rendersStarted, 2, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(positions.size(), 201, 20000);
    // One whole render, then the next: never a render inside another.
    for (int n = 0; n < 100; ++n) {
        QCOMPARE(positions[n], n + 1);
        QCOMPARE(positions[101 + n], n + 1);
    }
    QTest::qWait(300);
    QCOMPARE(rendersStarted, 2);
    QVERIFY(form.Button1->isEnabled());
}

QTEST_MAIN(RealDisplayTest)
#include "realdisplay_test.moc"
