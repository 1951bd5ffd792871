#include "app/settingslocation.h"
#include "app/inistore.h"
#include "app/pelerror.h"
#include "app/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef PELLMORE_DATA_FROM_BIN
#define PELLMORE_DATA_FROM_BIN "../share/pellmore"
#endif

namespace location {

namespace {

// A settings file the store can write: the store replaces the whole file,
// so its folder must take a new file too.
bool canWrite(const QString &path)
{
    const QFileInfo file(path);
    return file.isFile() && file.isWritable() && QFileInfo(file.absolutePath()).isWritable();
}

// Copies the shipped default into place as a whole file; false when that
// cannot be done.
bool copyDefault(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly) || !QDir().mkpath(QFileInfo(to).absolutePath()))
        return false;
    try {
        textfile::writeFile(to, source.readAll());
    } catch (const PelError &) {
        return false;
    }
    return true;
}

} // namespace

QString installedDataFolder(const QString &executableDir)
{
    return QDir::cleanPath(executableDir + u'/' + QStringLiteral(PELLMORE_DATA_FROM_BIN));
}

QString shippedFile(const QString &fileName, const QString &executableDir)
{
    const QString beside = QDir(executableDir).filePath(fileName);
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = QDir(installedDataFolder(executableDir)).filePath(fileName);
    return QFileInfo::exists(installed) ? installed : beside;
}

QString shippedFile(const QString &fileName)
{
    return shippedFile(fileName, QCoreApplication::applicationDirPath());
}

QString resolveSettings(const QString &executablePath, const QString &configFolder)
{
    const QString portable = settingsPathFor(executablePath);
    if (canWrite(portable))
        return portable;
    if (!configFolder.isEmpty()) {
        const QString name = QFileInfo(portable).fileName();
        const QString own = QDir(configFolder).filePath(name);
        if (QFileInfo::exists(own))
            return own;
        const QString shipped = shippedFile(name, QFileInfo(executablePath).absolutePath());
        if (QFileInfo::exists(shipped) && copyDefault(shipped, own))
            return own;
    }
    return portable;
}

QString resolveSettings()
{
    return resolveSettings(QCoreApplication::applicationFilePath(),
                           QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

} // namespace location
