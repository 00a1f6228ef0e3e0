#include "PlayEventSource.h"

#include <QStringList>

#include <utility>

namespace {

using Action = PlayEvent::Action;

// Relative weights of the actions, per window in front. Actions that do not apply there still
// come up now and then: a player's stray click must do nothing.
struct Weight {
    Action action;
    int form1;
    int form2;
    int form3;
};

constexpr Weight kWeights[] = {
    {Action::MenuClick, 14, 1, 1}, {Action::Accelerator, 14, 8, 8}, {Action::Go, 6, 1, 1},
    {Action::Ok, 1, 14, 22},       {Action::EnterInBox, 5, 1, 6},   {Action::Type, 12, 1, 26},
    {Action::Paste, 3, 1, 4},      {Action::EditKey, 10, 6, 12},    {Action::FrameClose, 2, 6, 4},
};

const QStringList kWords{
    QStringLiteral("start"),      QStringLiteral("inf"),
    QStringLiteral("-Infinity"),  QStringLiteral("NaN"),
    QStringLiteral("nan(123)"),   QStringLiteral("0x10"),
    QStringLiteral("1,234"),      QStringLiteral("1 000"),
    QStringLiteral("1.2.3"),      QStringLiteral("--5"),
    QStringLiteral("+-5"),        QStringLiteral("5-"),
    QStringLiteral(".5"),         QStringLiteral("5."),
    QStringLiteral("."),          QStringLiteral("e5"),
    QStringLiteral("1e"),         QStringLiteral("1e+"),
    QStringLiteral("take brick"), QStringLiteral("hit troll with sword"),
};

// Characters beyond ASCII that look like parts of numbers or break simple readers.
const QString kNonAscii = QStringLiteral(
    "\u00e9\u00df\u03a9\u0661\u0663\u06f5\u0968\uff15\uff0e\u2212\u00a0\u2009\u202f\u20ac"
    "\u6570\u00bd\u00b2\u066b\u066c\u200b\ufeff\u00ad");

const QString kNumberish = QStringLiteral("0123456789+-., eE\t");

} // namespace

PlayEventSource::PlayEventSource(std::uint64_t seed) : random_(seed) {}

int PlayEventSource::below(int bound) {
    return static_cast<int>(random_() % static_cast<std::uint64_t>(bound));
}

Action PlayEventSource::pickAction(const QString& front) {
    const auto weightOf = [&front](const Weight& w) {
        return front == QLatin1String("Form2")   ? w.form2
               : front == QLatin1String("Form3") ? w.form3
                                                 : w.form1;
    };
    int total = 0;
    for (const Weight& w : kWeights)
        total += weightOf(w);
    int pick = below(total);
    for (const Weight& w : kWeights) {
        pick -= weightOf(w);
        if (pick < 0)
            return w.action;
    }
    return Action::Go;
}

PlayEvent PlayEventSource::next(const View& view) {
    PlayEvent event;
    event.action = pickAction(view.front);
    event.answer = below(kAnswerWays);
    switch (event.action) {
    case Action::MenuClick:
        event.item = below(static_cast<int>(kMenuItems.size()));
        // End Game restarts the run; keep it rare enough for long stretches in between.
        if (event.item == kEndGameItem && chance(70))
            event.item = 0;
        break;
    case Action::Accelerator:
        event.item = below(static_cast<int>(kAccelerators.size()));
        if (event.item == kEndGameAccelerator && chance(70))
            event.item = 1;
        break;
    case Action::Go:
    case Action::Ok:
        event.how = below(4);
        break;
    case Action::EnterInBox:
        event.how = below(2);
        break;
    case Action::Type:
        event.how = below(2);
        event.text = entryText(view);
        if (event.text.size() > 200 && chance(80))
            event.text.truncate(200); // ten thousand key presses are slow; Paste has the rest
        break;
    case Action::Paste:
        event.text = chance(30) ? longText() : entryText(view);
        break;
    case Action::EditKey:
        event.item = below(static_cast<int>(kEditKeys.size()));
        break;
    case Action::FrameClose:
        break;
    }
    return event;
}

QString PlayEventSource::entryText(const View& view) {
    switch (below(20)) {
    case 0:
    case 1:
    case 2:
        return noise(1 + below(12));
    case 3:
    case 4:
        return kWords[below(static_cast<int>(kWords.size()))];
    case 5:
    case 6: {
        QString text;
        for (int i = 1 + below(6); i > 0; --i)
            text += chance(50) ? kNonAscii[below(static_cast<int>(kNonAscii.size()))]
                               : kNumberish[below(static_cast<int>(kNumberish.size()))];
        return text;
    }
    case 7:
    case 8:
        return beyond32Bits();
    case 9:
        return chance(10) ? longText() : QString();
    default:
        return number(view);
    }
}

// A number that the current step may well accept: at or a little below the score above it,
// sometimes a little above, with a fraction, a sign, an exponent or blanks now and then.
QString PlayEventSource::number(const View& view) {
    const std::int64_t limit =
        view.step > 0 && view.step < 5 ? view.slots[static_cast<std::size_t>(view.step - 1)] : 2000;
    std::int64_t value = limit - below(chance(20) ? 3 : 1500) + (chance(10) ? 1 : 0);
    if (chance(5))
        value = chance(50) ? 2147483647 : -2147483647 - 1;
    QString text = QString::number(value);
    switch (below(8)) {
    case 0:
        text += QStringLiteral(".5");
        break;
    case 1:
        text += QLatin1Char('.') + QString::number(below(1000));
        break;
    case 2:
        text = QStringLiteral(" ") + text + QStringLiteral(" ");
        break;
    case 3:
        if (value % 10 == 0 && value != 0)
            text = QString::number(value / 10) + QStringLiteral("e1");
        break;
    case 4:
        if (value >= 0)
            text.prepend(QLatin1Char('+'));
        break;
    default:
        break;
    }
    return text;
}

QString PlayEventSource::noise(int length) {
    QString text;
    for (int i = 0; i < length; ++i) {
        const int kind = below(10);
        if (kind < 6)
            text += kNumberish[below(static_cast<int>(kNumberish.size()))];
        else if (kind < 9)
            text += QChar(u'a' + below(26));
        else
            text += kNonAscii[below(static_cast<int>(kNonAscii.size()))];
    }
    return text;
}

QString PlayEventSource::longText() {
    switch (below(4)) {
    case 0:
        return QString(10000, QLatin1Char('9'));
    case 1:
        return QLatin1Char('1') + QString(9999, QLatin1Char('0'));
    case 2:
        return QStringLiteral("0.") + QString(9998, QLatin1Char('5'));
    default:
        return noise(10000);
    }
}

QString PlayEventSource::beyond32Bits() {
    static const QStringList kFixed{
        QStringLiteral("2147483648"),
        QStringLiteral("-2147483649"),
        QStringLiteral("2147483647.5"),
        QStringLiteral("-2147483648.5"),
        QStringLiteral("4294967296"),
        QStringLiteral("9223372036854775808"),
        QStringLiteral("1e10"),
        QStringLiteral("-1e19"),
        QStringLiteral("1e308"),
        QStringLiteral("1e309"),
        QStringLiteral("-1e400"),
        QStringLiteral("1e-400"),
        QStringLiteral("99999999999999999999999"),
    };
    if (chance(50))
        return kFixed[below(static_cast<int>(kFixed.size()))];
    const std::int64_t big = (std::int64_t{1} << 31) + below(1 << 30) * std::int64_t{1000};
    return QString::number(chance(50) ? big : -big - 1);
}
