#include "interfacelook.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QProxyStyle>
#include <QTranslator>

namespace {

// The check boxes and radio buttons were laid out for a tighter gap between
// box and caption than Qt's styles leave.
class InterfaceStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        if (metric == PM_CheckBoxLabelSpacing || metric == PM_RadioButtonLabelSpacing)
            return 4;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

void applyInterfaceLook()
{
    QApplication::setStyle(new InterfaceStyle);

    // That family does not exist here, and fontconfig's fallback would mix a
    // Latin and a Japanese font in one caption. Monapo keeps its glyph widths,
    // so the captions fit their controls as laid out; IPAPGothic is the same
    // kind of proportional Gothic, slightly wider.
    const QStringList gothic = {QStringLiteral("Monapo"), QStringLiteral("IPAPGothic")};
    QFont::insertSubstitutions(QString::fromUtf8("ＭＳ Ｐゴシック"), gothic);
    QFont::insertSubstitutions(QStringLiteral("MS PGothic"), gothic);
    QFont font(QString::fromUtf8("ＭＳ Ｐゴシック"));
    font.setPixelSize(12);
    QApplication::setFont(font);
}

void loadJapaneseQtTexts(QApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}
