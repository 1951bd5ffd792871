#include "lineup/tactics.h"

#include <algorithm>

namespace lineup {

const QStringList &conditionEvents()
{
    static const QStringList events{"G", "T"};
    return events;
}

const QStringList &conditionOperators()
{
    static const QStringList ops{">", ">=", "=", "<=", "<"};
    return ops;
}

QString tacticCode(const Condition &a, const Condition &b)
{
    return QStringList{a.event, a.op, a.complete() ? a.value : QString(),
                       b.event, b.op, b.complete() ? b.value : QString()}
        .join(u',');
}

namespace {

QString words(const Condition &c)
{
    static const QStringList opWords{"is greater than ", "is more than or equal to ", "is equal to ",
                                     "is less than or equal to ", "is less than "};
    QString text = c.event == QLatin1String("G") ? QStringLiteral("Goal Difference ") : QStringLiteral("Game Time ");
    text += opWords.value(conditionOperators().indexOf(c.op)) + c.value;
    if (c.event == QLatin1String("T"))
        text += QStringLiteral(" Minutes");
    return text;
}

int valueOf(const QString &text)
{
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    return ok ? v : 0;
}

} // namespace

QStringList readableConditions(const Condition &a, const Condition &b)
{
    QStringList lines;
    if (a.complete())
        lines.append(words(a));
    if (b.complete())
        lines.append((lines.isEmpty() ? QString() : QStringLiteral("and ")) + words(b));
    return lines;
}

QString strategyCode(const QString &name, bool chosen)
{
    return chosen ? name.left(1) : QStringLiteral("N");
}

QString limitValueText(const QString &text)
{
    bool whole = false;
    text.toInt(&whole, 10);
    if (!whole && text.contains(u'-')) {
        // The sign typed where the cursor was: the digits around it, negated.
        const QString digits = QString(text).remove(u'-');
        bool ok = digits.isEmpty();
        const int magnitude = ok ? 0 : digits.toInt(&ok, 10);
        if (ok && magnitude >= 0 && !digits.startsWith(u'+'))
            return limitValueText(magnitude == 0 ? QStringLiteral("-0") : u'-' + digits);
    }
    const int v = valueOf(text);
    if (v > 90)
        return QStringLiteral("90");
    if (v < -90)
        return QStringLiteral("-90");
    if (v == 0)
        return text.startsWith(u'-') ? QStringLiteral("-") : QStringLiteral("0");
    return text;
}

QString finishedValueText(const QString &text)
{
    return text == QLatin1String("-") ? QStringLiteral("0") : text;
}

QString stepValue(const QString &text, bool up, int step)
{
    // In 64 bits: a text read from a file may hold any whole number.
    const qint64 stepped = qint64(valueOf(text)) + (up ? step : -step);
    return QString::number(std::clamp<qint64>(stepped, -90, 90));
}

int stepFor(const QString &event, bool timeSteps)
{
    return event == QLatin1String("T") && timeSteps ? 15 : 1;
}

} // namespace lineup
