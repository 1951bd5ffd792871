// The settings store and the league's text-file rules.
#include "app/inistore.h"
#include "app/pelerror.h"
#include "app/textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
