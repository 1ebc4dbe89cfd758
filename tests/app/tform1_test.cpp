// The main window against its description, its handlers, the render on
// screen, the error box and saving.
#include "faketarget.h"
#include "interfacelook.h"
#include "keptimage.h"
#include "paintbox.h"
#include "render.h"
#include "screencolor.h"
#include "tform1.h"
#include "windowdescription.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <optional>

namespace {

struct Expected {
    const char *name;
    const char *className;
    const char *parent;
    QRect geometry;
    const char *text;
};

// Written from the window's layout table, independently of the code's own.
const Expected kControls[] = {
    {"Image1", "KeptImage", "Form1", {32, 3, 200, 200}, nullptr},
    {"PaintBox1", "PaintBox", "Form1", {32, 3, 200, 200}, nullptr},
    {"ProgressBar1", "QProgressBar", "Form1", {19, 205, 230, 16}, nullptr},
    {"Panel1", "QFrame", "Form1", {0, 224, 425, 57}, nullptr},
    {"Label1", "QLabel", "Panel1", {8, 10, 12, 12}, "x="},
    {"Label2", "QLabel", "Panel1", {8, 34, 12, 12}, "y="},
    {"Label3", "QLabel", "Panel1", {224, 10, 12, 12}, "w="},
    {"Edit1", "QLineEdit", "Panel1", {24, 8, 105, 20}, "-0.5"},
    {"Edit2", "QLineEdit", "Panel1", {24, 32, 105, 20}, "0.0"},
    {"Edit3", "QLineEdit", "Panel1", {240, 8, 105, 20}, "1.8"},
    {"Button2", "QPushButton", "Panel1", {136, 8, 33, 17}, "左(&4)"},
    {"Button3", "QPushButton", "Panel1", {176, 8, 33, 17}, "右(&6)"},
    {"Button4", "QPushButton", "Panel1", {136, 32, 33, 17}, "上(&8)"},
    {"Button5", "QPushButton", "Panel1", {176, 32, 33, 17}, "下(&2)"},
    {"Button6", "QPushButton", "Panel1", {240, 32, 41, 17}, "縮小(&-)"},
    {"Button7", "QPushButton", "Panel1", {288, 32, 41, 17}, "拡大(&+)"},
    {"Button8", "QPushButton", "Panel1", {360, 8, 57, 17}, "ﾃﾞﾌｫﾙﾄ(&D)"},
    {"Button1", "QPushButton", "Panel1", {360, 32, 57, 17}, "描画(&P)"},
    {"Panel2", "QFrame", "Form1", {344, 0, 81, 223}, nullptr},
    {"Button10", "QPushButton", "Panel2", {16, 8, 57, 17}, "保存(&S)"},
    {"CheckBox2", "QCheckBox", "Panel2", {8, 32, 65, 17}, "保存する"},
    {"CheckBox1", "QCheckBox", "Panel2", {8, 48, 69, 17}, "詳細描画"},
    {"RadioButton1", "QRadioButton", "Panel2", {8, 88, 68, 17}, "ﾏﾝﾃﾞﾙﾌﾞﾛ"},
    {"RadioButton2", "QRadioButton", "Panel2", {8, 104, 65, 17}, "ｼﾞｭﾘｱ"},
    {"RadioButton3", "QRadioButton", "Panel2", {8, 120, 68, 17}, "超越関数"},
    {"Bevel1", "QFrame", "Panel2", {2, 152, 77, 2}, nullptr},
    {"Label4", "QLabel", "Panel2", {8, 160, 57, 12}, "色ナンバー"},
    {"Edit4", "QLineEdit", "Panel2", {8, 176, 65, 20}, "1"},
    {"Button9", "QPushButton", "Panel2", {16, 200, 57, 17}, "色変更(&C)"},
    {"Panel3", "QFrame", "Form1", {255, 0, 88, 223}, nullptr},
    {"Label5", "QLabel", "Panel3", {8, 136, 36, 12}, "再帰数"},
    {"Edit5", "QLineEdit", "Panel3", {8, 152, 73, 20}, "100"},
    {"Button11", "QPushButton", "Panel3", {24, 176, 57, 17}, "増やす(&9)"},
    {"Button12", "QPushButton", "Panel3", {24, 200, 57, 17}, "減らす(&3)"},
};

QString textOf(const QWidget *w)
{
    if (auto *b = qobject_cast<const QAbstractButton *>(w))
        return b->text();
    if (auto *e = qobject_cast<const QLineEdit *>(w))
        return e->text();
    if (auto *l = qobject_cast<const QLabel *>(w))
        return l->text();
    return {};
}

// Colour of the picture's pixel (x, y) as the window shows it.
QRgb shownPixel(TForm1 &form, int x, int y)
{
    const QImage shot = form.grab(QRect(32 + x, 3 + y, 1, 1)).toImage();
    return shot.pixel(0, 0) | 0xFF000000u;
}

} // namespace

