#pragma once
#include <QColor>
#include <QString>
#include <functional>
#include <optional>

class QDialog;
class QWidget;

// Every exchange with the user that waits for an answer goes through this
// seam. The program installs the Qt implementation; tests install a scripted
// one that records each box and answers from a queue.
class Prompts {
public:
    enum class Kind { Plain, Error, Warning, Information, Confirmation };
    enum Button { Ok = 0x1, Cancel = 0x2, Yes = 0x4, No = 0x8, Abort = 0x10, Help = 0x20, Retry = 0x40,
                  Save = 0x80, Discard = 0x100 };

    virtual ~Prompts() = default;

    // A message box; returns the button pressed. defaultButton, one of
    // buttons, is the one Enter presses; 0 leaves the choice to the box.
    virtual int message(Kind kind, const QString &caption, const QString &text, int buttons,
                        int defaultButton) = 0;
    // The open-file chooser; filters in the "Name|*.ext|Name|*.*" form. An
    // empty result means the user cancelled.
    virtual QString openFile(QWidget *parent, const QString &title, const QString &filters,
                             const QString &folder) = 0;
    virtual std::optional<QColor> chooseColour(QWidget *parent, const QColor &initial) = 0;
    virtual QString chooseDirectory(QWidget *parent, const QString &folder) = 0;
    // Runs a modal dialog; returns its result code.
    virtual int runDialog(QDialog *dialog) = 0;

    static Prompts &current();
    // Installs another implementation (tests); nullptr restores Qt's.
    static void install(Prompts *prompts);
};

// Typed boxes take their caption from their kind; plain boxes without a
// caption of their own show the application title.
QString captionFor(Prompts::Kind kind, const QString &caption = QString());

int showMessage(Prompts::Kind kind, const QString &text, int buttons, int defaultButton = 0);
void showPlain(const QString &caption, const QString &text);

// The default error report: an error box captioned "Pellmore".
void showErrorReport(const QString &message);

// Runs one handler to its end: an error it does not handle itself stops it
// there and is shown by the default error report.
void runGuarded(const std::function<void()> &handler);

// "Roster Files|*.ros|All files|*.*" as a Qt filter string.
QString qtFilters(const QString &filters);
