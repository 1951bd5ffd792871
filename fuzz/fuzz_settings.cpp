// The settings store over a real file holding the input. Reads never fail;
// a write either is refused, leaving the file byte for byte as it was, or
// reads back as written and keeps every other line with its own line end.
#include "app/inistore.h"
#include "app/pelerror.h"
#include "app/textfile.h"
#include "fuzzsupport.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>

namespace {

struct Name {
    const char *section, *key;
};
// The settings the program reads and writes.
const Name Names[] = {
    {"Options", "ColourScheme"},        {"Options", "AutoIncr"},
    {"Options", "TimeSteps"},           {"Options", "WorkingDir"},
    {"Options", "ScreenRes"},           {"Options", "XRes"},
    {"Options", "YRes"},                {"SeasonLength", "Matches"},
    {"SeasonLength", "Sessions"},       {"HomeBonus", "Min"},
    {"HomeBonus", "Max"},               {"Aggression Modifier", "Passive"},
    {"Aggression Modifier", "Normal"},  {"Aggression Modifier", "Aggressive"},
    {"CoachFilt", "MinSkill"},          {"CoachFilt", "MaxAge"},
    {"TeamTacs", "howmany"},            {"TeamTacs", "T1"},
};

// The name in a letter case chosen by the input: names match without regard to case.
QString anyCase(const char *name, uint32_t mask)
{
    QString s = QString::fromLatin1(name);
    for (qsizetype i = 0; i < s.size(); ++i)
        if (mask & (1u << (i % 32)))
            s[i] = s[i].isUpper() ? s[i].toLower() : s[i].toUpper();
    return s;
}

// One line of the file and the line end after it (empty for a last line without one).
struct Line {
    QByteArray text, end;
    bool operator==(const Line &) const = default;
};

QList<Line> linesOf(const QByteArray &bytes)
{
    QList<Line> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        const qsizetype endLen = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n' ? 2 : 1;
        lines.append({bytes.mid(start, i - start), bytes.mid(i, endLen)});
        i += endLen - 1;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append({bytes.mid(start), QByteArray()});
    return lines;
}

// The key of a key=value line, or the null text for other lines.
QString keyOf(const Line &line)
{
    const QString text = textfile::decode(line.text);
    const qsizetype eq = text.indexOf(u'=');
    return eq > 0 ? text.left(eq).trimmed() : QString();
}

bool isEntry(const Line &line, const QString &key, const QString &value)
{
    const QString text = textfile::decode(line.text);
    return keyOf(line).compare(key, Qt::CaseInsensitive) == 0
           && text.mid(text.indexOf(u'=') + 1).trimmed() == value.trimmed();
}

bool isSection(const Line &line, const QString &section)
{
    const QString t = textfile::decode(line.text).trimmed();
    return t.startsWith(u'[') && t.endsWith(u']') && t.mid(1, t.size() - 2).trimmed().compare(section, Qt::CaseInsensitive) == 0;
}

// The file after a write against the file before it: one entry replaced in
// place, one inserted, or a section with its entry appended; every other line
// the same bytes with the same line end. The last line of the old file may
// gain a line end when lines come after it.
void checkKeptLines(const QByteArray &before, const QByteArray &after, const QString &section, const QString &key,
                    const QString &value)
{
    const QList<Line> o = linesOf(before), n = linesOf(after);
    const QString detail = QStringLiteral("before %1\nafter  %2").arg(quoted(textfile::decode(before)),
                                                                    quoted(textfile::decode(after)));
    qsizetype p = 0;
    while (p < o.size() && p < n.size()
           && (o[p] == n[p]
               || (p == o.size() - 1 && o[p].end.isEmpty() && o[p].text == n[p].text && p < n.size() - 1)))
        ++p;
    qsizetype s = 0;
    while (s < o.size() - p && s < n.size() - p && o[o.size() - 1 - s] == n[n.size() - 1 - s])
        ++s;
    const QList<Line> oldMid = o.mid(p, o.size() - p - s), newMid = n.mid(p, n.size() - p - s);
    if (oldMid.isEmpty() && newMid.isEmpty())
        return; // the same value again
    if (oldMid.size() == 1 && newMid.size() == 1) {
        FUZZ_CHECK(isEntry(newMid[0], key, value) && keyOf(oldMid[0]).compare(key, Qt::CaseInsensitive) == 0,
                   QStringLiteral("a line other than the entry changed\n") + detail);
        FUZZ_CHECK(oldMid[0].end == newMid[0].end, QStringLiteral("the entry's line end changed\n") + detail);
        return;
    }
    if (oldMid.isEmpty() && newMid.size() == 1) {
        FUZZ_CHECK(isEntry(newMid[0], key, value), QStringLiteral("a line other than the entry was added\n") + detail);
        return;
    }
    FUZZ_CHECK(oldMid.isEmpty() && newMid.size() == 2 && s == 0 && isSection(newMid[0], section)
                   && isEntry(newMid[1], key, value),
               QStringLiteral("lines other than the entry changed\n") + detail);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const Name &name = Names[in.ConsumeIntegralInRange<size_t>(0, std::size(Names) - 1)];
    const QString section = anyCase(name.section, in.ConsumeIntegral<uint32_t>());
    const QString key = anyCase(name.key, in.ConsumeIntegral<uint32_t>());
    const int kind = in.ConsumeIntegralInRange(0, 3);
    const int number = in.ConsumeIntegral<int>();
    const double real = in.ConsumeFloatingPoint<double>();
    const QString text = QString::fromUtf8(in.ConsumeRandomLengthString(300));
    const QByteArray before = QByteArray::fromStdString(in.ConsumeRemainingBytesAsString());

    const QString path = putFile(QStringLiteral("pellmore.INI"), before);
    IniStore store(path);

    // Reads of every kind: the default or a value, never a failure.
    store.readString(section, key, QStringLiteral("x"));
    store.readInteger(section, key, 7);
    store.readBool(section, key, true);
    store.readFloat(section, key, 0.5);

    QString expected;
    try {
        switch (kind) {
        case 0: store.writeString(section, key, text); expected = text; break;
        case 1: store.writeInteger(section, key, number); expected = QString::number(number); break;
        case 2: store.writeBool(section, key, number & 1); expected = number & 1 ? "1" : "0"; break;
        default: store.writeFloat(section, key, real); expected = IniStore::formatFloat(real); break;
        }
    } catch (const PelError &) {
        FUZZ_CHECK(fileBytes(path) == before, QStringLiteral("a refused write changed the file"));
        return 0;
    }

    // What is written reads back.
    const QString detail = QStringLiteral("[%1] %2 = %3 in %4").arg(section, key, quoted(expected),
                                                                   quoted(textfile::decode(fileBytes(path))));
    FUZZ_CHECK(store.readString(name.section, name.key, QStringLiteral("\x01none")) == expected.trimmed(), detail);
    switch (kind) {
    case 1: FUZZ_CHECK(store.readInteger(section, key, ~number) == number, detail); break;
    case 2: FUZZ_CHECK(store.readBool(section, key, !(number & 1)) == bool(number & 1), detail); break;
    case 3: {
        const double back = store.readFloat(section, key, 0.25);
        FUZZ_CHECK(back == real || (std::isnan(back) && std::isnan(real)), detail);
        break;
    }
    default: break;
    }

    checkKeptLines(before, fileBytes(path), section, key, expected);
    return 0;
}
