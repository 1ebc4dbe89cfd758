#include "tform1.h"

#include "errorbox.h"
#include "floatingpointerror.h"
#include "keptimage.h"
#include "keyboard.h"
#include "numbertext.h"
#include "paintbox.h"
#include "render.h"
#include "savepicture.h"
#include "screencolor.h"
#include "windowdescription.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileDialog>
#include <QIcon>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <ctime>
#include <exception>
#include <random>

namespace {

#include "dedarezava_icon.xpm"

QWidget *createControl(const ControlSpec &spec, QWidget *parent)
{
    const QString text = spec.text ? QString::fromUtf8(spec.text) : QString();
    QWidget *w = nullptr;
    switch (spec.kind) {
    case ControlClass::Image:
        w = new KeptImage(parent);
        break;
    case ControlClass::PaintBox:
        w = new PaintBox(parent);
        break;
    case ControlClass::ProgressBar: {
        auto *bar = new QProgressBar(parent);
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setTextVisible(false);
        w = bar;
        break;
    }
    case ControlClass::Panel: {
        auto *panel = new QFrame(parent);
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setLineWidth(1);
        panel->setBackgroundRole(QPalette::Button);
        panel->setAutoFillBackground(true);
        w = panel;
        break;
    }
    case ControlClass::Label: {
        auto *label = new QLabel(text, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        w = label;
        break;
    }
    case ControlClass::Edit:
        w = new QLineEdit(text, parent);
        break;
    case ControlClass::Button: {
        auto *button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        w = button;
        break;
    }
    case ControlClass::CheckBox:
        w = new QCheckBox(text, parent);
        break;
    case ControlClass::RadioButton:
        w = new QRadioButton(text, parent);
        break;
    case ControlClass::Bevel: {
        auto *bevel = new QFrame(parent);
        bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        w = bevel;
        break;
    }
    }
    w->setObjectName(QString::fromUtf8(spec.name));
    w->setGeometry(spec.left, spec.top, spec.width, spec.height);
    if (spec.kind == ControlClass::Edit && !spec.tabStop)
        w->setFocusPolicy(Qt::ClickFocus);
    if (spec.kind == ControlClass::ProgressBar || spec.kind == ControlClass::Panel)
        w->setFocusPolicy(Qt::NoFocus);
    if (spec.kind == ControlClass::Label) {
        // Labels grow to their caption, so no glyph is cut in this font.
        const QFontMetrics metrics = w->fontMetrics();
        w->resize(std::max(spec.width, metrics.horizontalAdvance(text)),
                  std::max(spec.height, metrics.height()));
    }
    return w;
}

// Every control in the window's tab order: the form's own controls and
// panels by their place, each panel's controls by theirs.
QList<QWidget *> tabOrdered(const QHash<QString, QWidget *> &byName, const QString &parent)
{
    QList<const ControlSpec *> children;
    for (const ControlSpec &spec : form1Controls())
        if (QString::fromUtf8(spec.parent) == parent && spec.tabOrder >= 0)
            children.append(&spec);
    std::sort(children.begin(), children.end(),
              [](const ControlSpec *a, const ControlSpec *b) { return a->tabOrder < b->tabOrder; });
    QList<QWidget *> ordered;
    for (const ControlSpec *spec : children) {
        if (spec->kind == ControlClass::Panel)
            ordered += tabOrdered(byName, QString::fromUtf8(spec->name));
        else
            ordered.append(byName.value(QString::fromUtf8(spec->name)));
    }
    return ordered;
}

// Turns a TColor into a pixel of this window's palette.
class FormRenderTarget : public RenderTarget {
public:
    explicit FormRenderTarget(TForm1 &form) : form_(form) {}

    void setPaintBoxPixel(int x, int y, TColor color) override
    {
        form_.PaintBox1->setPixel(x, y, screenColor(color, form_.palette()));
    }
    void setKeptPixel(int x, int y, TColor color) override
    {
        form_.Image1->setPixel(x, y, screenColor(color, form_.palette()));
    }
    void setKeptPictureVisible(bool visible) override { form_.Image1->setVisible(visible); }
    void setDrawEnabled(bool enabled) override
    {
        if (enabled)
            form_.Button1->setEnabled(true);
        else
            form_.keyboard()->disableWithoutMovingFocus(form_.Button1);
        form_.Button1->repaint();
    }
    void setSaveEnabled(bool enabled) override { form_.Button10->setEnabled(enabled); }
    void setProgressMaximum(int maximum) override { form_.ProgressBar1->setMaximum(maximum); }
    void setProgressPosition(int position) override
    {
        // A position past the end shows a full bar, as the last column asks.
        QProgressBar *bar = form_.ProgressBar1;
        bar->setValue(std::clamp(position, bar->minimum(), bar->maximum()));
    }
    int progressPosition() const override { return form_.ProgressBar1->value(); }
    void flush() override
    {
        form_.PaintBox1->flush();
        form_.ProgressBar1->repaint();
    }

private:
    TForm1 &form_;
};

} // namespace

TForm1::TForm1(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint),
      decimalSeparator_(systemDecimalSeparator())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kForm1Caption));
    setFixedSize(kForm1Width, kForm1Height);
    move(kForm1Left, kForm1Top);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    setWindowIcon(QIcon(QPixmap(dedarezava_icon)));

    reportError = [this](const QString &message) { showErrorBox(this, message); };
    currentTimeSeconds = [] { return static_cast<std::int64_t>(std::time(nullptr)); };
    askSaveFileName = [this](const QString &name) { return runSaveDialog(name); };

    createControls();
    createSaveDialog();
    connectHandlers();
    Button10->setEnabled(false);
    RadioButton1->setChecked(true);
    Button1->setFocus();
}

