// SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfTestSupport.h"
#include "common/rtf/Rtf.h"

#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>

using namespace lynvar::rtf;
using namespace lynvar::rtf::test;

namespace {

QString read(const QString &rtf)
{
    return plainText(rtf);
}

// Wraps body markup in a document header with a Western and a Cyrillic font and three colours.
QString rtfDoc(const QString &body, const QString &codePage = QStringLiteral("1252"))
{
    return QStringLiteral(
               "{\\rtf1\\ansi\\ansicpg%1\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
               "{\\f1\\froman\\fcharset204 Times New Roman;}}"
               "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red0\\green0\\blue255;}"
               "\\pard %2}")
        .arg(codePage, body);
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recognisesRtf_data();
    void recognisesRtf();
    void fixturePlainText_data();
    void fixturePlainText();
    void richEditFormats();
    void wordProcessorFormats();
    void unicodeFixtureIsBoldThenPlain();
    void codePages_data();
    void codePages();
    void fontTable();
    void unicodeFallbacks_data();
    void unicodeFallbacks();
    void skippedGroups_data();
    void skippedGroups();
    void specialCharacters();
    void paragraphs_data();
    void paragraphs();
    void paragraphFormats_data();
    void paragraphFormats();
    void characterFormatsFollowGroups();
    void plainAndPardReset();
    void automaticColourAndHighlight();
    void plainTextIsShownAsItIs();
    void replacesContentWithoutUndo();
};

void TestRtfReader::recognisesRtf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("rtf");
    QTest::newRow("rtf") << QStringLiteral("{\\rtf1\\ansi x}") << true;
    QTest::newRow("bare header") << QStringLiteral("{\\rtf") << true;
    QTest::newRow("plain") << QStringLiteral("Щука звичайна") << false;
    QTest::newRow("leading space") << QStringLiteral(" {\\rtf1 x}") << false;
    QTest::newRow("other group") << QStringLiteral("{\\pict x}") << false;
    QTest::newRow("empty") << QString() << false;
}

void TestRtfReader::recognisesRtf()
{
    QFETCH(QString, text);
    QFETCH(bool, rtf);
    QCOMPARE(isRtf(text), rtf);
}

void TestRtfReader::fixturePlainText_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("rich edit, cp1251") << QStringLiteral("richedit-cp1251");
    QTest::newRow("unicode escapes") << QStringLiteral("unicode-escapes");
    QTest::newRow("word processor") << QStringLiteral("wordprocessor");
}

void TestRtfReader::fixturePlainText()
{
    QFETCH(QString, name);
    const QString rtf = fixture(name + QStringLiteral(".rtf"));
    QString expected = fixture(name + QStringLiteral(".txt"));
    // One expected file separates its first two lines by a bare LF; every other break is CR LF.
    static const QRegularExpression bareLf(QStringLiteral("(?<!\\r)\\n"));
    expected.replace(bareLf, QStringLiteral("\r\n"));

    QCOMPARE(plainText(rtf), expected);
    QTextDocument doc;
    readInto(doc, rtf);
    QCOMPARE(documentText(doc), expected);
}