class TForm1Test : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyInterfaceLook(); }

    void windowMatchesItsDescription();
    void captionsFitInTheInterfaceFont();

    void handlers_data();
    void handlers();
    void zoomInTexts();
    void zoomingReachesZeroAndStays();
    void overflowKeepsTheValue_data();
    void overflowKeepsTheValue();
    void colourNumberIsSeededByTheSecond();
    void decimalSeparatorFollowsTheLocale();

    void keysOnTheWindow_data();
    void keysOnTheWindow();
    void tabCyclesThroughTheWindow();

    void screenColors_data();
    void screenColors();
    void renderShowsTheEngineColours();
    void drawIsDisabledDuringARender();
    void pictureSurvivesHidingTheKeptImage();
    void typedTextIsNeverRead();
    void keysDuringARenderWaitForIt();
    void closeDuringARenderWaitsForIt();
    void renderErrorShowsOneBoxAndEnablesDraw();
    void errorBoxLooksRight();

    void saveButtonState();
    void saveWritesAndRemembersTheName();
    void saveDialogKeepsATypedNameAsIs();
    void saveErrorsAreReported();
};

void TForm1Test::windowMatchesItsDescription()
{
    TForm1 form;
    QCOMPARE(form.objectName(), QStringLiteral("Form1"));
    QCOMPARE(form.windowTitle(), QString::fromUtf8("Dedarezava ver. 1.00a  by Dirararev"));
    QCOMPARE(form.size(), QSize(425, 281));
    QCOMPARE(form.minimumSize(), QSize(425, 281));
    QCOMPARE(form.maximumSize(), QSize(425, 281));
    QCOMPARE(form.pos(), QPoint(195, 104));
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!form.windowIcon().isNull());
    QCOMPARE(form.windowIcon().availableSizes().value(0), QSize(32, 32));

    QSet<QString> seen;
    for (const Expected &e : kControls) {
        const QString name = QString::fromUtf8(e.name);
        auto *w = form.findChild<QWidget *>(name);
        QVERIFY2(w, e.name);
        seen.insert(name);
        QCOMPARE(QString::fromLatin1(w->metaObject()->className()),
                 QString::fromLatin1(e.className));
        QCOMPARE(w->parentWidget()->objectName(), QString::fromUtf8(e.parent));
        if (qobject_cast<QLabel *>(w)) {
            // A label grows to its caption should the font need it.
            QCOMPARE(w->pos(), e.geometry.topLeft());
            QVERIFY2(w->width() >= e.geometry.width() && w->width() <= e.geometry.width() + 4,
                     e.name);
            QVERIFY2(w->height() >= e.geometry.height() && w->height() <= e.geometry.height() + 2,
                     e.name);
        } else {
            QCOMPARE(w->geometry(), e.geometry);
        }
        if (e.text)
            QCOMPARE(textOf(w), QString::fromUtf8(e.text));
    }
    // Nothing beyond the table (the save dialog is a window of its own).
    for (QWidget *w : form.findChildren<QWidget *>()) {
        if (w->isWindow() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if (w->parentWidget() != &form && !w->parentWidget()->objectName().startsWith(QLatin1String("Panel")))
            continue;
        QVERIFY2(seen.contains(w->objectName()), qPrintable(w->objectName()));
    }

    // Initial states.
    QVERIFY(!form.Button10->isEnabled());
    QVERIFY(form.RadioButton1->isChecked());
    QVERIFY(!form.RadioButton2->isChecked() && !form.RadioButton3->isChecked());
    QVERIFY(!form.CheckBox1->isChecked() && !form.CheckBox2->isChecked());
    QCOMPARE(form.ProgressBar1->minimum(), 0);
    QCOMPARE(form.ProgressBar1->maximum(), 100);
    QCOMPARE(form.ProgressBar1->value(), 0);
    QVERIFY(form.Image1->isVisibleTo(&form));
    QVERIFY(!form.Image1->hasPicture());
    // Image1 lies below the paint box.
    const QObjectList order = form.children();
    QVERIFY(order.indexOf(form.Image1) < order.indexOf(form.PaintBox1));
    // Only Edit5 of the edit boxes takes the focus by Tab.
    for (QLineEdit *e : {form.Edit1, form.Edit2, form.Edit3, form.Edit4})
        QCOMPARE(e->focusPolicy(), Qt::ClickFocus);
    QVERIFY(form.Edit5->focusPolicy() & Qt::TabFocus);
    QCOMPARE(form.ProgressBar1->focusPolicy(), Qt::NoFocus);
    for (QPushButton *b : form.findChildren<QPushButton *>()) {
        if (b->window() != &form)
            continue;  // the save dialog's own
        QVERIFY(!b->autoDefault());
        QVERIFY(!b->isDefault());
    }

    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.Button1);
}

