#include "bench/anchor.h"

#include <QFile>
#include <QMenuBar>
#include <QStringDecoder>
#include <QTabWidget>
#include <QTableWidget>

namespace bench {

AnchorWindow::AnchorWindow()
{
    setWindowTitle(QStringLiteral("Anchor"));
    resize(803, 609);
    for (const char *title : {"&File", "&Options", "Help"}) {
        QMenu *menu = menuBar()->addMenu(QString::fromLatin1(title));
        for (const char *entry : {"&Open", "&Save", "&New", "E&xit"})
            menu->addAction(QString::fromLatin1(entry));
    }
    auto *tabs = new QTabWidget;
    tabs->setTabPosition(QTabWidget::South);
    setCentralWidget(tabs);
    table = new QTableWidget(0, 9);
    tabs->addTab(table, QStringLiteral("Squad"));
    for (const char *title : {"Viewer", "Bids", "Press", "Zip"})
        tabs->addTab(new QWidget, QString::fromLatin1(title));
}

void AnchorWindow::fill(const QString &rosterPath)
{
    QFile file(rosterPath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QStringDecoder decode("windows-1252");
    QStringList lines = QString(decode(file.readAll())).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    table->setRowCount(int(lines.size()));
    for (int r = 0; r < lines.size(); ++r) {
        QString line = lines.at(r);
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QStringList fields = line.split(u',');
        for (int c = 0; c < fields.size() && c < table->columnCount(); ++c)
            table->setItem(r, c, new QTableWidgetItem(fields.at(c)));
    }
}

} // namespace bench