TForm1::~TForm1() = default;

void TForm1::createControls()
{
    QHash<QString, QWidget *> byName;
    byName.insert(QStringLiteral("Form1"), this);
    for (const ControlSpec &spec : form1Controls()) {
        QWidget *control = createControl(spec, byName.value(QString::fromUtf8(spec.parent)));
        byName.insert(control->objectName(), control);
    }
    keyboard_ = new Keyboard(this, tabOrdered(byName, QStringLiteral("Form1")));
    const auto find = [&]<typename T>(T *&member, const char *name) {
        member = qobject_cast<T *>(byName.value(QString::fromUtf8(name)));
        Q_ASSERT(member);
    };
    find(Image1, "Image1");
    find(PaintBox1, "PaintBox1");
    find(ProgressBar1, "ProgressBar1");
    find(Panel1, "Panel1");
    find(Panel2, "Panel2");
    find(Panel3, "Panel3");
    find(Edit1, "Edit1");
    find(Edit2, "Edit2");
    find(Edit3, "Edit3");
    find(Edit4, "Edit4");
    find(Edit5, "Edit5");
    find(Button1, "Button1");
    find(Button2, "Button2");
    find(Button3, "Button3");
    find(Button4, "Button4");
    find(Button5, "Button5");
    find(Button6, "Button6");
    find(Button7, "Button7");
    find(Button8, "Button8");
    find(Button9, "Button9");
    find(Button10, "Button10");
    find(Button11, "Button11");
    find(Button12, "Button12");
    find(CheckBox1, "CheckBox1");
    find(CheckBox2, "CheckBox2");
    find(RadioButton1, "RadioButton1");
    find(RadioButton2, "RadioButton2");
    find(RadioButton3, "RadioButton3");
}

void TForm1::connectHandlers()
{
    const std::pair<QPushButton *, void (TForm1::*)()> handlers[] = {
        {Button1, &TForm1::Button1Click},   {Button2, &TForm1::Button2Click},
        {Button3, &TForm1::Button3Click},   {Button4, &TForm1::Button4Click},
        {Button5, &TForm1::Button5Click},   {Button6, &TForm1::Button6Click},
        {Button7, &TForm1::Button7Click},   {Button8, &TForm1::Button8Click},
        {Button9, &TForm1::Button9Click},   {Button10, &TForm1::Button10Click},
        {Button11, &TForm1::Button11Click}, {Button12, &TForm1::Button12Click},
    };
    for (const auto &[button, handler] : handlers)
        connect(button, &QPushButton::clicked, this, [this, h = handler] { runHandler(h); });
    connect(CheckBox2, &QCheckBox::clicked, this, [this] { runHandler(&TForm1::CheckBox2Click); });
}