void TestRtfReader::richEditFormats()
{
    QTextDocument doc;
    readInto(doc, fixture(QStringLiteral("richedit-cp1251.rtf")));
    QCOMPARE(doc.blockCount(), 3);

    QCOMPARE(blockAt(doc, 0).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const Run title = runWith(doc, QStringLiteral("Щука звичайна"));
    QVERIFY(title.bold);
    QCOMPARE(title.points, 16.0);
    QCOMPARE(title.family, QStringLiteral("Times New Roman"));
    QVERIFY(!title.foreground.isValid());

    const QList<Run> second = runs(blockAt(doc, 1));
    QCOMPARE(second.size(), 2);
    QCOMPARE(second[0].text, QStringLiteral("Хижак прісних вод. Тримає"));
    QVERIFY(!second[0].bold);
    QVERIFY(!second[0].italic);
    QCOMPARE(second[0].points, 12.0);
    QCOMPARE(second[0].foreground, QColor(0, 0, 128));
    QCOMPARE(second[1].text, QStringLiteral("ться біля трав і коряг."));
    QVERIFY(second[1].italic);
    QCOMPARE(second[1].foreground, QColor(0, 0, 128));
    QCOMPARE(blockAt(doc, 1).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);

    const Run last = runWith(doc, QStringLiteral("рання осінь"));
    QVERIFY(last.underline);
    QCOMPARE(last.foreground, QColor(255, 0, 0));
    QCOMPARE(last.family, QStringLiteral("Tahoma"));
    QCOMPARE(last.points, 8.0);
}

void TestRtfReader::wordProcessorFormats()
{
    QTextDocument doc;
    readInto(doc, fixture(QStringLiteral("wordprocessor.rtf")));
    QCOMPARE(doc.blockCount(), 2);

    const QTextBlockFormat heading = blockAt(doc, 0).blockFormat();
    QCOMPARE(heading.topMargin(), 8.0); // \sb120: 120 twips
    QCOMPARE(heading.bottomMargin(), 8.0);
    const Run title = runWith(doc, QStringLiteral("Паломар"));
    QVERIFY(title.bold);
    QCOMPARE(title.points, 14.0);

    const QTextBlockFormat body = blockAt(doc, 1).blockFormat();
    QCOMPARE(body.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    QCOMPARE(body.textIndent(), 284 / 15.0);
    QCOMPARE(body.topMargin(), 0.0);
    const Run text = runWith(doc, QStringLiteral("гачка."));
    QVERIFY(!text.bold); // \plain
    QCOMPARE(text.points, 12.0);
    QCOMPARE(text.family, QStringLiteral("Times New Roman"));
}

void TestRtfReader::unicodeFixtureIsBoldThenPlain()
{
    QTextDocument doc;
    readInto(doc, fixture(QStringLiteral("unicode-escapes.rtf")));
    QVERIFY(runWith(doc, QStringLiteral("Окунь речной")).bold);
    QVERIFY(!runWith(doc, QStringLiteral("мормышку")).bold);
    QCOMPARE(runWith(doc, QStringLiteral("мормышку")).points, 10.0);
}

void TestRtfReader::codePages_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("ansicpg1251, no font table")
        << QStringLiteral("{\\rtf1\\ansi\\ansicpg1251 \\'d9\\'f3\\'ea\\'e0 \\'b2\\'b3\\'af\\'bf\\'aa\\'ba}")
        << QStringLiteral("Щука ІіЇїЄє");
    QTest::newRow("fcharset204 under cp1252")
        << rtfDoc(QStringLiteral("\\f1 \\'d9\\'f3\\'ea\\'e0")) << QStringLiteral("Щука");
    QTest::newRow("font switch changes code page")
        << rtfDoc(QStringLiteral("\\f0\\'c9 {\\f1\\'c9 }\\'c9")) << QStringLiteral("É Й É");
    QTest::newRow("ansicpg1251 with default-charset font")
        << QStringLiteral("{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset1 Arial;}}\\f0 \\'c9}")
        << QStringLiteral("Й");
    QTest::newRow("cpg in font table")
        << QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0\\cpg1251 X;}}\\f0\\'c9}") << QStringLiteral("Й");
    QTest::newRow("cp1250") << QStringLiteral("{\\rtf1\\ansi\\ansicpg1250 \\'9a\\'e8}")
                            << QStringLiteral("šč");
    QTest::newRow("cp1252 euro") << QStringLiteral("{\\rtf1\\ansi\\ansicpg1252 \\'80}")
                                 << QStringLiteral("€");
    QTest::newRow("greek charset") << QStringLiteral(
                                          "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset161 X;}}\\f0\\'e1}")
                                   << QStringLiteral("α");
    QTest::newRow("pc is cp437") << QStringLiteral("{\\rtf1\\pc \\'82}") << QStringLiteral("é");
    QTest::newRow("unknown code page is Latin-1")
        << QStringLiteral("{\\rtf1\\ansi\\ansicpg99999 \\'e9}") << QStringLiteral("é");
    QTest::newRow("shift-jis pair")
        << QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset128 MS Mincho;}}\\f0\\'82\\'a0}")
        << QStringLiteral("あ");
    QTest::newRow("shift-jis literal trail byte")
        << QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset128 MS Mincho;}}\\f0\\'83A}")
        << QStringLiteral("ア");
    QTest::newRow("hex digits in either case")
        << QStringLiteral("{\\rtf1\\ansi\\ansicpg1251 \\'C9\\'e9}") << QStringLiteral("Йй");
}

void TestRtfReader::codePages()
{
    QFETCH(QString, rtf);
    QFETCH(QString, text);
    QCOMPARE(read(rtf), text);
}

