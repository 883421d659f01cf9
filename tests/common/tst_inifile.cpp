// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Cp1251.h"
#include "common/Error.h"
#include "common/IniDocument.h"
#include "common/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using lynvar::IniDocument;
using lynvar::IniFile;

class TestIniFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void read_data();
    void read();
    void readReturnsDefault_data();
    void readReturnsDefault();
    void readCutsLongValue();
    void documentIsReadOnce();
    void documentKeepsItsBytes_data();
    void documentKeepsItsBytes();

    void writeCreatesFile();
    void writeStoresCp1251();
    void writeReplacesValueInPlace();
    void writeAddsKeyKeepingOtherLines();
    void writeAddsSectionAtEnd();
    void writeKeepsValueOnOneLine();
    void writeKeepsLineEnds_data();
    void writeKeepsLineEnds();
    void writeQuotesValue_data();
    void writeQuotesValue();
    void objectsOnOnePathAgree();

    void writeFailureThrows_data();
    void writeFailureThrows();
    void failedWriteKeepsOldFile();
    void writeLeavesNoTemporaryFiles();
    void writeInPlaceWhenFolderIsReadOnly();

private:
    QString path(const QString &name = u"options.ini"_s) const { return m_dir->filePath(name); }

    std::optional<QTemporaryDir> m_dir;
};

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
}

// The message of the lynvar::Error the write throws.
QString writeError(IniFile &ini, const QString &section, const QString &key, const QString &value)
{
    try {
        ini.writeString(section, key, value);
    } catch (const lynvar::Error &e) {
        return e.message();
    }
    return u"<no error>"_s;
}

} // namespace

void TestIniFile::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
}

void TestIniFile::read_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const auto cp = [](const QString &text) { return lynvar::cp1251::encode(text); };

    QTest::newRow("section in capitals")
        << QByteArray("[LANGUAGES]\r\nLanguagesID=ru\r\n") << u"Languages"_s << u"LanguagesID"_s << u"ru"_s;
    QTest::newRow("key in lower case")
        << QByteArray("[Menu]\r\nmenufile=File\r\n") << u"Menu"_s << u"MenuFile"_s << u"File"_s;
    QTest::newRow("value keeps its case")
        << QByteArray("[Languages]\r\nLanguagesID=RU\r\n") << u"languages"_s << u"languagesid"_s << u"RU"_s;
    QTest::newRow("Cyrillic names") << cp(u"[Ґрунт Їжа Єва Ірпінь]\r\nКлюч=1\r\n"_s)
                                    << u"ґРУНТ їЖА єВА іРПІНЬ"_s << u"КЛЮЧ"_s << u"1"_s;
    QTest::newRow("LF line ends") << QByteArray("[A]\nx=1\ny=2\n") << u"A"_s << u"y"_s << u"2"_s;
    QTest::newRow("CR line ends") << QByteArray("[A]\rx=1\ry=2\r") << u"A"_s << u"y"_s << u"2"_s;
    QTest::newRow("no final line end") << QByteArray("[A]\r\nx=1") << u"A"_s << u"x"_s << u"1"_s;
    QTest::newRow("spaces and tabs around everything")
        << QByteArray("  [ Install ] \t\r\n\t NewInstall  =  false \t\r\n") << u"Install"_s << u"NewInstall"_s
        << u"false"_s;
    QTest::newRow("requested names are trimmed too") << QByteArray("[Install]\r\nNewInstall=false\r\n")
                                                     << u" Install "_s << u" NewInstall "_s << u"false"_s;
    QTest::newRow("empty value") << QByteArray("[A]\r\nx=\r\n") << u"A"_s << u"x"_s << QString();
    QTest::newRow("equals sign in value")
        << QByteArray("[A]\r\nurl=a?b=c\r\n") << u"A"_s << u"url"_s << u"a?b=c"_s;
    QTest::newRow("quoted value") << QByteArray("[A]\r\nx=\"  two words  \"\r\n") << u"A"_s << u"x"_s
                                  << u"  two words  "_s;
    QTest::newRow("quoted value with Cyrillic")
        << cp(u"[A]\r\nx=\" Клас: \"\r\n"_s) << u"A"_s << u"x"_s << u" Клас: "_s;
    QTest::newRow("only one pair of quotes comes off")
        << QByteArray("[A]\r\nx=\"\"a\"\"\r\n") << u"A"_s << u"x"_s << u"\"a\""_s;
    QTest::newRow("empty quotes") << QByteArray("[A]\r\nx=\"\"\r\n") << u"A"_s << u"x"_s << QString();
    QTest::newRow("lone quote") << QByteArray("[A]\r\nx=\"\r\n") << u"A"_s << u"x"_s << u"\""_s;
    QTest::newRow("quotes not around the whole value")
        << QByteArray("[A]\r\nx=\"a\" b\r\n") << u"A"_s << u"x"_s << u"\"a\" b"_s;
    QTest::newRow("apostrophes are text")
        << cp(u"[A]\r\nx='з'їла'\r\n"_s) << u"A"_s << u"x"_s << u"'з'їла'"_s;
    QTest::newRow("first of duplicate keys")
        << QByteArray("[A]\r\nx=1\r\nX=2\r\n") << u"A"_s << u"x"_s << u"1"_s;
    QTest::newRow("first of duplicate sections")
        << QByteArray("[A]\r\nx=1\r\n[a]\r\nx=2\r\n") << u"A"_s << u"x"_s << u"1"_s;
    QTest::newRow("value after a comment")
        << QByteArray("[A]\r\n; x=0\r\nx=1\r\n") << u"A"_s << u"x"_s << u"1"_s;
    QTest::newRow("0x98 reads as replacement")
        << QByteArray("[A]\r\nx=a\x98z\r\n") << u"A"_s << u"x"_s << u"a\uFFFDz"_s;
}

