// SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfTestSupport.h"
#include "common/rtf/Rtf.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>
#include <QTextDocument>

using namespace lynvar::rtf;
using namespace lynvar::rtf::test;

namespace {

QString repeated(QStringView piece, int times)
{
    QString s;
    s.reserve(piece.size() * times);
    for (int i = 0; i < times; ++i)
        s.append(piece);
    return s;
}

// Reading damaged input must give a document whose text is what plainText() finds.
void readBothWays(const QString &rtf, QString *text = nullptr)
{
    QTextDocument doc;
    readInto(doc, rtf);
    const QString plain = plainText(rtf);
    QCOMPARE(documentText(doc), plain);
    if (text)
        *text = plain;
}

} // namespace

class TestRtfMalformed : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void yieldsWhatItCould_data();
    void yieldsWhatItCould();
    void deepNesting();
    void unclosedNesting();
    void hugeBinaryLength();
    void longInput();
    void absurdValuesAreBounded();
    void randomDamage();
};

void TestRtfMalformed::yieldsWhatItCould_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<QString>("text");
    const QString head = QStringLiteral("{\\rtf1\\ansi\\ansicpg1251 ");
    QTest::newRow("header only") << QStringLiteral("{\\rtf") << QString();
    QTest::newRow("truncated after text") << head + QStringLiteral("\\b abc") << QStringLiteral("abc");
    QTest::newRow("truncated in a word") << head + QStringLiteral("abc\\pa") << QStringLiteral("abc");
    QTest::newRow("truncated in a hex byte")
        << head + QStringLiteral("a\\'c") << QStringLiteral("a"); // byte 0x0C is no text
    QTest::newRow("truncated after backslash") << head + QStringLiteral("a\\") << QStringLiteral("a");
    QTest::newRow("truncated in the font table")
        << QStringLiteral("{\\rtf1{\\fonttbl{\\f0\\fcharset204 Ari") << QString();
    QTest::newRow("truncated in a picture") << head + QStringLiteral("a{\\pict 8950") << QStringLiteral("a");
    QTest::newRow("truncated in a fallback")
        << head + QStringLiteral("a\\uc5\\u1071") << QStringLiteral("aЯ");
    QTest::newRow("text after the end") << head + QStringLiteral("a}b}c") << QStringLiteral("a");
    QTest::newRow("NUL after the end") << head + QStringLiteral("a}") + QChar(0) << QStringLiteral("a");
    QTest::newRow("stray closing braces") << head + QStringLiteral("a{b}}c") << QStringLiteral("ab");
    QTest::newRow("unclosed groups") << head + QStringLiteral("a{b{\\i c") << QStringLiteral("abc");
    QTest::newRow("control characters")
        << head + QStringLiteral("a") + QChar(0) + QChar(7) + QStringLiteral("b\tc")
        << QStringLiteral("ab\tc");
    QTest::newRow("bad hex") << head + QStringLiteral("a\\'zzb\\'4") << QStringLiteral("azzb");
    QTest::newRow("negative bin") << head + QStringLiteral("a\\bin-5 b") << QStringLiteral("ab");
    QTest::newRow("bin without number") << head + QStringLiteral("a\\bin b") << QStringLiteral("ab");
    QTest::newRow("unicode out of range")
        << head + QStringLiteral("a\\u99999999?b\\u-99999?c") << QStringLiteral("abc");
    QTest::newRow("negative uc") << head + QStringLiteral("\\uc-4\\u1071?") << QStringLiteral("Я?");
    QTest::newRow("huge uc") << head + QStringLiteral("\\uc99999999\\u1071 abc{}d") << QStringLiteral("Яd");
    QTest::newRow("star at top level") << QStringLiteral("{\\rtf1\\*\\x a}b") << QString();
    QTest::newRow("picture at top level") << head + QStringLiteral("a\\pict b") << QStringLiteral("a");
    QTest::newRow("colour table garbage")
        << QStringLiteral("{\\rtf1{\\colortbl\\red999\\green-4\\blue;x;;\\'41}{\\cf1 a}{\\cf2 b}}")
        << QStringLiteral("ab");
    QTest::newRow("font without number")
        << QStringLiteral("{\\rtf1{\\fonttbl\\f Arial;}\\f a}") << QStringLiteral("a");
    QTest::newRow("long control word")
        << head + QStringLiteral("a\\") + repeated(QStringLiteral("x"), 100000) +
               QStringLiteral("12345678901234567890 b")
        << QStringLiteral("ab");
    QTest::newRow("only backslashes")
        << head + repeated(QStringLiteral("\\"), 1001) << repeated(QStringLiteral("\\"), 500);
}

void TestRtfMalformed::yieldsWhatItCould()
{
    QFETCH(QString, rtf);
    QFETCH(QString, text);
    QString actual;
    readBothWays(rtf, &actual);
    QCOMPARE(actual, text);
}

void TestRtfMalformed::deepNesting()
{
    // Groups nested beyond the depth limit are left out; the text around them stays.
    constexpr int depth = 100000;
    const QString rtf = QStringLiteral("{\\rtf1 a") + repeated(QStringLiteral("{\\b "), depth) +
                        QStringLiteral("x") + repeated(QStringLiteral("}"), depth) +
                        QStringLiteral("b\\par}");
    QString text;
    readBothWays(rtf, &text);
    QCOMPARE(text, QStringLiteral("ab"));

    const QString shallow = QStringLiteral("{\\rtf1 a") + repeated(QStringLiteral("{"), 900) +
                            QStringLiteral("\\b x") + repeated(QStringLiteral("}"), 900) +
                            QStringLiteral("b}");
    QTextDocument doc;
    readInto(doc, shallow);
    QCOMPARE(doc.toPlainText(), QStringLiteral("axb"));
    QVERIFY(runWith(doc, QStringLiteral("x")).bold);
    QVERIFY(!runWith(doc, QStringLiteral("b")).bold);
}

