// The settings store and the league's text-file rules.
#include "app/inistore.h"
#include "app/pelerror.h"
#include "app/settingslocation.h"
#include "app/textfile.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <unistd.h>

namespace {

// Read-only files and folders hold back an ordinary user, not root: as root
// the cases run as "nobody" (the saved user id brings root back after).
class OrdinaryUser {
public:
    OrdinaryUser() : wasRoot(geteuid() == 0)
    {
        if (wasRoot && (setresgid(65534, 65534, 0) != 0 || setresuid(65534, 65534, 0) != 0))
            qFatal("cannot act as an ordinary user");
    }
    ~OrdinaryUser()
    {
        if (wasRoot && (setresuid(0, 0, 0) != 0 || setresgid(0, 0, 0) != 0))
            qFatal("cannot return to root");
    }

private:
    bool wasRoot;
};

void putFile(const QString &path, const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

std::optional<QByteArray> fileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return f.readAll();
}

constexpr QFileDevice::Permissions ReadOnly = QFileDevice::ReadOwner | QFileDevice::ReadUser
    | QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::ExeOwner | QFileDevice::ExeUser
    | QFileDevice::ExeGroup | QFileDevice::ExeOther;

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString write(const QByteArray &bytes)
    {
        const QString p = dir.filePath("s.INI");
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return p;
    }
    QByteArray read() const
    {
        QFile f(dir.filePath("s.INI"));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

private slots:
    void readInteger_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("decimal") << QByteArray("30") << 30;
        QTest::newRow("negative") << QByteArray("-2147483633") << -2147483633;
        QTest::newRow("hex") << QByteArray("0x1F") << 31;
        QTest::newRow("hex upper X") << QByteArray("0X1f") << 31;
        QTest::newRow("hex system colour") << QByteArray("0x8000000F") << -2147483633;
        QTest::newRow("bare 0x is no number") << QByteArray("0x") << 77;
        QTest::newRow("text") << QByteArray("ten") << 77;
        QTest::newRow("fraction") << QByteArray("1.5") << 77;
        QTest::newRow("empty") << QByteArray("") << 77;
        QTest::newRow("blanks around") << QByteArray("  12 ") << 12;
    }
    void readInteger()
    {
        QFETCH(QByteArray, value);
        QFETCH(int, expected);
        IniStore ini(write("[Options]\r\nScreenRes=" + value + "\r\n"));
        QCOMPARE(ini.readInteger("Options", "ScreenRes", 77), expected);
    }

    void namesMatchWithoutCase()
    {
        IniStore ini(write("[options]\r\nautoincr=1\r\n[SEASONLENGTH]\r\nMATCHES=12\r\n"));
        QCOMPARE(ini.readBool("Options", "AutoIncr", false), true);
        QCOMPARE(ini.readInteger("SeasonLength", "Matches", 30), 12);
        QCOMPARE(ini.readInteger("SeasonLength", "Sessions", 10), 10);
        QCOMPARE(ini.readInteger("Missing", "Matches", 5), 5);
    }

    void booleans()
    {
        IniStore ini(write("[Options]\r\nTimeSteps=2\r\nAutoIncr=0\r\n"));
        QCOMPARE(ini.readBool("Options", "TimeSteps", false), true);
        QCOMPARE(ini.readBool("Options", "AutoIncr", true), false);
        QCOMPARE(ini.readBool("Options", "Nothing", true), true);
        ini.writeBool("Options", "AutoIncr", true);
        QCOMPARE(ini.readString("Options", "AutoIncr", ""), QString("1"));
    }

    void realsReadBackAsWritten()
    {
        IniStore ini(write(""));
        for (double v : {0.75, 1.0, 1.15, 1.3, 0.1, 5.0}) {
            ini.writeFloat("Aggression Modifier", "Aggressive", v);
            QCOMPARE(ini.readFloat("Aggression Modifier", "Aggressive", -1), v);
        }
        QCOMPARE(ini.readString("Aggression Modifier", "Aggressive", ""), QString("5"));
        ini.writeString("Aggression Modifier", "Aggressive", "junk");
        QCOMPARE(ini.readFloat("Aggression Modifier", "Aggressive", 1.15), 1.15);
    }

    void writesKeepOtherLines()
    {
        IniStore ini(write("; league settings\n[Options]\nColourScheme=5\nAutoIncr=0\n\n[TeamTacs]\nhowmany=1\nT1=Normal\n"));
        ini.writeInteger("options", "autoincr", 1);      // replaced in place
        ini.writeString("Options", "WorkingDir", "/x/"); // new key, after the section's last key
        ini.writeInteger("CoachFilt", "MaxAge", 8);      // new section at the end
        QCOMPARE(read(), QByteArray("; league settings\n[Options]\nColourScheme=5\nautoincr=1\nWorkingDir=/x/\n\n"
                                    "[TeamTacs]\nhowmany=1\nT1=Normal\n[CoachFilt]\nMaxAge=8\n"));
    }

