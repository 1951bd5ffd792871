#pragma once
// Shared by the fuzz targets: a broken invariant aborts with a message, so
// libFuzzer keeps the input as a crash; the files a target writes live in a
// folder of the fuzzing process.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

[[noreturn]] void fuzzFail(const char *condition, const QString &detail);

#define FUZZ_CHECK(condition, detail)                                                                                  \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            fuzzFail(#condition, (detail));                                                                            \
    } while (0)

// The process's own folder, made on first use and removed at exit.
const QString &fuzzDir();

// Writes bytes to the named file of that folder (replacing it) and returns its path.
QString putFile(const QString &name, const QByteArray &bytes);

// Writes bytes to the named file the way the program saves a league file and
// reads it again the way the program opens one. A file that the program
// wrote and then refuses to read is a broken invariant.
QStringList writtenAndRead(const QString &name, const QByteArray &bytes);

// The whole file, or a null array when it cannot be read.
QByteArray fileBytes(const QString &path);

// Texts for the failure report.
QString quoted(const QString &text);
QString quoted(const QStringList &lines);

// The input as bytes.
inline QByteArray inputBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Text for a single-line field: any character but the comma, which the
// league's files use as separator and which no field can hold. Taken from
// UTF-8, so characters outside Windows-1252 come too.
QString fieldText(const std::string &bytes);