void TestRtfMalformed::unclosedNesting()
{
    QString text;
    readBothWays(QStringLiteral("{\\rtf1 a") + repeated(QStringLiteral("{"), 100000) + QStringLiteral("b"),
                 &text);
    QCOMPARE(text, QStringLiteral("a"));
    readBothWays(QStringLiteral("{\\rtf1 a") + repeated(QStringLiteral("}"), 100000) + QStringLiteral("b"),
                 &text);
    QCOMPARE(text, QStringLiteral("a"));
}

void TestRtfMalformed::hugeBinaryLength()
{
    QString text;
    readBothWays(QStringLiteral("{\\rtf1 a\\bin2147483647 xyz}"), &text);
    QCOMPARE(text, QStringLiteral("a"));
    readBothWays(QStringLiteral("{\\rtf1 a\\bin99999999999999999999 xyz}"), &text);
    QCOMPARE(text, QStringLiteral("a"));
    readBothWays(QStringLiteral("{\\rtf1 a{\\pict\\bin4 }}}}}b}"), &text);
    QCOMPARE(text, QStringLiteral("ab"));
}

void TestRtfMalformed::longInput()
{
    // A large document reads in one linear pass.
    const QString rtf = QStringLiteral("{\\rtf1\\ansi\\ansicpg1251 ") +
                        repeated(QStringLiteral("{\\b\\'d9\\'f3\\'ea\\'e0}\\u1071?\\par "), 50000) +
                        QStringLiteral("}");
    QElapsedTimer timer;
    timer.start();
    QString text;
    readBothWays(rtf, &text);
    QCOMPARE(text.size(), 50000 * 7 - 2);
    QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
}

void TestRtfMalformed::absurdValuesAreBounded()
{
    QTextDocument doc;
    readInto(doc, QStringLiteral(
                      "{\\rtf1 \\fs2147483647 a\\fs-5 b\\fs1 c\\li-99999999\\sb-5\\sa99999999 x\\par}"));
    QCOMPARE(runWith(doc, QStringLiteral("a")).points, 1638.0);
    QCOMPARE(runWith(doc, QStringLiteral("b")).points, 12.0);
    QCOMPARE(runWith(doc, QStringLiteral("c")).points, 1.0);
    const QTextBlockFormat format = doc.firstBlock().blockFormat();
    QCOMPARE(format.leftMargin(), -31680 / 15.0);
    QCOMPARE(format.topMargin(), 0.0);
    QCOMPARE(format.bottomMargin(), 31680 / 15.0);
}

void TestRtfMalformed::randomDamage()
{
    // Documents spliced from RTF fragments and cut or mutated at random: no crash, and the
    // document and the plain text agree. A fixed seed keeps failures reproducible.
    static const QStringList pieces = {
        QStringLiteral("{"),
        QStringLiteral("}"),
        QStringLiteral("\\"),
        QStringLiteral("\\'"),
        QStringLiteral("\\'e9"),
        QStringLiteral("\\u"),
        QStringLiteral("\\u-4"),
        QStringLiteral("\\uc2"),
        QStringLiteral("\\bin"),
        QStringLiteral("\\bin3 "),
        QStringLiteral("\\par"),
        QStringLiteral("\\pard"),
        QStringLiteral("\\plain"),
        QStringLiteral("\\line"),
        QStringLiteral("\\*"),
        QStringLiteral("\\pict"),
        QStringLiteral("\\fonttbl"),
        QStringLiteral("\\colortbl"),
        QStringLiteral("\\f1"),
        QStringLiteral("\\fcharset128"),
        QStringLiteral("\\fcharset204"),
        QStringLiteral("\\red9"),
        QStringLiteral(";"),
        QStringLiteral("\\b"),
        QStringLiteral("\\cf1"),
        QStringLiteral("\\highlight2"),
        QStringLiteral("\\fs"),
        QStringLiteral("-"),
        QStringLiteral("42"),
        QStringLiteral(" "),
        QStringLiteral("?"),
        QStringLiteral("abc"),
        QStringLiteral("Ж"),
        QStringLiteral("\r\n"),
        QStringLiteral("\\qc"),
        QStringLiteral("\\li-3"),
    };
    QRandomGenerator random(20240601);
    for (int round = 0; round < 2000; ++round) {
        QString rtf = QStringLiteral("{\\rtf1");
        const int count = random.bounded(1, 80);
        for (int i = 0; i < count; ++i)
            rtf += pieces.at(random.bounded(int(pieces.size())));
        if (random.bounded(2))
            rtf += u'}';
        readBothWays(rtf);
        if (QTest::currentTestFailed()) {
            qWarning("input: %s", qPrintable(rtf));
            return;
        }
    }
    for (const char *name : {"richedit-cp1251.rtf", "wordprocessor.rtf", "unicode-escapes.rtf"}) {
        const QString original = fixture(QString::fromLatin1(name));
        for (int round = 0; round < 300; ++round) {
            QString rtf = original.left(random.bounded(int(original.size()) + 1));
            for (int flips = random.bounded(4); flips > 0 && !rtf.isEmpty(); --flips)
                rtf[random.bounded(int(rtf.size()))] = QChar(char16_t(random.bounded(0x20, 0x7F)));
            readBothWays(rtf);
            if (QTest::currentTestFailed()) {
                qWarning("input: %s", qPrintable(rtf));
                return;
            }
        }
    }
}

QTEST_MAIN(TestRtfMalformed)
#include "TestRtfMalformed.moc"