void TestRtfReader::fontTable()
{
    QTextDocument doc;
    readInto(doc,
             QStringLiteral(
                 "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\fcharset204 \\'d8\\'f0\\'e8\\'f4\\'f2;}"
                 "{\\f1\\fnil{\\*\\panose 0202}{\\*\\falt Other}Courier New;}\\f7 Bare;\\f8\\fcharset0 Open}"
                 "a\\f0 b\\f7 c\\f8 d\\f9 e}"));
    QCOMPARE(runWith(doc, QStringLiteral("a")).family, QStringLiteral("Courier New"));
    QCOMPARE(runWith(doc, QStringLiteral("b")).family, QStringLiteral("Шрифт"));
    QCOMPARE(runWith(doc, QStringLiteral("c")).family, QStringLiteral("Bare"));
    QCOMPARE(runWith(doc, QStringLiteral("d")).family, QStringLiteral("Open"));     // no ';' before the brace
    QCOMPARE(runWith(doc, QStringLiteral("e")).family, doc.defaultFont().family()); // not in the table
}

void TestRtfReader::unicodeFallbacks_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("text");
    QTest::newRow("uc0") << QStringLiteral("\\uc0\\u1071 x") << QStringLiteral("Яx");
    QTest::newRow("uc1, default") << QStringLiteral("\\u1071?x") << QStringLiteral("Яx");
    QTest::newRow("uc1") << QStringLiteral("\\uc1\\u1071?x") << QStringLiteral("Яx");
    QTest::newRow("uc2") << QStringLiteral("\\uc2\\u1071??x") << QStringLiteral("Яx");
    QTest::newRow("uc2, hex fallback") << QStringLiteral("\\uc2\\u1071\\'3f\\'3fx") << QStringLiteral("Яx");
    QTest::newRow("fallback is a control word") << QStringLiteral("\\u1071\\par x") << QStringLiteral("Яx");
    QTest::newRow("uc is scoped to its group")
        << QStringLiteral("{\\uc2\\u1071??}\\u1071?x") << QStringLiteral("ЯЯx");
    QTest::newRow("brace ends the fallback") << QStringLiteral("{\\uc3\\u1071?}x") << QStringLiteral("Яx");
    QTest::newRow("negative") << QStringLiteral("\\u-3913?") << QString(QChar(0xF0B7));
    QTest::newRow("surrogate pair") << QStringLiteral("\\u-10179?\\u-8704?") << QStringLiteral("😀");
    QTest::newRow("run of text after fallback")
        << QStringLiteral("\\uc1\\u1071?abc") << QStringLiteral("Яabc");
    QTest::newRow("hex bytes around")
        << QStringLiteral("\\f1\\'c0\\u1071\\'c1\\'c2") << QStringLiteral("АЯВ");
}

void TestRtfReader::unicodeFallbacks()
{
    QFETCH(QString, body);
    QFETCH(QString, text);
    QCOMPARE(read(rtfDoc(body)), text);
}

void TestRtfReader::skippedGroups_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("text");
    QTest::newRow("pict") << QStringLiteral("a{\\pict\\pngblip\\picw10 89504e470d0a}b")
                          << QStringLiteral("ab");
    QTest::newRow("pict with binary braces")
        << QStringLiteral("a{\\pict\\bin6 }}{{\\\\}b") << QStringLiteral("ab");
    QTest::newRow("bin in body") << QStringLiteral("a\\bin3 xyzb") << QStringLiteral("ab");
    QTest::newRow("ignorable destination")
        << QStringLiteral("a{\\*\\unknownthing text {nested}}b") << QStringLiteral("ab");
    QTest::newRow("unknown control words")
        << QStringLiteral("a\\unknownword42 b\\xyz c") << QStringLiteral("abc");
    QTest::newRow("header and footer")
        << QStringLiteral("{\\header h}{\\footer f}body") << QStringLiteral("body");
    QTest::newRow("info and stylesheet")
        << QStringLiteral("{\\info{\\title t}}{\\stylesheet{\\s1 Heading;}}x") << QStringLiteral("x");
    QTest::newRow("field shows its result")
        << QStringLiteral("{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt {\\ul link}}}")
        << QStringLiteral("link");
    QTest::newRow("field instruction without star")
        << QStringLiteral("{\\field{\\fldinst PAGE}{\\fldrslt 3}}") << QStringLiteral("3");
    QTest::newRow("shape picture") << QStringLiteral(
                                          "{\\*\\shppict{\\pict\\wmetafile8 0100}}{\\nonshppict{\\pict 01}}x")
                                   << QStringLiteral("x");
    QTest::newRow("object") << QStringLiteral("{\\object\\objemb{\\*\\objdata 0105}{\\result x}}y")
                            << QStringLiteral("y");
}

