#pragma once

#include <QList>
#include <QObject>

class QKeyEvent;
class QWidget;

// Gives a top-level widget the keyboard of a dialog-style form: button
// accelerators with or without Alt that click at once, Enter on the focused
// push button, Tab through an explicit order, and arrow keys inside a panel.
//
// The controls are given in tab order, tab stops or not; a panel is a
// control's parent widget. A control is a tab stop when its focus policy
// includes Qt::TabFocus, except that a radio button is one only while it is
// checked. Controls with Qt::NoFocus never take the focus from the keyboard.
class Keyboard : public QObject
{
    Q_OBJECT

public:
    // Becomes a child of window.
    Keyboard(QWidget *window, const QList<QWidget *> &controls);

    // Disables control; if it had the focus, the window itself keeps it
    // rather than Qt handing it on to the next control.
    void disableWithoutMovingFocus(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Action
    {
        enum Kind { Pass, Swallow, Click, Focus, Select };
        Kind kind = Pass;
        QWidget *target = nullptr;
        Qt::FocusReason reason = Qt::OtherFocusReason;
    };

    Action actionFor(const QKeyEvent *event) const;
    static void perform(const Action &action);
    QWidget *focusedControl() const;
    QWidget *nextTabStop(QWidget *from, bool forward) const;
    QWidget *nextInPanel(QWidget *from, bool forward) const;

    QWidget *m_window;
    QList<QWidget *> m_controls;
};
