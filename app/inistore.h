#pragma once
#include <QString>
#include <QStringList>
#include <memory>

// The settings file with Windows private-profile behaviour: section and key
// names matched without regard to case, each read taken from the file at the
// moment of reading, each write done to the file at once, every other line
// and its order kept. Values are Windows-1252 text.
class IniStore {
public:
    explicit IniStore(QString path);

    const QString &path() const { return filePath; }

    // The file as it is now, read once: for a dialog that reads many keys.
    // A snapshot cannot be written.
    IniStore snapshot() const;

    QString readString(const QString &section, const QString &key, const QString &def) const;
    int readInteger(const QString &section, const QString &key, int def) const;
    // A value outside min..max reads as the default.
    int readInteger(const QString &section, const QString &key, int def, int min, int max) const;
    bool readBool(const QString &section, const QString &key, bool def) const;
    // Infinities and NaN read as the default, like unreadable text.
    double readFloat(const QString &section, const QString &key, double def) const;
    double readFloat(const QString &section, const QString &key, double def, double min, double max) const;

    // Writes throw "Unable to write to %s" when the file system refuses, and
    // when an existing file cannot be read first. A value holding a control
    // character, or a character Windows-1252 cannot hold, is refused with a
    // message naming it; the file stays as it was.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);
    void writeFloat(const QString &section, const QString &key, double value);

    // Encodings, shared with the tests.
    static bool parseInteger(const QString &text, int &value);
    static QString formatFloat(double value);

private:
    QStringList readFileLines() const;
    QString filePath;
    std::shared_ptr<const QStringList> held; // a snapshot's lines
};

// The settings file of an executable: its path with ".INI" in place of the
// extension ("/opt/pellmore/pellmore" gives "/opt/pellmore/pellmore.INI").
QString settingsPathFor(const QString &executablePath);
