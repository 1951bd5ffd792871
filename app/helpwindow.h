#pragma once
#include <QDialog>

class QTextBrowser;

// The program's own help window, showing the help document shipped with the
// program (beside the executable, or in the installed data folder).
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    static QString helpFilePath();
    // Loads the document at its contents; throws when the file is missing.
    void openContents();
    // Opens the contents and shows the window beside the program's.
    void showContents();
    QTextBrowser *browser() const { return view; }

private:
    QTextBrowser *view;
};
