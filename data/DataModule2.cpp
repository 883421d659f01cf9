// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/DataModule2.h"

#include "common/IniFile.h"
#include "common/UserDialogs.h"
#include "data/TitleDerivation.h"

#include <QFile>
#include <QFileInfo>

namespace lynvar {
namespace {

const TableDef &def(const char *name)
{
    return *schema::findTable(QString::fromLatin1(name));
}

QString name(const char *n)
{
    return QString::fromLatin1(n);
}

} // namespace

#define LYNVAR_TABLE(T, conn) T##Table(name(#T "Table"), conn, def(#T), this)
#define LYNVAR_SOURCE(DS, T) DS(name(#DS), &T, this)

TDataModule2::TDataModule2(const QString &programFolder, IniFile &settings, UserDialogs &dialogs,
                           QObject *parent)
    : QObject(parent), ADOConnectionBook(name("ADOConnectionBook"), this),
      ADOConnectionZapys(name("ADOConnectionZapys"), this), LYNVAR_TABLE(Fish, ADOConnectionBook),
      LYNVAR_TABLE(Rive, ADOConnectionBook), LYNVAR_TABLE(Ozera, ADOConnectionBook),
      LYNVAR_TABLE(Kuhnya, ADOConnectionBook), LYNVAR_TABLE(Slovnyk, ADOConnectionBook),
      LYNVAR_TABLE(Brends, ADOConnectionBook), LYNVAR_TABLE(Anecdot, ADOConnectionBook),
      LYNVAR_TABLE(Vuzly, ADOConnectionBook), LYNVAR_TABLE(FishMap, ADOConnectionZapys),
      LYNVAR_TABLE(Schodennyk, ADOConnectionZapys), LYNVAR_TABLE(SposobyLovu, ADOConnectionZapys),
      LYNVAR_TABLE(Osnastka, ADOConnectionBook), LYNVAR_TABLE(Snast, ADOConnectionBook),
      LYNVAR_TABLE(Nazhyvka, ADOConnectionBook), LYNVAR_TABLE(Prykormka, ADOConnectionBook),
      LYNVAR_TABLE(System, ADOConnectionBook), LYNVAR_TABLE(Opady, ADOConnectionBook),
      LYNVAR_TABLE(Viter, ADOConnectionBook), LYNVAR_TABLE(Moon, ADOConnectionBook),
      LYNVAR_SOURCE(FishDS, FishTable), LYNVAR_SOURCE(RiveDS, RiveTable), LYNVAR_SOURCE(OzeraDS, OzeraTable),
      LYNVAR_SOURCE(KuhnyaDS, KuhnyaTable), LYNVAR_SOURCE(SlovnykDS, SlovnykTable),
      LYNVAR_SOURCE(BrendsDS, BrendsTable), LYNVAR_SOURCE(AnecdotDS, AnecdotTable),
      LYNVAR_SOURCE(VuzlyDS, VuzlyTable), LYNVAR_SOURCE(FishMapDS, FishMapTable),
      LYNVAR_SOURCE(SchodennykDS, SchodennykTable), LYNVAR_SOURCE(SposobyLovuDS, SposobyLovuTable),
      LYNVAR_SOURCE(OsnastkaDS, OsnastkaTable), LYNVAR_SOURCE(SnastDS, SnastTable),
      LYNVAR_SOURCE(NazyvkaDS, NazhyvkaTable), LYNVAR_SOURCE(PrykormkaDS, PrykormkaTable),
      LYNVAR_SOURCE(SystemDS, SystemTable), LYNVAR_SOURCE(OpadyDS, OpadyTable),
      LYNVAR_SOURCE(ViterDS, ViterTable), LYNVAR_SOURCE(MoonDS, MoonTable),
      ADOQueryBook(name("ADOQueryBook"), ADOConnectionBook, this),
      ADOQueryZapus(name("ADOQueryZapus"), ADOConnectionBook, this), // on the reference database, as ever
      m_programFolder(programFolder), m_settings(settings), m_dialogs(dialogs)
{
    setObjectName(name("DataModule2"));
    ADOConnectionZapys.setSchemaVersion(schema::RecordsVersion);
    // Rigs and baits follow the current fishing method; the trip's methods follow the diary.
    OsnastkaTable.setMasterLink(&SnastTable, name("IDOsnastka"), name("IDSnast"));
    NazhyvkaTable.setMasterLink(&SnastTable, name("IDTyp"), name("IDSnast"));
    SposobyLovuTable.setMasterLink(&SchodennykTable, name("ID"), name("IDSchodennyk"));

    AnecdotTable.beforePost = [this](DataSet &ds) { AnecdotTableBeforePost(ds); };
    KuhnyaTable.beforePost = [this](DataSet &ds) { KuhnyaTableBeforePost(ds); };
}

#undef LYNVAR_TABLE
#undef LYNVAR_SOURCE

TDataModule2::~TDataModule2()
{
    // Data sets close without posting: an edit the user did not store is dropped. Their hooks
    // reach into windows that may already be gone, so none runs from here on.
    for (DataSet *ds : allDataSets())
        ds->afterScroll = ds->afterInsert = ds->beforePost = ds->afterPost = nullptr;
    ADOConnectionZapys.close();
    ADOConnectionBook.close();
}

QString TDataModule2::referenceDatabasePath(const QString &folder)
{
    return folder + QStringLiteral("/data/lynvarbook.db");
}

QString TDataModule2::recordsDatabasePath(const QString &folder)
{
    return folder + QStringLiteral("/data/lynvarzapys.db");
}

QString TDataModule2::templateDatabasePath(const QString &folder)
{
    return folder + QStringLiteral("/newbd/lynvarzapys.db");
}

QList<DataSet *> TDataModule2::openingOrder()
{
    return {&FishTable,        &RiveTable,     &OzeraTable, &KuhnyaTable,   &SlovnykTable,
            &BrendsTable,      &AnecdotTable,  &VuzlyTable, &FishMapTable,  &SchodennykTable,
            &SposobyLovuTable, &OsnastkaTable, &SnastTable, &NazhyvkaTable, &PrykormkaTable,
            &SystemTable,      &OpadyTable,    &ViterTable};
}

QList<DataSet *> TDataModule2::allDataSets()
{
    QList<DataSet *> all = openingOrder();
    all.append(&MoonTable);
    return all;
}

void TDataModule2::openDataSets()
{
    for (DataSet *ds : openingOrder())
        ds->open();
}

void TDataModule2::openRecords(const QString &folder)
{
    ADOConnectionZapys.open();
    try {
        schema::upgradeRecords(ADOConnectionZapys, folder + QStringLiteral("/copy"));
    } catch (...) {
        ADOConnectionZapys.close();
        throw;
    }
}

void TDataModule2::DataModuleCreate()
{
    ADOConnectionBook.close();
    ADOConnectionZapys.close();

    const QString newInstall = m_settings.readString(name("Install"), name("NewInstall"), name("Def"));

    ADOConnectionBook.setDatabaseFile(referenceDatabasePath(m_programFolder));
    ADOConnectionBook.open();

    const QString records = recordsDatabasePath(m_programFolder);
    if (!QFileInfo::exists(records)) {
        if (newInstall == u"false")
            m_dialogs.showMessage(QStringLiteral("Файл бази даних не знайдено! Буде створено новий!"));
        // Never overwrites; a failed copy shows up as the records connection's own error next.
        QFile::copy(templateDatabasePath(m_programFolder), records);
        QFile::setPermissions(records, QFile::permissions(records) | QFile::WriteOwner);
    }

    ADOConnectionZapys.setDatabaseFile(records);
    openRecords(m_programFolder);

    m_settings.writeString(name("Install"), name("NewInstall"), name("false"));

    openDataSets();
}

void TDataModule2::OpenDataStore(const QString &folder)
{
    ADOConnectionBook.setDatabaseFile(referenceDatabasePath(folder));
    ADOConnectionZapys.setDatabaseFile(recordsDatabasePath(folder));
    ADOConnectionBook.open();
    openRecords(folder);
    openDataSets();
}

void TDataModule2::setShowOrders()
{
    BrendsTable.setIndexFieldNames(QStringLiteral("Name"));
    for (DataSet *ds : {&KuhnyaTable, &SlovnykTable, &AnecdotTable, &VuzlyTable})
        ds->setIndexFieldNames(QStringLiteral("NameUA"));
    SchodennykTable.setSort(QStringLiteral("Date1 DESC"));
    FishMapTable.setSort(QStringLiteral("Status DESC"));
}

void TDataModule2::AnecdotTableBeforePost(DataSet &ds)
{
    ds.field(u"NameUA").setString(deriveTitleFromRichText(ds.field(u"AnecdotUA").asString()));
    ds.field(u"NameRU").setString(deriveTitleFromRichText(ds.field(u"AnecdotRU").asString()));
}

void TDataModule2::KuhnyaTableBeforePost(DataSet &ds)
{
    ds.field(u"NameUA").setString(deriveTitleFromRichText(ds.field(u"ReceptUA").asString()));
    ds.field(u"NameRU").setString(deriveTitleFromRichText(ds.field(u"ReceptRU").asString()));
}

} // namespace lynvar
