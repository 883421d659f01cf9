// SPDX-License-Identifier: GPL-3.0-or-later
// Finding words across the handbook: by the beginning of a word, in either language and case, with any
// apostrophe; a hit opens its page on its record; the index lives only in the reference database.
#include "data/DataModule2.h"
#include "reference/HandbookSearch.h"
#include "reference/HandbookSearchBox.h"
#include "tests/reference/HandbookTestSupport.h"

#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;
using namespace Qt::StringLiterals;

namespace {

QStringList tablesIn(const QString &databaseFile)
{
    Connection connection(u"Check"_s);
    connection.setDatabaseFile(databaseFile);
    connection.open();
    QStringList names;
    Statement select(connection, u"SELECT name FROM sqlite_master WHERE type = 'table'"_s);
    while (select.step())
        names << select.text(0);
    return names;
}

// Two dictionary words of our own, with the index built again as the build of the database does.
std::unique_ptr<ProgramFolder> handbookWithWords()
{
    auto folder = std::make_unique<ProgramFolder>();
    changeHandbook(*folder,
                   u"INSERT INTO Slovnyk (ID, NameUA, NameRU, OpysUA, OpysRU) VALUES (?, ?, ?, ?, ?)"_s,
                   {9001, u"Зюзяка"_s, u"Зюзюка"_s, u"Великий в'юнок живе під корчем."_s,
                    u"Большой вьюн живёт под корягой."_s});
    changeHandbook(*folder,
                   u"INSERT INTO Slovnyk (ID, NameUA, NameRU, OpysUA, OpysRU) VALUES (?, ?, ?, ?, ?)"_s,
                   {9002, u"Брязкальце"_s, u"Брязгальце"_s, u"М’ясиста пʼявка — ‘наживка’ для вугра."_s,
                    u"Мясистая пиявка."_s});
    Connection connection(u"Build"_s);
    connection.setDatabaseFile(folder->file(u"data/lynvarbook.db"_s));
    connection.open();
    HandbookSearch::buildIndex(connection);
    return folder;
}

// Types into a field as a keyboard would, letter by letter (QTest's key clicks know no Cyrillic).
void type(QWidget *field, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(field, &release);
    }
}

QStringList found(const QList<SearchHit> &hits)
{
    QStringList keys;
    for (const SearchHit &hit : hits)
        keys << u"%1#%2:%3"_s.arg(hit.table).arg(hit.id).arg(hit.language);
    return keys;
}

} // namespace

class TestHandbookSearch : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<StartedApplication> m_run;

    HandbookSearch &search() { return m_run->form().handbookSearch(); }

