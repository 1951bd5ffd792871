#pragma once
#include "app/pelmainunit1.h"
#include "support/scriptedprompts.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <memory>

// A fresh main window in a temporary folder holding its own settings file and
// data files, with scripted prompts. The folder is the current directory, so
// bare file names land in it.
class Fixture {
public:
    // ini: the settings file's bytes; a null array means no settings file.
    explicit Fixture(const QByteArray &ini = QByteArray(""));
    ~Fixture();

    QString path(const QString &name) const;
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;
    QString iniPath() const { return path("pellmore.INI"); }
    QByteArray ini() const { return read("pellmore.INI"); }

    // Builds the window (again, for a "restart").
    TPelMainForm &start();
    TPelMainForm &form() { return *window; }

    // Opens a roster through File > Open Roster.
    void openRoster(const QString &name, const QByteArray &bytes);

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    std::unique_ptr<TPelMainForm> window;

private:
    QString previousCurrent;
};

class QComboBox;
class QListWidget;
// The entries of a box or list, as the manager sees them.
QStringList items(const QComboBox *box);
QStringList items(const QListWidget *list);
class StringGrid;
// A click on a grid cell, as the user makes it.
void clickCell(StringGrid *grid, int col, int row, Qt::MouseButton button = Qt::LeftButton);

// "from" to "to" as the decimal texts of a number box.
QStringList numbers(int from, int to);

// The example roster of the tests: a small squad covering every position.
QByteArray exampleRoster();
