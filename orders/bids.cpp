#include "orders/bids.h"
#include "app/pelerror.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
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

void writeArchive(const QString &zipPath, const QStringList &files)
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
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(zipPath).constData(), ZIP_CREATE, &error);
    if (!archive) {
        zip_error_t e;
        zip_error_init_with_code(&e, error);
        const QString reason = QString::fromLocal8Bit(zip_error_strerror(&e));
        zip_error_fini(&e);
        throw PelError(QStringLiteral("Cannot write %1: %2").arg(zipPath, reason));
    }
    auto fail = [&](const QString &what) {
        const QString reason = QString::fromLocal8Bit(zip_strerror(archive));
        zip_discard(archive); // the old archive stays as it was
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
    // libzip writes a temporary file and renames it over the old archive.
    if (zip_close(archive) < 0)
        fail(zipPath);
}

} // namespace orders
