#pragma once

#include <QString>

class QWidget;

// The standard error box: the message and a full stop, the application's
// title as caption, a critical icon and one OK button; modal.
void showErrorBox(QWidget *parent, const QString &message);
