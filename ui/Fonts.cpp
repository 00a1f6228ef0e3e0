#include "ui/Fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

namespace ui {
namespace {

struct Face {
    QString name;
    QStringList standIns; // in order of preference
    QFont::StyleHint kind;
    double points;
};

const Face& faceOf(Typeface typeface) {
    static const Face fixedsys{QStringLiteral("Fixedsys"),
                               {QStringLiteral("DejaVu Sans Mono"),
                                QStringLiteral("Liberation Mono"), QStringLiteral("Noto Sans Mono"),
                                QStringLiteral("monospace")},
                               QFont::TypeWriter,
                               9.0};
    static const Face msSansSerif{QStringLiteral("MS Sans Serif"),
                                  {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                                   QStringLiteral("Noto Sans"), QStringLiteral("sans-serif")},
                                  QFont::SansSerif,
                                  13.5};
    return typeface == Typeface::Fixedsys9 ? fixedsys : msSansSerif;
}

// The face itself when it is installed, else the first installed stand-in. Asking Qt for a
// family that is missing makes it sort every installed font by likeness before it tries the
// substitutes, which was the largest cost of the main window's start-up. When neither is
// installed, the face's name goes to Qt, whose substitutes and style hint then decide.
QString installedFamily(const Face& face) {
    // The plain list of installed families; QFontDatabase::hasFamily would resolve aliases
    // through fontconfig, which costs nearly as much as what this saves.
    const QStringList installed = QFontDatabase::families();
    const auto isInstalled = [&](const QString& family) {
        return installed.contains(family, Qt::CaseInsensitive);
    };
    if (isInstalled(face.name))
        return face.name;
    for (const QString& standIn : face.standIns) {
        if (isInstalled(standIn))
            return standIn;
    }
    QFont::insertSubstitutions(face.name, face.standIns);
    return face.name;
}

// What fontconfig makes of `family`, as Qt asks it for the faces to try when no installed family
// has that name (same pattern: the family, upright, the user's language), but only the best match
// rather than every installed font in order. Qt takes the first of that order that it has, which
// is this one. Empty when fontconfig finds nothing.
QString bestMatch(const QString& family) {
    FcPattern* pattern = FcPatternCreate();
    const QByteArray name = family.toUtf8();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcPattern* defaults = FcPatternCreate();
    FcDefaultSubstitute(defaults);
    FcChar8* language = nullptr;
    if (FcPatternGetString(defaults, FC_LANG, 0, &language) == FcResultMatch)
        FcPatternAddString(pattern, FC_LANG, language);
    FcPatternDestroy(defaults);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    QString matched;
    FcChar8* matchedFamily = nullptr;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &matchedFamily) == FcResultMatch)
        matched = QString::fromUtf8(reinterpret_cast<const char*>(matchedFamily));
    if (match)
        FcPatternDestroy(match);
    return matched;
}

} // namespace

void resolveDesktopFont() {
    QFont desktop = QApplication::font();
    const QString family = desktop.families().value(0, desktop.family());
    const QStringList installed = QFontDatabase::families();
    // Qt lists fontconfig's generic names among the installed families, with no face of their
    // own: drawing in one of them is what has it sort every installed font.
    const QStringList genericNames{QStringLiteral("Sans Serif"), QStringLiteral("Serif"),
                                   QStringLiteral("Monospace")};
    if (family.isEmpty() || (installed.contains(family, Qt::CaseInsensitive) &&
                             !genericNames.contains(family, Qt::CaseInsensitive)))
        return;
    const QString resolved = bestMatch(family);
    if (resolved.isEmpty() || !installed.contains(resolved, Qt::CaseInsensitive))
        return;
    desktop.setFamilies({resolved});
    QApplication::setFont(desktop);
}

QFont font(Typeface typeface) {
    const Face& face = faceOf(typeface);
    static const QString fixedsys = installedFamily(faceOf(Typeface::Fixedsys9));
    static const QString msSansSerif = installedFamily(faceOf(Typeface::MsSansSerif13_5));

    QFont result;
    result.setFamilies({typeface == Typeface::Fixedsys9 ? fixedsys : msSansSerif});
    result.setStyleHint(face.kind);
    result.setFixedPitch(face.kind == QFont::TypeWriter);
    result.setPointSizeF(face.points);
    result.setWeight(QFont::Normal);
    result.setItalic(false);
    return result;
}

} // namespace ui
