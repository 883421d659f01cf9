// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Schema.h"

#include "common/Error.h"
#include "data/Connection.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace lynvar {
namespace {

using enum FieldType;

FieldDef id()
{
    return {QStringLiteral("ID"), AutoNumber};
}
FieldDef text(const char *name, int width = 255)
{
    return {QString::fromLatin1(name), Text, width};
}
FieldDef of(const char *name, FieldType type)
{
    return {QString::fromLatin1(name), type};
}

TableDef table(const char *name, QList<FieldDef> fields)
{
    return {QString::fromLatin1(name), std::move(fields)};
}

QString sqlType(FieldType type)
{
    switch (type) {
    case AutoNumber:
        return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    case Float:
        return QStringLiteral("REAL");
    case Boolean:
    case Int16:
    case Int32:
        return QStringLiteral("INTEGER");
    case Bytes:
        return QStringLiteral("BLOB");
    case Decimal:
        return QStringLiteral("TEXT"); // canonical decimal text keeps every digit exact
    case DateTime:
        return QStringLiteral("TEXT"); // ISO-8601
    case Text:
    case Memo:
    case RichText:
        return QStringLiteral("TEXT");
    }
    return QStringLiteral("TEXT");
}

} // namespace

int TableDef::indexOf(QStringView fieldName) const
{
    for (int i = 0; i < fields.size(); ++i) {
        if (fields[i].name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

const FieldDef &TableDef::field(QStringView fieldName) const
{
    const int i = indexOf(fieldName);
    if (i < 0)
        throw Error(QStringLiteral("%1: Field '%2' not found").arg(name, fieldName.toString()));
    return fields[i];
}

QString TableDef::createStatement() const
{
    QStringList columns;
    for (const FieldDef &f : fields)
        columns << QStringLiteral("\"%1\" %2").arg(f.name, sqlType(f.type));
    return QStringLiteral("CREATE TABLE \"%1\" (%2)").arg(name, columns.join(QStringLiteral(", ")));
}

namespace schema {

const QList<TableDef> &referenceTables()
{
    static const QList<TableDef> tables = {
        table("Fish", {id(),
                       text("SpeciesUA"),
                       text("SpeciesRU"),
                       text("Species"),
                       text("GenusUA"),
                       text("GenusRU"),
                       text("Genus"),
                       text("FamiliaUA"),
                       text("FamiliaRU"),
                       text("Familia"),
                       text("OrdoUA"),
                       text("OrdoRU"),
                       text("Ordo"),
                       text("ClassisUA"),
                       text("ClassisRU"),
                       text("Classis"),
                       of("OpysUA", RichText),
                       of("OpysRU", RichText),
                       of("Masa", Float),
                       of("Dlina", Float),
                       text("NameUA"),
                       text("NameRU"),
                       of("Bool", Boolean),
                       of("BoolSchodenyk", Boolean),
                       of("Reytyng", Int16)}),
        table("Rive", {id(), text("NameUA"), text("NameRU"), text("Name"), of("Dovzhyna", Float),
                       of("Ploscha", Float), text("VpadaeUA", 100), text("VpadaeRU", 100),
                       of("OpysUA", RichText), of("OpysRU", RichText)}),
        table("Ozera", {id(), text("NameUA"), text("NameRU"), of("Glybyna", Decimal), of("Ploscha", Decimal),
                        text("Rozmischena", 100), of("OpysUA", RichText), of("OpysRU", RichText), text("Lng"),
                        text("Lat")}),
        table("Kuhnya",
              {id(), text("NameUA"), text("NameRU"), of("ReceptUA", RichText), of("ReceptRU", RichText)}),
        table("Slovnyk",
              {id(), text("NameUA"), text("NameRU"), of("OpysUA", RichText), of("OpysRU", RichText)}),
        table("Brends", {id(), text("Name"), of("Opys", Memo)}),
        table("Anecdot",
              {id(), text("NameUA"), text("NameRU"), of("AnecdotUA", RichText), of("AnecdotRU", RichText)}),
        table("Vuzly", {id(), text("NameUA", 100), text("NameRU", 100), of("OpysUA", RichText),
                        of("OpysRU", RichText), text("Images"), text("NameEN")}),
        table("Osnastka",
              {id(), text("NameUkr"), text("NameRus"), of("OpysUkr", RichText), of("OpysRus", RichText),
               of("IDSnast", Int16), of("Bool", Boolean), of("BoolSchodenyk", Boolean), of("Foto", Bytes)}),
        table("Snast",
              {id(), text("NameUkr"), text("NameRus"), of("OpysUkr", RichText), of("OpysRus", RichText),
               of("IDTyp", Int16), of("IDOsnastka", Int16), of("Foto", Bytes)}),
        table("Nazhyvka",
              {id(), text("NameUkr"), text("NameRus"), of("OpysUkr", RichText), of("OpysRus", RichText),
               of("IDSnast", Int16), of("Bool", Boolean), of("Foto", Bytes), of("IDSposibLovu", Int16),
               of("BoolSchodenyk", Boolean), of("IDOsnastka", Int16)}),
        table("Prykormka",
              {id(), text("NameUkr"), text("NameRus"), of("OpysUkr", Memo), of("OpysRus", Memo),
               of("Bool", Boolean), of("Foto", Bytes), of("IDSnast", Int16), of("BoolSchodenyk", Boolean)}),
        table("System",
              {id(), text("Parametr"), text("ValueLabel"), of("ValueMemo", Memo), of("ValueFoto", Bytes),
               of("ValueBool", Boolean), of("ValueRTFUkr", RichText), of("ValueRTFRus", RichText)}),
        table("Opady", {id(), text("NameLat"), text("NameRus"), text("NameUkr"), of("Foto", Bytes)}),
        table("Viter", {id(), text("NameLat"), text("NameRus"), text("NameUkr"), of("Foto", Bytes)}),
        table("Moon", {id(), text("NameUkr"), text("NameRus"), of("Vik", Int16), of("OcinkaKlovu", Int16),
                       of("OpysUkr", Memo), of("OpysRus", Memo)}),
    };
    return tables;
}

const QList<TableDef> &recordsTables()
{
    static const QList<TableDef> tables = {
        table("FishMap", {id(),
                          text("Name"),
                          text("TypVodoymy"),
                          text("NameVodoymy"),
                          text("Lat"),
                          text("Lng"),
                          of("Doroga", Memo),
                          of("Fish", Memo),
                          of("Opys", RichText),
                          of("Oplata", Boolean),
                          of("OpysOplaty", Memo),
                          of("Date", DateTime),
                          of("KontaktOplata", Memo),
                          text("Misto"),
                          text("MistoSinoptikUA"),
                          text("MistoSinoptikRU"),
                          text("MistoMeteo"),
                          text("MistoRp5"),
                          text("StanciyaRp5"),
                          of("Ocinka", Int16),
                          of("Reyteng", Int32),
                          of("Status", Boolean)}),
        table("Schodennyk", {id(),
                             of("Date1", DateTime),
                             of("Date2", DateTime),
                             text("Misce"),
                             of("IDMisce", Int32),
                             of("TemperaturaMin", Int16),
                             of("TemperaturaMax", Int16),
                             text("Opady"),
                             text("Tysk"),
                             text("TyskBool"),
                             text("Misto"),
                             of("Opys", RichText),
                             text("NaprymVitru"),
                             text("SylaVitru"),
                             of("MasaUlovu", Float),
                             of("MasaTrofeyu", Float),
                             of("Ulov", Memo),
                             text("Trofey"),
                             text("MistoSinoptik"),
                             of("Ocinka", Int16)}),
        table("SposobyLovu", {id(), text("Name"), of("IDSchodennyk", Int32), of("Osnastka", Memo),
                              of("Nazyvka", Memo), of("Prykormka", Memo)}),
    };
    return tables;
}

const TableDef *findTable(QStringView name)
{
    for (const auto *list : {&referenceTables(), &recordsTables()}) {
        for (const TableDef &t : *list) {
            if (t.name.compare(name, Qt::CaseInsensitive) == 0)
                return &t;
        }
    }
    return nullptr;
}

void create(Connection &db, const QList<TableDef> &tables)
{
    for (const TableDef &t : tables) {
        try {
            db.execute(t.createStatement());
        } catch (const Error &e) {
            throw Error(QStringLiteral("Cannot create table %1: %2").arg(t.name, e.message()));
        }
    }
}

void check(const Connection &db, const TableDef &table)
{
    const QStringList present = db.columns(table.name);
    if (present.isEmpty())
        throw Error(
            QStringLiteral("The database '%1' has no table '%2'.").arg(db.databaseFile(), table.name));
    for (const FieldDef &f : table.fields) {
        if (!present.contains(f.name, Qt::CaseInsensitive))
            throw Error(QStringLiteral("The table '%1' of the database '%2' has no field '%3'.")
                            .arg(table.name, db.databaseFile(), f.name));
    }
}

namespace {

// The statements that take a records database from the version before `to` up to `to`.
struct Migration
{
    int to;
    QStringList statements;
};

const QList<Migration> &recordsMigrations()
{
    // A file without a version holds the first schema already; it only gets its number.
    static const QList<Migration> migrations = {{1, {}}};
    return migrations;
}

// A consistent copy of the open database (WAL content included) under a name no file has yet.
void keepCopy(const Connection &db, int version, const QString &copyFolder)
{
    if (!QDir().mkpath(copyFolder))
        throw Error(QStringLiteral("Cannot make the folder '%1' for a copy of '%2'; the database was not "
                                   "brought up to date.")
                        .arg(copyFolder, db.databaseFile()));
    const QString stem = QStringLiteral("%1/%2_v%3_%4")
                             .arg(copyFolder, QFileInfo(db.databaseFile()).completeBaseName())
                             .arg(version)
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy_MM_dd_HHmmss")));
    QString target = stem + QStringLiteral(".db");
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = QStringLiteral("%1_%2.db").arg(stem).arg(n);
    try {
        Statement st(db, QStringLiteral("VACUUM INTO ?"));
        st.bind(1, target);
        st.exec();
    } catch (const Error &e) {
        QFile::remove(target);
        throw Error(QStringLiteral("Cannot keep a copy of '%1' in '%2' (%3); the database was not brought up "
                                   "to date.")
                        .arg(db.databaseFile(), copyFolder, e.message()));
    }
}

} // namespace

void upgradeRecords(Connection &db, const QString &copyFolder)
{
    const int version = db.userVersion();
    if (version == RecordsVersion)
        return;
    if (version > RecordsVersion)
        throw Error(newerFileMessage(db.databaseFile(), version, RecordsVersion));
    keepCopy(db, version, copyFolder);
    try {
        Transaction transaction(db);
        for (const Migration &m : recordsMigrations()) {
            if (m.to <= version)
                continue;
            for (const QString &statement : m.statements)
                db.execute(statement);
            db.setUserVersion(m.to);
        }
        transaction.commit();
    } catch (const Error &e) {
        throw Error(QStringLiteral("Cannot bring '%1' up to date: %2. The file is left as it was.")
                        .arg(db.databaseFile(), e.message()));
    }
}

} // namespace schema
} // namespace lynvar