void TForm1Test::captionsFitInTheInterfaceFont()
{
    TForm1 form;
    const QFontInfo info(form.Button1->font());
    QCOMPARE(info.family(), QStringLiteral("Monapo"));
    QCOMPARE(info.pixelSize(), 12);

    for (QWidget *w : form.findChildren<QWidget *>()) {
        QString text = textOf(w);
        if (text.isEmpty() || qobject_cast<QLineEdit *>(w))
            continue;
        text.remove(QLatin1Char('&'));
        const QFontMetrics metrics(w->font());
        for (const QChar ch : text)
            QVERIFY2(metrics.inFont(ch), qPrintable(w->objectName() + QLatin1Char(' ') + ch));
        // Room the style leaves for the caption itself.
        int room = w->width();
        if (auto *b = qobject_cast<QAbstractButton *>(w); b && !qobject_cast<QPushButton *>(w)) {
            const bool radio = qobject_cast<QRadioButton *>(w);
            QStyleOptionButton option;
            option.initFrom(b);
            room -= w->style()->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth
                                                  : QStyle::PM_IndicatorWidth, &option, w)
                + w->style()->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing
                                                : QStyle::PM_CheckBoxLabelSpacing, &option, w);
        } else if (qobject_cast<QPushButton *>(w)) {
            room -= 2;  // the button's frame
        }
        QVERIFY2(metrics.horizontalAdvance(text) <= room,
                 qPrintable(QStringLiteral("%1: %2 > %3").arg(w->objectName())
                                .arg(metrics.horizontalAdvance(text)).arg(room)));
        QVERIFY2(metrics.height() <= w->height(), qPrintable(w->objectName()));
    }
}

struct Start {
    double x, y, w;
    int limit;
};

void TForm1Test::handlers_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<Start>("start");
    QTest::addColumn<QString>("button");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("w");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QStringList>("edits");  // Edit1, Edit2, Edit3, Edit5 after

    const Start initial{-0.5, 0.0, 1.8, 100};
    // Edits a handler does not rewrite keep their start-up texts.
    QTest::newRow("left: -0.5 - 1.8") << 0 << initial << "Button2" << -2.3 << 0.0 << 1.8 << 100
                                      << QStringList{"-2.3", "0.0", "1.8", "100"};
    QTest::newRow("right: -0.5 + 1.8") << 0 << initial << "Button3" << 1.3 << 0.0 << 1.8 << 100
                                       << QStringList{"1.3", "0.0", "1.8", "100"};
    QTest::newRow("up: 0 + 1.8 * 0.5") << 0 << initial << "Button4" << -0.5 << 0.9 << 1.8 << 100
                                       << QStringList{"-0.5", "0.9", "1.8", "100"};
    QTest::newRow("down") << 0 << initial << "Button5" << -0.5 << -0.9 << 1.8 << 100
                          << QStringList{"-0.5", "-0.9", "1.8", "100"};
    QTest::newRow("zoom out") << 0 << initial << "Button6" << -0.5 << 0.0 << 3.6 << 100
                              << QStringList{"-0.5", "0.0", "3.6", "100"};
    QTest::newRow("zoom in") << 0 << initial << "Button7" << -0.5 << 0.0 << 0.9 << 100
                             << QStringList{"-0.5", "0.0", "0.9", "100"};
    QTest::newRow("more iterations") << 0 << initial << "Button11" << -0.5 << 0.0 << 1.8 << 120
                                     << QStringList{"-0.5", "0.0", "1.8", "120"};
    QTest::newRow("fewer iterations") << 0 << initial << "Button12" << -0.5 << 0.0 << 1.8 << 80
                                      << QStringList{"-0.5", "0.0", "1.8", "80"};
    QTest::newRow("20 stays 20 and is written")
        << 0 << Start{-0.5, 0.0, 1.8, 20} << "Button12" << -0.5 << 0.0 << 1.8 << 20
        << QStringList{"-0.5", "0.0", "1.8", "20"};
    QTest::newRow("40 gives 20") << 0 << Start{-0.5, 0.0, 1.8, 40} << "Button12" << -0.5 << 0.0
                                 << 1.8 << 20 << QStringList{"-0.5", "0.0", "1.8", "20"};
    // Defaults write Edit1, Edit2, Edit3 and Edit5; a zero y reads "0".
    QTest::newRow("defaults, Mandelbrot") << 0 << Start{3, 4, 5, 260} << "Button8" << -0.5 << 0.0
                                          << 1.8 << 100 << QStringList{"-0.5", "0", "1.8", "100"};
    QTest::newRow("defaults, Julia") << 1 << initial << "Button8" << -0.745 << 0.113 << 1.5 << 100
                                     << QStringList{"-0.745", "0.113", "1.5", "100"};
    QTest::newRow("defaults, exponential map") << 2 << initial << "Button8" << 0.0 << 0.0 << 1.0
                                               << 100 << QStringList{"0", "0", "1", "100"};
    // In the Julia mode the pans move the constant the same way.
    QTest::newRow("left in the Julia mode") << 1 << initial << "Button2" << -2.3 << 0.0 << 1.8
                                            << 100 << QStringList{"-2.3", "0.0", "1.8", "100"};
}

