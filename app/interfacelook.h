#pragma once

class QApplication;

// The interface's look that the whole application shares: its font and
// style, and Qt's own texts (dialogs, message box buttons) in Japanese like
// the rest.
void applyInterfaceLook();
void loadJapaneseQtTexts(QApplication &app);
