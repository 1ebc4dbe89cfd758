#include "keyboard.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <utility>
#include <vector>

namespace {

// The main window's controls in its tab order; the kind comes from the name.
// Edit1 to Edit4 take the focus only by click or arrow key.
struct Entry
{
    const char *name;
    const char *caption;
};

const Entry panel1[] = {
    {"Edit1", ""},         {"Edit2", ""},         {"Edit3", ""},
    {"Button2", "左(&4)"},  {"Button3", "右(&6)"},  {"Button4", "上(&8)"},
    {"Button5", "下(&2)"},  {"Button6", "縮小(&-)"}, {"Button7", "拡大(&+)"},
    {"Button8", "ﾃﾞﾌｫﾙﾄ(&D)"}, {"Button1", "描画(&P)"},
};
const Entry panel2[] = {
    {"Button10", "増やす(&9)"}, {"RadioButton1", "1"}, {"RadioButton2", "2"},
    {"Button9", "減らす(&3)"},  {"Edit4", ""},         {"CheckBox1", "a"},
    {"CheckBox2", "b"},        {"RadioButton3", "3"},
};
const Entry panel3[] = {{"Edit5", ""}, {"Button11", "保存(&S)"}, {"Button12", "色変更(&C)"}};

// A stand-in for the main window: the same controls, panels and order,
// shown and active so that keys travel the way real ones do.
class Form
{
public:
    Form()
    {
        // Geometry plays no part: no layouts, the controls may overlap.
        addPanel(panel1);
        addPanel(panel2);
        auto *progress = new QProgressBar(&window);
        progress->setObjectName(QStringLiteral("ProgressBar1"));
        controls.append(progress);
        addPanel(panel3);
        for (const char *name : {"Edit1", "Edit2", "Edit3", "Edit4"})
            control(name)->setFocusPolicy(Qt::ClickFocus);
        control<QRadioButton>("RadioButton1")->setChecked(true);

        keyboard = new Keyboard(&window, controls);
        for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
            clickSpies.push_back({button->objectName(),
                                  std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked)});
        }
        window.show();
    }

    bool activate()
    {
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    template<typename T = QWidget>
    T *control(const QString &name) const
    {
        T *found = window.findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    // "" stands for the window itself, with no control focused.
    void focus(const QString &name)
    {
        if (name.isEmpty())
            window.setFocus();
        else
            control(name)->setFocus();
    }

    QString focusName() const
    {
        QWidget *focus = QApplication::focusWidget();
        if (!focus)
            return QStringLiteral("(none)");
        return focus == &window ? QString() : focus->objectName();
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window.windowHandle(), key, modifiers);
    }

    // Names of the buttons clicked, once per click, in creation order.
    QString clicked() const
    {
        QStringList names;
        for (const auto &[name, spy] : clickSpies) {
            for (qsizetype i = 0; i < spy->count(); ++i)
                names << name;
        }
        return names.join(u',');
    }

    QString checked() const
    {
        QStringList names;
        for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
            if (button->isChecked())
                names << button->objectName();
        }
        names.sort();
        return names.join(u',');
    }

    QString typed() const
    {
        QStringList texts;
        for (QLineEdit *edit : window.findChildren<QLineEdit *>()) {
            if (!edit->text().isEmpty())
                texts << edit->objectName() + u'=' + edit->text();
        }
        return texts.join(u',');
    }

    QWidget window;
    QList<QWidget *> controls;
    Keyboard *keyboard = nullptr;

private:
    template<std::size_t N>
    void addPanel(const Entry (&entries)[N])
    {
        auto *panel = new QFrame(&window);
        for (const Entry &entry : entries) {
            const QString name = QString::fromLatin1(entry.name);
            const QString caption = QString::fromUtf8(entry.caption);
            QWidget *control;
            if (name.startsWith(u"Edit"))
                control = new QLineEdit(panel);
            else if (name.startsWith(u"CheckBox"))
                control = new QCheckBox(caption, panel);
            else if (name.startsWith(u"RadioButton"))
                control = new QRadioButton(caption, panel);
            else
                control = new QPushButton(caption, panel);
            control->setObjectName(name);
            controls.append(control);
        }
    }

    std::vector<std::pair<QString, std::unique_ptr<QSignalSpy>>> clickSpies;
};