void TestIniFile::read()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    writeBytes(path(), file);
    QCOMPARE(IniFile(path()).readString(section, key, u"Def"_s), expected);
    QCOMPARE(IniDocument(file).readString(section, key, u"Def"_s), expected);
}

void TestIniFile::readReturnsDefault_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: no file at all
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");

    QTest::newRow("missing file") << QByteArray() << u"Install"_s << u"NamberVersion"_s;
    QTest::newRow("missing section") << QByteArray("[Other]\r\nNamberVersion=2\r\n") << u"Install"_s
                                     << u"NamberVersion"_s;
    QTest::newRow("missing key") << QByteArray("[Install]\r\nNewInstall=false\r\n") << u"Install"_s
                                 << u"NamberVersion"_s;
    QTest::newRow("key only in another section")
        << QByteArray("[Install]\r\n[Version]\r\nNamberVersion=2\r\n") << u"Install"_s << u"NamberVersion"_s;
    QTest::newRow("key only in a later duplicate section")
        << QByteArray("[Install]\r\nNewInstall=false\r\n[INSTALL]\r\nNamberVersion=2\r\n") << u"Install"_s
        << u"NamberVersion"_s;
    QTest::newRow("commented out") << QByteArray("[Install]\r\n;NamberVersion=2\r\n") << u"Install"_s
                                   << u"NamberVersion"_s;
    QTest::newRow("line without equals sign")
        << QByteArray("[Install]\r\nNamberVersion\r\n") << u"Install"_s << u"NamberVersion"_s;
    QTest::newRow("key before any section")
        << QByteArray("NamberVersion=2\r\n[Install]\r\n") << u"Install"_s << u"NamberVersion"_s;
    QTest::newRow("header without bracket")
        << QByteArray("[Install\r\nNamberVersion=2\r\n") << u"Install"_s << u"NamberVersion"_s;
    QTest::newRow("HTML error page") << QByteArray("<html><body>404</body></html>") << u"Version"_s
                                     << u"NamberVersion"_s;
}

void TestIniFile::readReturnsDefault()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);

    if (!file.isEmpty())
        writeBytes(path(), file);
    QCOMPARE(IniFile(path()).readString(section, key, u"10000"_s), u"10000"_s);
    QCOMPARE(IniDocument::fromFile(path()).readString(section, key, u"10000"_s), u"10000"_s);
}

