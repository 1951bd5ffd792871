#include "app/inistore.h"
#include "app/pelerror.h"
#include "app/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <cmath>
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

IniStore IniStore::snapshot() const
{
    IniStore copy(filePath);
    copy.held = std::make_shared<const QStringList>(readFileLines());
    return copy;
}

namespace {

// The file's lines, each with its own line end ("" for a last line without one).
struct Line {
    QString text, end;
};

QVector<Line> splitKeepingEnds(const QString &text)
{
    QVector<Line> lines;
    Line current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n') {
            current.text.append(c);
            continue;
        }
        current.end = (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ? QStringLiteral("\r\n")
                                                                                       : QString(c);
        i += current.end.size() - 1;
        lines.append(current);
        current = Line();
    }
    if (!current.text.isEmpty())
        lines.append(current);
    return lines;
}

} // namespace

QStringList IniStore::readFileLines() const
{
    if (held)
        return *held;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return textfile::splitLines(textfile::decode(file.readAll()));
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

int IniStore::readInteger(const QString &section, const QString &key, int def, int min, int max) const
{
    const int value = readInteger(section, key, def);
    return value < min || value > max ? def : value;
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
    return ok && std::isfinite(v) ? v : def;
}

double IniStore::readFloat(const QString &section, const QString &key, double def, double min, double max) const
{
    const double value = readFloat(section, key, def);
    return value < min || value > max ? def : value;
}

void IniStore::writeString(const QString &section, const QString &key, const QString &value)
{
    const QString fileName = QFileInfo(filePath).fileName();
    if (held)
        throw PelError(QStringLiteral("Unable to write to %1").arg(filePath));
    // A setting is one line: a line break or another control character in it
    // would split the file.
    for (const QString *text : {&section, &key, &value})
        if (const qsizetype at = textfile::controlCharacterAt(*text, false); at >= 0)
            throw PelError(QStringLiteral("The setting %1 cannot hold the control character (code %2); "
                                          "%3 was not changed")
                               .arg(key)
                               .arg(text->at(at).unicode())
                               .arg(fileName));

    // An existing file that cannot be read is never rewritten from nothing.
    QByteArray old;
    const bool exists = QFileInfo::exists(filePath);
    if (exists) {
        QFile file(filePath);
        if (!file.open(QIODevice::ReadOnly))
            throw PelError(QStringLiteral("Unable to write to %1").arg(filePath));
        old = file.readAll();
        if (file.error() != QFileDevice::NoError)
            throw PelError(QStringLiteral("Unable to write to %1").arg(filePath));
    }
    QVector<Line> lines = splitKeepingEnds(textfile::decode(old));
    QStringList texts;
    for (const Line &l : lines)
        texts.append(l.text);
    // New lines take the file's first line end; a new file gets CR LF.
    QString lineEnd = QStringLiteral("\r\n");
    for (const Line &l : lines)
        if (!l.end.isEmpty()) {
            lineEnd = l.end;
            break;
        }
    auto insertAt = [&](qsizetype at, const QString &text) {
        // A line inserted after a last line without a line end gives that
        // line one and goes without one itself.
        Line line{text, lineEnd};
        if (at == lines.size() && !lines.isEmpty() && lines.last().end.isEmpty()) {
            lines.last().end = lineEnd;
            line.end.clear();
        }
        lines.insert(at, line);
    };

    const Found f = locate(texts, section, key);
    const QString entry = key + u'=' + value;
    if (f.keyLine >= 0) {
        lines[f.keyLine].text = entry;
    } else if (f.sectionLine >= 0) {
        insertAt(f.lastKeyLine + 1, entry);
    } else {
        insertAt(lines.size(), u'[' + section + u']');
        insertAt(lines.size(), entry);
    }
    QString text;
    for (const Line &l : lines)
        text += l.text + l.end;
    // A character the code page cannot hold is named, like in the order files.
    const QByteArray bytes = textfile::encode(text, fileName);
    if (exists && !QFileInfo(filePath).isWritable())
        throw PelError(QStringLiteral("Unable to write to %1").arg(filePath));
    try {
        textfile::writeFile(filePath, bytes, textfile::WriteMode::InPlaceFallback);
    } catch (const textfile::WriteError &e) {
        // A write in place that failed half-way: put the old text back.
        if (exists && QFileInfo(filePath).size() != old.size()) {
            try {
                textfile::writeFile(filePath, old, textfile::WriteMode::InPlaceFallback);
            } catch (const PelError &) {
            }
        }
        throw PelError(QStringLiteral("Unable to write to %1: %2").arg(filePath, e.reason));
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