using Names = QStringList;

} // namespace

class KeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void focusOutsideTheControls_data();
    void focusOutsideTheControls();
    void tabOrder_data();
    void tabOrder();
    void arrows_data();
    void arrows();
};

void KeyboardTest::keys_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("disabled");
    QTest::addColumn<QString>("hidden");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("focusAfter");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers alt = Qt::AltModifier;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    // RadioButton1 starts checked, nothing else does.
    const QString radio1 = QStringLiteral("RadioButton1");

    // A plain accelerator clicks its button while a button, a check box, a
    // radio button or nothing has the focus; the focus stays put.
    QTest::newRow("digit, button focused")
        << "Button2" << "" << "" << int(Qt::Key_6) << none << "Button3" << "" << radio1
        << "Button2";
    QTest::newRow("lower-case letter, check box focused")
        << "CheckBox1" << "" << "" << int(Qt::Key_D) << none << "Button8" << "" << radio1
        << "CheckBox1";
    QTest::newRow("upper-case letter, radio focused")
        << "RadioButton1" << "" << "" << int(Qt::Key_D) << shift << "Button8" << "" << radio1
        << "RadioButton1";
    QTest::newRow("minus, nothing focused")
        << "" << "" << "" << int(Qt::Key_Minus) << none << "Button6" << "" << radio1 << "";
    QTest::newRow("shifted plus, nothing focused")
        << "" << "" << "" << int(Qt::Key_Plus) << shift << "Button7" << "" << radio1 << "";
    QTest::newRow("keypad plus, button focused")
        << "Button12" << "" << "" << int(Qt::Key_Plus) << keypad << "Button7" << "" << radio1
        << "Button12";
    QTest::newRow("keypad minus, nothing focused")
        << "" << "" << "" << int(Qt::Key_Minus) << keypad << "Button6" << "" << radio1 << "";
    QTest::newRow("keypad digit, button focused")
        << "Button10" << "" << "" << int(Qt::Key_3) << keypad << "Button9" << "" << radio1
        << "Button10";

    // In a line edit the plain character is typed instead.
    QTest::newRow("digit typed into an edit")
        << "Edit1" << "" << "" << int(Qt::Key_4) << none << "" << "Edit1=4" << radio1 << "Edit1";
    QTest::newRow("letter typed into the tab-stop edit")
        << "Edit5" << "" << "" << int(Qt::Key_P) << none << "" << "Edit5=p" << radio1 << "Edit5";
    QTest::newRow("keypad digit typed into an edit")
        << "Edit4" << "" << "" << int(Qt::Key_8) << keypad << "" << "Edit4=8" << radio1 << "Edit4";

    // With Alt the button is clicked whatever has the focus.
    QTest::newRow("Alt digit in an edit")
        << "Edit1" << "" << "" << int(Qt::Key_4) << alt << "Button2" << "" << radio1 << "Edit1";
    QTest::newRow("Alt letter in an edit")
        << "Edit5" << "" << "" << int(Qt::Key_S) << alt << "Button11" << "" << radio1 << "Edit5";
    QTest::newRow("Alt letter on a button")
        << "Button2" << "" << "" << int(Qt::Key_P) << alt << "Button1" << "" << radio1 << "Button2";
    QTest::newRow("Alt keypad plus, nothing focused")
        << "" << "" << "" << int(Qt::Key_Plus) << (alt | keypad) << "Button7" << "" << radio1 << "";

    // A disabled or hidden button's key is dead, but a plain key still types.
    QTest::newRow("disabled, plain, nothing focused")
        << "" << "Button11" << "" << int(Qt::Key_S) << none << "" << "" << radio1 << "";
    QTest::newRow("disabled, plain, button focused")
        << "Button2" << "Button8" << "" << int(Qt::Key_D) << none << "" << "" << radio1
        << "Button2";
    QTest::newRow("disabled, Alt in an edit types nothing")
        << "Edit5" << "Button11" << "" << int(Qt::Key_S) << alt << "" << "" << radio1 << "Edit5";
    QTest::newRow("hidden, plain, nothing focused")
        << "" << "" << "Button11" << int(Qt::Key_S) << none << "" << "" << radio1 << "";
    QTest::newRow("hidden, Alt in an edit")
        << "Edit1" << "" << "Button2" << int(Qt::Key_4) << alt << "" << "" << radio1 << "Edit1";
    QTest::newRow("disabled, plain in an edit still types")
        << "Edit5" << "Button11" << "" << int(Qt::Key_S) << none << "" << "Edit5=s" << radio1
        << "Edit5";

    // Enter clicks only a focused push button; Esc does nothing.
    QTest::newRow("Return on a push button")
        << "Button3" << "" << "" << int(Qt::Key_Return) << none << "Button3" << "" << radio1
        << "Button3";
    QTest::newRow("keypad Enter on a push button")
        << "Button9" << "" << "" << int(Qt::Key_Enter) << keypad << "Button9" << "" << radio1
        << "Button9";
    QTest::newRow("Return on a check box")
        << "CheckBox1" << "" << "" << int(Qt::Key_Return) << none << "" << "" << radio1
        << "CheckBox1";
    QTest::newRow("Return on an unchecked radio")
        << "RadioButton2" << "" << "" << int(Qt::Key_Return) << none << "" << "" << radio1
        << "RadioButton2";
    QTest::newRow("Return in an edit")
        << "Edit2" << "" << "" << int(Qt::Key_Return) << none << "" << "" << radio1 << "Edit2";
    QTest::newRow("Return, nothing focused")
        << "" << "" << "" << int(Qt::Key_Return) << none << "" << "" << radio1 << "";
    QTest::newRow("Escape on a button")
        << "Button2" << "" << "" << int(Qt::Key_Escape) << none << "" << "" << radio1 << "Button2";
    QTest::newRow("Escape, nothing focused")
        << "" << "" << "" << int(Qt::Key_Escape) << none << "" << "" << radio1 << "";

    // Space is Qt's own: it clicks a button and toggles a check box.
    QTest::newRow("Space on a push button")
        << "Button5" << "" << "" << int(Qt::Key_Space) << none << "Button5" << "" << radio1
        << "Button5";
    QTest::newRow("Space on a check box")
        << "CheckBox2" << "" << "" << int(Qt::Key_Space) << none << "CheckBox2" << ""
        << "CheckBox2,RadioButton1" << "CheckBox2";

    // Disabling the focused control leaves the window without a focused
    // control: plain keys act again and Enter has no button to click.
    QTest::newRow("focused button disabled, Return")
        << "Button3" << "Button3" << "" << int(Qt::Key_Return) << none << "" << "" << radio1 << "";
    QTest::newRow("focused button disabled, its own key")
        << "Button8" << "Button8" << "" << int(Qt::Key_D) << none << "" << "" << radio1 << "";
    QTest::newRow("focused button disabled, another key")
        << "Button8" << "Button8" << "" << int(Qt::Key_P) << none << "Button1" << "" << radio1
        << "";
    QTest::newRow("focused edit disabled, plain digit clicks")
        << "Edit5" << "Edit5" << "" << int(Qt::Key_4) << none << "Button2" << "" << radio1 << "";
}

