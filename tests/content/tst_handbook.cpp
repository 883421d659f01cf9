// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped handbook keeps its own rules: complete names, one spelling per taxon, links that
// lead somewhere, a picture for every weather key and moon age, texts that read as rich text.
#include "common/rtf/Rtf.h"
#include "data/Connection.h"
#include "data/DataSet.h"
#include "data/Schema.h"
#include "data/TitleDerivation.h"

#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>
#include <memory>

using namespace lynvar;

namespace {

const QString Shipped = QStringLiteral(LYNVAR_SHIPPED_DIR);

int wordCount(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("[\\w'’-]+"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    int n = 0;
    auto it = word.globalMatch(text);
    while (it.hasNext()) {
        it.next();
        ++n;
    }
    return n;
}

} // namespace

class TestHandbook : public QObject
{
    Q_OBJECT

    std::unique_ptr<Connection> m_book;

    std::unique_ptr<DataSet> open(const char *table)
    {
        auto ds = std::make_unique<DataSet>(QString::fromLatin1(table) + QStringLiteral("Table"), *m_book,
                                            *schema::findTable(QString::fromLatin1(table)));
        ds->open();
        return ds;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_book = std::make_unique<Connection>(QStringLiteral("ADOConnectionBook"));
        m_book->setDatabaseFile(Shipped + QStringLiteral("/data/lynvarbook.db"));
        m_book->open();
    }

    void everyTableHoldsAHandbookWorthOpening_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("atLeast");
        QTest::newRow("Fish") << QStringLiteral("Fish") << 50;
        QTest::newRow("Vuzly") << QStringLiteral("Vuzly") << 20;
        QTest::newRow("Rive") << QStringLiteral("Rive") << 40;
        QTest::newRow("Ozera") << QStringLiteral("Ozera") << 20;
        QTest::newRow("Slovnyk") << QStringLiteral("Slovnyk") << 150;
        QTest::newRow("Kuhnya") << QStringLiteral("Kuhnya") << 30;
        QTest::newRow("Anecdot") << QStringLiteral("Anecdot") << 60;
        QTest::newRow("Brends") << QStringLiteral("Brends") << 20;
        QTest::newRow("Snast") << QStringLiteral("Snast") << 8;
        QTest::newRow("Prykormka") << QStringLiteral("Prykormka") << 15;
        QTest::newRow("Opady") << QStringLiteral("Opady") << 8;
        QTest::newRow("Viter") << QStringLiteral("Viter") << 8;
        QTest::newRow("Moon") << QStringLiteral("Moon") << 30;
    }
    void everyTableHoldsAHandbookWorthOpening()
    {
        QFETCH(QString, table);
        QFETCH(int, atLeast);
        auto ds = open(table.toLatin1().constData());
        QVERIFY2(ds->recordCount() >= atLeast, qPrintable(QString::number(ds->recordCount())));
    }

    void everyFishHasAllItsNamesAndALongDescription()
    {
        auto fish = open("Fish");
        const QStringList names = {QStringLiteral("NameUA"), QStringLiteral("NameRU")};
        const QStringList ranks = {QStringLiteral("Species"), QStringLiteral("Genus"),
                                   QStringLiteral("Familia"), QStringLiteral("Ordo"),
                                   QStringLiteral("Classis")};
        QSet<QString> species;
        for (fish->first(); !fish->eof(); fish->next()) {
            const QString who = fish->field(u"Species").asString();
            QStringList fields = names;
            for (const QString &rank : ranks)
                fields << rank + QStringLiteral("UA") << rank + QStringLiteral("RU") << rank;
            QCOMPARE(fields.size(), 17);
            for (const QString &f : fields)
                QVERIFY2(!fish->field(f).asString().trimmed().isEmpty(), qPrintable(who + u' ' + f));
            QVERIFY2(!species.contains(who), qPrintable(who));
            species.insert(who);
            QVERIFY(fish->field(u"Masa").asFloat() > 0);
            QVERIFY(fish->field(u"Dlina").asFloat() > 0);
            for (const char *opys : {"OpysUA", "OpysRU"}) {
                const QString plain = rtf::plainText(fish->field(QString::fromLatin1(opys)).asString());
                QVERIFY2(wordCount(plain) >= 120, qPrintable(who + u' ' + QString::fromLatin1(opys)));
            }
        }
    }

    void oneTaxonIsSpelledOneWayInEveryRow()
    {
        auto fish = open("Fish");
        for (const QString &rank : {QStringLiteral("Genus"), QStringLiteral("Familia"),
                                    QStringLiteral("Ordo"), QStringLiteral("Classis")}) {
            QHash<QString, QString> spelling;
            QHash<QString, QString> latinOf;
            for (fish->first(); !fish->eof(); fish->next()) {
                const QString latin = fish->field(rank).asString();
                const QString both = fish->field(rank + QStringLiteral("UA")).asString() + u'|' +
                                     fish->field(rank + QStringLiteral("RU")).asString();
                QVERIFY2(spelling.value(latin, both) == both, qPrintable(rank + u' ' + latin + u' ' + both));
                spelling.insert(latin, both);
                const QString ua = fish->field(rank + QStringLiteral("UA")).asString();
                QVERIFY2(latinOf.value(ua, latin) == latin, qPrintable(rank + u' ' + ua));
                latinOf.insert(ua, latin);
            }
        }
    }

