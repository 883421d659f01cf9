// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/TFormFish.h"

#include "controls/DBEdit.h"
#include "controls/DBGrid.h"
#include "controls/PageParts.h"
#include "data/DataModule2.h"
#include "diary/DiaryRules.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace lynvar {

using pageparts::button;
using pageparts::label;
using pageparts::named;

namespace {

QPixmap markPicture(bool marked)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x55, 0x55, 0x55), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(2.5, 2.5, 11, 11));
    if (marked) {
        painter.setPen(QPen(QColor(0x1A, 0x7F, 0x1A), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF({QPointF(4.5, 8), QPointF(7, 10.8), QPointF(11.8, 4.8)}));
    }
    return picture;
}

} // namespace

QList<QPixmap> markPictures()
{
    return {markPicture(false), markPicture(true)};
}

void drawMarkCell(const DBGridCell &cell, const QList<QPixmap> &pictures)
{
    if (cell.fieldName != u"Bool")
        return;
    const QPixmap &picture = pictures.value(cell.value.toBool() ? 1 : 0);
    cell.painter->fillRect(cell.rect, Qt::white);
    // The cell's right edge is the first pixel after it.
    const int left = (cell.rect.left() + cell.rect.left() + cell.rect.width() - picture.width()) / 2;
    cell.painter->drawPixmap(left, cell.rect.top(), picture);
}

void toggleMark(DataSet &table)
{
    table.edit();
    Field mark = table.field(u"Bool");
    mark.setBoolean(!mark.asBoolean());
    table.post();
}

QStringList markedNames(const DataSet &table)
{
    // Read row by row from the view rather than walked with first/next: the walk would move the
    // table's current row, and every move runs its page's refresh.
    QStringList names;
    const int mark = table.fieldIndex(u"Bool");
    const int name = table.fieldIndex(table.fieldIndex(u"NameUA") >= 0 ? u"NameUA" : u"NameUkr");
    if (!table.isActive() || mark < 0 || name < 0)
        return names;
    for (int row = 0; row < table.recordCount(); ++row) {
        if (table.valueAt(row, mark).toBool())
            names << table.valueAt(row, name).toString();
    }
    return names;
}

TFormFish::TFormFish(QWidget *parent, TDataModule2 &dataModule) : QDialog(parent), m_dataModule(dataModule)
{
    setObjectName(QStringLiteral("FormFish"));
    setWindowTitle(QStringLiteral("Виберіть риби які ви зловили"));
    setModal(true);
    ImageList1 = markPictures();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);

    DBGridFish = named(new DBGrid(this), "DBGridFish");
    DBGridFish->setReadOnly(true);
    DBGridFish->setRowSelect(true);
    DBGridFish->addColumn(QStringLiteral("Bool"), QStringLiteral("+/-"), 20);
    DBGridFish->addColumn(QStringLiteral("NameUA"), QStringLiteral("Назва риби"), 224);
    DBGridFish->setDataSource(&dataModule.FishDS);
    connect(DBGridFish, &DBGrid::dblClick, this, [this] { DBGridFishDblClick(); });
    connect(DBGridFish, &DBGrid::drawColumnCell, this,
            [this](const DBGridCell &cell) { DBGridFishDrawColumnCell(cell); });
    layout->addWidget(DBGridFish, 1);

    PopupMenuFish = pageparts::popupMenu(this, QStringLiteral("PopupMenuFish"));
    MenuAddTrofey = pageparts::menuItem(PopupMenuFish, QStringLiteral("MenuAddTrofey"),
                                        QStringLiteral("Добавити трофей"));
    pageparts::attachPopupMenu(DBGridFish, PopupMenuFish);
    connect(MenuAddTrofey, &QAction::triggered, this, [this] { MenuAddTrofeyClick(); });

    DataSource *entry = &dataModule.SchodennykDS;
    GroupBoxUlov = named(new QGroupBox(QStringLiteral("Результат рибалки"), this), "GroupBoxUlov");
    GroupBoxUlov->setFixedHeight(67);
    auto *result = new QGridLayout(GroupBoxUlov);
    result->setContentsMargins(6, 2, 6, 4);
    result->setVerticalSpacing(1);
    LabelMasaUlovu = label(QStringLiteral("Маса (кг)"), GroupBoxUlov, "LabelMasaUlovu");
    LabelTrofey = label(QStringLiteral("Трофей"), GroupBoxUlov, "LabelTrofey");
    LabelMasaTrofeyu = label(QStringLiteral("Маса трофею"), GroupBoxUlov, "LabelMasaTrofeyu");
    DBEdit1 = named(new DBEdit(GroupBoxUlov), "DBEdit1");
    DBEdit2 = named(new DBEdit(GroupBoxUlov), "DBEdit2");
    DBEdit3 = named(new DBEdit(GroupBoxUlov), "DBEdit3");
    DBEdit1->bind(entry, QStringLiteral("MasaUlovu"));
    DBEdit2->bind(entry, QStringLiteral("Trofey"));
    DBEdit3->bind(entry, QStringLiteral("MasaTrofeyu"));
    result->addWidget(LabelMasaUlovu, 0, 0);
    result->addWidget(LabelTrofey, 0, 1);
    result->addWidget(LabelMasaTrofeyu, 0, 2);
    result->addWidget(DBEdit1, 1, 0);
    result->addWidget(DBEdit2, 1, 1);
    result->addWidget(DBEdit3, 1, 2);
    layout->addWidget(GroupBoxUlov);

    ButtonAddUlov = button(QStringLiteral("Добавити улов в щоденник"), this, "ButtonAddUlov");
    ButtonAddFish = button(QStringLiteral("Добавити види риб"), this, "ButtonAddFish");
    for (QPushButton *b : {ButtonAddUlov, ButtonAddFish}) {
        b->setAutoDefault(false);
        layout->addWidget(b);
    }
    connect(ButtonAddUlov, &QPushButton::clicked, this, [this] { ButtonAddUlovClick(); });
    connect(ButtonAddFish, &QPushButton::clicked, this, [this] { ButtonAddFishClick(); });

    setMode(Mode::Catch);
    resize(289, 453);
}