void KeyboardTest::keys()
{
    QFETCH(QString, focus);
    QFETCH(QString, disabled);
    QFETCH(QString, hidden);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, clicked);
    QFETCH(QString, typed);
    QFETCH(QString, checked);
    QFETCH(QString, focusAfter);

    Form form;
    if (!hidden.isEmpty())
        form.control(hidden)->hide();
    QVERIFY(form.activate());
    form.focus(focus);
    if (!disabled.isEmpty()) {
        form.keyboard->disableWithoutMovingFocus(form.control(disabled));
        QVERIFY(!form.control(disabled)->isEnabled());
    }
    // The window keeps the focus when its focused control is disabled.
    QCOMPARE(form.focusName(), focus == disabled ? QString() : focus);

    form.press(Qt::Key(key), modifiers);
    // Counted before any event loop runs: the click happened inside the key.
    QCOMPARE(form.clicked(), clicked);
    QCOMPARE(form.focusName(), focusAfter);

    // Qt's mnemonic path would click 100 ms later and move the focus.
    QTest::qWait(300);
    QCOMPARE(form.clicked(), clicked);
    QCOMPARE(form.focusName(), focusAfter);
    QCOMPARE(form.typed(), typed);
    QCOMPARE(form.checked(), checked);
    QVERIFY(form.window.isVisible());
}

