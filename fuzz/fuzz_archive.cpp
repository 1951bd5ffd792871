// The orders archive over real files: a few listed files, and at the
// archive's path nothing, an archive from an earlier run, or any bytes.
// A written archive opens with libzip and holds every listed file's bytes
// under its bare name, beside the earlier entries it did not replace; a
// refused one leaves the old file byte for byte as it was.
#include "app/pelerror.h"
#include "fuzzsupport.h"
#include "orders/bids.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <fuzzer/FuzzedDataProvider.h>
#include <zip.h>

namespace {

// The entries of the archive at path, by name; false when it does not open.
bool readArchive(const QString &path, QMap<QString, QByteArray> &entries)
{
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!archive)
        return false;
    bool ok = true;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count && ok; ++i) {
        zip_stat_t st;
        zip_file_t *file = nullptr;
        ok = zip_stat_index(archive, zip_uint64_t(i), 0, &st) == 0 && (file = zip_fopen_index(archive, zip_uint64_t(i), 0));
        if (!ok)
            break;
        QByteArray bytes(qsizetype(st.size), '\0');
        ok = zip_fread(file, bytes.data(), st.size) == zip_int64_t(st.size);
        zip_fclose(file);
        entries.insert(QString::fromUtf8(st.name), bytes);
    }
    zip_discard(archive);
    return ok;
}

// A bare file name of the input's choosing: letters, digits and a few signs.
QString fileName(FuzzedDataProvider &in)
{
    static const QString signs = QStringLiteral("abcXYZ019._- é");
    QString name;
    const size_t length = in.ConsumeIntegralInRange<size_t>(1, 12);
    for (size_t i = 0; i < length; ++i)
        name += signs.at(in.ConsumeIntegralInRange<qsizetype>(0, signs.size() - 1));
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        name += u'x';
    return name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const QString folder = fuzzDir() + QStringLiteral("/files");
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    const QString zipPath = fuzzDir() + QStringLiteral("/ABCSession7.zip");
    QFile::remove(zipPath);

    // What stands at the archive's path before.
    QMap<QString, QByteArray> earlier;
    switch (in.ConsumeIntegralInRange(0, 2)) {
    case 1: {
        const QString old = folder + QStringLiteral("/old/");
        QDir().mkpath(old);
        const int count = in.ConsumeIntegralInRange(1, 3);
        QStringList files;
        for (int i = 0; i < count; ++i) {
            const QString name = fileName(in);
            const QByteArray bytes = QByteArray::fromStdString(in.ConsumeRandomLengthString(200));
            QFile f(old + name);
            if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
                fuzzFail("old file written", name);
            files << old + name;
        }
        orders::writeArchive(zipPath, files);
        if (!readArchive(zipPath, earlier))
            fuzzFail("the earlier archive opens", zipPath);
        break;
    }
    case 2: {
        QFile f(zipPath);
        const QByteArray bytes = QByteArray::fromStdString(in.ConsumeRandomLengthString(400));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            fuzzFail("old archive written", zipPath);
        break;
    }
    default: break;
    }
    const bool existed = QFile::exists(zipPath);
    const QByteArray before = fileBytes(zipPath);

    // The listed files: distinct bare names, sometimes one listed twice or
    // one that does not exist.
    QMap<QString, QByteArray> listed;
    QStringList files;
    bool missing = false;
    const int count = in.ConsumeIntegralInRange(1, 4);
    for (int i = 0; i < count; ++i) {
        const int kind = in.ConsumeIntegralInRange(0, 9);
        if (kind == 0 && !files.isEmpty()) {
            files << files.first();
            continue;
        }
        const QString name = fileName(in);
        bool clash = false;
        for (auto it = listed.cbegin(); it != listed.cend(); ++it)
            clash = clash || it.key().compare(name, Qt::CaseInsensitive) == 0;
        if (clash)
            continue;
        const QString path = folder + u'/' + name;
        if (kind == 1) {
            missing = true;
            files << path;
            continue;
        }
        const QByteArray bytes = QByteArray::fromStdString(in.ConsumeRandomLengthString(2000));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            fuzzFail("listed file written", path);
        listed.insert(name, bytes);
        files << path;
    }

    try {
        orders::writeArchive(zipPath, files);
    } catch (const PelError &) {
        FUZZ_CHECK(QFile::exists(zipPath) == existed && fileBytes(zipPath) == before,
                   QStringLiteral("a refused archive changed the old file"));
        return 0;
    }
    FUZZ_CHECK(!missing, QStringLiteral("an archive was written without a listed file"));

    QMap<QString, QByteArray> entries;
    FUZZ_CHECK(readArchive(zipPath, entries), QStringLiteral("the written archive does not open"));
    QMap<QString, QByteArray> expected = earlier;
    expected.insert(listed);
    FUZZ_CHECK(entries == expected, QStringLiteral("holds %1, listed %2")
                                        .arg(quoted(QStringList(entries.keys())), quoted(QStringList(listed.keys()))));
    return 0;
}
