#pragma once
#include "app/pelmainunit1.h"
#include "support/scriptedprompts.h"

#include "lineup/lineupdocument.h"
#include "widgets/gridview.h"
#include "widgets/ledlight.h"
#include "widgets/stringgrid.h"

#include <QAction>
#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
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

// A control of the window (or a dialog) by its name; the test stops when
// there is none of that name and kind.
template <typename T> T *ctl(const QObject &parent, const char *name)
{
    T *c = parent.findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control named %s", name);
    return c;
}

// The window's title as the window system shows it: "[*]" becomes "*"
// while the line-up is modified.
QString shownTitle(const QWidget &window);

// The twenty name labels of the pitch: GK, SW, DF1-5, MF1-5, WG1-4, FW1-4.
QList<QLabel *> pitchLabels(const TPelMainForm &w);
// Lists a file for zipping, as a save does.
void listForZip(TPelMainForm &w, const QString &path);

// A player's marks set as one command, by grid row and column.
void setMark(TPelMainForm &w, int col, int row, const QString &text);

// The entries of a box or list, as the manager sees them.
QStringList items(const QComboBox *box);
QStringList items(const QListWidget *list);
// A click on a grid cell, as the user makes it.
void clickCell(GridView *grid, int col, int row, Qt::MouseButton button = Qt::LeftButton);

// "from" to "to" as the decimal texts of a number box.
QStringList numbers(int from, int to);

// The example roster of the tests: a small squad covering every position.
QByteArray exampleRoster();
// A squad of team TST whose roster lines carry a complete line-up in their
// mark fields: eleven starters, substitutes S1 to S5 and one player on the
// bench (row 17).
QByteArray markedRoster();
