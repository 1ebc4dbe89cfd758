#pragma once

#include "viewparameters.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

class KeptImage;
class Keyboard;
class PaintBox;
class QCheckBox;
class QFileDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

// The main window. Its click handlers hold the program's logic; the controls
// keep the names the window's description gives them.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    ViewParameters &viewParameters() { return params_; }

    // Where handler errors go; the standard error box unless a test says
    // otherwise.
    std::function<void(const QString &)> reportError;
    // Calendar time in whole seconds, for the colour number.
    std::function<std::int64_t()> currentTimeSeconds;
    // Runs the save dialog with the name it should show; nothing on Cancel.
    std::function<std::optional<QString>(const QString &)> askSaveFileName;

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void Button12Click();
    void CheckBox2Click();

    KeptImage *Image1 = nullptr;
    PaintBox *PaintBox1 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QFrame *Panel1 = nullptr;
    QFrame *Panel2 = nullptr;
    QFrame *Panel3 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QLineEdit *Edit4 = nullptr;
    QLineEdit *Edit5 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button4 = nullptr;
    QPushButton *Button5 = nullptr;
    QPushButton *Button6 = nullptr;
    QPushButton *Button7 = nullptr;
    QPushButton *Button8 = nullptr;
    QPushButton *Button9 = nullptr;
    QPushButton *Button10 = nullptr;
    QPushButton *Button11 = nullptr;
    QPushButton *Button12 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QCheckBox *CheckBox2 = nullptr;
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QRadioButton *RadioButton3 = nullptr;
    QFileDialog *SaveDialog1 = nullptr;

    Keyboard *keyboard() const { return keyboard_; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void createControls();
    void connectHandlers();
    void createSaveDialog();
    std::optional<QString> runSaveDialog(const QString &name);
    void runHandler(void (TForm1::*handler)());
    RenderMode selectedMode() const;
    QString text(double value) const;

    Keyboard *keyboard_ = nullptr;
    ViewParameters params_;
    QChar decimalSeparator_;
    QString saveFileName_ = QStringLiteral("fractal.bmp");
};
