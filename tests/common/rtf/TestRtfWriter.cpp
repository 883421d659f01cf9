// SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfTestSupport.h"
#include "common/rtf/Rtf.h"

#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <functional>

using namespace lynvar::rtf;
using namespace lynvar::rtf::test;

namespace {

using Builder = std::function<void(QTextCursor &)>;

QTextCharFormat format(const std::function<void(QTextCharFormat &)> &set)
{
    QTextCharFormat f;
    set(f);
    return f;
}

void compareDocuments(const QTextDocument &actual, const QTextDocument &expected)
{
    QCOMPARE(actual.blockCount(), expected.blockCount());
    for (int i = 0; i < expected.blockCount(); ++i) {
        const QTextBlock a = actual.findBlockByNumber(i);
        const QTextBlock e = expected.findBlockByNumber(i);
        QCOMPARE(a.text(), e.text());

        const QTextBlockFormat af = a.blockFormat();
        const QTextBlockFormat ef = e.blockFormat();
        const auto horizontal = [](const QTextBlockFormat &f) {
            const int h = f.alignment() & Qt::AlignHorizontal_Mask;
            return h == 0 ? int(Qt::AlignLeft) : h;
        };
        QCOMPARE(horizontal(af), horizontal(ef));
        QCOMPARE(af.leftMargin(), ef.leftMargin());
        QCOMPARE(af.rightMargin(), ef.rightMargin());
        QCOMPARE(af.textIndent(), ef.textIndent());
        QCOMPARE(af.topMargin(), ef.topMargin());
        QCOMPARE(af.bottomMargin(), ef.bottomMargin());

        const QList<Run> ar = runs(a);
        const QList<Run> er = runs(e);
        QCOMPARE(ar.size(), er.size());
        for (qsizetype r = 0; r < er.size(); ++r) {
            QCOMPARE(ar[r].text, er[r].text);
            QCOMPARE(ar[r].family, er[r].family);
            QCOMPARE(ar[r].points, er[r].points);
            QCOMPARE(ar[r].bold, er[r].bold);
            QCOMPARE(ar[r].italic, er[r].italic);
            QCOMPARE(ar[r].underline, er[r].underline);
            QCOMPARE(ar[r].strike, er[r].strike);
            QCOMPARE(ar[r].foreground, er[r].foreground);
            QCOMPARE(ar[r].background, er[r].background);
        }
    }
}

bool isAscii(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

class TestRtfWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void fixturesRoundTrip_data();
    void fixturesRoundTrip();
    void golden();
    void escapesText_data();
    void escapesText();
    void defaultFontIsWritten();
};

void TestRtfWriter::roundTrip_data()
{
    QTest::addColumn<Builder>("build");

    const auto text = [](const QString &t, const std::function<void(QTextCharFormat &)> &set) -> Builder {
        return [t, set](QTextCursor &c) { c.insertText(t, format(set)); };
    };
    const auto block = [](const std::function<void(QTextBlockFormat &)> &set) -> Builder {
        return [set](QTextCursor &c) {
            QTextBlockFormat f;
            set(f);
            c.setBlockFormat(f);
            c.insertText(QStringLiteral("Абзац з відступами"));
        };
    };

    QTest::newRow("plain") << text(QStringLiteral("plain"), [](auto &) {});
    QTest::newRow("empty document") << Builder([](QTextCursor &) {});
    QTest::newRow("bold") << text(QStringLiteral("Жирний"), [](auto &f) { f.setFontWeight(QFont::Bold); });
    QTest::newRow("italic") << text(QStringLiteral("Курсив"), [](auto &f) { f.setFontItalic(true); });
    QTest::newRow("underline") << text(QStringLiteral("Підкреслений"),
                                       [](auto &f) { f.setFontUnderline(true); });
    QTest::newRow("strike") << text(QStringLiteral("Закреслений"), [](auto &f) { f.setFontStrikeOut(true); });
    QTest::newRow("size") << text(QStringLiteral("великий"), [](auto &f) { f.setFontPointSize(23.5); });
    QTest::newRow("family") << text(QStringLiteral("Tahoma text"),
                                    [](auto &f) { f.setFontFamilies({QStringLiteral("Tahoma")}); });
    QTest::newRow("colour") << text(QStringLiteral("червоний"),
                                    [](auto &f) { f.setForeground(QColor(200, 10, 20)); });
    QTest::newRow("background") << text(QStringLiteral("тло"),
                                        [](auto &f) { f.setBackground(QColor(255, 255, 0)); });
    QTest::newRow("everything") << text(QStringLiteral("усе разом"), [](auto &f) {
        f.setFontWeight(QFont::Bold);
        f.setFontItalic(true);
        f.setFontUnderline(true);
        f.setFontStrikeOut(true);
        f.setFontPointSize(9);
        f.setFontFamilies({QStringLiteral("Courier New")});
        f.setForeground(QColor(0, 0, 128));
        f.setBackground(QColor(192, 192, 192));
    });
    QTest::newRow("centre") << block([](auto &f) { f.setAlignment(Qt::AlignHCenter); });
    QTest::newRow("right") << block([](auto &f) { f.setAlignment(Qt::AlignRight); });
    QTest::newRow("justify") << block([](auto &f) { f.setAlignment(Qt::AlignJustify); });
    QTest::newRow("indents") << block([](auto &f) {
        f.setLeftMargin(48);
        f.setRightMargin(12);
        f.setTextIndent(-18.8);
    });
    QTest::newRow("spacing") << block([](auto &f) {
        f.setTopMargin(8);
        f.setBottomMargin(4);
    });
    QTest::newRow("mixed runs and paragraphs") << Builder([](QTextCursor &c) {
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignHCenter);
        c.setBlockFormat(centred);
        c.insertText(QStringLiteral("Щука "), format([](auto &f) { f.setFontWeight(QFont::Bold); }));
        c.insertText(QStringLiteral("звичайна"), format([](auto &f) { f.setFontItalic(true); }));
        c.insertBlock(QTextBlockFormat());
        c.insertBlock(QTextBlockFormat());
        c.insertText(QStringLiteral("після порожнього"), format([](auto &f) { f.setForeground(Qt::red); }));
        c.insertText(QStringLiteral(" і знову"), QTextCharFormat());
        c.insertBlock();
    });
    QTest::newRow("outside cp1251") << text(QStringLiteral("Ω ĉ 😀 ü ǅ €"), [](auto &) {});
    QTest::newRow("markup characters")
        << text(QStringLiteral("{\\b not bold} \\par ; \\'e9 \\u1071?"), [](auto &) {});
    QTest::newRow("tab and line break") << text(QStringLiteral("a\tb\u2028c\u00A0d"), [](auto &) {});
    QTest::newRow("Cyrillic family") << text(
        QStringLiteral("x"), [](auto &f) { f.setFontFamilies({QStringLiteral("Шрифт;Два")}); });
}

