#pragma once
#include <QWidget>

class QListWidget;
class QPushButton;
struct SharedState;
namespace lineup {
class LineupDocument;
}

// The "Zip Orders" sheet: the list of the session's files to zip and the
// archive; and the steps every order file's save shares.
class ZipSheet : public QWidget {
    Q_OBJECT
public:
    ZipSheet(const lineup::LineupDocument &doc, const SharedState &shared, QWidget *parent = nullptr);

    void ZipListBoxDblClick();
    void AddZipListBtnClick();
    void ZipBtnClick();

    // The list, kept sorted without regard to case.
    void AddToZipList(const QString &path);
    bool hasFiles() const;
    // Removes repeated entries (the sheet is opened).
    void removeRepeats();

    // A roster is loaded and a session chosen; else says why not.
    bool CheckOrdersReady() const;
    // The session's file with this suffix in the working directory.
    QString sessionPath(const QString &suffix) const;
    // Saves one order file: asks before replacing, writes, lists it for
    // zipping and reports; false when the manager declined.
    bool saveOrderFile(const QString &path, const QByteArray &bytes, const QString &savedCaption,
                       const QString &replacedSuffix, const QString &notSaved);
    void setColour(const QColor &colour);
    // The controls Tab reaches, in the order they stand on the screen.
    QList<QWidget *> tabStops() const;

private:
    const lineup::LineupDocument &doc;
    const SharedState &shared;
    QListWidget *ZipListBox;
    QPushButton *AddZipListBtn, *ZipBtn;
};