// Qt's own dialog rather than the desktop's, so it looks and behaves the same
// everywhere; no suffix is added and an existing file is replaced unasked.
void TForm1::createSaveDialog()
{
    SaveDialog1 = new QFileDialog(this);
    SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
    SaveDialog1->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setFileMode(QFileDialog::AnyFile);
    SaveDialog1->setNameFilter(QString::fromUtf8("ビットマップ (*.bmp)"));
    SaveDialog1->setWindowModality(Qt::ApplicationModal);
}

std::optional<QString> TForm1::runSaveDialog(const QString &name)
{
    // The first name has no folder: it is the current one.
    if (QFileInfo(name).isRelative())
        SaveDialog1->setDirectory(QDir::currentPath());
    SaveDialog1->selectFile(name);
    if (SaveDialog1->exec() != QDialog::Accepted || SaveDialog1->selectedFiles().isEmpty())
        return std::nullopt;
    return SaveDialog1->selectedFiles().constFirst();
}

// An error ends its handler where it was raised; the state reached so far
// stays and the program goes on.
void TForm1::runHandler(void (TForm1::*handler)())
{
    try {
        (this->*handler)();
    } catch (const std::exception &error) {
        reportError(QString::fromUtf8(error.what()));
    }
}

RenderMode TForm1::selectedMode() const
{
    if (RadioButton1->isChecked())
        return RenderMode::Mandelbrot;
    if (RadioButton2->isChecked())
        return RenderMode::Julia;
    return RenderMode::Transcendental;
}

QString TForm1::text(double value) const
{
    return numberText(value, decimalSeparator_);
}

void TForm1::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LocaleChange)
        decimalSeparator_ = systemDecimalSeparator();
    QWidget::changeEvent(event);
}

void TForm1::Button1Click()
{
    FormRenderTarget target(*this);
    runRender(params_, {selectedMode(), CheckBox1->isChecked(), CheckBox2->isChecked()},
              target);
}

void TForm1::Button2Click()
{
    params_.x = checkedResult(params_.x - params_.w);
    Edit1->setText(text(params_.x));
}

void TForm1::Button3Click()
{
    params_.x = checkedResult(params_.x + params_.w);
    Edit1->setText(text(params_.x));
}

void TForm1::Button4Click()
{
    params_.y = checkedResult(params_.y + params_.w * 0.5);
    Edit2->setText(text(params_.y));
}

void TForm1::Button5Click()
{
    params_.y = checkedResult(params_.y - params_.w * 0.5);
    Edit2->setText(text(params_.y));
}

void TForm1::Button6Click()
{
    params_.w = checkedResult(params_.w + params_.w);
    Edit3->setText(text(params_.w));
}

void TForm1::Button7Click()
{
    params_.w = params_.w * 0.5;
    Edit3->setText(text(params_.w));
}

void TForm1::Button8Click()
{
    resetToDefaults(params_, selectedMode());
    Edit1->setText(text(params_.x));
    Edit2->setText(text(params_.y));
    Edit3->setText(text(params_.w));
    Edit5->setText(numberText(params_.IterationLimit));
}

void TForm1::Button9Click()
{
    // Seeded afresh every time: two clicks within a second agree.
    std::mt19937 generator(static_cast<std::mt19937::result_type>(currentTimeSeconds()));
    std::uniform_int_distribution<std::int32_t> draw(0, INT32_MAX);
    params_.ColorNumber = draw(generator) % 300;
    Edit4->setText(numberText(params_.ColorNumber));
}

void TForm1::Button10Click()
{
    const std::optional<QString> path = askSaveFileName(saveFileName_);
    if (!path)
        return;
    saveFileName_ = *path;
    savePicture(Image1->picture(), *path);
}

void TForm1::CheckBox2Click()
{
    if (!CheckBox2->isChecked())
        Button10->setEnabled(false);
}

void TForm1::Button11Click()
{
    // Wraps rather than overflows after some hundred million clicks.
    params_.IterationLimit =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(params_.IterationLimit) + 20u);
    Edit5->setText(numberText(params_.IterationLimit));
}

void TForm1::Button12Click()
{
    if (params_.IterationLimit > 20)
        params_.IterationLimit -= 20;
    Edit5->setText(numberText(params_.IterationLimit));
}
