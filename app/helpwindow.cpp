#include "app/helpwindow.h"
#include "app/pelerror.h"
#include "app/settingslocation.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget *parent) : QDialog(parent), view(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("Pellmore Help"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    view->setOpenExternalLinks(true);
    resize(640, 560);
}

QString HelpWindow::helpFilePath()
{
    return location::shippedFile(QStringLiteral("PEL2000.html"));
}

void HelpWindow::openContents()
{
    const QString path = helpFilePath();
    if (!QFileInfo(path).isReadable())
        throw PelError(QStringLiteral("The help file %1 cannot be found").arg(path));
    QUrl url = QUrl::fromLocalFile(path);
    url.setFragment(QStringLiteral("contents"));
    view->setSource(url);
    view->scrollToAnchor(QStringLiteral("contents"));
}

void HelpWindow::showContents()
{
    openContents();
    show();
    raise();
    activateWindow();
}