void TForm1Test::handlers()
{
    QFETCH(int, mode);
    QFETCH(Start, start);
    QFETCH(QString, button);
    TForm1 form;
    (QRadioButton *[]){form.RadioButton1, form.RadioButton2, form.RadioButton3}[mode]->setChecked(true);
    ViewParameters &p = form.viewParameters();
    p.x = start.x;
    p.y = start.y;
    p.w = start.w;
    p.IterationLimit = start.limit;
    p.ColorNumber = 42;

    form.findChild<QPushButton *>(button)->click();

    QTEST(p.x, "x");
    QTEST(p.y, "y");
    QTEST(p.w, "w");
    QTEST(int(p.IterationLimit), "limit");
    QCOMPARE(p.ColorNumber, 42);
    QFETCH(QStringList, edits);
    QCOMPARE((QStringList{form.Edit1->text(), form.Edit2->text(), form.Edit3->text(),
                          form.Edit5->text()}),
             edits);
    QCOMPARE(form.Edit4->text(), QStringLiteral("1"));
}

void TForm1Test::zoomInTexts()
{
    // 1.8 / 2^n: fixed notation while the value is at least 1E-4.
    TForm1 form;
    const QStringList expected = {
        "0.9", "0.45", "0.225", "0.1125", "0.05625", "0.028125", "0.0140625",
        "0.00703125", "0.003515625", "0.0017578125", "0.00087890625", "0.000439453125",
        "0.0002197265625", "0.00010986328125", "5.4931640625E-5"};
    for (int n = 0; n < expected.size(); ++n) {
        form.Button7->click();
        QCOMPARE(form.Edit3->text(), expected[n]);
    }
}

void TForm1Test::zoomingReachesZeroAndStays()
{
    // 1.8 = 1.8 * 2^0 halves exactly down to the smallest denormal 2^-1074 at
    // step 1075; the 1076th halving rounds to 0 with no error.
    TForm1 form;
    int reported = 0;
    form.reportError = [&](const QString &) { ++reported; };
    for (int n = 0; n < 1075; ++n)
        form.Button7->click();
    QVERIFY(form.viewParameters().w > 0);
    form.Button7->click();
    QCOMPARE(form.viewParameters().w, 0.0);
    QCOMPARE(form.Edit3->text(), QStringLiteral("0"));
    form.Button6->click();
    QCOMPARE(form.viewParameters().w, 0.0);
    QCOMPARE(form.Edit3->text(), QStringLiteral("0"));
    QCOMPARE(reported, 0);
}

void TForm1Test::overflowKeepsTheValue_data()
{
    QTest::addColumn<int>("zoomOuts");
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("edit");
    // 1.8 * 2^1023 ~ 1.6E308 is the last double; one more doubling overflows.
    QTest::newRow("1024th zoom-out") << 1023 << -0.5 << "Button6" << "Edit3";
    QTest::newRow("pan right past the range") << 1023 << 1e308 << "Button3" << "Edit1";
    QTest::newRow("pan left past the range") << 1023 << -1e308 << "Button2" << "Edit1";
}

void TForm1Test::overflowKeepsTheValue()
{
    QFETCH(int, zoomOuts);
    QFETCH(double, x);
    QFETCH(QString, button);
    QFETCH(QString, edit);
    TForm1 form;
    QStringList reported;
    form.reportError = [&](const QString &m) { reported << m; };
    for (int n = 0; n < zoomOuts; ++n)
        form.Button6->click();
    QVERIFY(reported.isEmpty());
    form.viewParameters().x = x;
    auto *box = form.findChild<QLineEdit *>(edit);
    box->setText(QStringLiteral("before"));
    const ViewParameters before = form.viewParameters();

    form.findChild<QPushButton *>(button)->click();

    QCOMPARE(reported, QStringList{QString::fromUtf8("浮動小数点ｴﾗｰ: ｵｰﾊﾞｰﾌﾛｰ")});
    QCOMPARE(form.viewParameters().x, before.x);
    QCOMPARE(form.viewParameters().w, before.w);
    QCOMPARE(box->text(), QStringLiteral("before"));
}