void TestRtfWriter::roundTrip()
{
    QFETCH(Builder, build);
    QTextDocument original;
    QTextCursor cursor(&original);
    build(cursor);

    const QString rtf = write(original);
    QVERIFY(isRtf(rtf));
    QVERIFY2(isAscii(rtf), qPrintable(rtf));

    QTextDocument copy;
    readInto(copy, rtf);
    if (QTest::currentDataTag() == QByteArrayView("Cyrillic family")) {
        // ';' ends a font name in RTF, so it cannot be kept.
        QCOMPARE(runs(copy.firstBlock()).first().family, QStringLiteral("ШрифтДва"));
        return;
    }
    compareDocuments(copy, original);
    // Written again, it is the same RTF: nothing drifts.
    QCOMPARE(write(copy), rtf);
}

void TestRtfWriter::fixturesRoundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("rich edit, cp1251") << QStringLiteral("richedit-cp1251");
    QTest::newRow("unicode escapes") << QStringLiteral("unicode-escapes");
    QTest::newRow("word processor") << QStringLiteral("wordprocessor");
}

void TestRtfWriter::fixturesRoundTrip()
{
    QFETCH(QString, name);
    QTextDocument original;
    readInto(original, fixture(name + QStringLiteral(".rtf")));
    QTextDocument copy;
    readInto(copy, write(original));
    compareDocuments(copy, original);
    QCOMPARE(plainText(write(original)), plainText(fixture(name + QStringLiteral(".rtf"))));
}