void TestIniFile::readCutsLongValue()
{
    QString value;
    for (int i = 0; i < 3000; ++i)
        value += QChar(u'a' + i % 26);

    IniFile ini(path());
    ini.writeString(u"A"_s, u"x"_s, value);
    QVERIFY(readBytes(path()).contains(value.toLatin1())); // the whole value is stored
    QCOMPARE(ini.readString(u"A"_s, u"x"_s, {}), value.left(2047));
    QCOMPARE(IniFile::MaxValueLength, 2047);
}

void TestIniFile::documentIsReadOnce()
{
    writeBytes(path(), "[Menu]\r\nMenuFile=File\r\n");
    IniDocument document = IniDocument::fromFile(path());
    QVERIFY(QFile::remove(path()));
    QCOMPARE(document.readString(u"menu"_s, u"menufile"_s, u"Def"_s), u"File"_s);

    // Written in memory only; the file stays as it is.
    document.writeString(u"Menu"_s, u"MenuExit"_s, u"Exit"_s);
    QCOMPARE(document.readString(u"Menu"_s, u"MenuExit"_s, u"Def"_s), u"Exit"_s);
    QVERIFY(!QFile::exists(path()));
}

void TestIniFile::documentKeepsItsBytes_data()
{
    QTest::addColumn<QByteArray>("file");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("mixed line ends") << QByteArray("[A]\nx=1\r\n\ry=2\n\r; z\r\r\n");
    QTest::newRow("no final line end") << QByteArray("[A]\r\n  x = \"1\"  ");
    QTest::newRow("junk") << QByteArray("\0\x98\xFF[\r=\n]\0", 10);
}

void TestIniFile::documentKeepsItsBytes()
{
    QFETCH(QByteArray, file);
    QCOMPARE(IniDocument(file).toBytes(), file);
}

void TestIniFile::writeCreatesFile()
{
    IniFile ini(path());
    ini.writeString(u"Install"_s, u"NewInstall"_s, u"false"_s);
    QCOMPARE(readBytes(path()), QByteArray("[Install]\r\nNewInstall=false\r\n"));
}

void TestIniFile::writeStoresCp1251()
{
    const QString text = u"Ґава з'їла їжака, є ще й інші: ґ і ї є ' Ґ І Ї Є"_s;
    IniFile ini(path());
    ini.writeString(u"MessageShow"_s, u"Text"_s, text);
    QCOMPARE(ini.readString(u"MessageShow"_s, u"Text"_s, {}), text);

    const QByteArray bytes = readBytes(path());
    QVERIFY(bytes.endsWith("\xB4 \xB3 \xBF \xBA ' \xA5 \xB2 \xAF \xAA\r\n"));
    QCOMPARE(bytes.size(), QByteArray("[MessageShow]\r\nText=\r\n").size() + text.size());
}

void TestIniFile::writeReplacesValueInPlace()
{
    writeBytes(path(), "[A]\r\n; note\r\n  Key = old  \r\nOther=1\r\n[B]\r\nKey=b\r\n");
    IniFile(path()).writeString(u"a"_s, u"KEY"_s, u"new"_s);
    QCOMPARE(readBytes(path()), QByteArray("[A]\r\n; note\r\nKey=new\r\nOther=1\r\n[B]\r\nKey=b\r\n"));
}

void TestIniFile::writeAddsKeyKeepingOtherLines()
{
    writeBytes(path(), "; settings\n\n[Install]\n  NamberVersion = 10001\n; end of Install\n\n"
                       "[Languages]\nLanguagesID=ua\n[install]\nNewInstall=old\n");
    IniFile(path()).writeString(u"Install"_s, u"NewInstall"_s, u"false"_s);
    // Kept byte for byte; the later duplicate stays untouched.
    QCOMPARE(readBytes(path()),
             QByteArray("; settings\n\n[Install]\n  NamberVersion = 10001\nNewInstall=false\n"
                        "; end of Install\n\n[Languages]\nLanguagesID=ua\n[install]\nNewInstall=old\n"));
}