void TFormFish::setMode(Mode mode)
{
    m_mode = mode;
    const bool catchMode = mode == Mode::Catch;
    ButtonAddUlov->setVisible(catchMode);
    GroupBoxUlov->setVisible(catchMode);
    ButtonAddFish->setVisible(!catchMode);
    MenuAddTrofey->setVisible(catchMode);
    MenuAddTrofey->setEnabled(catchMode);
}

void TFormFish::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFormFish::FormShow()
{
    Query &query = m_dataModule.ADOQueryBook;
    query.sql().clear();
    query.sql().append(QStringLiteral("UPDATE Fish SET Bool=false;"));
    query.execSQL();
    query.close();
    m_dataModule.FishTable.refresh();
}

void TFormFish::DBGridFishDblClick()
{
    DataSet &fish = m_dataModule.FishTable;
    if (fish.isEmpty())
        return;
    toggleMark(fish);
}

void TFormFish::DBGridFishDrawColumnCell(const DBGridCell &cell)
{
    drawMarkCell(cell, ImageList1);
}

QString TFormFish::markedFishText() const
{
    return diaryrules::joinItems(markedNames(m_dataModule.FishTable));
}

void TFormFish::ButtonAddUlovClick()
{
    DataSet &entry = m_dataModule.SchodennykTable;
    const QString text = markedFishText();
    entry.edit();
    entry.field(u"Ulov").setString(text);
    // The store refreshes the diary page, its catch list included; a refused store throws and the
    // dialog stays open.
    entry.post();
    accept();
}

void TFormFish::ButtonAddFishClick()
{
    DataSet &place = m_dataModule.FishMapTable;
    const QString text = markedFishText();
    place.edit();
    place.field(u"Fish").setString(text);
    place.post();
    accept();
}

void TFormFish::MenuAddTrofeyClick()
{
    DataSet &entry = m_dataModule.SchodennykTable;
    DataSet &fish = m_dataModule.FishTable;
    // Only for a stored entry of the diary: on an empty diary or a new row the store would make or
    // finish an entry nobody asked for.
    if (m_mode != Mode::Catch || fish.isEmpty() || entry.isEmpty() || entry.state() == DataSet::State::Insert)
        return;
    entry.edit();
    entry.field(u"Trofey").setString(fish.field(u"NameUA").asString());
    entry.post();
}

} // namespace lynvar
