#include "PlayStep.h"

#include "GameTables.h"

namespace {

QString quoted(const QString& text) {
    QString shown = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            shown += QStringLiteral("\\u%1").arg(uint(c.unicode()), 4, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown + QLatin1Char('"');
}

} // namespace

QString PlayStep::describe() const {
    using K = Kind;
    switch (kind) {
    case K::Keys:
        return QStringLiteral("press %1").arg(menuTree()[item].keys.toString());
    case K::Menu:
        return QStringLiteral("choose %1 %2")
            .arg(QLatin1String(menuTree()[item].caption),
                 how == 0 ? QStringLiteral("(triggerAction)") : QStringLiteral("with the mouse"));
    case K::TypeOver:
        return QStringLiteral("type %1 over the box's text").arg(quoted(text));
    case K::TypeAtEnd:
        return QStringLiteral("type %1 at the end of the box").arg(quoted(text));
    case K::PasteAtEnd:
        return QStringLiteral("paste %1 at the end of the box").arg(quoted(text));
    case K::Backspace:
        return QStringLiteral("Backspace at the end of the box");
    case K::EnterInBox:
        return how == 0 ? QStringLiteral("Return in the box") : QStringLiteral("Enter in the box");
    case K::Tab:
        return QStringLiteral("Tab");
    case K::ClickBox:
        return QStringLiteral("click the box");
    case K::Press: {
        static const char* const ways[] = {"click", "Space on", "Return on"};
        return QStringLiteral("%1 the button").arg(QLatin1String(ways[how]));
    }
    case K::FrameClose:
        return QStringLiteral("close the window through its frame");
    case K::Answer: {
        static const char* const ways[] = {"click its OK", "Return", "Escape", "Space",
                                           "close it through its frame"};
        return QStringLiteral("answer the message box: %1").arg(QLatin1String(ways[how]));
    }
    }
    return QStringLiteral("?");
}