void KeyboardTest::focusOutsideTheControls_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("clicked");

    // Alt goes through Qt's shortcut map straight to the button, and must
    // still click once, at once, without taking the focus.
    QTest::newRow("Alt digit")
        << true << int(Qt::Key_4) << Qt::KeyboardModifiers(Qt::AltModifier) << "Button2";
    // A plain key the unknown widget ignores passes up to the window; it
    // was not pressed on one of the controls, so it is not an accelerator.
    QTest::newRow("plain digit")
        << false << int(Qt::Key_4) << Qt::KeyboardModifiers(Qt::NoModifier) << "";
}

void KeyboardTest::focusOutsideTheControls()
{
    QFETCH(bool, edit);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, clicked);

    // A widget the keyboard was not told about.
    Form form;
    QWidget *stray = edit ? static_cast<QWidget *>(new QLineEdit(&form.window))
                          : new QCheckBox(QStringLiteral("x"), &form.window);
    stray->setObjectName(QStringLiteral("Stray"));
    stray->show();
    QVERIFY(form.activate());
    stray->setFocus();
    QCOMPARE(form.focusName(), QStringLiteral("Stray"));

    form.press(Qt::Key(key), modifiers);
    QCOMPARE(form.clicked(), clicked);
    QTest::qWait(300);
    QCOMPARE(form.clicked(), clicked);
    QCOMPARE(form.focusName(), QStringLiteral("Stray"));
}

