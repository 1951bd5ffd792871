#include "app/inistore.h"
#include "app/pelerror.h"
#include "app/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <optional>

namespace {

bool isSectionLine(const QString &line, QString *name = nullptr)
{
    const QString t = line.trimmed();
    if (!t.startsWith(u'['))
        return false;
    const qsizetype close = t.indexOf(u']');
    if (close < 0)
        return false;
    if (name)
        *name = t.mid(1, close - 1).trimmed();
    return true;
}

// The key of a "key=value" line, or nothing for other lines.
std::optional<QString> keyOf(const QString &line)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq <= 0 || line.trimmed().startsWith(u';'))
        return std::nullopt;
    return line.left(eq).trimmed();
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

struct Found {
    qsizetype sectionLine = -1; // index of the section header
    qsizetype lastKeyLine = -1; // last key line of that section
    qsizetype keyLine = -1;     // line holding the key
};

Found locate(const QStringList &lines, const QString &section, const QString &key)
{
    Found f;
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString name;
        if (isSectionLine(lines.at(i), &name)) {
            if (inSection)
                break; // only the first section of that name counts
            inSection = sameName(name, section);
            if (inSection)
                f.sectionLine = f.lastKeyLine = i;
            continue;
        }
        if (!inSection)
            continue;
        if (const auto k = keyOf(lines.at(i))) {
            f.lastKeyLine = i;
            if (f.keyLine < 0 && sameName(*k, key))
                f.keyLine = i;
        }
    }
    return f;
}

} // namespace

IniStore::IniStore(QString path) : filePath(std::move(path)) {}

QStringList IniStore::readFileLines(QString *lineEnd) const
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (lineEnd) {
        // Keep the file's own line ends; a new file gets CR LF.
        const qsizetype lf = bytes.indexOf('\n');
        const qsizetype cr = bytes.indexOf('\r');
        if (cr >= 0 && cr + 1 == lf)
            *lineEnd = QStringLiteral("\r\n");
        else if (lf >= 0 && (cr < 0 || lf < cr))
            *lineEnd = QStringLiteral("\n");
        else if (cr >= 0)
            *lineEnd = QStringLiteral("\r");
        else
            *lineEnd = QStringLiteral("\r\n");
    }
    return textfile::splitLines(textfile::decode(bytes));
}

QString IniStore::readString(const QString &section, const QString &key, const QString &def) const
{
    const QStringList lines = readFileLines();
    const Found f = locate(lines, section, key);
    if (f.keyLine < 0)
        return def;
    const QString &line = lines.at(f.keyLine);
    return line.mid(line.indexOf(u'=') + 1).trimmed();
}

bool IniStore::parseInteger(const QString &text, int &value)
{
    const QString t = text.trimmed();
    bool ok = false;
    if (t.size() > 2 && (t.startsWith(QLatin1String("0x")) || t.startsWith(QLatin1String("0X")))) {
        const quint32 u = t.mid(2).toUInt(&ok, 16);
        if (ok)
            value = static_cast<qint32>(u);
        return ok;
    }
    const int v = t.toInt(&ok, 10);
    if (ok)
        value = v;
    return ok;
}

int IniStore::readInteger(const QString &section, const QString &key, int def) const
{
    int value = def;
    return parseInteger(readString(section, key, QString()), value) ? value : def;
}

bool IniStore::readBool(const QString &section, const QString &key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

QString IniStore::formatFloat(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

double IniStore::readFloat(const QString &section, const QString &key, double def) const
{
    QString text = readString(section, key, QString());
    text.replace(u',', u'.'); // a file written with a decimal comma
    bool ok = false;
    const double v = QLocale::c().toDouble(text, &ok);
    return ok ? v : def;
}

void IniStore::writeString(const QString &section, const QString &key, const QString &value)
{
    QString lineEnd;
    QStringList lines = readFileLines(&lineEnd);
    const Found f = locate(lines, section, key);
    const QString entry = key + u'=' + value;
    if (f.keyLine >= 0) {
        lines[f.keyLine] = entry;
    } else if (f.sectionLine >= 0) {
        lines.insert(f.lastKeyLine + 1, entry);
    } else {
        lines.append(u'[' + section + u']');
        lines.append(entry);
    }
    QString text;
    for (const QString &line : lines)
        text += line + lineEnd;
    if (!QFileInfo(filePath).isWritable())
        throw PelError(QStringLiteral("Unable to write to %1").arg(filePath));
    try {
        textfile::writeFile(filePath, textfile::encode(text, filePath));
    } catch (const PelError &) {
        throw PelError(QStringLiteral("Unable to write to %1").arg(filePath));
    }
}

void IniStore::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniStore::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniStore::writeFloat(const QString &section, const QString &key, double value)
{
    writeString(section, key, formatFloat(value));
}

QString settingsPathFor(const QString &executablePath)
{
    const QFileInfo exe(executablePath);
    return exe.absolutePath() + u'/' + exe.completeBaseName() + QStringLiteral(".INI");
}
