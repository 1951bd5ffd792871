#pragma once
#include "app/pelerror.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The league's text files: 8-bit Windows-1252, lines ended by CR LF on
// writing; CR LF, LF or CR accepted on reading; at most 255 characters a line.
namespace textfile {

constexpr int MaxLineLength = 255;

// Decodes Windows-1252 bytes; all 256 byte values map to a character and back.
QString decode(const QByteArray &bytes);

// Encodes text as Windows-1252. A character the code page cannot hold throws
// a PelError naming the character and fileName; nothing is written by callers.
QByteArray encode(const QString &text, const QString &fileName);

// Splits text into lines at CR LF, LF or CR. A final line end adds no line.
QStringList splitLines(const QString &text);

// Reads a whole file into lines. Throws "Cannot open file %s" when it cannot be
// read, and refuses a line longer than 255 characters naming file and line.
QStringList readLines(const QString &path);

// The position of the first control character of a text (tab allowed when
// asked), or -1. Fields of the league's files never hold one.
qsizetype controlCharacterAt(const QString &text, bool allowTab = true);

// Throws a PelError when a field's text holds a control character (a line
// break would split the league's line): what names the field.
void checkSingleLine(const QString &text, const QString &what);

// A single-line text with every control character (tab, CR and LF included)
// removed: what may be pasted into a field.
QString withoutControlCharacters(const QString &text);

// The message for the first line longer than 255 characters, or empty.
QString tooLongLine(const QStringList &lines, const QString &fileName);

// Joins lines, each ended by CR LF.
QString joinLines(const QStringList &lines);

// Writes bytes atomically: the old file stays whole unless the new one is
// complete and on disk. Every write, the sync and the rename are checked;
// a failure throws a PelError naming the file and the system's reason.
// InPlaceFallback writes over the file itself when its folder allows no
// temporary file (the settings file of a shared install).
enum class WriteMode { Atomic, InPlaceFallback };
class WriteError : public PelError {
public:
    WriteError(const QString &path, const QString &why)
        : PelError(QStringLiteral("Cannot write %1: %2").arg(path, why)), reason(why) {}
    QString reason; // the system's reason
};
void writeFile(const QString &path, const QByteArray &bytes, WriteMode mode = WriteMode::Atomic);

} // namespace textfile
