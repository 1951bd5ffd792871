#pragma once
#include "app/prompts.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <functional>

// Records every box and chooser shown and answers from queues, so a test
// asserts exact texts and no real box ever waits.
class ScriptedPrompts : public Prompts {
public:
    struct Box {
        Kind kind;
        QString caption;
        QString text;
        int buttons;
        int defaultButton; // the button Enter presses; 0: the box's own choice
    };
    struct Chooser {
        QString title;
        QString filters;
        QString folder;
    };

    ScriptedPrompts();
    ~ScriptedPrompts() override;

    QList<Box> boxes;
    QList<Chooser> choosers;
    // Message boxes; empty: the default button (Enter), else the first of Ok,
    // Yes, Cancel, Abort.
    QQueue<int> answers;
    QQueue<QString> files;        // open-file chooser; empty text: cancelled
    QQueue<std::optional<QColor>> colours;
    QQueue<QString> directories;
    // Modal dialogs: each handler fills in the live dialog and "clicks" a
    // button; without one the dialog is cancelled.
    QQueue<std::function<void(QDialog *)>> dialogs;
    int dialogsRun = 0;

    int message(Kind kind, const QString &caption, const QString &text, int buttons, int defaultButton) override;
    QString openFile(QWidget *parent, const QString &title, const QString &filters, const QString &folder) override;
    std::optional<QColor> chooseColour(QWidget *parent, const QColor &initial) override;
    QString chooseDirectory(QWidget *parent, const QString &folder) override;
    int runDialog(QDialog *dialog) override;

    QStringList texts() const; // the texts of every box shown, in order
};
