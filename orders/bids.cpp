#include "orders/bids.h"
#include "app/pelerror.h"
#include "app/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>
#include <zip.h>

namespace orders {

QString sessionFileName(const QString &abbreviation, const QString &session, const QString &suffix)
{
    return abbreviation + QStringLiteral("Session") + session + suffix;
}

bool namesConsistent(const QVector<Bid> &bids)
{
    for (const Bid &a : bids)
        for (const Bid &b : bids)
            if (a.name.compare(b.name, Qt::CaseInsensitive) == 0 && a.lot != b.lot)
                return false;
    return true;
}

QStringList bidLines(const QVector<Bid> &bids, bool autoSort)
{
    QStringList lines;
    for (const Bid &b : bids)
        for (const QString *t : {&b.lot, &b.price, &b.name})
            textfile::checkSingleLine(*t, QStringLiteral("The bid \"%1\"").arg(b.name));
    for (const Bid &b : bids) {
        const QString line = b.lot + u',' + b.price + u',' + b.name;
        if (line.size() > 3)
            lines.append(line);
    }
    if (autoSort)
        std::stable_sort(lines.begin(), lines.end(),
                         [](const QString &x, const QString &y) { return x.compare(y, Qt::CaseInsensitive) < 0; });
    return lines;
}

QString suggestedName(const QVector<Bid> &bids, int row)
{
    const Bid &current = bids.at(row - 1);
    if (!current.name.isEmpty())
        return current.name;
    for (const Bid &b : bids)
        if (b.lot == current.lot && !b.lot.isEmpty() && !b.name.isEmpty())
            return b.name;
    return QStringLiteral("AuctPlayer%1").arg(row);
}

QString amountProblem(const QString &text)
{
    if (text.isEmpty())
        return QStringLiteral("Please enter an amount first.");
    if (text.size() > 4)
        return QStringLiteral("Max Bid is 9999");
    bool ok = false;
    const int amount = text.toInt(&ok, 10);
    if (!ok || amount == -99)
        return QStringLiteral("Enter your bid using ONLY numbers");
    if (amount < 1)
        return QStringLiteral("Please enter a POSITIVE Amount");
    return QString();
}

QStringList archiveProblems(const QStringList &files, QStringList *unique)
{
    // One file listed twice (also once by bare name and once by full path)
    // is packed once.
    QStringList kept;
    QStringList seen;
    for (const QString &path : files) {
        const QString absolute = QFileInfo(path).absoluteFilePath();
        if (seen.contains(absolute))
            continue;
        seen.append(absolute);
        kept.append(path);
    }
    if (unique)
        *unique = kept;
    // Entries are stored under bare names, and the game master's Windows
    // takes names that differ only in case for one.
    QStringList problems;
    for (qsizetype i = 0; i < kept.size(); ++i)
        for (qsizetype j = i + 1; j < kept.size(); ++j)
            if (QFileInfo(kept.at(i)).fileName().compare(QFileInfo(kept.at(j)).fileName(), Qt::CaseInsensitive) == 0)
                problems.append(QStringLiteral("%1 and %2 have the same name and cannot both be zipped. "
                                               "Remove one of them from the list.")
                                    .arg(kept.at(i), kept.at(j)));
    return problems;
}

QStringList writeArchive(const QString &zipPath, const QStringList &files)
{
    // Read every file first: a missing one stops before the archive is touched.
    std::vector<QByteArray> contents;
    contents.reserve(files.size());
    for (const QString &path : files) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            throw PelError(QStringLiteral("Cannot read %1 for the archive: %2").arg(path, f.errorString()));
        contents.push_back(f.readAll());
    }
    // The archive is built in memory from the old one, if any, and written
    // through the same checked routine as every other file.
    QByteArray old;
    if (QFile existing(zipPath); existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly))
            throw PelError(QStringLiteral("Cannot write %1: %2").arg(zipPath, existing.errorString()));
        old = existing.readAll();
    }
    zip_error_t error;
    zip_error_init(&error);
    auto reasonOf = [](zip_error_t *e) { return QString::fromLocal8Bit(zip_error_strerror(e)); };
    // libzip owns the bytes it rewrites in place: hand it a copy of its own.
    void *bytesOfOld = old.isEmpty() ? nullptr : std::malloc(size_t(old.size()));
    if (bytesOfOld)
        std::memcpy(bytesOfOld, old.constData(), size_t(old.size()));
    zip_source_t *buffer = zip_source_buffer_create(bytesOfOld, zip_uint64_t(old.size()), 1, &error);
    if (!buffer) {
        std::free(bytesOfOld);
        const QString reason = reasonOf(&error);
        zip_error_fini(&error);
        throw PelError(QStringLiteral("Cannot write %1: %2").arg(zipPath, reason));
    }
    zip_t *archive = zip_open_from_source(buffer, ZIP_CREATE, &error);
    if (!archive) {
        const QString reason = reasonOf(&error);
        zip_error_fini(&error);
        zip_source_free(buffer);
        throw PelError(QStringLiteral("Cannot write %1: %2").arg(zipPath, reason));
    }
    zip_error_fini(&error);
    zip_source_keep(buffer); // its bytes are the new archive after zip_close
    struct BufferRelease {
        zip_source_t *source;
        ~BufferRelease() { zip_source_free(source); }
    } release{buffer};

    auto fail = [&](const QString &what) {
        const QString reason = QString::fromLocal8Bit(zip_strerror(archive));
        zip_discard(archive);
        throw PelError(QStringLiteral("Cannot write %1: %2 (%3)").arg(zipPath, reason, what));
    };
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QByteArray name = QFileInfo(files.at(i)).fileName().toUtf8();
        zip_source_t *source = zip_source_buffer(archive, contents[i].constData(), contents[i].size(), 0);
        if (!source)
            fail(files.at(i));
        const zip_int64_t index = zip_file_add(archive, name.constData(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            fail(files.at(i));
        }
        if (zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_DEFLATE, 9) < 0)
            fail(files.at(i));
    }
    QStringList entries;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i)
        if (const char *name = zip_get_name(archive, zip_uint64_t(i), 0))
            entries.append(QString::fromUtf8(name));
    if (zip_close(archive) < 0)
        fail(zipPath);

    QByteArray bytes;
    if (zip_source_open(buffer) < 0)
        throw PelError(QStringLiteral("Cannot write %1: the archive could not be built").arg(zipPath));
    char chunk[65536];
    zip_int64_t n;
    while ((n = zip_source_read(buffer, chunk, sizeof chunk)) > 0)
        bytes.append(chunk, qsizetype(n));
    zip_source_close(buffer);
    if (n < 0)
        throw PelError(QStringLiteral("Cannot write %1: the archive could not be built").arg(zipPath));
    textfile::writeFile(zipPath, bytes);
    return entries;
}

} // namespace orders