void TestRtfWriter::golden()
{
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Tahoma"), 8));
    QTextCursor c(&doc);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    c.setBlockFormat(centred);
    c.insertText(QStringLiteral("Щука"), format([](auto &f) {
                     f.setFontWeight(QFont::Bold);
                     f.setFontPointSize(16);
                 }));
    QTextBlockFormat indented;
    indented.setLeftMargin(48);
    indented.setTextIndent(16);
    c.insertBlock(indented);
    c.insertText(QStringLiteral("Хижак "), QTextCharFormat());
    c.insertText(QStringLiteral("ω"), format([](auto &f) {
                     f.setForeground(QColor(255, 0, 0));
                     f.setFontFamilies({QStringLiteral("Times New Roman")});
                 }));

    QCOMPARE(
        write(doc),
        QStringLiteral("{\\rtf1\\ansi\\ansicpg1251\\deff0\\uc1{\\fonttbl{\\f0\\fnil\\fcharset204 Tahoma;}"
                       "{\\f1\\fnil\\fcharset204 Times New Roman;}}\r\n"
                       "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
                       "\\pard\\qc\\fs32\\b \\'d9\\'f3\\'ea\\'e0\\par\r\n"
                       "\\pard\\li720\\fi240\\fs16\\b0 \\'d5\\'e8\\'e6\\'e0\\'ea \\f1\\cf1 \\u969?\\par\r\n"
                       "}"));
}

void TestRtfWriter::escapesText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("rtf");
    QTest::newRow("cp1251 letters") << QStringLiteral("Їжак") << QStringLiteral("\\'af\\'e6\\'e0\\'ea");
    QTest::newRow("cp1251 punctuation") << QStringLiteral("«—»№") << QStringLiteral("\\'ab\\'97\\'bb\\'b9");
    QTest::newRow("outside cp1251") << QStringLiteral("ω") << QStringLiteral("\\u969?");
    QTest::newRow("above 32767") << QStringLiteral("\uFB01") << QStringLiteral("\\u-1279?");
    QTest::newRow("surrogates") << QStringLiteral("😀") << QStringLiteral("\\u-10179?\\u-8704?");
    QTest::newRow("markup") << QStringLiteral("{\\}") << QStringLiteral("\\{\\\\\\}");
    QTest::newRow("tab") << QStringLiteral("a\tb") << QStringLiteral("a\\tab b");
}

void TestRtfWriter::escapesText()
{
    QFETCH(QString, text);
    QFETCH(QString, rtf);
    QTextDocument doc;
    QTextCursor(&doc).insertText(text);
    const QString written = write(doc);
    QVERIFY2(written.contains(QLatin1Char(' ') + rtf + QStringLiteral("\\par")), qPrintable(written));
    QCOMPARE(plainText(written), text);
}

void TestRtfWriter::defaultFontIsWritten()
{
    // Runs with no font of their own are written in the document's default font and size.
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Verdana"), 10));
    QTextCursor(&doc).insertText(QStringLiteral("x"));
    QTextDocument copy;
    readInto(copy, write(doc));
    const Run run = runs(copy.firstBlock()).first();
    QCOMPARE(run.family, QStringLiteral("Verdana"));
    QCOMPARE(run.points, 10.0);
}

QTEST_MAIN(TestRtfWriter)
#include "TestRtfWriter.moc"
