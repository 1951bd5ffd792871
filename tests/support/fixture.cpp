#include "support/fixture.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QDir>
#include <QFile>
#include <QTest>
#include "lineup/lineupdocument.h"
#include "roster/rosterfile.h"
#include "orders/zipsheet.h"

Fixture::Fixture(const QByteArray &ini) : previousCurrent(QDir::currentPath())
{
    QDir::setCurrent(dir.path());
    if (!ini.isNull())
        write("pellmore.INI", ini);
}

Fixture::~Fixture()
{
    window.reset();
    QDir::setCurrent(previousCurrent);
}

QString Fixture::path(const QString &name) const
{
    return dir.path() + u'/' + name;
}

void Fixture::write(const QString &name, const QByteArray &bytes) const
{
    QFile f(path(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write fixture file");
}

QByteArray Fixture::read(const QString &name) const
{
    QFile f(path(name));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

TPelMainForm &Fixture::start()
{
    window.reset();
    window = std::make_unique<TPelMainForm>(iniPath());
    return *window;
}

void Fixture::openRoster(const QString &name, const QByteArray &bytes)
{
    write(name, bytes);
    prompts.files.enqueue(path(name));
    ctl<QAction>(*window, "OpenSubMenu")->trigger();
}

QByteArray exampleRoster()
{
    return "TST,Test Rovers,A. Manager\r\n"
           "Keeper,3,20,GK,1\r\n"   // 1
           "Sweeper,4,18,SW,2\r\n"  // 2
           "Stopper,5,16,SD,3\r\n"  // 3
           "Back,6,10,DF,4\r\n"     // 4
           "Anchor,2,12,DM,5\r\n"   // 5
           "Middle,7,14,MF,6\r\n"   // 6
           "Attack,8,15,MA,7\r\n"   // 7
           "Winger,9,11,WG,8\r\n"   // 8
           "Striker,10,22,FW,9\r\n" // 9
           "Utility,0,13,UT,0\r\n"  // 10
           "Youth,1,9,MF,1\r\n";    // 11
}

QByteArray markedRoster()
{
    return "TST,Test Rovers,A. Manager\r\n"
           "Keeper,3,20,GK,1,GK,n\r\n"
           "Sweeper,4,18,SW,2,SW,a\r\n"
           "Stopper,5,16,SD,3,DF,n\r\n"
           "Back,6,10,DF,4,DF,p\r\n"
           "Anchor,2,12,DM,5,DF,n\r\n"
           "Middle,7,14,MF,6,MF,a\r\n"
           "Attack,8,15,MA,7,MF,n\r\n"
           "Winger,9,11,WG,8,WG,n\r\n"
           "Striker,10,22,FW,9,FW,a\r\n"
           "Utility,0,13,UT,0,FW,n\r\n"
           "Youth,1,9,MF,1,MF,p\r\n"
           "Ren\xe9,3,10,DF,1,DF,n,S2\r\n"
           "Sub1,2,10,MF,1,MF,n,S1\r\n"
           "Sub3,2,10,FW,1,FW,a,S3\r\n"
           "Sub4,2,10,GK,1,GK,n,S4\r\n"
           "Sub5,2,10,WG,1,WG,p,S5\r\n"
           "Bench,4,10,DF,1\r\n";
}

QStringList items(const QComboBox *box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out.append(box->itemText(i));
    return out;
}

QStringList items(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

QStringList numbers(int from, int to)
{
    QStringList out;
    for (int n = from; n <= to; ++n)
        out.append(QString::number(n));
    return out;
}

QString shownTitle(const QWidget &window)
{
    QString title = window.windowTitle();
    return title.replace(QStringLiteral("[*]"), window.isWindowModified() ? QStringLiteral("*") : QString());
}

QList<QLabel *> pitchLabels(const TPelMainForm &w)
{
    QList<QLabel *> labels{ctl<QLabel>(w, "pitchGK"), ctl<QLabel>(w, "pitchSW")};
    const std::pair<const char *, int> lines[] = {{"DF", 5}, {"MF", 5}, {"WG", 4}, {"FW", 4}};
    for (const auto &[code, count] : lines)
        for (int n = 1; n <= count; ++n)
            labels.append(w.findChild<QLabel *>(QStringLiteral("pitch%1%2").arg(QLatin1String(code)).arg(n)));
    return labels;
}

void listForZip(TPelMainForm &w, const QString &path)
{
    ctl<ZipSheet>(w, "SummarySheet")->AddToZipList(path);
}

void setMark(TPelMainForm &w, int col, int row, const QString &text)
{
    lineup::LineupDocument &doc = w.document();
    lineup::PlayerMarks m = doc.player(row - 1).marks;
    QString *fields[] = {&m.play, &m.style, &m.subs, &m.conditionals};
    *fields[col - roster::ColPlay] = text;
    doc.setMarks({{row - 1, m}}, QStringLiteral("Mark"));
}

void clickCell(GridView *grid, int col, int row, Qt::MouseButton button)
{
    const QRect r = grid->cellRect(col, row).translated(-grid->viewport()->pos());
    QTest::mouseClick(grid->viewport(), button, {}, r.center());
}
