#include "platform/DesktopFont.h"

#include "ui/Fonts.h"

#include <QApplication>
#include <QByteArray>
#include <QFont>
#include <QString>
#include <QStringList>

#include <fontconfig/fontconfig.h>

namespace platform {
namespace {

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

// FIXME(Qt 6.4 to 6.11): pinned by tst_startup's desktopFontNamesTheFaceQtWouldDraw.
// Qt draws a family alias such as the plain X11 desktop's "Sans Serif" by having fontconfig sort
// every installed font. Remove when Qt asks fontconfig for the best match only.
void resolveDesktopFont() {
    QFont desktop = QApplication::font();
    const QString family = desktop.families().value(0, desktop.family());
    // Qt lists fontconfig's generic names among the installed families, with no face of their
    // own: drawing in one of them is what has it sort every installed font.
    const QStringList genericNames{QStringLiteral("Sans Serif"), QStringLiteral("Serif"),
                                   QStringLiteral("Monospace")};
    if (family.isEmpty() ||
        (ui::isInstalledFamily(family) && !genericNames.contains(family, Qt::CaseInsensitive)))
        return;
    const QString resolved = bestMatch(family);
    if (resolved.isEmpty() || !ui::isInstalledFamily(resolved))
        return;
    desktop.setFamilies({resolved});
    QApplication::setFont(desktop);
}

} // namespace platform