void TestRtfReader::skippedGroups()
{
    QFETCH(QString, body);
    QFETCH(QString, text);
    QCOMPARE(read(rtfDoc(body)), text);
}

void TestRtfReader::specialCharacters()
{
    const QString rtf = rtfDoc(QStringLiteral("a\\tab b\\line c\\emdash\\endash\\~\\{\\}\\\\"
                                              "\\lquote\\rquote\\ldblquote\\rdblquote\\bullet\\-\\_d"));
    QCOMPARE(read(rtf), QStringLiteral("a\tb\r\nc—–\u00A0{}\\‘’“”•\u2011d"));
    QTextDocument doc;
    readInto(doc, rtf);
    QCOMPARE(doc.blockCount(), 1);
    QVERIFY(doc.firstBlock().text().contains(QChar(0x2028))); // a soft break stays in its paragraph
}

void TestRtfReader::paragraphs_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("blocks");
    QTest::newRow("empty") << QString() << QString() << 1;
    QTest::newRow("no final par") << QStringLiteral("a") << QStringLiteral("a") << 1;
    QTest::newRow("final par adds nothing") << QStringLiteral("a\\par") << QStringLiteral("a") << 1;
    QTest::newRow("two final pars") << QStringLiteral("a\\par\\par") << QStringLiteral("a\r\n") << 2;
    QTest::newRow("empty line between")
        << QStringLiteral("a\\par\\par b\\par") << QStringLiteral("a\r\n\r\nb") << 3;
    QTest::newRow("only a par") << QStringLiteral("\\par") << QString() << 1;
    QTest::newRow("leading par") << QStringLiteral("\\par a") << QStringLiteral("\r\na") << 2;
    QTest::newRow("source line breaks are not text")
        << QStringLiteral("a\r\nb\nc\rd") << QStringLiteral("abcd") << 1;
    QTest::newRow("escaped line break is a par") << QStringLiteral("a\\\nb") << QStringLiteral("a\r\nb") << 2;
    QTest::newRow("table row") << QStringLiteral("\\intbl a\\cell b\\cell\\row c")
                               << QStringLiteral("a\tb\t\r\nc") << 2;
}

void TestRtfReader::paragraphs()
{
    QFETCH(QString, body);
    QFETCH(QString, text);
    QFETCH(int, blocks);
    const QString rtf = rtfDoc(body);
    QCOMPARE(read(rtf), text);
    QTextDocument doc;
    readInto(doc, rtf);
    QCOMPARE(doc.blockCount(), blocks);
    QCOMPARE(documentText(doc), text);
}

void TestRtfReader::paragraphFormats_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<qreal>("left");
    QTest::addColumn<qreal>("right");
    QTest::addColumn<qreal>("first");
    QTest::newRow("default") << QStringLiteral("x\\par") << int(Qt::AlignLeft) << 0.0 << 0.0 << 0.0;
    QTest::newRow("centre") << QStringLiteral("\\qc x\\par") << int(Qt::AlignHCenter) << 0.0 << 0.0 << 0.0;
    QTest::newRow("right") << QStringLiteral("\\qr x\\par") << int(Qt::AlignRight) << 0.0 << 0.0 << 0.0;
    QTest::newRow("justify") << QStringLiteral("\\qj x\\par") << int(Qt::AlignJustify) << 0.0 << 0.0 << 0.0;
    QTest::newRow("indents") << QStringLiteral("\\li720\\ri360\\fi-180 x\\par") << int(Qt::AlignLeft) << 48.0
                             << 24.0 << -12.0;
    QTest::newRow("set at the par, not before")
        << QStringLiteral("x\\qc\\li150\\par") << int(Qt::AlignHCenter) << 10.0 << 0.0 << 0.0;
    QTest::newRow("pard resets") << QStringLiteral("\\qc\\li720\\pard x\\par") << int(Qt::AlignLeft) << 0.0
                                 << 0.0 << 0.0;
    QTest::newRow("last paragraph without par")
        << QStringLiteral("\\qr\\li15 x") << int(Qt::AlignRight) << 1.0 << 0.0 << 0.0;
    QTest::newRow("absurd indent is bounded")
        << QStringLiteral("\\li2147483647 x") << int(Qt::AlignLeft) << 31680 / 15.0 << 0.0 << 0.0;
}

