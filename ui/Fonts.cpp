#include "ui/Fonts.h"

#include <QFont>
#include <QStringList>

namespace ui {
namespace {

void registerStandIns() {
    static const bool registered = [] {
        QFont::insertSubstitutions(QStringLiteral("Fixedsys"),
                                   {QStringLiteral("DejaVu Sans Mono"),
                                    QStringLiteral("Liberation Mono"),
                                    QStringLiteral("Noto Sans Mono"), QStringLiteral("monospace")});
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("DejaVu Sans"),
                                    QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans"),
                                    QStringLiteral("sans-serif")});
        return true;
    }();
    (void)registered;
}

} // namespace

QFont font(Typeface face) {
    registerStandIns();
    QFont result;
    switch (face) {
    case Typeface::Fixedsys9:
        result.setFamilies({QStringLiteral("Fixedsys")});
        result.setStyleHint(QFont::TypeWriter);
        result.setFixedPitch(true);
        result.setPointSizeF(9.0);
        break;
    case Typeface::MsSansSerif13_5:
        result.setFamilies({QStringLiteral("MS Sans Serif")});
        result.setStyleHint(QFont::SansSerif);
        result.setPointSizeF(13.5);
        break;
    }
    result.setWeight(QFont::Normal);
    result.setItalic(false);
    return result;
}

} // namespace ui