void TForm1Test::colourNumberIsSeededByTheSecond()
{
    TForm1 form;
    std::int64_t now = 1700000000;
    form.currentTimeSeconds = [&] { return now; };
    form.Button9->click();
    const int first = form.viewParameters().ColorNumber;
    QCOMPARE(form.Edit4->text(), QString::number(first));
    form.Button9->click();
    QCOMPARE(form.viewParameters().ColorNumber, first);  // same second, same number

    QSet<int> seen;
    for (int s = 0; s < 20; ++s) {
        now = 1700000000 + s;
        form.Button9->click();
        const int n = form.viewParameters().ColorNumber;
        QVERIFY(n >= 0 && n < 300);
        QCOMPARE(form.Edit4->text(), QString::number(n));
        seen.insert(n);
    }
    QVERIFY2(seen.size() > 10, "other seconds give other numbers");
}

void TForm1Test::decimalSeparatorFollowsTheLocale()
{
    // A locale change is announced to the window; the separator is re-read
    // from the system, which here is the C locale's ".".
    TForm1 form;
    QEvent change(QEvent::LocaleChange);
    QApplication::sendEvent(&form, &change);
    form.Button2->click();
    QCOMPARE(form.Edit1->text(), QStringLiteral("-2.3"));
}

void TForm1Test::keysOnTheWindow_data()
{
    QTest::addColumn<QString>("focus");  // empty: the window itself
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("clicked");  // empty: none
    QTest::addColumn<QString>("edit1");    // Edit1's text afterwards

    const int none = Qt::NoModifier, alt = Qt::AltModifier;
    QTest::newRow("4 on a button pans left") << "Button1" << int(Qt::Key_4) << none << "Button2" << "-2.3";
    QTest::newRow("d on a check box") << "CheckBox1" << int(Qt::Key_D) << none << "Button8" << "-0.5";
    QTest::newRow("+ on a radio button") << "RadioButton1" << int(Qt::Key_Plus) << none << "Button7" << "-0.5";
    QTest::newRow("keypad 9 on a button") << "Button2" << int(Qt::Key_9) << int(Qt::KeypadModifier) << "Button11" << "-0.5";
    QTest::newRow("4 with no control focused") << "" << int(Qt::Key_4) << none << "Button2" << "-2.3";
    QTest::newRow("4 in Edit1 is typed") << "Edit1" << int(Qt::Key_4) << none << "" << "-0.54";
    QTest::newRow("Alt+4 in Edit1 clicks") << "Edit1" << int(Qt::Key_4) << alt << "Button2" << "-2.3";
    QTest::newRow("S while Save is disabled") << "Button1" << int(Qt::Key_S) << none << "" << "-0.5";
    QTest::newRow("Alt+S while Save is disabled") << "Edit5" << int(Qt::Key_S) << alt << "" << "-0.5";
    QTest::newRow("Enter on a button") << "Button3" << int(Qt::Key_Return) << none << "Button3" << "1.3";
    QTest::newRow("Enter on a check box") << "CheckBox1" << int(Qt::Key_Return) << none << "" << "-0.5";
    QTest::newRow("Enter with no control focused") << "" << int(Qt::Key_Return) << none << "" << "-0.5";
    QTest::newRow("Space on a button") << "Button2" << int(Qt::Key_Space) << none << "Button2" << "-2.3";
    QTest::newRow("Esc does nothing") << "Button1" << int(Qt::Key_Escape) << none << "" << "-0.5";
}