void TestIniFile::writeAddsSectionAtEnd()
{
    writeBytes(path(), "[Install]\r\nNamberVersion=2");
    IniFile ini(path());
    ini.writeString(u"ActivePage"_s, u"ActivePageIndex"_s, u"3"_s);
    ini.writeString(u"Install"_s, u"NewInstall"_s, u"false"_s);
    QCOMPARE(readBytes(path()), QByteArray("[Install]\r\nNamberVersion=2\r\nNewInstall=false\r\n\r\n"
                                           "[ActivePage]\r\nActivePageIndex=3\r\n"));
}

void TestIniFile::writeKeepsValueOnOneLine()
{
    IniFile ini(path());
    ini.writeString(u"A"_s, u"x"_s, u"1\r\ny=evil\n[B]\rz=2"_s);
    ini.writeString(u"A"_s, u"k\ny"_s, u"3"_s);

    QCOMPARE(ini.readString(u"A"_s, u"y"_s, u"Def"_s), u"Def"_s);
    QCOMPARE(ini.readString(u"B"_s, u"z"_s, u"Def"_s), u"Def"_s);
    QCOMPARE(ini.readString(u"A"_s, u"x"_s, {}), u"1  y=evil [B] z=2"_s);
    QCOMPARE(ini.readString(u"A"_s, u"k y"_s, {}), u"3"_s);
    QCOMPARE(readBytes(path()).count("\r\n"), 3);
}

void TestIniFile::writeKeepsLineEnds_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("LF, value replaced")
        << QByteArray("[A]\nx=1\ny=2\n") << u"A"_s << u"x"_s << QByteArray("[A]\nx=new\ny=2\n");
    QTest::newRow("LF, key added") << QByteArray("[A]\nx=1\n\n[B]\n") << u"A"_s << u"k"_s
                                   << QByteArray("[A]\nx=1\nk=new\n\n[B]\n");
    QTest::newRow("LF, section added")
        << QByteArray("[A]\nx=1\n") << u"B"_s << u"k"_s << QByteArray("[A]\nx=1\n\n[B]\nk=new\n");
    QTest::newRow("CR, key added") << QByteArray("[A]\rx=1\r") << u"A"_s << u"k"_s
                                   << QByteArray("[A]\rx=1\rk=new\r");
    QTest::newRow("mixed: the new line ends as the first does")
        << QByteArray("[A]\nx=1\r\n[B]\r\n") << u"A"_s << u"k"_s << QByteArray("[A]\nx=1\r\nk=new\n[B]\r\n");
    QTest::newRow("mixed: a replaced line keeps its end")
        << QByteArray("[A]\nx=1\r\ny=2\n") << u"A"_s << u"x"_s << QByteArray("[A]\nx=new\r\ny=2\n");
    QTest::newRow("no line end anywhere")
        << QByteArray("[A]") << u"A"_s << u"k"_s << QByteArray("[A]\r\nk=new\r\n");
}

void TestIniFile::writeKeepsLineEnds()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QByteArray, expected);

    writeBytes(path(), file);
    IniFile(path()).writeString(section, key, u"new"_s);
    QCOMPARE(readBytes(path()), expected);
}

void TestIniFile::writeQuotesValue_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("plain") << u"a b"_s << QByteArray("x=a b");
    QTest::newRow("empty") << QString() << QByteArray("x=");
    QTest::newRow("outer blanks") << u" Клас: "_s << QByteArray("x=\" \xCA\xEB\xE0\xF1: \"");
    QTest::newRow("trailing tab") << u"a\t"_s << QByteArray("x=\"a\t\"");
    QTest::newRow("line break at the end") << u"a\r\n"_s << QByteArray("x=\"a  \"");
    QTest::newRow("own quotes") << u"\"a\""_s << QByteArray("x=\"\"a\"\"");
    QTest::newRow("quote inside") << u"a\"b"_s << QByteArray("x=a\"b");
}

