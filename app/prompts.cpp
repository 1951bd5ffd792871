#include "app/prompts.h"
#include "app/pelerror.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

class QtPrompts : public Prompts {
public:
    int message(Kind kind, const QString &caption, const QString &text, int buttons, int defaultButton) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(caption);
        box.setText(text);
        switch (kind) {
        case Kind::Plain: box.setIcon(QMessageBox::NoIcon); break;
        case Kind::Error: box.setIcon(QMessageBox::Critical); break;
        case Kind::Warning: box.setIcon(QMessageBox::Warning); break;
        case Kind::Information: box.setIcon(QMessageBox::Information); break;
        case Kind::Confirmation: box.setIcon(QMessageBox::Question); break;
        }
        const std::pair<Button, QMessageBox::StandardButton> map[] = {
            {Yes, QMessageBox::Yes}, {No, QMessageBox::No},         {Ok, QMessageBox::Ok},
            {Cancel, QMessageBox::Cancel}, {Abort, QMessageBox::Abort}, {Help, QMessageBox::Help},
            {Retry, QMessageBox::Retry}, {Save, QMessageBox::Save},     {Discard, QMessageBox::Discard}};
        for (const auto &[ours, qt] : map)
            if (buttons & ours) {
                QPushButton *button = box.addButton(qt);
                if (ours == defaultButton)
                    box.setDefaultButton(button);
            }
        box.exec();
        const auto pressed = box.standardButton(box.clickedButton());
        for (const auto &[ours, qt] : map)
            if (pressed == qt)
                return ours;
        // Closed by Esc or the title bar: the "no" answer of the set.
        for (Button b : {Cancel, No, Abort, Ok, Retry})
            if (buttons & b)
                return b;
        return 0;
    }

    QString openFile(QWidget *parent, const QString &title, const QString &filters,
                     const QString &folder) override
    {
        return QFileDialog::getOpenFileName(parent, title, folder, qtFilters(filters));
    }

    std::optional<QColor> chooseColour(QWidget *parent, const QColor &initial) override
    {
        const QColor c = QColorDialog::getColor(initial, parent);
        if (!c.isValid())
            return std::nullopt;
        return c;
    }

    QString chooseDirectory(QWidget *parent, const QString &folder) override
    {
        return QFileDialog::getExistingDirectory(parent, QString(), folder);
    }

    int runDialog(QDialog *dialog) override { return dialog->exec(); }
};

QtPrompts &qtPrompts()
{
    static QtPrompts prompts;
    return prompts;
}

Prompts *installed = nullptr;

} // namespace

Prompts &Prompts::current()
{
    return installed ? *installed : qtPrompts();
}

void Prompts::install(Prompts *prompts)
{
    installed = prompts;
}

QString captionFor(Prompts::Kind kind, const QString &caption)
{
    switch (kind) {
    case Prompts::Kind::Error: return QStringLiteral("Error");
    case Prompts::Kind::Warning: return QStringLiteral("Warning");
    case Prompts::Kind::Information: return QStringLiteral("Information");
    case Prompts::Kind::Confirmation: return QStringLiteral("Confirm");
    case Prompts::Kind::Plain: break;
    }
    return caption.isEmpty() ? QStringLiteral("Pellmore") : caption;
}

int showMessage(Prompts::Kind kind, const QString &text, int buttons, int defaultButton)
{
    return Prompts::current().message(kind, captionFor(kind), text, buttons, defaultButton);
}

void showPlain(const QString &caption, const QString &text)
{
    Prompts::current().message(Prompts::Kind::Plain, captionFor(Prompts::Kind::Plain, caption), text,
                               Prompts::Ok, 0);
}

void showErrorReport(const QString &message)
{
    Prompts::current().message(Prompts::Kind::Error, QStringLiteral("Pellmore"), withFullStop(message),
                               Prompts::Ok, 0);
}

void runGuarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const PelError &e) {
        showErrorReport(e.message());
    } catch (const std::exception &e) {
        showErrorReport(QString::fromUtf8(e.what()));
    }
}

QString qtFilters(const QString &filters)
{
    const QStringList parts = filters.split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        out.append(QStringLiteral("%1 (%2)").arg(parts.at(i), QString(parts.at(i + 1)).replace(u';', u' ')));
    return out.join(QStringLiteral(";;"));
}
