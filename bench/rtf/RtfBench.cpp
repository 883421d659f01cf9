// SPDX-License-Identifier: GPL-3.0-or-later
// Reading speed of the RTF reader on a ~1 MB document with mixed formatting, beside
// QTextDocument::setHtml on the same content as HTML.
#include "common/rtf/Rtf.h"

#include <QGuiApplication>
#include <QRandomGenerator>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kTargetRtfSize = 1'000'000;

void addParagraphs(QTextCursor &cursor, QRandomGenerator &random, int count)
{
    static const QStringList words = {
        QStringLiteral("щука"),     QStringLiteral("окунь"),      QStringLiteral("лящ"),
        QStringLiteral("плітка"),   QStringLiteral("короп"),      QStringLiteral("вудка"),
        QStringLiteral("гачок"),    QStringLiteral("наживка"),    QStringLiteral("річка"),
        QStringLiteral("озеро"),    QStringLiteral("берег"),      QStringLiteral("світанок"),
        QStringLiteral("клює"),     QStringLiteral("тримається"), QStringLiteral("біля"),
        QStringLiteral("коряг"),    QStringLiteral("ловля"),      QStringLiteral("весь"),
        QStringLiteral("рік"),      QStringLiteral("мормишка"),   QStringLiteral("волосінь"),
        QStringLiteral("поплавок"), QStringLiteral("ёрш"),        QStringLiteral("«вузол»"),
        QStringLiteral("Palomar"),  QStringLiteral("2,5"),        QStringLiteral("кг"),
        QStringLiteral("—"),
    };
    static const QColor colours[] = {QColor(0, 0, 128), QColor(200, 0, 0), QColor(0, 120, 0),
                                     QColor(90, 90, 90)};
    static const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignJustify,
                                               Qt::AlignRight};
    for (int p = 0; p < count; ++p) {
        QTextBlockFormat block;
        block.setAlignment(alignments[random.bounded(4)]);
        if (random.bounded(3) == 0)
            block.setTextIndent(18.8);
        block.setBottomMargin(random.bounded(2) * 4);
        cursor.insertBlock(block);
        const int runs = random.bounded(3, 12);
        for (int r = 0; r < runs; ++r) {
            QTextCharFormat format;
            format.setFontPointSize(QList<int>{10, 11, 12, 14, 16}.at(random.bounded(5)));
            format.setFontWeight(random.bounded(4) == 0 ? QFont::Bold : QFont::Normal);
            format.setFontItalic(random.bounded(6) == 0);
            format.setFontUnderline(random.bounded(10) == 0);
            if (random.bounded(3) == 0)
                format.setForeground(colours[random.bounded(4)]);
            if (random.bounded(12) == 0)
                format.setBackground(QColor(255, 255, 0));
            format.setFontFamilies(
                {random.bounded(5) == 0 ? QStringLiteral("Tahoma") : QStringLiteral("Times New Roman")});
            QString text;
            for (int w = random.bounded(3, 15); w > 0; --w)
                text += words.at(random.bounded(int(words.size()))) + u' ';
            cursor.insertText(text, format);
        }
    }
}

struct Content
{
    QString rtf;
    QString html;
    qsizetype characters = 0;
};

const Content &content()
{
    static const Content c = [] {
        QRandomGenerator random(1958);
        QTextDocument doc;
        QTextCursor cursor(&doc);
        Content made;
        while (made.rtf.size() < kTargetRtfSize) {
            addParagraphs(cursor, random, 50);
            made.rtf = lynvar::rtf::write(doc);
        }
        made.html = doc.toHtml();
        made.characters = doc.characterCount();
        return made;
    }();
    return c;
}

void report(benchmark::State &state, qsizetype inputSize)
{
    state.SetBytesProcessed(state.iterations() * inputSize);
    state.counters["chars/s"] = benchmark::Counter(double(state.iterations()) * double(content().characters),
                                                   benchmark::Counter::kIsRate);
    state.counters["input_KB"] = double(inputSize) / 1024;
}

void rtfReadInto(benchmark::State &state)
{
    const QString &rtf = content().rtf;
    for (auto _ : state) {
        QTextDocument doc;
        lynvar::rtf::readInto(doc, rtf);
        benchmark::DoNotOptimize(doc.characterCount());
    }
    report(state, rtf.size());
}

void htmlSetHtml(benchmark::State &state)
{
    const QString &html = content().html;
    for (auto _ : state) {
        QTextDocument doc;
        doc.setHtml(html);
        benchmark::DoNotOptimize(doc.characterCount());
    }
    report(state, html.size());
}

void rtfPlainText(benchmark::State &state)
{
    const QString &rtf = content().rtf;
    for (auto _ : state)
        benchmark::DoNotOptimize(lynvar::rtf::plainText(rtf));
    report(state, rtf.size());
}

void rtfWrite(benchmark::State &state)
{
    QTextDocument doc;
    lynvar::rtf::readInto(doc, content().rtf);
    for (auto _ : state)
        benchmark::DoNotOptimize(lynvar::rtf::write(doc));
    report(state, content().rtf.size());
}

BENCHMARK(rtfReadInto)->Unit(benchmark::kMillisecond);
BENCHMARK(htmlSetHtml)->Unit(benchmark::kMillisecond);
BENCHMARK(rtfPlainText)->Unit(benchmark::kMillisecond);
BENCHMARK(rtfWrite)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // setHtml and fonts want one
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
