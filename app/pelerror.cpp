#include "app/pelerror.h"

QString withFullStop(const QString &message)
{
    if (!message.isEmpty() && message.back() > QChar(u'.'))
        return message + u'.';
    return message;
}

int toWholeNumber(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        throw PelError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}
