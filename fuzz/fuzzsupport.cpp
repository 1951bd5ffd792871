#include "fuzzsupport.h"
#include "app/pelerror.h"
#include "app/textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

void fuzzFail(const char *condition, const QString &detail)
{
    std::fprintf(stderr, "\n*** invariant broken: %s\n%s\n", condition, detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

const QString &fuzzDir()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/pellmore-fuzz-XXXXXX"));
    static const QString path = dir.path();
    if (!dir.isValid())
        fuzzFail("dir.isValid()", QStringLiteral("cannot make a temporary folder"));
    return path;
}

QString putFile(const QString &name, const QByteArray &bytes)
{
    const QString path = fuzzDir() + u'/' + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fuzzFail("putFile", path);
    return path;
}

QStringList writtenAndRead(const QString &name, const QByteArray &bytes)
{
    const QString path = fuzzDir() + u'/' + name;
    textfile::writeFile(path, bytes);
    try {
        return textfile::readLines(path);
    } catch (const PelError &e) {
        fuzzFail("the written file opens again", e.message());
    }
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QByteArray bytes = file.readAll();
    if (bytes.isNull())
        bytes = QByteArray(""); // an empty file is not a missing one
    return bytes;
}

QString quoted(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.unicode() > 0x7e)
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
        else
            out += c;
    }
    return out + u'"';
}

QString quoted(const QStringList &lines)
{
    QStringList parts;
    for (const QString &l : lines)
        parts << quoted(l);
    return QStringLiteral("[%1 lines] ").arg(lines.size()) + parts.join(QStringLiteral(" | "));
}

QString fieldText(const std::string &bytes)
{
    QString text = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    text.remove(u',');
    return text;
}
