#include "keyboard.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

namespace {

// The key of the character after the first single '&' ("&&" is a literal
// ampersand), or 0 when the caption has none.
int acceleratorKey(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != u'&')
            continue;
        if (caption.at(i + 1) == u'&') {
            ++i;
            continue;
        }
        // Qt's key codes for letters are their upper-case characters.
        return caption.at(i + 1).toUpper().unicode();
    }
    return 0;
}

bool canTakeFocus(const QWidget *control)
{
    return control->focusPolicy() != Qt::NoFocus && control->isEnabled() && control->isVisible();
}

bool isTabStop(const QWidget *control)
{
    if (!(control->focusPolicy() & Qt::TabFocus) || !canTakeFocus(control))
        return false;
    if (const auto *radio = qobject_cast<const QRadioButton *>(control))
        return radio->isChecked();
    return true;
}

} // namespace

Keyboard::Keyboard(QWidget *window, const QList<QWidget *> &controls)
    : QObject(window), m_window(window), m_controls(controls)
{
    // Key events go to the focused control, or to the window when none has
    // the focus; shortcut events go to the buttons.
    m_window->installEventFilter(this);
    for (QWidget *control : m_controls)
        control->installEventFilter(this);
}

void Keyboard::disableWithoutMovingFocus(QWidget *control)
{
    // Qt moves the focus on only when the disabled widget holds it.
    const QWidget *focus = m_window->focusWidget();
    if (focus && (focus == control || control->isAncestorOf(focus)))
        m_window->setFocus(Qt::OtherFocusReason);
    control->setEnabled(false);
}

bool Keyboard::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        // A key the focused control ignores travels on to its parents;
        // it was judged already where it started.
        QWidget *focus = m_window->focusWidget();
        if (watched != (focus ? focus : m_window))
            return false;
        const Action action = actionFor(static_cast<QKeyEvent *>(event));
        if (action.kind == Action::Pass)
            return false;
        perform(action);
        return true;
    }
    case QEvent::Shortcut:
        // Alt with an accelerator arrives here from Qt's shortcut map, before
        // any key event, and only for an enabled, visible button (the others
        // come as key presses). QAbstractButton would focus the button and
        // click it later from a timer; the click must be now, the focus stay.
        if (auto *button = qobject_cast<QAbstractButton *>(watched)) {
            button->click();
            return true;
        }
        return false;
    default:
        return false;
    }
}

Keyboard::Action Keyboard::actionFor(const QKeyEvent *event) const
{
    QWidget *focus = focusedControl();
    const auto *focusButton = qobject_cast<const QAbstractButton *>(focus);
    const int key = event->key();

    // Shift only picks a letter's case or a symbol, and the keypad's digits
    // and signs are the same keys as the main ones.
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    const bool plain = modifiers == Qt::NoModifier;

    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && plain) {
        const bool forward = key == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier);
        QWidget *next = nextTabStop(focus, forward);
        if (!next)
            return {Action::Swallow};
        return {Action::Focus, next, forward ? Qt::TabFocusReason : Qt::BacktabFocusReason};
    }

    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (plain && qobject_cast<QPushButton *>(focus))
            return {Action::Click, focus};
        return {};
    }

    if (plain && focusButton) {
        const bool back = key == Qt::Key_Up || key == Qt::Key_Left;
        if (back || key == Qt::Key_Down || key == Qt::Key_Right) {
            QWidget *next = nextInPanel(focus, !back);
            if (!next || next == focus)
                return {Action::Swallow};
            return {Action::Select, next, back ? Qt::BacktabFocusReason : Qt::TabFocusReason};
        }
    }

    // Without Alt the character belongs to whatever takes text.
    if (modifiers == Qt::AltModifier || (plain && (!focus || focusButton))) {
        bool owned = false;
        for (QWidget *control : m_controls) {
            auto *button = qobject_cast<QAbstractButton *>(control);
            if (!button || acceleratorKey(button->text()) != key)
                continue;
            if (button->isEnabled() && button->isVisible())
                return {Action::Click, button};
            owned = true;
        }
        // The key of a disabled or hidden button does nothing at all, not
        // even type into an edit under Alt.
        if (owned)
            return {Action::Swallow};
    }
    return {};
}

void Keyboard::perform(const Action &action)
{
    switch (action.kind) {
    case Action::Click:
        static_cast<QAbstractButton *>(action.target)->click();
        break;
    case Action::Focus:
        action.target->setFocus(action.reason);
        break;
    case Action::Select:
        action.target->setFocus(action.reason);
        // Arriving at a radio button chooses it, as a click would.
        if (auto *radio = qobject_cast<QRadioButton *>(action.target))
            radio->click();
        break;
    case Action::Pass:
    case Action::Swallow:
        break;
    }
}

QWidget *Keyboard::focusedControl() const
{
    QWidget *focus = m_window->focusWidget();
    return m_controls.contains(focus) ? focus : nullptr;
}

QWidget *Keyboard::nextTabStop(QWidget *from, bool forward) const
{
    const qsizetype count = m_controls.size();
    // With no control focused, start just outside either end.
    qsizetype at = from ? m_controls.indexOf(from) : (forward ? -1 : count);
    for (qsizetype step = 0; step < count; ++step) {
        at = ((forward ? at + 1 : at - 1) + count) % count;
        if (isTabStop(m_controls.at(at)))
            return m_controls.at(at);
    }
    return nullptr;
}

QWidget *Keyboard::nextInPanel(QWidget *from, bool forward) const
{
    QList<QWidget *> panel;
    for (QWidget *control : m_controls) {
        if (control->parentWidget() == from->parentWidget())
            panel.append(control);
    }
    const qsizetype count = panel.size();
    qsizetype at = panel.indexOf(from);
    for (qsizetype step = 0; step < count; ++step) {
        at = ((forward ? at + 1 : at - 1) + count) % count;
        if (canTakeFocus(panel.at(at)))
            return panel.at(at);
    }
    return nullptr;
}