void KeyboardTest::tabOrder_data()
{
    QTest::addColumn<QString>("checkedRadio");
    QTest::addColumn<Names>("disabled");
    QTest::addColumn<Names>("hidden");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<Names>("expected");

    const QString radio1 = QStringLiteral("RadioButton1");
    // The stops with RadioButton1 checked, from Button2: Edit1 to Edit4 are
    // not stops, nor RadioButton2/3 while unchecked, nor the progress bar.
    // Sixteen of them, so the sixteenth press is back at Button2.
    const Names forward = {"Button3",  "Button4",  "Button5",   "Button6",
                           "Button7",  "Button8",  "Button1",   "Button10",
                           "RadioButton1", "Button9", "CheckBox1", "CheckBox2",
                           "Edit5",    "Button11", "Button12",  "Button2"};
    const Names backward = {"Button12", "Button11", "Edit5",    "CheckBox2",
                            "CheckBox1", "Button9", "RadioButton1", "Button10",
                            "Button1",  "Button8",  "Button7",  "Button6",
                            "Button5",  "Button4",  "Button3",  "Button2"};
    const int tab = Qt::Key_Tab;
    const int backtab = Qt::Key_Backtab;
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;

    QTest::newRow("Tab round the window")
        << radio1 << Names() << Names() << "Button2" << tab << none << forward;
    QTest::newRow("Backtab round the window")
        << radio1 << Names() << Names() << "Button2" << backtab << shift << backward;
    QTest::newRow("Shift+Tab goes back")
        << radio1 << Names() << Names() << "Edit5" << tab << shift
        << Names{"CheckBox2", "CheckBox1", "Button9"};
    QTest::newRow("checked RadioButton3 is the group's stop")
        << "RadioButton3" << Names() << Names() << "Button1" << tab << none
        << Names{"Button10", "Button9", "CheckBox1", "CheckBox2", "RadioButton3", "Edit5"};
    QTest::newRow("checked RadioButton2 is the group's stop")
        << "RadioButton2" << Names() << Names() << "Button9" << backtab << shift
        << Names{"RadioButton2", "Button10", "Button1"};
    QTest::newRow("disabled Save skipped")
        << radio1 << Names{"Button11"} << Names() << "Edit5" << tab << none
        << Names{"Button12", "Button2"};
    QTest::newRow("disabled Save skipped backwards")
        << radio1 << Names{"Button11"} << Names() << "Button12" << backtab << shift
        << Names{"Edit5", "CheckBox2"};
    QTest::newRow("hidden button skipped")
        << radio1 << Names() << Names{"Button3"} << "Button2" << tab << none << Names{"Button4"};
    QTest::newRow("nothing focused, Tab to the first stop")
        << radio1 << Names() << Names() << "" << tab << none << Names{"Button2", "Button3"};
    QTest::newRow("nothing focused, Backtab to the last stop")
        << radio1 << Names() << Names() << "" << backtab << shift << Names{"Button12", "Button11"};
    // An edit that is not a stop still has its place in the order.
    QTest::newRow("from Edit2 forward")
        << radio1 << Names() << Names() << "Edit2" << tab << none << Names{"Button2"};
    QTest::newRow("from Edit1 back wraps")
        << radio1 << Names() << Names() << "Edit1" << backtab << shift << Names{"Button12"};
    QTest::newRow("from Edit4 forward")
        << radio1 << Names() << Names() << "Edit4" << tab << none << Names{"CheckBox1"};
    QTest::newRow("from Edit4 back")
        << radio1 << Names() << Names() << "Edit4" << backtab << shift << Names{"Button9"};
    QTest::newRow("from a focused unchecked radio")
        << radio1 << Names() << Names() << "RadioButton2" << tab << none << Names{"Button9"};
}

void KeyboardTest::tabOrder()
{
    QFETCH(QString, checkedRadio);
    QFETCH(Names, disabled);
    QFETCH(Names, hidden);
    QFETCH(QString, start);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(Names, expected);

    Form form;
    form.control<QRadioButton>(checkedRadio)->setChecked(true);
    for (const QString &name : disabled)
        form.control(name)->setEnabled(false);
    for (const QString &name : hidden)
        form.control(name)->hide();
    QVERIFY(form.activate());
    form.focus(start);
    QCOMPARE(form.focusName(), start);

    for (const QString &next : expected) {
        form.press(Qt::Key(key), modifiers);
        QCOMPARE(form.focusName(), next);
    }
    QCOMPARE(form.clicked(), QString());
    QCOMPARE(form.control<QRadioButton>(checkedRadio)->isChecked(), true);
}

