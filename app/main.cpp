#include "app/commandline.h"
#include "app/inistore.h"
#include "app/pelmainunit1.h"
#include "app/prompts.h"

#include <QApplication>

namespace {

// Errors that escape a handler are shown by the default error report; no
// exception unwinds through Qt's own frames.
class PellmoreApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override
    {
        bool result = false;
        runGuarded([&] { result = QApplication::notify(receiver, event); });
        return result;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    if (const auto options = commandline::parse(commandline::argumentsOf(argc, argv));
        options.mode != commandline::Mode::Window) {
        QCoreApplication app(argc, argv);
        return commandline::run(options, settingsPathFor(QCoreApplication::applicationFilePath()));
    }
    PellmoreApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pellmore"));

    TPelMainForm PelMainForm(settingsPathFor(QCoreApplication::applicationFilePath()));
    if (!PelMainForm.started())
        return 1;
    PelMainForm.show();
    return app.exec();
}
