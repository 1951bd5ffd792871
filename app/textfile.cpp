#include "app/textfile.h"
#include "app/pelerror.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>
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
    // Half of a surrogate pair is no character at all; the encoder would drop it.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate())
            throw PelError(QStringLiteral("The character U+%1 (half of a character pair) cannot be saved in %2: "
                                          "league files hold Windows-1252 text only")
                               .arg(c.unicode(), 4, 16, QLatin1Char('0'))
                               .arg(fileName));
    }
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
        if (const qsizetype at = controlCharacterAt(lines.at(i)); at >= 0)
            throw PelError(QStringLiteral("Line %1 of %2 holds a control character (code %3) at position %4; "
                                          "the file was not read")
                               .arg(i + 1)
                               .arg(path)
                               .arg(lines.at(i).at(at).unicode())
                               .arg(at + 1));
    }
    return lines;
}

qsizetype controlCharacterAt(const QString &text, bool allowTab)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if ((c < 0x20 && !(allowTab && c == u'\t')) || c == 0x7F)
            return i;
    }
    return -1;
}

void checkSingleLine(const QString &text, const QString &what)
{
    // A tab is allowed: the readers take it in a field.
    if (const qsizetype at = controlCharacterAt(text, true); at >= 0)
        throw PelError(QStringLiteral("%1 holds a line break or another control character (code %2) "
                                      "and cannot be saved")
                           .arg(what)
                           .arg(text.at(at).unicode()));
}

QString withoutControlCharacters(const QString &text)
{
    QString clean;
    clean.reserve(text.size());
    for (const QChar c : text)
        if (c.unicode() >= 0x20 && c.unicode() != 0x7F)
            clean.append(c);
    return clean;
}

QString tooLongLine(const QStringList &lines, const QString &fileName)
{
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines.at(i).size() > MaxLineLength)
            return QStringLiteral("Line %1 of %2 would be %3 characters long; the league's files allow %4")
                .arg(i + 1)
                .arg(fileName)
                .arg(lines.at(i).size())
                .arg(MaxLineLength);
    return QString();
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

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Writes every byte to the descriptor, going on after a short write; false
// with errno set when the system refuses.
bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        data += n;
        left -= n;
    }
    return true;
}

} // namespace

void writeFile(const QString &path, const QByteArray &bytes, WriteMode mode)
{
    // The bytes go straight to the descriptor and are synced before the
    // rename, so a full disk or a failing device is seen here and the old
    // file is left as it was.
    QSaveFile file(path);
    file.setDirectWriteFallback(mode == WriteMode::InPlaceFallback);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw WriteError(path, file.errorString());
    const int fd = file.handle();
    if (fd < 0 || !writeAll(fd, bytes) || ::fsync(fd) != 0) {
        const int error = errno;
        file.cancelWriting();
        throw WriteError(path, systemReason(error));
    }
    if (!file.commit())
        throw WriteError(path, file.errorString());
}

} // namespace textfile