    void writeToEmptyFileUsesCrLf()
    {
        IniStore ini(write(""));
        ini.writeInteger("Options", "ScreenRes", 640);
        ini.writeInteger("Options", "ScreenRes", 800);
        QCOMPARE(read(), QByteArray("[Options]\r\nScreenRes=800\r\n"));
    }

    void refusedWrite()
    {
        const QString p = dir.filePath("no-such-folder/pellmore.INI");
        IniStore ini(p);
        try {
            ini.writeInteger("Options", "ScreenRes", 640);
            QFAIL("write was not refused");
        } catch (const PelError &e) {
            QCOMPARE(e.message(), "Unable to write to " + p + ": No such file or directory");
        }
    }

    void settingsPath()
    {
        QCOMPARE(settingsPathFor("/opt/pm/pellmore"), QString("/opt/pm/pellmore.INI"));
        QCOMPARE(settingsPathFor("/opt/pm/Orders.exe"), QString("/opt/pm/Orders.INI"));
    }

    // A program in <root>/bin with its shipped files in the installed data
    // folder and the user's configuration folder <root>/home/config.
    void settingsLocation_data()
    {
        QTest::addColumn<QByteArray>("beside");   // pellmore.INI beside the program; null: none
        QTest::addColumn<QString>("besideMode");  // "", "file read-only", "folder read-only"
        QTest::addColumn<QByteArray>("config");   // already in the configuration folder; null: none
        QTest::addColumn<QByteArray>("shipped");  // the default in the data folder; null: none
        QTest::addColumn<bool>("noConfigFolder"); // the configuration folder cannot be made
        QTest::addColumn<QString>("chosen");      // "beside" or "config"
        QTest::addColumn<QByteArray>("expected"); // the chosen file's bytes; null: it does not exist

        const QByteArray own("[Options]\r\nAutoIncr=1\r\n");
        const QByteArray mine("[Options]\r\nColourScheme=255\r\n");
        const QByteArray def("[SeasonLength]\r\nMatches=30\r\n");
        const QByteArray none;
        QTest::newRow("portable, writable") << own << "" << none << def << false << "beside" << own;
        QTest::newRow("portable wins over a config file") << own << "" << mine << def << false << "beside" << own;
        QTest::newRow("portable file read-only: copied to config")
            << own << "file read-only" << none << def << false << "config" << own;
        QTest::newRow("portable folder read-only: copied to config")
            << own << "folder read-only" << none << def << false << "config" << own;
        QTest::newRow("portable read-only, config kept")
            << own << "file read-only" << mine << def << false << "config" << mine;
        QTest::newRow("installed, first start: default copied")
            << none << "" << none << def << false << "config" << def;
        QTest::newRow("installed, config kept") << none << "" << mine << def << false << "config" << mine;
        QTest::newRow("installed, empty default copied")
            << none << "" << none << QByteArray("") << false << "config" << QByteArray("");
        QTest::newRow("portable read-only, no config folder: read-only file used")
            << own << "file read-only" << none << def << true << "beside" << own;
        QTest::newRow("installed, no config folder: missing") << none << "" << none << def << true << "beside" << none;
        QTest::newRow("neither: missing") << none << "" << none << none << false << "beside" << none;
    }
    void settingsLocation()
    {
        QFETCH(QByteArray, beside);
        QFETCH(QString, besideMode);
        QFETCH(QByteArray, config);
        QFETCH(QByteArray, shipped);
        QFETCH(bool, noConfigFolder);
        QFETCH(QString, chosen);
        QFETCH(QByteArray, expected);

        const OrdinaryUser user;
        QTemporaryDir root;
        const QString bin = root.filePath("bin");
        const QString exe = bin + "/pellmore";
        putFile(exe, "");
        const QString besidePath = bin + "/pellmore.INI";
        if (!beside.isNull())
            putFile(besidePath, beside);
        const QString dataFolder = location::installedDataFolder(bin);
        QVERIFY(!dataFolder.startsWith(bin + '/'));
        if (!shipped.isNull())
            putFile(dataFolder + "/pellmore.INI", shipped);
        const QString home = root.filePath("home");
        QVERIFY(QDir().mkpath(home));
        const QString configFolder = home + "/config";
        const QString configPath = configFolder + "/pellmore.INI";
        if (!config.isNull())
            putFile(configPath, config);

        const auto restore = qScopeGuard([&] { // so that the folder can be removed
            QFile::setPermissions(bin, ReadOnly | QFileDevice::WriteOwner);
            QFile::setPermissions(home, ReadOnly | QFileDevice::WriteOwner);
        });
        if (besideMode == "file read-only")
            QVERIFY(QFile::setPermissions(besidePath, ReadOnly));
        if (besideMode == "folder read-only")
            QVERIFY(QFile::setPermissions(bin, ReadOnly));
        if (noConfigFolder)
            QVERIFY(QFile::setPermissions(home, ReadOnly));

        const QString path = location::resolveSettings(exe, configFolder);
        QCOMPARE(path, chosen == "beside" ? besidePath : configPath);
        QCOMPARE(fileBytes(path), expected.isNull() ? std::nullopt : std::optional(expected));
        // The files shipped or placed are never changed; a config file is
        // only made when it is the one chosen.
        QCOMPARE(fileBytes(besidePath), beside.isNull() ? std::nullopt : std::optional(beside));
        QCOMPARE(fileBytes(dataFolder + "/pellmore.INI"), shipped.isNull() ? std::nullopt : std::optional(shipped));
        if (chosen == "beside")
            QCOMPARE(fileBytes(configPath), config.isNull() ? std::nullopt : std::optional(config));
        else
            QVERIFY(QFileInfo(configPath).isWritable());
    }