void TestRtfReader::paragraphFormats()
{
    QFETCH(QString, body);
    QFETCH(int, alignment);
    QFETCH(qreal, left);
    QFETCH(qreal, right);
    QFETCH(qreal, first);
    QTextDocument doc;
    readInto(doc, rtfDoc(body));
    const QTextBlockFormat format = doc.firstBlock().blockFormat();
    const int actual = format.alignment() & Qt::AlignHorizontal_Mask;
    QCOMPARE(actual == 0 ? int(Qt::AlignLeft) : actual, alignment);
    QCOMPARE(format.leftMargin(), left);
    QCOMPARE(format.rightMargin(), right);
    QCOMPARE(format.textIndent(), first);
}

void TestRtfReader::characterFormatsFollowGroups()
{
    QTextDocument doc;
    readInto(doc, rtfDoc(QStringLiteral("n{\\b B{\\i BI\\b0 I}B2}{\\ul U\\ul0 u}{\\strike S}{\\fs40 big}"
                                        "{\\f1 times}{\\cf2 green}\\b1 on\\b0 off")));
    const auto run = [&doc](const char *text) { return runWith(doc, QString::fromUtf8(text)); };
    QVERIFY(!run("n").bold);
    QVERIFY(run("B").bold);
    QVERIFY(run("BI").bold && run("BI").italic);
    QVERIFY(!run("I").bold && run("I").italic);
    QVERIFY(run("B2").bold && !run("B2").italic);
    QVERIFY(run("U").underline);
    QVERIFY(!run("u").underline);
    QVERIFY(run("S").strike);
    QCOMPARE(run("big").points, 20.0);
    QCOMPARE(run("times").family, QStringLiteral("Times New Roman"));
    QCOMPARE(run("green").foreground, QColor(0, 128, 0));
    QVERIFY(run("on").bold);
    QVERIFY(!run("off").bold);
    QCOMPARE(run("off").family, QStringLiteral("Arial"));
    QCOMPARE(run("off").points, 12.0);
}

void TestRtfReader::plainAndPardReset()
{
    QTextDocument doc;
    readInto(doc, rtfDoc(QStringLiteral("\\b\\i\\fs30\\cf1\\f1 x\\plain y")));
    const Run y = runWith(doc, QStringLiteral("y"));
    QVERIFY(!y.bold && !y.italic);
    QCOMPARE(y.points, 12.0);
    QCOMPARE(y.family, QStringLiteral("Arial")); // back to \deff0
    QVERIFY(!y.foreground.isValid());
}

void TestRtfReader::automaticColourAndHighlight()
{
    QTextDocument doc;
    readInto(doc, rtfDoc(QStringLiteral("{\\cf0 auto}{\\cf3 blue}{\\highlight1 marked}{\\cb2 shaded}"
                                        "{\\highlight1\\highlight0 none}{\\cf77 missing}")));
    QVERIFY(!runWith(doc, QStringLiteral("auto")).foreground.isValid());
    QCOMPARE(runWith(doc, QStringLiteral("blue")).foreground, QColor(0, 0, 255));
    QCOMPARE(runWith(doc, QStringLiteral("marked")).background, QColor(255, 0, 0));
    QCOMPARE(runWith(doc, QStringLiteral("shaded")).background, QColor(0, 128, 0));
    QVERIFY(!runWith(doc, QStringLiteral("none")).background.isValid());
    QVERIFY(!runWith(doc, QStringLiteral("missing")).foreground.isValid());
}

void TestRtfReader::plainTextIsShownAsItIs()
{
    const QString text = QStringLiteral("Щука {\\b не} RTF\nдругий\r\nтретій\rчетвертий");
    QCOMPARE(plainText(text), QStringLiteral("Щука {\\b не} RTF\r\nдругий\r\nтретій\r\nчетвертий"));
    QTextDocument doc;
    readInto(doc, text);
    QCOMPARE(doc.blockCount(), 4);
    QCOMPARE(doc.firstBlock().text(), QStringLiteral("Щука {\\b не} RTF"));
}

void TestRtfReader::replacesContentWithoutUndo()
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("old\nlines"));
    QTextCursor(&doc).insertText(QStringLiteral("typed"));
    QVERIFY(doc.isUndoAvailable());
    readInto(doc, rtfDoc(QStringLiteral("new")));
    QCOMPARE(doc.toPlainText(), QStringLiteral("new"));
    QVERIFY(!doc.isUndoAvailable());
    QVERIFY(doc.isUndoRedoEnabled());
    QVERIFY(!doc.isModified());
}

QTEST_MAIN(TestRtfReader)
#include "TestRtfReader.moc"