void TForm1Test::keysOnTheWindow()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, clicked);
    QFETCH(QString, edit1);
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QWidget *focused = focus.isEmpty() ? static_cast<QWidget *>(&form)
                                       : form.findChild<QWidget *>(focus);
    focused->setFocus();
    if (auto *edit = qobject_cast<QLineEdit *>(focused))
        edit->end(false);
    QMap<QString, int> clicks;
    for (QPushButton *b : form.findChildren<QPushButton *>())
        if (b->window() == &form)
            connect(b, &QPushButton::clicked, &form, [&clicks, b] { ++clicks[b->objectName()]; });

    QTest::keyClick(form.windowHandle(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QMap<QString, int> expected;
    if (!clicked.isEmpty())
        expected[clicked] = 1;
    QCOMPARE(clicks, expected);  // at once, not from a timer
    QCOMPARE(QApplication::focusWidget(), focused);
    QCOMPARE(form.Edit1->text(), edit1);
    QTest::qWait(200);
    QCOMPARE(clicks, expected);
    QVERIFY(form.isVisible());
}

void TForm1Test::tabCyclesThroughTheWindow()
{
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.RadioButton2->setChecked(true);  // the group's stop is the checked one
    // From Draw; Save is disabled and skipped.
    const QStringList expected = {"RadioButton2", "Button9", "CheckBox1",
                                  "CheckBox2", "Edit5", "Button11", "Button12", "Button2",
                                  "Button3", "Button4", "Button5", "Button6", "Button7",
                                  "Button8", "Button1"};
    QStringList seen;
    for (int n = 0; n < expected.size(); ++n) {
        QTest::keyClick(form.windowHandle(), Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(seen, expected);
    QTest::keyClick(form.windowHandle(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), form.Button8);
}

void TForm1Test::screenColors_data()
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(4, 5, 6));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(7, 8, 9));
    palette.setColor(QPalette::Active, QPalette::Window, QColor(10, 11, 12));

    QTest::addColumn<int>("color");
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<QRgb>("expected");
    QTest::newRow("red in the low byte") << 0x0000F03D << palette << qRgb(0x3D, 0xF0, 0);
    QTest::newRow("blue in the third byte") << 0x00FF0000 << palette << qRgb(0, 0, 0xFF);
    QTest::newRow("top byte ignored") << 0x0100317D << palette << qRgb(0x7D, 0x31, 0);
    QTest::newRow("black") << 0 << palette << qRgb(0, 0, 0);
    // -2143477813 = 0x803DF0CB: low byte 0xCB = 203, no such system colour.
    QTest::newRow("wrapped, unknown index") << -2143477813 << palette << qRgb(0, 0, 0);
    QTest::newRow("index 15 is the button face") << int(0x8000000F) << palette << qRgb(1, 2, 3);
    QTest::newRow("index 0 too") << int(0xFF000000) << palette << qRgb(1, 2, 3);
    QTest::newRow("index 13 is the highlight") << int(0x8000000D) << palette << qRgb(4, 5, 6);
    QTest::newRow("index 17 is disabled text") << int(0x80000011) << palette << qRgb(7, 8, 9);
    QTest::newRow("index 30 is the window") << int(0xABCDEF1E) << palette << qRgb(10, 11, 12);
    QTest::newRow("index 25 has no colour") << int(0x80000019) << palette << qRgb(0, 0, 0);
}

void TForm1Test::screenColors()
{
    QFETCH(int, color);
    QFETCH(QPalette, palette);
    QFETCH(QRgb, expected);
    QCOMPARE(screenColor(color, palette) | 0xFF000000u, expected);
}

void TForm1Test::renderShowsTheEngineColours()
{
    struct Case {
        int mode;
        bool detailed;
    } cases[] = {{0, false}, {1, true}, {2, false}};
    for (const Case &c : cases) {
        TForm1 form;
        form.show();
        (QRadioButton *[]){form.RadioButton1, form.RadioButton2, form.RadioButton3}[c.mode]->setChecked(true);
        form.CheckBox1->setChecked(c.detailed);
        form.CheckBox2->setChecked(true);
        form.viewParameters().ColorNumber = 299;  // wraps into system colours too
        form.Button1->click();

        FakeTarget reference;
        runRender(form.viewParameters(),
                  {RenderMode(c.mode), c.detailed, true}, reference);
        int mismatches = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x) {
                const QRgb want = screenColor(reference.paintBox[y][x], form.palette()) | 0xFF000000u;
                mismatches += form.PaintBox1->pixels().pixel(x, y) != want;
                mismatches += (form.Image1->picture().pixel(x, y) | 0xFF000000u) != want;
            }
        QCOMPARE(mismatches, 0);
        QCOMPARE(shownPixel(form, 100, 100),
                 screenColor(reference.paintBox[100][100], form.palette()) | 0xFF000000u);
        QCOMPARE(form.ProgressBar1->maximum(), c.detailed ? 200 : 100);
        QCOMPARE(form.ProgressBar1->value(), form.ProgressBar1->maximum());
        QVERIFY(form.Button1->isEnabled());
        QVERIFY(form.Button10->isEnabled());
    }
}

void TForm1Test::drawIsDisabledDuringARender()
{
    TForm1 form;
    form.show();
    QList<bool> drawEnabled;
    connect(form.ProgressBar1, &QProgressBar::valueChanged, &form,
            [&] { drawEnabled << form.Button1->isEnabled(); });
    form.Button1->click();
    // Steps 1 ... 100, one per column; the reset to 0 and the last column's
    // 101 (shown as a full bar) change nothing.
    QCOMPARE(drawEnabled.size(), 100);
    QVERIFY(!drawEnabled.contains(true));
    QVERIFY(form.Button1->isEnabled());
}

