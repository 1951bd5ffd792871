#include "orders/zipsheet.h"
#include "app/prompts.h"
#include "app/sharedstate.h"
#include "app/textfile.h"
#include "lineup/lineupdocument.h"
#include "orders/bids.h"
#include "widgets/formcontrols.h"
#include "widgets/keyguard.h"
#include "widgets/onresize.h"
#include "widgets/wincolour.h"

#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

ZipSheet::ZipSheet(const lineup::LineupDocument &document, const SharedState &state, QWidget *parent)
    : QWidget(parent), doc(document), shared(state)
{
    nameControl(this, "SummarySheet");
    addTitle(QStringLiteral("Files for this Session's Orders"), this);
    ZipListBox = addListBox(this, "ZipListBox", 12, 40, 600, 300);
    ZipListBox->setSortingEnabled(false);
    AddZipListBtn = addButton(QStringLiteral("Add Files"), this, "AddZipListBtn", 12, 350, 90, 25);
    ZipBtn = addButton(QStringLiteral("Save to Zip"), this, "ZipBtn", 112, 350, 90, 25);
    QLabel *note = addLabel(QStringLiteral("To Delete a file from the list. \nDouble Click on it. "), this, 620, 40, -1);
    nameControl(note, "ZipNoteLabel");
    // On a sheet too low or too narrow for the list's designed size, the
    // list gives up room, never the buttons below it or the note beside it.
    onResize(this, [this, note](QSize sheet) {
        ZipListBox->resize(std::min(600, sheet.width() - note->width() - 32), std::min(300, sheet.height() - 85));
        note->move(ZipListBox->x() + ZipListBox->width() + 8, note->y());
        const int y = ZipListBox->y() + ZipListBox->height() + 10;
        AddZipListBtn->move(AddZipListBtn->x(), y);
        ZipBtn->move(ZipBtn->x(), y);
    });
    connect(AddZipListBtn, &QPushButton::clicked, this, [this] { runGuarded([this] { AddZipListBtnClick(); }); });
    connect(ZipBtn, &QPushButton::clicked, this, [this] { runGuarded([this] { ZipBtnClick(); }); });
    connect(ZipListBox, &QListWidget::itemDoubleClicked, this, [this] { runGuarded([this] { ZipListBoxDblClick(); }); });
    deleteKeyRuns(ZipListBox, [this] { runGuarded([this] { ZipListBoxDblClick(); }); });
}

void ZipSheet::setColour(const QColor &colour)
{
    setButtonColour(AddZipListBtn, colour);
    setButtonColour(ZipBtn, colour);
}

void ZipSheet::AddToZipList(const QString &path)
{
    int at = 0;
    while (at < ZipListBox->count() && ZipListBox->item(at)->text().compare(path, Qt::CaseInsensitive) <= 0)
        ++at;
    ZipListBox->insertItem(at, path);
}

bool ZipSheet::hasFiles() const
{
    return ZipListBox->count() > 0;
}

void ZipSheet::removeRepeats()
{
    // The list is sorted, so exact repeats stand next to each other.
    for (int i = ZipListBox->count() - 1; i > 0; --i)
        if (ZipListBox->item(i)->text() == ZipListBox->item(i - 1)->text())
            delete ZipListBox->takeItem(i - 1);
}

bool ZipSheet::CheckOrdersReady() const
{
    if (!doc.hasRoster()) {
        showMessage(Prompts::Kind::Warning, QStringLiteral("No Roster File open! File not saved"), Prompts::Cancel);
        return false;
    }
    if (doc.choices().session.isEmpty()) {
        showMessage(Prompts::Kind::Warning, QStringLiteral("Session number not specified. File not saved"),
                    Prompts::Cancel);
        return false;
    }
    return true;
}

QString ZipSheet::sessionPath(const QString &suffix) const
{
    return shared.pathFor(orders::sessionFileName(doc.team().abbreviation, doc.choices().session, suffix));
}

bool ZipSheet::saveOrderFile(const QString &path, const QByteArray &bytes, const QString &savedCaption,
                             const QString &replacedSuffix, const QString &notSaved)
{
    const QString name = QFileInfo(path).fileName();
    const bool exists = QFileInfo::exists(path);
    if (exists
        && showMessage(Prompts::Kind::Confirmation, QStringLiteral("File exits. Replace it?"),
                       Prompts::Yes | Prompts::No) != Prompts::Yes) {
        showPlain(QString(), notSaved);
        return false;
    }
    textfile::writeFile(path, bytes);
    AddToZipList(path);
    showPlain(savedCaption, name + (exists ? replacedSuffix : QStringLiteral(" has been created")));
    return true;
}

void ZipSheet::ZipListBoxDblClick()
{
    deleteSelected(ZipListBox);
}

void ZipSheet::AddZipListBtnClick()
{
    const QString path =
        Prompts::current().openFile(this, QStringLiteral("Add File to Orders to be Zipped"),
                                    QStringLiteral("Lineup files|*.txt|All Files (*.*)|*.*"), shared.rosterFolder);
    if (path.isEmpty() || !ZipListBox->findItems(path, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
        return;
    AddToZipList(path);
}

void ZipSheet::ZipBtnClick()
{
    if (ZipListBox->count() == 0) {
        showMessage(Prompts::Kind::Warning, QStringLiteral("No files to Zip!"), Prompts::Cancel);
        return;
    }
    if (!CheckOrdersReady())
        return;
    QStringList files;
    for (int i = 0; i < ZipListBox->count(); ++i)
        files.append(ZipListBox->item(i)->text());
    QStringList unique;
    if (const QStringList problems = orders::archiveProblems(files, &unique); !problems.isEmpty()) {
        showMessage(Prompts::Kind::Error, problems.first(), Prompts::Ok);
        return;
    }
    const QString path = sessionPath(QStringLiteral(".zip"));
    const QStringList entries = orders::writeArchive(path, unique);
    // Entries kept from an earlier archive of the session are named too.
    showPlain(QStringLiteral("Orders Saved"), QFileInfo(path).fileName() + QStringLiteral(" has been created")
                                                  + QStringLiteral("\n\nIt holds: ") + entries.join(QStringLiteral(", ")));
    ZipListBox->clear();
}

QList<QWidget *> ZipSheet::tabStops() const
{
    return {ZipListBox, AddZipListBtn, ZipBtn};
}