    void everyRigAndBaitBelongsToAFishingMethod()
    {
        auto snast = open("Snast");
        QSet<qint64> rigKeys, baitKeys;
        for (snast->first(); !snast->eof(); snast->next()) {
            rigKeys.insert(snast->field(u"IDOsnastka").asInteger());
            baitKeys.insert(snast->field(u"IDTyp").asInteger());
        }
        for (const auto &[table, keys] :
             {std::pair{"Osnastka", &rigKeys}, std::pair{"Nazhyvka", &baitKeys}}) {
            auto ds = open(table);
            QVERIFY(ds->recordCount() > 0);
            for (ds->first(); !ds->eof(); ds->next())
                QVERIFY2(keys->contains(ds->field(u"IDSnast").asInteger()),
                         qPrintable(ds->field(u"NameUkr").asString()));
        }
    }

    void everyWeatherKeyAndMoonAgeHasItsPicture()
    {
        for (const auto &[table, folder] : {std::pair{"Opady", "opady"}, std::pair{"Viter", "viter"}}) {
            auto ds = open(table);
            for (ds->first(); !ds->eof(); ds->next()) {
                const QString key = ds->field(u"NameLat").asString();
                const QString file =
                    QStringLiteral("%1/pogoda/%2/%3.jpg").arg(Shipped, QString::fromLatin1(folder), key);
                QVERIFY2(QImageReader(file).canRead(), qPrintable(file));
                QVERIFY(!ds->field(u"NameUkr").asString().isEmpty());
                QVERIFY(!ds->field(u"NameRus").asString().isEmpty());
            }
        }
        for (int age = 0; age < 30; ++age) {
            const QString file = QStringLiteral("%1/pogoda/moon/m%2.jpg").arg(Shipped).arg(age);
            QVERIFY2(QImageReader(file).canRead(), qPrintable(file));
        }
        for (const char *placeholder : {"fish/no_photo.jpg", "kuhnya/no-photo.jpg", "prikol/1.jpg"})
            QVERIFY2(QFile::exists(Shipped + u'/' + QString::fromLatin1(placeholder)), placeholder);
    }

    void everyRichTextReadsAsRichText()
    {
        for (const TableDef &table : schema::referenceTables()) {
            auto ds = open(table.name.toLatin1().constData());
            for (const FieldDef &f : table.fields) {
                if (f.type != FieldType::RichText)
                    continue;
                for (ds->first(); !ds->eof(); ds->next()) {
                    const QString stored = ds->field(f.name).asString();
                    if (stored.isEmpty())
                        continue;
                    const QString where = table.name + u'.' + f.name + u' ' + ds->field(u"ID").asString();
                    QVERIFY2(rtf::isRtf(stored), qPrintable(where));
                    const QString plain = rtf::plainText(stored);
                    QVERIFY2(!plain.trimmed().isEmpty(), qPrintable(where));
                    QVERIFY2(!plain.contains(u'\\') && !plain.contains(u'{'), qPrintable(where));
                }
            }
        }
    }

    void everyRecipeAndJokeHasATitle()
    {
        for (const auto &[table, text] : {std::pair{"Kuhnya", "Recept"}, std::pair{"Anecdot", "Anecdot"}}) {
            auto ds = open(table);
            QSet<QString> titles;
            for (ds->first(); !ds->eof(); ds->next()) {
                for (const char *lang : {"UA", "RU"}) {
                    const QString field = QString::fromLatin1(text) + QString::fromLatin1(lang);
                    const QString title = deriveTitleFromRichText(ds->field(field).asString());
                    QVERIFY2(!title.trimmed().isEmpty() && title != u"error", qPrintable(field));
                    QCOMPARE(ds->field(QStringLiteral("Name") + QString::fromLatin1(lang)).asString(), title);
                }
                titles.insert(ds->field(u"NameUA").asString());
            }
            QCOMPARE(titles.size(), ds->recordCount());
        }
    }

    void systemRowsAreThere()
    {
        auto system = open("System");
        system->setFiltered(true);
        for (const char *name : {"MapBegin", "MapEnd", "About"}) {
            system->setFilter(QStringLiteral("Parametr = '%1'").arg(QString::fromLatin1(name)));
            QCOMPARE(system->recordCount(), 1);
        }
        system->setFilter(QStringLiteral("Parametr = 'About'"));
        QVERIFY(rtf::plainText(system->field(u"ValueRTFUkr").asString()).contains(QStringLiteral("Leaflet")));
        system->setFilter(QStringLiteral("Parametr = 'MapBegin'"));
        const QString begin = system->field(u"ValueMemo").asString();
        QVERIFY(begin.contains(QStringLiteral("web/leaflet/leaflet.js")));
        QVERIFY(begin.contains(QStringLiteral("VMap")));
        system->setFilter(QStringLiteral("Parametr = 'Vidjet'"));
        QVERIFY(system->recordCount() >= 1);
    }
};

QTEST_MAIN(TestHandbook)
#include "tst_handbook.moc"