void TForm1Test::pictureSurvivesHidingTheKeptImage()
{
    // A render with the keep switch off hides Image1; the picture it drew
    // must stay on screen after the window repaints.
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.Button1->click();
    QVERIFY(!form.Image1->isVisible());
    form.repaint();
    QCoreApplication::processEvents();
    // The centre never escapes: 101 * 61501 = 0x5EC811.
    QCOMPARE(shownPixel(form, 100, 100), qRgb(0x11, 0xC8, 0x5E));
    QCOMPARE(shownPixel(form, 0, 0), form.PaintBox1->pixels().pixel(0, 0));
}

void TForm1Test::typedTextIsNeverRead()
{
    // The edit boxes only show values: a number typed into Edit1 does not
    // move the view the next render draws.
    TForm1 form;
    form.Edit1->setText(QStringLiteral("5"));
    form.Edit5->setText(QStringLiteral("3"));
    form.Button1->click();
    QCOMPARE(form.viewParameters().x, -0.5);
    QCOMPARE(form.viewParameters().IterationLimit, 100);
    QCOMPARE(form.PaintBox1->pixels().pixel(100, 100), qRgb(0x11, 0xC8, 0x5E));  // k = 101
}

void TForm1Test::keysDuringARenderWaitForIt()
{
    // A P typed mid-render (the focus went with the disabled Draw, so the
    // plain key acts) starts the next render only once the first has ended.
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QList<int> positions;
    connect(form.ProgressBar1, &QProgressBar::valueChanged, &form, [&](int value) {
        positions << value;
        if (positions.size() == 50) {
            QCoreApplication::postEvent(form.windowHandle(),
                new QKeyEvent(QEvent::KeyPress, Qt::Key_P, Qt::NoModifier, QStringLiteral("p")));
            QCoreApplication::postEvent(form.windowHandle(),
                new QKeyEvent(QEvent::KeyRelease, Qt::Key_P, Qt::NoModifier, QStringLiteral("p")));
        }
    });
    form.Button1->click();
    QCOMPARE(positions.size(), 100);  // the first render ran undisturbed
    QCOMPARE(QApplication::focusWidget(), &form);  // the window itself, no control
    QTRY_COMPARE(positions.size(), 201);  // 0 again, then 1 ... 100
    for (int n = 0; n < 100; ++n) {
        QCOMPARE(positions[n], n + 1);
        QCOMPARE(positions[101 + n], n + 1);
    }
    QCOMPARE(positions[100], 0);
    QVERIFY(form.Button1->isEnabled());
}

void TForm1Test::closeDuringARenderWaitsForIt()
{
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    bool visibleAtTheEnd = false;
    connect(form.ProgressBar1, &QProgressBar::valueChanged, &form, [&](int value) {
        if (value == 10)
            QCoreApplication::postEvent(form.windowHandle(), new QCloseEvent);
        if (value == 100)
            visibleAtTheEnd = form.isVisible();
    });
    form.Button1->click();
    QVERIFY(visibleAtTheEnd);
    QCOMPARE(form.ProgressBar1->value(), 100);
    QTRY_VERIFY(!form.isVisible());
}

void TForm1Test::renderErrorShowsOneBoxAndEnablesDraw()
{
    TForm1 form;
    QStringList reported;
    form.reportError = [&](const QString &m) { reported << m; };
    for (int n = 0; n < 511; ++n)
        form.Button6->click();
    form.CheckBox2->setChecked(true);
    form.Button1->click();
    QCOMPARE(reported, QStringList{QString::fromUtf8("浮動小数点ｴﾗｰ: ｵｰﾊﾞｰﾌﾛｰ")});
    QVERIFY(form.Button1->isEnabled());
    QVERIFY(!form.Button10->isEnabled());  // left as it was

    reported.clear();
    form.Button8->click();  // back to a view that renders
    form.Button1->click();
    QVERIFY(reported.isEmpty());
    QVERIFY(form.Button10->isEnabled());
}

void TForm1Test::errorBoxLooksRight()
{
    TForm1 form;
    form.show();
    form.RadioButton3->setChecked(true);
    form.viewParameters().y = 1e19;  // the exponential map's truncation fails at once
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QAbstractButton *> buttons;
    int boxes = 0;
    QTimer::singleShot(0, &form, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        ++boxes;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->buttons();
        QCOMPARE(box->standardButton(buttons.value(0)), QMessageBox::Ok);
        box->accept();
    });
    form.Button1->click();
    QCOMPARE(boxes, 1);
    QCOMPARE(title, QStringLiteral("Dedarezava by Dirararev"));
    QCOMPARE(text, QString::fromUtf8("無効な浮動小数点操作."));
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(buttons.size(), 1);
    QVERIFY(form.Button1->isEnabled());
}