void KeyboardTest::arrows_data()
{
    QTest::addColumn<QString>("checkedRadio");
    QTest::addColumn<Names>("disabled");
    QTest::addColumn<Names>("hidden");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focusAfter");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<int>("cursor");

    const QString radio1 = QStringLiteral("RadioButton1");
    const int up = Qt::Key_Up;
    const int down = Qt::Key_Down;
    const int left = Qt::Key_Left;
    const int right = Qt::Key_Right;
    // -1: the row has no edit whose cursor matters.
    const int any = -1;

    // Panel1: Edit1 Edit2 Edit3 Button2 Button3 Button4 Button5 Button6
    // Button7 Button8 Button1.
    QTest::newRow("Down to the next button")
        << radio1 << Names() << Names() << "Button2" << down << "Button3" << radio1 << any;
    QTest::newRow("Right is Down")
        << radio1 << Names() << Names() << "Button2" << right << "Button3" << radio1 << any;
    QTest::newRow("Up reaches an edit that is no tab stop")
        << radio1 << Names() << Names() << "Button2" << up << "Edit3" << radio1 << any;
    QTest::newRow("Left is Up")
        << radio1 << Names() << Names() << "Button2" << left << "Edit3" << radio1 << any;
    QTest::newRow("Down wraps from the last to the first")
        << radio1 << Names() << Names() << "Button1" << down << "Edit1" << radio1 << any;
    QTest::newRow("disabled skipped")
        << radio1 << Names{"Button4"} << Names() << "Button5" << up << "Button3" << radio1 << any;
    QTest::newRow("hidden skipped while wrapping")
        << radio1 << Names() << Names{"Edit1"} << "Button1" << down << "Edit2" << radio1 << any;

    // Panel2: Button10 RadioButton1 RadioButton2 Button9 Edit4 CheckBox1
    // CheckBox2 RadioButton3. A radio reached by an arrow gets checked.
    QTest::newRow("onto a radio checks it")
        << "RadioButton2" << Names() << Names() << "Button10" << down << "RadioButton1" << radio1
        << any;
    QTest::newRow("radio to radio")
        << radio1 << Names() << Names() << "RadioButton1" << down << "RadioButton2"
        << "RadioButton2" << any;
    QTest::newRow("Up wraps onto the last radio")
        << radio1 << Names() << Names() << "Button10" << up << "RadioButton3" << "RadioButton3"
        << any;
    QTest::newRow("a radio stays in its panel")
        << "RadioButton3" << Names() << Names() << "RadioButton3" << down << "Button10"
        << "RadioButton3" << any;
    QTest::newRow("check box not toggled")
        << radio1 << Names() << Names() << "CheckBox1" << down << "CheckBox2" << radio1 << any;
    QTest::newRow("check box Up to an edit")
        << radio1 << Names() << Names() << "CheckBox1" << up << "Edit4" << radio1 << any;

    // Panel3: Edit5 Button11 Button12.
    QTest::newRow("Panel3 wraps to its edit")
        << radio1 << Names() << Names() << "Button12" << right << "Edit5" << radio1 << any;

    // Every edit holds "abc" with the cursor after the 'a'.
    QTest::newRow("edit keeps Right")
        << radio1 << Names() << Names() << "Edit2" << right << "Edit2" << radio1 << 2;
    QTest::newRow("edit keeps Left")
        << radio1 << Names() << Names() << "Edit5" << left << "Edit5" << radio1 << 0;
    QTest::newRow("edit keeps Down")
        << radio1 << Names() << Names() << "Edit4" << down << "Edit4" << radio1 << 1;
    QTest::newRow("edit keeps Up")
        << radio1 << Names() << Names() << "Edit1" << up << "Edit1" << radio1 << 1;

    QTest::newRow("nothing focused, nothing moves")
        << radio1 << Names() << Names() << "" << down << "" << radio1 << any;
}

void KeyboardTest::arrows()
{
    QFETCH(QString, checkedRadio);
    QFETCH(Names, disabled);
    QFETCH(Names, hidden);
    QFETCH(QString, start);
    QFETCH(int, key);
    QFETCH(QString, focusAfter);
    QFETCH(QString, checked);
    QFETCH(int, cursor);

    Form form;
    form.control<QRadioButton>(checkedRadio)->setChecked(true);
    for (QLineEdit *edit : form.window.findChildren<QLineEdit *>()) {
        edit->setText(QStringLiteral("abc"));
        edit->setCursorPosition(1);
    }
    for (const QString &name : disabled)
        form.control(name)->setEnabled(false);
    for (const QString &name : hidden)
        form.control(name)->hide();
    QVERIFY(form.activate());
    form.focus(start);
    QCOMPARE(form.focusName(), start);

    form.press(Qt::Key(key));
    QCOMPARE(form.focusName(), focusAfter);
    QCOMPARE(form.checked(), checked);
    if (cursor != -1)
        QCOMPARE(form.control<QLineEdit>(focusAfter)->cursorPosition(), cursor);
    QCOMPARE(form.typed(), QStringLiteral("Edit1=abc,Edit2=abc,Edit3=abc,Edit4=abc,Edit5=abc"));
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
