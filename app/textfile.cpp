#include "app/textfile.h"
#include "app/pelerror.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace textfile {

QString decode(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1252");
    return decoder.decode(bytes);
}

QByteArray encode(const QString &text, const QString &fileName)
{
    QStringEncoder encoder("windows-1252");
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError())
        return bytes;
    // Find the first character that has no Windows-1252 byte, to name it.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype len = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString ch = text.mid(i, len);
        QStringEncoder one("windows-1252");
        const QByteArray ignored = one.encode(ch);
        if (one.hasError() || ignored.isEmpty())
            throw PelError(QStringLiteral("The character \"%1\" cannot be saved in %2: "
                                          "league files hold Windows-1252 text only")
                               .arg(ch, fileName));
        i += len - 1;
    }
    throw PelError(QStringLiteral("%1 cannot be saved as Windows-1252 text").arg(fileName));
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    QString current;
    bool pending = false; // a line has started (text or a line end seen)
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            lines.append(current);
            current.clear();
            pending = false;
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
        } else {
            current.append(c);
            pending = true;
        }
    }
    if (pending)
        lines.append(current);
    return lines;
}

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw PelError(QStringLiteral("Cannot open file %1").arg(path));
    const QStringList lines = splitLines(decode(file.readAll()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.at(i).size() > MaxLineLength)
            throw PelError(QStringLiteral("Line %1 of %2 is longer than %3 characters; "
                                          "the file was not read")
                               .arg(i + 1)
                               .arg(path)
                               .arg(MaxLineLength));
    }
    return lines;
}

QString joinLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return text;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw PelError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    // commit() does not report a failure of its own final flush: flush first.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        throw PelError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
}

} // namespace textfile
