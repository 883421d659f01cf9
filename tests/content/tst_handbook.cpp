// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped handbook keeps its own rules: complete names, one spelling per taxon, links that
// lead somewhere, a picture for every weather key and moon age, texts that read as rich text, no
// protected fish offered as a catch, and each language kept clean of the other.
#include "common/rtf/Rtf.h"
#include "data/Connection.h"
#include "data/DataSet.h"
#include "data/Schema.h"
#include "data/TitleDerivation.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>
#include <memory>
#include <optional>

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

enum class Language
{
    Ukrainian,
    Russian
};

// Alternatives as whole words: no letter or apostrophe may touch them on either side.
QRegularExpression words(const char *alternatives)
{
    return QRegularExpression(
        QStringLiteral("(?<![\\w'’])(?:%1)(?![\\w'’])").arg(QString::fromUtf8(alternatives)),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
}

// The species of the Red Book of Ukraine (2009 edition and the 2021 list) that the handbook names, with
// every case and number of their names; fishId is the handbook's own entry, 0 where it has none.
struct ProtectedTaxon
{
    int fishId;
    const char *ukrainian;
    const char *russian;
};
const ProtectedTaxon ProtectedTaxa[] = {
    {2, R"(карас\w*\s+(золот|звичайн|кругл)\w*|(золот|звичайн|кругл)\w*\s+карас\w*)",
     R"(карас\w*\s+(золот|обыкновенн|кругл)\w*|(золот|обыкновенн|кругл)\w*\s+карас\w*)"},
    {16, R"(минь|мин(я|ю|еві|ем|і|ів|ям|ями|ях)|налим\w*)", R"(налим\w*)"},
    {17, R"(харіус\w*)", R"(хариус\w*)"},
    {18, R"(пструг\w*|струмков\w*\s+форел\w*|форел\w*\s+струмков\w*|кумж\w*)",
     R"(ручьев\w*\s+форел\w*|форел\w*\s+ручьев\w*|пеструшк\w*|кумж\w*)"},
    {24, R"(підуст\w*)", R"(подуст\w*)"},
    {25, R"(марен\w*|вусач\w*)", R"(марен\w*|усач\w*)"},
    {29, R"(ялець|ялц(я|ю|ем|і|ів|ям|ями|ях))", R"([её]лец|[её]льц(а|у|ом|е|ы|ов|ам|ами|ах))"},
    {45, R"(стерляд\w*)", R"(стерляд\w*)"},
    {0, R"(осетер|осетр\w*|білуг\w*|севрюг\w*)", R"(ос[её]тр\w*|белуг\w*|севрюг\w*)"},
    {0, R"(вугор|вугр(а|у|ові|ом|ем|і|ів|ам|ами|ях))", R"(угорь|угр(я|ю|ём|ем|е|и|ей|ям|ями|ях))"},
    {0,
     R"(вирезуб\w*|міног\w*|таймен\w*|лосос\w*\s+(дунайськ|чорноморськ)\w*|(дунайськ|чорноморськ)\w*\s+лосос\w*)",
     R"(вырезуб\w*|миног\w*|таймен\w*|лосос\w*\s+(дунайск|черноморск)\w*|(дунайск|черноморск)\w*\s+лосос\w*)"},
};

// What makes a paragraph offer a fish to catch or to keep, and what says that it may not be kept.
struct CatchRules
{
    QRegularExpression catchOrKeep;
    QRegularExpression isProtected;
    QRegularExpression isReleased;
};

const CatchRules &catchRules(Language language)
{
    static const CatchRules ukrainian{
        words(R"((ви|з|на|під|від|пере|при|у|рибо)?лов\w*|\w*пійма\w*|попада\w*|кл(ю[єюн]|ьов)\w*|)"
              R"(бер(е|уть|еться|уться)|брат[иь]\w*|взят\w*|візьм\w*|трофе\w*|залиш\w*|забира\w*|)"
              R"(садок|садка|кукан\w*|юшк\w*|смаж\w*|страв\w*|смачн\w*|делікатес\w*|рецепт\w*)"),
        words(R"(червон\w*\s+книг\w*|охорон\w*|охороня\w*)"),
        words(R"(відпуст\w*|відпуска\w*|випуст\w*|випуска\w*)")};
    static const CatchRules russian{
        words(R"((вы|на|под|от|пере|при|у|рыбо)?лов\w*|\w*пойма\w*|\w*пойм[аеу]\w*|попада\w*|)"
              R"(клю[ёеюн]\w*|кл[её]в(?!ер)\w*|бер[её]т\w*|берут\w*|брать|взят\w*|возьм\w*|трофе\w*|)"
              R"(оставл\w*|остав(ить|ьте|ляют)|заб(и|е)ра\w*|садок|садка|кукан\w*|ух(а|и|у|ой)|)"
              R"(жар(ит|ен|ят)\w*|блюд\w*|вкусн\w*|деликатес\w*|рецепт\w*)"),
        words(R"(красн\w*\s+книг\w*|охран\w*|охраня\w*)"),
        words(R"(отпуст\w*|отпуска\w*|выпуст\w*|выпуска\w*)")};
    return language == Language::Ukrainian ? ukrainian : russian;
}

QList<QRegularExpression> protectedNames(Language language)
{
    QList<QRegularExpression> names;
    for (const ProtectedTaxon &taxon : ProtectedTaxa)
        names << words(language == Language::Ukrainian ? taxon.ukrainian : taxon.russian);
    return names;
}

// The first protected name a paragraph gives where it offers the fish as a catch without saying that
// the fish is protected and released; empty when the paragraph keeps the rule.
QString offeredProtectedFish(const QString &paragraph, Language language, bool alwaysKept)
{
    static const QList<QRegularExpression> ukrainian = protectedNames(Language::Ukrainian);
    static const QList<QRegularExpression> russian = protectedNames(Language::Russian);
    const CatchRules &rules = catchRules(language);
    for (const QRegularExpression &name : language == Language::Ukrainian ? ukrainian : russian) {
        const QRegularExpressionMatch named = name.match(paragraph);
        if (!named.hasMatch())
            continue;
        if (!alwaysKept && !rules.catchOrKeep.match(paragraph).hasMatch())
            return {};
        if (rules.isProtected.match(paragraph).hasMatch() && rules.isReleased.match(paragraph).hasMatch())
            return {};
        return named.captured();
    }
    return {};
}

// Which language a text field holds; the brand notes are Ukrainian only.
std::optional<Language> languageOf(const QString &table, const QString &field)
{
    if (field.endsWith(u"UA") || field.endsWith(u"Ukr") || (table == u"Brends" && field == u"Opys"))
        return Language::Ukrainian;
    if (field.endsWith(u"RU") || field.endsWith(u"Rus"))
        return Language::Russian;
    return std::nullopt;
}

QJsonArray seedRows(const QString &table)
{
    const QDir seed(QStringLiteral(LYNVAR_SOURCE_DIR "/seed/reference"));
    QJsonArray rows;
    for (const QString &file : seed.entryList({table + QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
        QFile f(seed.filePath(file));
        if (f.open(QIODevice::ReadOnly))
            for (const QJsonValue &row : QJsonDocument::fromJson(f.readAll()).array())
                rows << row;
    }
    return rows;
}

} // namespace

class TestHandbook : public QObject
{
    Q_OBJECT

    std::unique_ptr<Connection> m_book;

    struct Paragraph
    {
        QString table;
        int id;
        QString field;
        int index;
        QString text;
        Language language;

        QString where() const
        {
            return QStringLiteral("%1 %2 %3 ¶%4").arg(table).arg(id).arg(field).arg(index + 1);
        }
    };

    // Every paragraph of one table's texts (and of its names, if asked), with the language it is in.
    QList<Paragraph> paragraphs(const QString &table, bool withNames = false)
    {
        QList<Paragraph> result;
        static const QRegularExpression lineBreak(QStringLiteral("\\r?\\n"));
        const TableDef &def = *schema::findTable(table);
        auto ds = open(table.toLatin1().constData());
        for (ds->first(); !ds->eof(); ds->next()) {
            for (const FieldDef &f : def.fields) {
                const std::optional<Language> language = languageOf(table, f.name);
                if (!language || !f.isText() || (f.type == FieldType::Text && !withNames))
                    continue;
                QString text = ds->field(f.name).asString();
                if (f.type == FieldType::RichText)
                    text = rtf::plainText(text);
                const QStringList parts = text.split(lineBreak, Qt::SkipEmptyParts);
                for (int i = 0; i < parts.size(); ++i)
                    result << Paragraph{table,    int(ds->field(u"ID").asInteger()), f.name, i, parts[i],
                                        *language};
            }
        }
        return result;
    }

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

    void aParagraphOffersAProtectedFishOnlyWhereItSays_data()
    {
        QTest::addColumn<QString>("paragraph");
        QTest::addColumn<bool>("ukrainian");
        QTest::addColumn<QString>("offered");
        QTest::newRow("catch, inflected")
            << QStringLiteral("Узимку ловлять миня на донку.") << true << QStringLiteral("миня");
        QTest::newRow("catch, Russian name in Ukrainian")
            << QStringLiteral("Жерлицями ловлять щуку й налима.") << true << QStringLiteral("налима");
        QTest::newRow("catch, ru") << QStringLiteral("Налимов ловят зимой.") << false
                                   << QStringLiteral("Налимов");
        QTest::newRow("keep, cooking")
            << QStringLiteral("Юшка з марени смачна.") << true << QStringLiteral("марени");
        QTest::newRow("bite, ru") << QStringLiteral("Хорошо клюёт подуст.") << false
                                  << QStringLiteral("подуст");
        QTest::newRow("two words") << QStringLiteral("Тут ловиться золотий карась.") << true
                                   << QStringLiteral("золотий карась");
        QTest::newRow("protected only")
            << QStringLiteral("Харіуса ловлять, він під охороною.") << true << QStringLiteral("Харіуса");
        QTest::newRow("protected and released")
            << QStringLiteral("Стерлядь у Красной книге Украины: пойманную отпускают.") << false << QString();
        QTest::newRow("not a catch") << QStringLiteral("Минь нереститься взимку.") << true << QString();
        QTest::newRow("only the family")
            << QStringLiteral("Ялцеві — велика родина; їх ловлять.") << true << QString();
        QTest::newRow("not an eel, ru") << QStringLiteral("Угроза перелова велика.") << false << QString();
        QTest::newRow("silver crucian") << QStringLiteral("Ловлять сріблястого карася.") << true << QString();
        QTest::newRow("head is no catch")
            << QStringLiteral("Головний корм ялця — комахи.") << true << QString();
    }
    void aParagraphOffersAProtectedFishOnlyWhereItSays()
    {
        QFETCH(QString, paragraph);
        QFETCH(bool, ukrainian);
        QFETCH(QString, offered);
        QCOMPARE(offeredProtectedFish(paragraph, ukrainian ? Language::Ukrainian : Language::Russian, false),
                 offered);
    }

    void theSeedMarksExactlyTheProtectedFish()
    {
        QSet<int> listed;
        for (const ProtectedTaxon &taxon : ProtectedTaxa)
            if (taxon.fishId)
                listed.insert(taxon.fishId);
        const QJsonArray rows = seedRows(QStringLiteral("Fish"));
        QVERIFY(rows.size() >= 50);
        for (const QJsonValue &v : rows) {
            const QJsonObject row = v.toObject();
            const int id = row.value(u"ID").toInt();
            QVERIFY2(row.value(u"Protected").isBool(), qPrintable(QString::number(id)));
            QVERIFY2(row.value(u"Protected").toBool() == listed.contains(id),
                     qPrintable(QString::number(id)));
        }
        // The names the check looks for must be the names the entries go by.
        auto fish = open("Fish");
        for (const ProtectedTaxon &taxon : ProtectedTaxa) {
            if (!taxon.fishId)
                continue;
            QVERIFY(fish->locate(QStringLiteral("ID"), taxon.fishId));
            for (const char *field : {"NameUA", "SpeciesUA"})
                QVERIFY2(words(taxon.ukrainian)
                             .match(fish->field(QString::fromLatin1(field)).asString())
                             .hasMatch(),
                         qPrintable(fish->field(QString::fromLatin1(field)).asString()));
            for (const char *field : {"NameRU", "SpeciesRU"})
                QVERIFY2(
                    words(taxon.russian).match(fish->field(QString::fromLatin1(field)).asString()).hasMatch(),
                    qPrintable(fish->field(QString::fromLatin1(field)).asString()));
        }
    }

    void aProtectedFishsEntrySaysItIsProtected()
    {
        QSet<QString> saying;
        for (const Paragraph &p : paragraphs(QStringLiteral("Fish"))) {
            const CatchRules &rules = catchRules(p.language);
            if (rules.isProtected.match(p.text).hasMatch() && rules.isReleased.match(p.text).hasMatch())
                saying.insert(QStringLiteral("%1 %2").arg(p.id).arg(p.field));
        }
        QStringList silent;
        for (const ProtectedTaxon &taxon : ProtectedTaxa)
            for (const char *field : {"OpysUA", "OpysRU"})
                if (const QString entry =
                        QStringLiteral("%1 %2").arg(taxon.fishId).arg(QString::fromLatin1(field));
                    taxon.fishId && !saying.contains(entry))
                    silent << entry;
        QVERIFY2(silent.isEmpty(), qPrintable(silent.join(u", ")));
    }

    void noTextOffersAProtectedFishAsCatch_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<bool>("everyParagraphKeeps");
        for (const char *table : {"Fish", "Slovnyk", "Rive", "Ozera", "Snast", "Osnastka", "Nazhyvka",
                                  "Prykormka", "Vuzly", "Brends", "Anecdot", "Moon", "System"})
            QTest::newRow(table) << QString::fromLatin1(table) << false;
        // A recipe keeps whatever fish it cooks.
        QTest::newRow("Kuhnya") << QStringLiteral("Kuhnya") << true;
    }
    void noTextOffersAProtectedFishAsCatch()
    {
        QFETCH(QString, table);
        QFETCH(bool, everyParagraphKeeps);
        QStringList faults;
        for (const Paragraph &p : paragraphs(table)) {
            const QString offered = offeredProtectedFish(p.text, p.language, everyParagraphKeeps);
            if (!offered.isEmpty())
                faults << p.where() + QStringLiteral(": ") + offered;
        }
        for (const QString &fault : std::as_const(faults))
            qWarning("%s", qPrintable(fault));
        QVERIFY2(faults.isEmpty(),
                 qPrintable(QStringLiteral("%1 paragraphs, listed above").arg(faults.size())));
    }

    void eachLanguageKeepsToItsOwnForms_data()
    {
        QTest::addColumn<bool>("ukrainian");
        QTest::addColumn<QString>("forbidden");
        // Russian forms and calques that crept into the Ukrainian texts, and names the Ukrainian texts
        // spell otherwise (минь, в'язь, плоскирка, краснопірка, тролінг, ваглер, вудлище).
        for (const char *form :
             {R"(лін(я|ю|ем|ів|ям|ями|ях))", R"(поплавочн\w*)", R"(пешн\w*)", R"(коропятник\w*)",
              R"(сомятник\w*)", R"(товстолобик\w*)", R"(відварн\w*)", R"((?<!розм\. )кльов\w*)",
              R"(налим\w*)", R"(яз(ь|я|і|ів|ем|еві|ю|ям|ями|ях))", R"(густер\w*)", R"(червоноперк\w*)",
              R"(троллінг\w*)", R"(вагглер\w*)", R"(плаваюч\w*)", R"(тонуч\w*)", R"(вудилищ\w*)",
              R"(\w*[ыэъё]\w*)"})
            QTest::newRow(form) << true << QString::fromUtf8(form);
        // Ukrainian letters in the Russian texts, and the one spelling the Russian texts keep with ё.
        for (const char *form : {R"(\w*[іїєґ]\w*)", R"(красноперк\w*)"})
            QTest::newRow(form) << false << QString::fromUtf8(form);
    }
    void eachLanguageKeepsToItsOwnForms()
    {
        QFETCH(bool, ukrainian);
        QFETCH(QString, forbidden);
        const QRegularExpression form = words(forbidden.toUtf8().constData());
        QStringList faults;
        for (const TableDef &table : schema::referenceTables())
            for (const Paragraph &p : paragraphs(table.name, true))
                if ((p.language == Language::Ukrainian) == ukrainian)
                    if (const auto m = form.match(p.text); m.hasMatch())
                        faults << p.where() + QStringLiteral(": ") + m.captured();
        for (const QString &fault : std::as_const(faults))
            qWarning("%s", qPrintable(fault));
        QVERIFY2(faults.isEmpty(),
                 qPrintable(QStringLiteral("%1 paragraphs, listed above").arg(faults.size())));
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
