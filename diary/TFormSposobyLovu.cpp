// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/TFormSposobyLovu.h"

#include "controls/DBGrid.h"
#include "controls/PageParts.h"
#include "data/DataModule2.h"
#include "diary/DiaryRules.h"
#include "diary/TFormFish.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lynvar {

using pageparts::button;
using pageparts::named;

namespace {

// Clears every mark of a reference table through the query object, then shows the table again.
void clearMarks(Query &query, DataSet &table, const QString &statement)
{
    query.sql().clear();
    query.sql().append(statement);
    query.execSQL();
    query.close();
    table.refresh();
}

// A stored list: the marked names in the table's order, then the "Інше" text after one line feed.
QString listText(const DataSet &table, const QPlainTextEdit &other)
{
    QString text = diaryrules::joinItems(markedNames(table));
    if (!other.toPlainText().isEmpty())
        text += u'\n' + other.toPlainText();
    return text;
}

// Marks the rows of `table` named by the lines of `list`; the lines no row has go into `other`.
void markLines(DataSet &table, const QString &list, QPlainTextEdit &other)
{
    const int name = table.fieldIndex(u"NameUkr");
    const int mark = table.fieldIndex(u"Bool");
    QStringList unmatched;
    for (const QString &line : diaryrules::itemLines(list)) {
        if (line.isEmpty())
            continue;
        int found = -1;
        for (int row = 0; row < table.recordCount() && found < 0; ++row) {
            if (table.valueAt(row, name).toString() == line)
                found = row;
        }
        if (found < 0) {
            unmatched << line;
        } else if (!table.valueAt(found, mark).toBool()) {
            table.moveTo(found);
            toggleMark(table);
        }
    }
    if (!table.isEmpty())
        table.first();
    other.setPlainText(unmatched.join(u'\n'));
}

} // namespace

TFormSposobyLovu::TFormSposobyLovu(QWidget *parent, TDataModule2 &dataModule)
    : QDialog(parent), m_dataModule(dataModule)
{
    setObjectName(QStringLiteral("FormSposobyLovu"));
    setWindowTitle(QStringLiteral("Додати спосіб лову"));
    setModal(true);
    ImageList1 = markPictures();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto *columns = new QHBoxLayout;
    columns->setSpacing(4);
    const auto column = [&](const QString &name, const QString &title, QGroupBox *&group, DBGrid *&grid,
                            DataSource *source, QGroupBox *&otherGroup, QPlainTextEdit *&memo,
                            const QString &memoName, int nameWidth) {
        group = named(new QGroupBox(title, this), QStringLiteral("GroupBoxSposobyLovu") + name);
        group->setFixedWidth(180);
        auto *inside = new QVBoxLayout(group);
        inside->setContentsMargins(3, 3, 3, 3);
        grid = named(new DBGrid(group), QStringLiteral("DBGridSposobyLovu") + name);
        grid->setReadOnly(true);
        grid->setRowSelect(true);
        if (nameWidth > 0)
            grid->addColumn(QStringLiteral("Bool"), QStringLiteral("+/-"), 21);
        grid->addColumn(QStringLiteral("NameUkr"), QString(), nameWidth);
        grid->horizontalHeader()->setStretchLastSection(true);
        grid->setDataSource(source);
        inside->addWidget(grid, 1);
        otherGroup = named(new QGroupBox(QStringLiteral("Інше"), group),
                           QStringLiteral("GroupBoxSposobyLovuOther") + name);
        auto *otherLayout = new QVBoxLayout(otherGroup);
        otherLayout->setContentsMargins(3, 3, 3, 3);
        memo = named(new QPlainTextEdit(otherGroup), memoName);
        memo->setFixedHeight(70);
        otherLayout->addWidget(memo);
        inside->addWidget(otherGroup);
        columns->addWidget(group);
    };
    column(QStringLiteral("Snast"), QStringLiteral("Спосіб лову"), GroupBoxSposobyLovuSnast,
           DBGridSposobyLovuSnast, &dataModule.SnastDS, GroupBoxSposobyLovuOtherSnast, MemoOtherSnast,
           QStringLiteral("MemoOtherSnast"), -1);
    column(QStringLiteral("Osnastka"), QStringLiteral("Оснастка"), GroupBoxSposobyLovuOsnastka,
           DBGridSposobyLovuOsnastka, &dataModule.OsnastkaDS, GroupBoxSposobyLovuOtherOsnastka,
           MemoOtherOsnastka, QStringLiteral("MemoOtherOsnastka"), 112);
    column(QStringLiteral("Nazhyvka"), QStringLiteral("Наживка"), GroupBoxSposobyLovuNazhyvka,
           DBGridSposobyLovuNazhyvka, &dataModule.NazyvkaDS, GroupBoxSposobyLovuOtherNazhyvka,
           MemoOtherNazhyvka, QStringLiteral("MemoOtherNazhyvka"), 116);
    layout->addLayout(columns, 1);

    ButtonSposobyLovuAddSposobyLovu =
        button(QStringLiteral("Добавити спосіб лову в щоденник"), this, "ButtonSposobyLovuAddSposobyLovu");
    ButtonSposobyLovuAddSposobyLovu->setAutoDefault(false);
    layout->addWidget(ButtonSposobyLovuAddSposobyLovu);

    connect(DBGridSposobyLovuOsnastka, &DBGrid::dblClick, this,
            [this] { DBGridSposobyLovuOsnastkaDblClick(); });
    connect(DBGridSposobyLovuNazhyvka, &DBGrid::dblClick, this,
            [this] { DBGridSposobyLovuNazhyvkaDblClick(); });
    connect(DBGridSposobyLovuOsnastka, &DBGrid::drawColumnCell, this,
            [this](const DBGridCell &cell) { DBGridSposobyLovuOsnastkaDrawColumnCell(cell); });
    connect(DBGridSposobyLovuNazhyvka, &DBGrid::drawColumnCell, this,
            [this](const DBGridCell &cell) { DBGridSposobyLovuNazhyvkaDrawColumnCell(cell); });
    connect(ButtonSposobyLovuAddSposobyLovu, &QPushButton::clicked, this,
            [this] { ButtonSposobyLovuAddSposobyLovuClick(); });
    resize(546, 486);
}

