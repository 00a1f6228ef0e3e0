#include "PlayerView.h"

QStringList PlayerView::lines() const {
    const auto shown = [](const QString& text) {
        return text.size() > 70 ? text.left(70) + QStringLiteral("...") : text;
    };
    QStringList slotTexts;
    for (const auto value : slots)
        slotTexts.append(QString::number(value));
    return {
        QStringLiteral("visible: ") + visible.join(QLatin1Char(' ')),
        QStringLiteral("focus: ") + focus,
        QStringLiteral("page: ") + shown(page),
        QStringLiteral("command: ") + shown(command),
        QStringLiteral("prompt: ") + prompt,
        QStringLiteral("entry: ") + shown(entry),
        QStringLiteral("table: ") + table.join(QLatin1Char(' ')),
        QStringLiteral("message box: ") + messageBox,
        QStringLiteral("slots: ") + slotTexts.join(QLatin1Char(' ')),
        QStringLiteral("room: ") + QString::number(room),
        QStringLiteral("ends: ") + QString::number(ends),
        QStringLiteral("warnings: ") + warnings.join(QStringLiteral(" | ")),
    };
}
