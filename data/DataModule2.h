// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Connection.h"
#include "data/DataSet.h"
#include "data/DataSource.h"
#include "data/Query.h"

#include <QObject>

namespace lynvar {

class IniFile;
class UserDialogs;

// Both database connections, one data set and data source per table, and the two query objects.
// Every part of the program reaches data through it. It needs no window: the hooks that write into
// the windows are set by their owners.
class TDataModule2 final : public QObject
{
    Q_OBJECT
public:
    TDataModule2(const QString &programFolder, IniFile &settings, UserDialogs &dialogs,
                 QObject *parent = nullptr);
    ~TDataModule2() override;

    // Connects both databases, makes the records database on first run and opens the data sets.
    // A failure is thrown at the step where it happens; the steps after it are skipped.
    void DataModuleCreate();
    // Sets both connections to the databases in `folder`, connects them and opens the data sets.
    // The caller has closed both connections.
    void OpenDataStore(const QString &folder);
    // The eighteen data sets in the order they open (MoonTable is defined but never opened).
    QList<DataSet *> openingOrder();
    QList<DataSet *> allDataSets();

    // The orders the main window's first showing gives the lists: four handbook tables by name,
    // the diary newest first, the places by their fished-or-not mark.
    void setShowOrders();

    void AnecdotTableBeforePost(DataSet &dataSet);
    void KuhnyaTableBeforePost(DataSet &dataSet);

    static QString referenceDatabasePath(const QString &folder);
    static QString recordsDatabasePath(const QString &folder);
    static QString templateDatabasePath(const QString &folder);

    Connection ADOConnectionBook;
    Connection ADOConnectionZapys;

    DataSet FishTable, RiveTable, OzeraTable, KuhnyaTable, SlovnykTable, BrendsTable, AnecdotTable,
        VuzlyTable;
    DataSet FishMapTable, SchodennykTable, SposobyLovuTable;
    DataSet OsnastkaTable, SnastTable, NazhyvkaTable, PrykormkaTable, SystemTable, OpadyTable, ViterTable;
    DataSet MoonTable;

    DataSource FishDS, RiveDS, OzeraDS, KuhnyaDS, SlovnykDS, BrendsDS, AnecdotDS, VuzlyDS;
    DataSource FishMapDS, SchodennykDS, SposobyLovuDS;
    DataSource OsnastkaDS, SnastDS, NazyvkaDS, PrykormkaDS, SystemDS, OpadyDS, ViterDS;
    DataSource MoonDS;

    Query ADOQueryBook;
    Query ADOQueryZapus;

private:
    // Connects the records database and brings its schema up to date, keeping a copy in copy/ first.
    void openRecords(const QString &folder);
    void openDataSets();

    QString m_programFolder;
    IniFile &m_settings;
    UserDialogs &m_dialogs;
};

} // namespace lynvar
