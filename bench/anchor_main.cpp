// Start-up probe of the anchor: the window with its table filled from the
// roster file given as the one argument.
#include "bench/anchor.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    bench::AnchorWindow window;
    if (argc > 1)
        window.fill(QString::fromLocal8Bit(argv[1]));
    window.show();
    return app.exec();
}
