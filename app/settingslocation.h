#pragma once
#include <QString>
#include <QStringList>

// Where the program finds its settings file and the files it ships (the help
// document, the default settings). Two layouts are served: the portable one,
// everything beside the executable, and the installed one, the executable in
// bin/, the shipped files in the data folder (share/pellmore/) and the
// settings in the user's configuration folder.
namespace location {

// The installed data folder of an executable living in executableDir.
QString installedDataFolder(const QString &executableDir);

// The path of a shipped file: beside the executable when it is there, else
// in the installed data folder when it is there, else the path beside the
// executable (which then does not exist).
QString shippedFile(const QString &fileName, const QString &executableDir);
// The same for the running program.
QString shippedFile(const QString &fileName);

// The settings file to open:
// - the one beside the executable when it is there and can be written;
// - else the one in configFolder, made on first start from the shipped
//   default when it is missing;
// - else the one beside the executable when it is there (read only);
// - else the path beside the executable, which does not exist: start-up
//   then refuses with the missing-settings error.
QString resolveSettings(const QString &executablePath, const QString &configFolder);
// The same for the running program and the user's configuration folder.
QString resolveSettings();

} // namespace location
