#pragma once
#include <QString>
#include <QStringList>

// The settings file with Windows private-profile behaviour: section and key
// names matched without regard to case, each read taken from the file at the
// moment of reading, each write done to the file at once, every other line
// and its order kept. Values are Windows-1252 text.
class IniStore {
public:
    explicit IniStore(QString path);

    const QString &path() const { return filePath; }

    QString readString(const QString &section, const QString &key, const QString &def) const;
    int readInteger(const QString &section, const QString &key, int def) const;
    bool readBool(const QString &section, const QString &key, bool def) const;
    double readFloat(const QString &section, const QString &key, double def) const;

    // Writes throw "Unable to write to %s" when the file system refuses.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);
    void writeFloat(const QString &section, const QString &key, double value);

    // Encodings, shared with the tests.
    static bool parseInteger(const QString &text, int &value);
    static QString formatFloat(double value);

private:
    QStringList readFileLines(QString *lineEnd = nullptr) const;
    QString filePath;
};

// The settings file of an executable: its path with ".INI" in place of the
// extension ("/opt/pellmore/pellmore" gives "/opt/pellmore/pellmore.INI").
QString settingsPathFor(const QString &executablePath);
