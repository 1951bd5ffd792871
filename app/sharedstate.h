#pragma once
#include "app/inistore.h"

#include <QColor>
#include <QString>
#include <memory>

// What the main window's sheets share besides the line-up document: the
// settings file, the display options they follow and the working directory.
struct SharedState {
    std::unique_ptr<IniStore> settings;
    bool timeSteps = false;
    QColor colour;
    QString workingDir;
    QString rosterFolder; // starting folder of the open-file dialogs

    // Path of a file in the working directory.
    QString pathFor(const QString &fileName) const { return workingDir + fileName; }
};
