#pragma once
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

// Joins lines, each ended by CR LF.
QString joinLines(const QStringList &lines);

// Writes bytes atomically: the old file stays whole unless the new one is
// complete. Throws a PelError naming the file and the system's reason.
void writeFile(const QString &path, const QByteArray &bytes);

} // namespace textfile
