// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the knot, recipe and joke pages, and the list titles the jokes and recipes take from
// their texts.
#include "common/rtf/Rtf.h"
#include "data/DataModule2.h"
#include "reference/AnecdotPage.h"
#include "reference/KuhnyaPage.h"
#include "reference/VuzlyPage.h"
#include "tests/reference/HandbookTestSupport.h"

#include <QTextDocument>
#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;
using namespace Qt::StringLiterals;

class TestHandbookPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void jokePicturesFollowEachOther_data()
    {
        QTest::addColumn<int>("pictures");
        QTest::addColumn<QList<int>>("shown"); // from the first joke, one joke after another
        QTest::newRow("three") << 3 << QList<int>{1, 1, 2, 3, 1, 1, 2, 3};
        QTest::newRow("one") << 1 << QList<int>{1, 1, 1, 1};
        QTest::newRow("none") << 0 << QList<int>{-1, -1, -1};
    }
    void jokePicturesFollowEachOther()
    {
        QFETCH(int, pictures);
        QFETCH(QList<int>, shown);
        ProgramFolder folder;
        for (int n = 1; n <= pictures; ++n)
            writePicture(folder, u"prikol/%1.jpg"_s.arg(n), n);
        StartedApplication run(folder);
        AnecdotPage &page = *run.form().page<AnecdotPage>();
        DataSet &jokes = run.data().AnecdotTable;
        QList<int> seen{shownPicture(page.Image2)};
        while (seen.size() < shown.size()) {
            jokes.next();
            seen << shownPicture(page.Image2);
        }
        QCOMPARE(seen, shown);
        QVERIFY(run.dialogs.errors.isEmpty());
    }

    void knotPictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("shown");
        QTest::newRow("its picture") << u"Булінь"_s << u"vuzly/Булінь.jpg"_s << 3;
        QTest::newRow("without a picture") << u"Булінь"_s << QString() << FishPlaceholder;
        QTest::newRow("a name with a slash") << u"a/b"_s << u"vuzly/a/b.jpg"_s << FishPlaceholder;
        QTest::newRow("an empty name") << QString() << u"vuzly/.jpg"_s << FishPlaceholder;
    }
    void knotPictures()
    {
        QFETCH(QString, name);
        QFETCH(QString, file);
        QFETCH(int, shown);
        ProgramFolder folder;
        changeHandbook(folder, u"UPDATE Vuzly SET NameUA = ? WHERE ID = 1"_s, {name});
        writePicture(folder, u"fish/no_photo.jpg"_s, FishPlaceholder);
        if (!file.isEmpty())
            writePicture(folder, file, 3);
        StartedApplication run(folder);
        QVERIFY(run.data().VuzlyTable.locate(u"ID"_s, 1));
        QCOMPARE(shownPicture(run.form().page<VuzlyPage>()->ImageVuzly), shown);
    }

    void recipePictures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("shown");
        QTest::newRow("its picture") << u"kuhnya/1.jpg"_s << 4;
        QTest::newRow("without a picture: the cookery placeholder") << QString() << CookeryPlaceholder;
        QTest::newRow("a damaged picture") << u"kuhnya/1.jpg!"_s << CookeryPlaceholder;
    }
    void recipePictures()
    {
        QFETCH(QString, file);
        QFETCH(int, shown);
        ProgramFolder folder;
        writePicture(folder, u"fish/no_photo.jpg"_s, FishPlaceholder);
        writePicture(folder, u"kuhnya/no-photo.jpg"_s, CookeryPlaceholder);
        if (file.endsWith(u'!'))
            folder.writeFile(file.chopped(1), "damaged");
        else if (!file.isEmpty())
            writePicture(folder, file, 4);
        StartedApplication run(folder);
        QVERIFY(run.data().KuhnyaTable.locate(u"ID"_s, 1));
        QCOMPARE(shownPicture(run.form().page<KuhnyaPage>()->ImageKuhnyaSmall), shown);
        QVERIFY(run.dialogs.errors.isEmpty());
    }

    // Titles of texts as the program stores them from its views (plain text with line feeds only).
    void titlesComeFromTheFirstLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("a first line of ten letters") << u"Abcdefghij\nmore\nlines"_s << u"Abcdefghij "_s;
        QTest::newRow("a first line of sixty") << QString(60, u'x') + u"\nend"_s << QString(48, u'x') + u' ';
        QTest::newRow("one line of six letters") << u"Abcdef"_s << u"Abcd "_s;
        QTest::newRow("empty") << QString() << u"error"_s;
        QTest::newRow("a line break first") << u"\nAbc"_s << u" "_s;
        QTest::newRow("one character") << u"A"_s << QString();
        QTest::newRow("Cyrillic with an apostrophe") << u"Пʼять рибалок\nі щука"_s << u"Пʼять рибалок "_s;
    }
    void titlesComeFromTheFirstLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, title);
        ProgramFolder folder;
        StartedApplication run(folder, false);
        QTextDocument document;
        document.setPlainText(text);
        for (DataSet *table : {&run.data().AnecdotTable, &run.data().KuhnyaTable}) {
            const QString field = table == &run.data().AnecdotTable ? u"AnecdotUA"_s : u"ReceptUA"_s;
            table->insert();
            table->field(field).setString(text.isEmpty() ? QString() : rtf::write(document));
            table->post();
            QCOMPARE(table->field(u"NameUA").asString(), title);
        }
    }
};

QTEST_MAIN(TestHandbookPictures)
#include "tst_handbookpictures.moc"