void TForm1Test::saveButtonState()
{
    TForm1 form;
    QVERIFY(!form.Button10->isEnabled());
    form.CheckBox2->click();                   // checking does not enable Save
    QVERIFY(!form.Button10->isEnabled());
    form.Button1->click();                     // a render with the switch on does
    QVERIFY(form.Button10->isEnabled());
    form.CheckBox2->click();                   // unchecking disables it
    QVERIFY(!form.Button10->isEnabled());
    form.CheckBox2->click();                   // checking again leaves it disabled
    QVERIFY(!form.Button10->isEnabled());
    form.RadioButton3->setChecked(true);       // any mode's render enables it again
    form.Button1->click();
    QVERIFY(form.Button10->isEnabled());
    form.CheckBox2->click();
    form.RadioButton2->setChecked(true);       // a render with the switch off does not
    form.Button1->click();
    QVERIFY(!form.Button10->isEnabled());
}

void TForm1Test::saveWritesAndRemembersTheName()
{
    QTemporaryDir dir;
    TForm1 form;
    QStringList offered;
    std::optional<QString> answer;
    form.askSaveFileName = [&](const QString &name) {
        offered << name;
        return answer;
    };
    form.CheckBox2->click();
    form.Button1->click();
    const ViewParameters before = form.viewParameters();
    const QImage kept = form.Image1->picture();

    answer = dir.filePath(QStringLiteral("one.bmp"));
    form.Button10->click();
    answer = std::nullopt;  // Cancel: nothing written, the name stays
    form.Button10->click();
    answer = dir.filePath(QStringLiteral("two"));
    form.Button10->click();
    form.Button10->click();  // same name again: replaced without a question

    QCOMPARE(offered, (QStringList{"fractal.bmp", dir.filePath("one.bmp"),
                                   dir.filePath("one.bmp"), dir.filePath("two")}));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"one.bmp", "two"}));
    QImage written(dir.filePath(QStringLiteral("one.bmp")));
    QCOMPARE(written.convertToFormat(QImage::Format_RGB888), kept);
    QCOMPARE(QFileInfo(dir.filePath("two")).size(), 120054);
    QVERIFY(form.Button10->isEnabled());
    QCOMPARE(form.Image1->picture(), kept);
    QCOMPARE(form.viewParameters().x, before.x);
    QCOMPARE(form.viewParameters().w, before.w);
}

void TForm1Test::saveDialogKeepsATypedNameAsIs()
{
    // The real dialog: the first time it offers fractal.bmp; a name typed
    // without an extension is saved as typed.
    QTemporaryDir dir;
    const QString oldCurrent = QDir::currentPath();
    QDir::setCurrent(dir.path());
    TForm1 form;
    form.show();
    form.CheckBox2->click();
    form.Button1->click();

    QString offered;
    QString filter;
    QTimer::singleShot(0, &form, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog, form.SaveDialog1);
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        offered = name->text();
        filter = dialog->nameFilters().join(QLatin1Char(';'));
        QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
        QVERIFY(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        QVERIFY(dialog->defaultSuffix().isEmpty());
        name->setText(QStringLiteral("test"));
        static_cast<QDialog *>(dialog)->accept();
    });
    form.Button10->click();
    QDir::setCurrent(oldCurrent);

    QCOMPARE(offered, QStringLiteral("fractal.bmp"));
    QCOMPARE(filter, QString::fromUtf8("ビットマップ (*.bmp)"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"test"});
    QCOMPARE(QFileInfo(dir.filePath("test")).size(), 120054);
}

void TForm1Test::saveErrorsAreReported()
{
    QTemporaryDir dir;
    TForm1 form;
    QStringList reported;
    form.reportError = [&](const QString &m) { reported << m; };
    const QString missing = dir.filePath(QStringLiteral("no/such/folder/x.bmp"));
    form.askSaveFileName = [&](const QString &) { return std::optional<QString>(missing); };
    form.CheckBox2->click();
    form.Button1->click();
    form.Button10->click();
    QCOMPARE(reported, QStringList{QString::fromUtf8("ﾌｧｲﾙ %1 を作成できません").arg(missing)});
    QVERIFY(form.Button10->isEnabled());
}

QTEST_MAIN(TForm1Test)
#include "tform1_test.moc"
