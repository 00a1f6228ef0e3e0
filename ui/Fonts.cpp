#include "ui/Fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

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

// FIXME(Qt 6.4 to 6.11): pinned by tst_main_window's textAreaIsLightGreyFixedPitchOnBlack.
// Asking Qt for a family that is missing makes it sort every installed font by likeness before
// it tries the substitutes, which was the largest cost of the main window's start-up. Remove when
// Qt tries the substitutes first.
// The face itself when it is installed, else the first installed stand-in. When neither is
// installed, the face's name goes to Qt, whose substitutes and style hint then decide.
QString installedFamily(const Face& face) {
    if (isInstalledFamily(face.name))
        return face.name;
    for (const QString& standIn : face.standIns) {
        if (isInstalledFamily(standIn))
            return standIn;
    }
    QFont::insertSubstitutions(face.name, face.standIns);
    return face.name;
}

} // namespace

bool isInstalledFamily(const QString& family) {
    // Qt's plain list of installed families, made once: QFontDatabase::hasFamily would resolve
    // aliases through fontconfig, and the list takes a few milliseconds to make with some
    // thousands of fonts installed.
    static const QStringList installed = QFontDatabase::families();
    return installed.contains(family, Qt::CaseInsensitive);
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