private Q_SLOTS:
    void initTestCase()
    {
        m_folder = handbookWithWords();
        m_run = std::make_unique<StartedApplication>(*m_folder);
    }
    void cleanupTestCase()
    {
        m_run.reset();
        m_folder.reset();
    }
    void init() { m_run->data().FishTable.setFiltered(false); }

    void wordsAreFound_data()
    {
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("hits");
        const QStringList first{u"Slovnyk#9001:ua"_s}, second{u"Slovnyk#9002:ua"_s};
        QTest::newRow("a whole word") << u"зюзяка"_s << u"ua"_s << first;
        QTest::newRow("its beginning") << u"зюз"_s << u"ua"_s << first;
        QTest::newRow("capitals") << u"ЗЮЗЯКА"_s << u"ua"_s << first;
        QTest::newRow("a Russian word") << u"зюзюк"_s << u"ua"_s << QStringList{u"Slovnyk#9001:ru"_s};
        QTest::newRow("Russian capitals")
            << u"БОЛЬШОЙ ВЬЮН"_s << u"ua"_s << QStringList{u"Slovnyk#9001:ru"_s};
        QTest::newRow("in the text") << u"корч"_s << u"ua"_s << first;
        QTest::newRow("apostrophe '") << u"в'юнок"_s << u"ua"_s << first;
        QTest::newRow("apostrophe ’") << u"в’юн"_s << u"ua"_s << first;
        QTest::newRow("apostrophe ʼ") << u"ВʼЮНОК"_s << u"ua"_s << first;
        QTest::newRow("stored with ’, asked with '") << u"м'ясист"_s << u"ua"_s << second;
        QTest::newRow("stored with ʼ, asked with ’") << u"п’явк"_s << u"ua"_s << second;
        QTest::newRow("quotation marks are no apostrophes") << u"наживк"_s << u"ua"_s << second;
        QTest::newRow("every word") << u"зюзяка в'юнок"_s << u"ua"_s << first;
        QTest::newRow("not every word") << u"зюзяка пʼявка"_s << u"ua"_s << QStringList();
        QTest::newRow("no word at all") << u" ' * \" "_s << u"ua"_s << QStringList();
        QTest::newRow("syntax is text") << u"зюзяка OR NOT"_s << u"ua"_s << QStringList();
    }
    void wordsAreFound()
    {
        QFETCH(QString, words);
        QFETCH(QString, language);
        QFETCH(QStringList, hits);
        QStringList keys = found(search().find(words, language));
        keys.removeIf([](const QString &key) { return !key.startsWith(u"Slovnyk#900"); });
        QCOMPARE(keys, hits);
    }

    // A record found in both languages is one hit, in the content language.
    void oneHitPerRecordInTheContentLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        QTest::newRow("Ukrainian") << u"ua"_s << u"Щука"_s;
        QTest::newRow("Russian") << u"ru"_s << u"Щука"_s;
    }
    void oneHitPerRecordInTheContentLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, title);
        const QList<SearchHit> hits = search().find(u"Esox lucius"_s, language);
        QCOMPARE(hits.size(), 1);
        QCOMPARE(hits[0].table, u"Fish"_s);
        QCOMPARE(hits[0].language, language);
        QCOMPARE(hits[0].title, title);
        QVERIFY(hits[0].snippet.contains(QChar(HandbookSearch::MarkOpen)));
    }

    void aHitOpensItsPageOnItsRecord_data()
    {
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("page");
        QTest::newRow("a fish") << u"Esox"_s << u"Fish"_s << 2;
        QTest::newRow("a dictionary word") << u"зюзяка"_s << u"Slovnyk"_s << 5;
        QTest::newRow("a rig under its method") << u"Болонська оснастка"_s << u"Osnastka"_s << 8;
    }
    void aHitOpensItsPageOnItsRecord()
    {
        QFETCH(QString, words);
        QFETCH(QString, table);
        QFETCH(int, page);
        const QList<SearchHit> hits = search().find(words, u"ua"_s);
        QVERIFY(!hits.isEmpty());
        QCOMPARE(hits[0].table, table);
        // A filter that hides the fish gives way.
        DataSet &fish = m_run->data().FishTable;
        fish.setFilter(u"NameUA = 'none'"_s);
        fish.setFiltered(true);
        m_run->form().showPage(0);
        m_run->form().openSearchHit(hits[0]);
        QCOMPARE(m_run->form().PageControlGeneral->currentIndex(), page);
        DataSet *dataSet = HandbookSearch::dataSetOf(m_run->data(), table);
        QCOMPARE(dataSet->field(u"ID").asInteger(), hits[0].id);
        if (table == u"Osnastka")
            QCOMPARE(m_run->data().SnastTable.field(u"IDOsnastka").asInteger(),
                     dataSet->field(u"IDSnast").asInteger());
    }

    void aLakeShowsItsText()
    {
        const QList<SearchHit> hits = search().find(u"Світязь"_s, u"ua"_s);
        QVERIFY(!hits.isEmpty());
        QCOMPARE(hits[0].table, u"Ozera"_s);
        m_run->form().showPage(5);
        m_run->form().openSearchHit(hits[0]);
        QCOMPARE(m_run->form().PageControlGeneral->currentIndex(), 5);
        QVERIFY(!m_run->dialogs.messages.isEmpty());
        QVERIFY(m_run->dialogs.messages.last().startsWith(u"Світязь\n\n"_s));
    }

    // Typing in the field lists the hits grouped by page in page order; Return opens the first.
    void typingListsHitsByPage()
    {
        TDovidnykForm &form = m_run->form();
        form.showPage(0);
        HandbookSearchBox *box = form.EditHandbookSearch;
        box->setFocus();
        box->clear();
        type(box, u"щук"_s);
        QTreeWidget *list = box->resultList();
        QVERIFY(list->isVisible());
        QStringList groups;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            groups << list->topLevelItem(i)->text(0);
        QVERIFY(groups.size() > 2);
        QCOMPARE(groups.first(), form.PageControlGeneral->tabText(2));
        QStringList inPageOrder;
        for (int page = 0; page < form.PageControlGeneral->count(); ++page)
            if (groups.contains(form.PageControlGeneral->tabText(page)))
                inPageOrder << form.PageControlGeneral->tabText(page);
        QCOMPARE(groups.mid(0, inPageOrder.size()), inPageOrder);

        const SearchHit first = *box->hitOf(list->currentItem());
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!list->isVisible());
        QCOMPARE(form.PageControlGeneral->currentIndex(), 2);
        QCOMPARE(m_run->data().FishTable.field(u"ID").asInteger(), first.id);
    }

    void aPostedRecordIsFoundByWhatItSaysNow()
    {
        DataSet &words = m_run->data().SlovnykTable;
        QVERIFY(words.locate(u"ID"_s, 9002));
        words.edit();
        words.field(u"NameUA").setString(u"Шарпанина"_s);
        words.post();
        QCOMPARE(found(search().find(u"шарпан"_s, u"ua"_s)), QStringList{u"Slovnyk#9002:ua"_s});
        QVERIFY(search().find(u"брязкальц"_s, u"ua"_s).isEmpty());
    }

    void onlyTheReferenceDatabaseHoldsTheIndex()
    {
        QVERIFY(tablesIn(m_folder->file(u"data/lynvarbook.db"_s)).contains(u"HandbookSearch"_s));
        QVERIFY(!tablesIn(m_folder->file(u"data/lynvarzapys.db"_s)).contains(u"HandbookSearch"_s));
        QVERIFY(!tablesIn(QStringLiteral(LYNVAR_SHIPPED_DIR) + u"/newbd/lynvarzapys.db"_s)
                     .contains(u"HandbookSearch"_s));
    }

    // A handbook from before the index searches all the same, and its file is not changed for it.
    void aHandbookWithoutTheIndexIsSearchedAllTheSame()
    {
        ProgramFolder folder;
        changeHandbook(folder, u"DROP TABLE HandbookSearch"_s);
        {
            StartedApplication run(folder, false);
            QCOMPARE(run.form().handbookSearch().find(u"Esox"_s, u"ua"_s).size(), 1);
        }
        QVERIFY(!tablesIn(folder.file(u"data/lynvarbook.db"_s)).contains(u"HandbookSearch"_s));
    }
};

QTEST_MAIN(TestHandbookSearch)
#include "tst_handbooksearch.moc"