void TestIniFile::writeQuotesValue()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, line);

    IniFile ini(path());
    ini.writeString(u"A"_s, u"x"_s, value);
    QCOMPARE(readBytes(path()), "[A]\r\n" + line + "\r\n");
    QCOMPARE(ini.readString(u"A"_s, u"x"_s, u"Def"_s),
             QString(value).replace(u'\r', u' ').replace(u'\n', u' '));
}

void TestIniFile::objectsOnOnePathAgree()
{
    IniFile mainWindow(path());
    IniFile dataModule(path());
    QCOMPARE(dataModule.readString(u"Install"_s, u"NewInstall"_s, u"Def"_s), u"Def"_s);

    dataModule.writeString(u"Install"_s, u"NewInstall"_s, u"false"_s);
    QCOMPARE(mainWindow.readString(u"install"_s, u"newinstall"_s, u"Def"_s), u"false"_s);
    mainWindow.writeString(u"Install"_s, u"NewInstall"_s, u"true"_s);
    QCOMPARE(dataModule.readString(u"Install"_s, u"NewInstall"_s, u"Def"_s), u"true"_s);

    // Nothing is cached: a change made behind the objects' backs is seen too.
    writeBytes(path(), "[Install]\r\nNewInstall=outside\r\n");
    QCOMPARE(mainWindow.readString(u"Install"_s, u"NewInstall"_s, u"Def"_s), u"outside"_s);
}

void TestIniFile::writeFailureThrows_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<bool>("pathIsFolder");

    // Root ignores permission bits, so a write is made impossible by the path itself.
    QTest::newRow("folder missing") << u"no/such/folder/options.ini"_s << false;
    QTest::newRow("path is a folder") << u"options.ini"_s << true;
}

void TestIniFile::writeFailureThrows()
{
    QFETCH(QString, relativePath);
    QFETCH(bool, pathIsFolder);

    const QString target = path(relativePath);
    if (pathIsFolder)
        QVERIFY(QDir().mkpath(target + u"/inside"_s));

    IniFile ini(target);
    QCOMPARE(writeError(ini, u"Install"_s, u"NewInstall"_s, u"false"_s), u"Unable to write to "_s + target);
    QCOMPARE(ini.readString(u"Install"_s, u"NewInstall"_s, u"Def"_s), u"Def"_s);
    if (pathIsFolder)
        QVERIFY(QDir(target).exists(u"inside"_s));
}

void TestIniFile::failedWriteKeepsOldFile()
{
    // A file size limit makes the write fail part way, as a full disk would; unlike permission
    // bits it stops root as well.
    const QByteArray old = "[Install]\r\nNewInstall=false\r\n";
    writeBytes(path(), old);

    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);

    IniFile ini(path());
    const auto error = writeError(ini, u"Install"_s, u"Big"_s, QString(100000, u'x'));

    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);

    QCOMPARE(error, u"Unable to write to "_s + path());
    QCOMPARE(readBytes(path()), old);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{u"options.ini"_s});
}

void TestIniFile::writeLeavesNoTemporaryFiles()
{
    IniFile ini(path());
    for (int i = 0; i < 5; ++i)
        ini.writeString(u"A"_s, u"k"_s + QString::number(i), QString::number(i));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{u"options.ini"_s});
    QCOMPARE(ini.readString(u"A"_s, u"k4"_s, {}), u"4"_s);
}

void TestIniFile::writeInPlaceWhenFolderIsReadOnly()
{
    if (geteuid() == 0)
        QSKIP("root writes into read-only folders anyway");

    writeBytes(path(), "[Install]\r\nNewInstall=Def\r\n");
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner;
    QVERIFY(QFile::setPermissions(m_dir->path(), readOnly));

    IniFile ini(path());
    const auto error = writeError(ini, u"Install"_s, u"NewInstall"_s, u"false"_s);
    QVERIFY(QFile::setPermissions(m_dir->path(), readOnly | QFile::WriteOwner));

    QCOMPARE(error, u"<no error>"_s);
    QCOMPARE(readBytes(path()), QByteArray("[Install]\r\nNewInstall=false\r\n"));
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