    void shippedFileFound_data()
    {
        QTest::addColumn<bool>("beside");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("found"); // "beside" or "installed"
        QTest::newRow("beside the program") << true << false << "beside";
        QTest::newRow("beside the program first") << true << true << "beside";
        QTest::newRow("installed data folder") << false << true << "installed";
        QTest::newRow("nowhere: named beside the program") << false << false << "beside";
    }
    void shippedFileFound()
    {
        QFETCH(bool, beside);
        QFETCH(bool, installed);
        QFETCH(QString, found);
        QTemporaryDir root;
        const QString bin = root.filePath("usr/bin");
        QVERIFY(QDir().mkpath(bin));
        const QString besidePath = bin + "/PEL2000.html";
        const QString installedPath = location::installedDataFolder(bin) + "/PEL2000.html";
        QCOMPARE(installedPath, root.filePath("usr/share/pellmore/PEL2000.html"));
        if (beside)
            putFile(besidePath, "<html></html>");
        if (installed)
            putFile(installedPath, "<html></html>");
        QCOMPARE(location::shippedFile("PEL2000.html", bin), found == "beside" ? besidePath : installedPath);
    }

    void splitLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("crlf") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("lf") << "a\nb\n" << QStringList{"a", "b"};
        QTest::newRow("cr") << "a\rb\r" << QStringList{"a", "b"};
        QTest::newRow("mixed, no final end") << "a\r\nb\nc\rd" << QStringList{"a", "b", "c", "d"};
        QTest::newRow("empty lines kept") << "\r\n\r\na\r\n\r\n" << QStringList{"", "", "a", ""};
        QTest::newRow("empty text") << "" << QStringList{};
    }
    void splitLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(textfile::splitLines(text), lines);
    }

    void everyByteRoundTrips()
    {
        QByteArray all;
        for (int i = 0; i < 256; ++i)
            all.append(char(i));
        QCOMPARE(textfile::encode(textfile::decode(all), "x"), all);
    }

    void characterOutsideTheCodePageRefused()
    {
        try {
            textfile::encode(QString::fromUtf8("Mu\u0142ler"), "ABC1.txt");
            QFAIL("encoded");
        } catch (const PelError &e) {
            QVERIFY(e.message().contains(QString::fromUtf8("\"\u0142\"")));
            QVERIFY(e.message().contains("ABC1.txt"));
        }
        QCOMPARE(textfile::encode(QString::fromUtf8("M\u00fcller \u20ac"), "x"), QByteArray("M\xfcller \x80"));
    }

    void readLinesRefusals()
    {
        const QString p = write("ok\r\n" + QByteArray(255, 'a') + "\r\n" + QByteArray(256, 'b') + "\r\n");
        try {
            textfile::readLines(p);
            QFAIL("read a long line");
        } catch (const PelError &e) {
            QVERIFY(e.message().startsWith("Line 3 of " + p));
        }
        const QString missing = dir.filePath("missing.ros");
        try {
            textfile::readLines(missing);
            QFAIL("read a missing file");
        } catch (const PelError &e) {
            QCOMPARE(e.message(), "Cannot open file " + missing);
        }
    }

    void failedWriteKeepsOldFile()
    {
        const QString p = write("old");
        textfile::writeFile(p, "new");
        QCOMPARE(read(), QByteArray("new"));
        QVERIFY_THROWS_EXCEPTION(PelError, textfile::writeFile(dir.filePath("none/x.txt"), "y"));
    }

    void fullStopRule_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Cannot open file a.ros" << "Cannot open file a.ros.";
        QTest::newRow("digit") << "Unable to write to x2" << "Unable to write to x2.";
        QTest::newRow("bracket") << "List index out of bounds (0)" << "List index out of bounds (0)";
        QTest::newRow("quote") << "'x' is not a valid integer value" << "'x' is not a valid integer value.";
        QTest::newRow("apostrophe") << "bad 'x'" << "bad 'x'";
        QTest::newRow("full stop") << "done." << "done.";
        QTest::newRow("bang") << "no!" << "no!";
    }
    void fullStopRule()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(withFullStop(message), shown);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
