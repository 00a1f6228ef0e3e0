#include "ui/Fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace ui {
namespace {

const QStringList& fixedsysStandIns() {
    static const QStringList standIns{
        QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
        QStringLiteral("Noto Sans Mono"), QStringLiteral("monospace")};
    return standIns;
}

const QStringList& msSansSerifStandIns() {
    static const QStringList standIns{QStringLiteral("DejaVu Sans"),
                                      QStringLiteral("Liberation Sans"),
                                      QStringLiteral("Noto Sans"), QStringLiteral("sans-serif")};
    return standIns;
}

void registerStandIns() {
    static const bool registered = [] {
        QFont::insertSubstitutions(QStringLiteral("Fixedsys"), fixedsysStandIns());
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), msSansSerifStandIns());
        return true;
    }();
    (void)registered;
}

// The face itself when it is installed, else the first installed stand-in. Asking Qt for a
// family that is missing makes it sort every installed font by likeness before it tries the
// substitutes, which was the largest cost of the main window's start-up. Empty when neither is
// installed: the substitutes and the style hint then decide as before.
QString installedFamily(const QString& face, const QStringList& standIns) {
    // The plain list of installed families; QFontDatabase::hasFamily would resolve aliases
    // through fontconfig, which costs nearly as much as what this saves.
    const QStringList installed = QFontDatabase::families();
    const auto isInstalled = [&](const QString& family) {
        return installed.contains(family, Qt::CaseInsensitive);
    };
    if (isInstalled(face))
        return face;
    for (const QString& standIn : standIns) {
        if (isInstalled(standIn))
            return standIn;
    }
    return {};
}

QStringList families(Typeface face) {
    static const QString fixedsys = installedFamily(QStringLiteral("Fixedsys"), fixedsysStandIns());
    static const QString msSansSerif =
        installedFamily(QStringLiteral("MS Sans Serif"), msSansSerifStandIns());
    const bool isFixedsys = face == Typeface::Fixedsys9;
    const QString named = isFixedsys ? QStringLiteral("Fixedsys") : QStringLiteral("MS Sans Serif");
    const QString& installed = isFixedsys ? fixedsys : msSansSerif;
    return {installed.isEmpty() ? named : installed};
}

} // namespace

QFont font(Typeface face) {
    registerStandIns();
    QFont result;
    switch (face) {
    case Typeface::Fixedsys9:
        result.setFamilies(families(face));
        result.setStyleHint(QFont::TypeWriter);
        result.setFixedPitch(true);
        result.setPointSizeF(9.0);
        break;
    case Typeface::MsSansSerif13_5:
        result.setFamilies(families(face));
        result.setStyleHint(QFont::SansSerif);
        result.setPointSizeF(13.5);
        break;
    }
    result.setWeight(QFont::Normal);
    result.setItalic(false);
    return result;
}

} // namespace ui