void TFormSposobyLovu::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFormSposobyLovu::FormShow()
{
    for (QPlainTextEdit *memo : {MemoOtherSnast, MemoOtherOsnastka, MemoOtherNazhyvka})
        memo->clear();
    clearMarks(m_dataModule.ADOQueryZapus, m_dataModule.OsnastkaTable,
               QStringLiteral("UPDATE Osnastka SET Bool=false;"));
    clearMarks(m_dataModule.ADOQueryZapus, m_dataModule.NazhyvkaTable,
               QStringLiteral("UPDATE Nazhyvka SET Bool=false;"));
    if (m_dataModule.SposobyLovuTable.state() == DataSet::State::Edit)
        loadPresentMethod();
}

void TFormSposobyLovu::loadPresentMethod()
{
    DataSet &method = m_dataModule.SposobyLovuTable;
    const QString name = method.field(u"Name").asString();
    const QString rigs = method.field(u"Osnastka").asString();
    const QString baits = method.field(u"Nazyvka").asString();
    LocateOptions exact;
    exact.caseInsensitive = true;
    if (!name.isEmpty() && !m_dataModule.SnastTable.locate(QStringLiteral("NameUkr"), name, exact)) {
        // The user's own tackle: its rigs and baits are most likely those of the type that has most of them.
        MemoOtherSnast->setPlainText(name);
        showBestTackleType(rigs, baits);
    }
    markLines(m_dataModule.OsnastkaTable, rigs, *MemoOtherOsnastka);
    markLines(m_dataModule.NazhyvkaTable, baits, *MemoOtherNazhyvka);
}

void TFormSposobyLovu::showBestTackleType(const QString &rigs, const QString &baits)
{
    DataSet &types = m_dataModule.SnastTable;
    const QStringList rigLines = diaryrules::itemLines(rigs);
    const QStringList baitLines = diaryrules::itemLines(baits);
    if (types.isEmpty() || (rigLines.isEmpty() && baitLines.isEmpty()))
        return;
    const auto found = [](const DataSet &table, const QStringList &lines) {
        const int name = table.fieldIndex(u"NameUkr");
        int count = 0;
        for (int row = 0; row < table.recordCount(); ++row)
            count += lines.contains(table.valueAt(row, name).toString());
        return count;
    };
    const int start = types.currentRow();
    int best = start, bestCount = 0;
    for (int row = 0; row < types.recordCount(); ++row) {
        types.moveTo(row);
        const int count =
            found(m_dataModule.OsnastkaTable, rigLines) + found(m_dataModule.NazhyvkaTable, baitLines);
        if (count > bestCount) {
            best = row;
            bestCount = count;
        }
    }
    types.moveTo(best);
}

void TFormSposobyLovu::DBGridSposobyLovuOsnastkaDblClick()
{
    DataSet &rigs = m_dataModule.OsnastkaTable;
    rigs.refresh();
    if (!rigs.isEmpty())
        toggleMark(rigs);
}

void TFormSposobyLovu::DBGridSposobyLovuNazhyvkaDblClick()
{
    DataSet &baits = m_dataModule.NazhyvkaTable;
    baits.refresh();
    if (!baits.isEmpty())
        toggleMark(baits);
}

void TFormSposobyLovu::DBGridSposobyLovuOsnastkaDrawColumnCell(const DBGridCell &cell)
{
    drawMarkCell(cell, ImageList1);
}

void TFormSposobyLovu::DBGridSposobyLovuNazhyvkaDrawColumnCell(const DBGridCell &cell)
{
    drawMarkCell(cell, ImageList1);
}

void TFormSposobyLovu::ButtonSposobyLovuAddSposobyLovuClick()
{
    DataSet &method = m_dataModule.SposobyLovuTable;
    const QString other = MemoOtherSnast->toPlainText();
    const QString name = other.isEmpty() ? m_dataModule.SnastTable.field(u"NameUkr").asString() : other;
    const QString rigs = listText(m_dataModule.OsnastkaTable, *MemoOtherOsnastka);
    const QString baits = listText(m_dataModule.NazhyvkaTable, *MemoOtherNazhyvka);
    method.edit();
    method.field(u"Name").setString(name);
    method.field(u"Osnastka").setString(rigs);
    method.field(u"Nazyvka").setString(baits);
    // A refused store throws: the dialog stays open and the row keeps its state.
    method.post();
    if (m_afterStore)
        m_afterStore();
    accept();
}

} // namespace lynvar
