#include "app/commandline.h"
#include "app/inistore.h"
#include "app/pelmainunit1.h"
#include "app/prompts.h"
#include "app/settingslocation.h"

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
        QCoreApplication::setApplicationName(QStringLiteral("Pellmore"));
        // The same settings file the window reads.
        return commandline::run(options, location::resolveSettings());
    }
    PellmoreApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pellmore"));
    QGuiApplication::setDesktopFileName(QStringLiteral(PELLMORE_APP_ID));

    TPelMainForm PelMainForm(location::resolveSettings());
    if (!PelMainForm.started())
        return 1;
    PelMainForm.show();
    // A roster named on the command line ("pellmore ABC.ros") opens at start.
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (const QString &argument : arguments) {
        if (!argument.startsWith(u'-')) {
            PelMainForm.openRosterAtStart(argument);
            break;
        }
    }
    return app.exec();
}
