#include "support/scriptedprompts.h"

#include <QDialog>

ScriptedPrompts::ScriptedPrompts()
{
    Prompts::install(this);
}

ScriptedPrompts::~ScriptedPrompts()
{
    Prompts::install(nullptr);
}

int ScriptedPrompts::message(Kind kind, const QString &caption, const QString &text, int buttons, int defaultButton)
{
    boxes.append({kind, caption, text, buttons, defaultButton});
    if (!answers.isEmpty())
        return answers.dequeue();
    if (defaultButton)
        return defaultButton;
    for (Button b : {Ok, Yes, Cancel, Abort})
        if (buttons & b)
            return b;
    return 0;
}

QString ScriptedPrompts::openFile(QWidget *, const QString &title, const QString &filters, const QString &folder)
{
    choosers.append({title, filters, folder});
    return files.isEmpty() ? QString() : files.dequeue();
}

std::optional<QColor> ScriptedPrompts::chooseColour(QWidget *, const QColor &)
{
    return colours.isEmpty() ? std::nullopt : colours.dequeue();
}

QString ScriptedPrompts::chooseDirectory(QWidget *, const QString &folder)
{
    choosers.append({QString(), QString(), folder});
    return directories.isEmpty() ? QString() : directories.dequeue();
}

int ScriptedPrompts::runDialog(QDialog *dialog)
{
    ++dialogsRun;
    dialog->setResult(QDialog::Rejected);
    if (dialogs.isEmpty())
        dialog->reject();
    else
        dialogs.dequeue()(dialog);
    return dialog->result();
}

QStringList ScriptedPrompts::texts() const
{
    QStringList out;
    for (const Box &b : boxes)
        out.append(b.text);
    return out;
}
