// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DBGrid.h"

#include "common/UserDialogs.h"
#include "controls/DBGridModel.h"
#include "data/DataSet.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QStyledItemDelegate>

namespace lynvar {

// Draws the cells (then the grid's drawColumnCell handlers) and makes the cell editors: a fixed
// list for a column with a pick list, a line edit otherwise.
class DBGridDelegate final : public QStyledItemDelegate
{
public:
    explicit DBGridDelegate(DBGrid &grid) : QStyledItemDelegate(&grid), m_grid(grid) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        m_grid.drawCell(painter, option.rect, index, option.state);
        painter->restore();
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        const QStringList &pickList = m_grid.m_model->column(index.column()).pickList;
        QWidget *editor;
        if (!pickList.isEmpty()) {
            auto *combo = new QComboBox(parent);
            combo->addItems(pickList);
            // A pick is the user's whole input: it goes into the record at once.
            connect(combo, &QComboBox::activated, this,
                    [this, combo] { Q_EMIT const_cast<DBGridDelegate *>(this)->commitData(combo); });
            editor = combo;
        } else {
            editor = QStyledItemDelegate::createEditor(parent, option, index);
            if (auto *line = qobject_cast<QLineEdit *>(editor)) {
                const int row = index.row();
                connect(line, &QLineEdit::textEdited, this, [this, row] { m_grid.userStartedEdit(row); });
            }
        }
        m_editor = editor;
        m_editorIndex = index;
        return editor;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        if (auto *combo = qobject_cast<QComboBox *>(editor)) {
            combo->setCurrentIndex(
                combo->findText(index.data(Qt::EditRole).toString(), Qt::MatchFixedString));
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        if (auto *combo = qobject_cast<QComboBox *>(editor)) {
            if (combo->currentIndex() >= 0)
                model->setData(index, combo->currentText(), Qt::EditRole);
            return;
        }
        QStyledItemDelegate::setModelData(editor, model, index);
    }

    // The open cell editor and its text, for updateRecord.
    QWidget *openEditor() const { return m_editor; }
    QModelIndex openEditorIndex() const { return m_editorIndex; }
    static QString editorText(QWidget *editor)
    {
        if (auto *combo = qobject_cast<QComboBox *>(editor))
            return combo->currentIndex() >= 0 ? combo->currentText() : QString();
        if (auto *line = qobject_cast<QLineEdit *>(editor))
            return line->text();
        return {};
    }

private:
    DBGrid &m_grid;
    mutable QPointer<QWidget> m_editor;
    mutable QPersistentModelIndex m_editorIndex;
};

DBGrid::DBGrid(QWidget *parent)
    : QTableView(parent), m_model(new DBGridModel(this)), m_delegate(new DBGridDelegate(*this))
{
    setModel(m_model);
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    setSortingEnabled(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setMinimumSectionSize(8); // a 25-pixel check-box column stays 25 pixels
    applyRowHeight();

    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &DBGrid::titleClick);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (!m_applyingWidths && column < m_model->columns())
            m_model->setColumnWidth(column, size);
    });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        applyWidths();
        syncCurrentRow();
    });
    connect(m_model, &DBGridModel::currentRecordChanged, this, &DBGrid::syncCurrentRow);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { userMoved(current); });
}

DBGrid::~DBGrid() = default;

void DBGrid::setDataSource(DataSource *source)
{
    m_model->setDataSource(source);
}

DataSource *DBGrid::dataSource() const
{
    return m_model->dataSource();
}

DataSet *DBGrid::dataSet() const
{
    return m_model->dataSet();
}

int DBGrid::addColumn(const QString &fieldName, const QString &title, int width)
{
    const int column = m_model->addColumn({fieldName, title, width, {}, {}});
    applyWidths();
    return column;
}

int DBGrid::columnCount() const
{
    return m_model->columns();
}

QString DBGrid::columnFieldName(int column) const
{
    return m_model->column(column).fieldName;
}

void DBGrid::setColumnFieldName(int column, const QString &fieldName)
{
    m_model->setColumnFieldName(column, fieldName);
}

QString DBGrid::columnTitle(int column) const
{
    return m_model->shownTitle(column);
}

void DBGrid::setColumnTitle(int column, const QString &title)
{
    m_model->setColumnTitle(column, title);
}

void DBGrid::setColumnColor(int column, const QColor &color)
{
    m_model->setColumnColor(column, color);
}

void DBGrid::setColumnPickList(int column, const QStringList &items)
{
    m_model->setColumnPickList(column, items);
}

QStringList DBGrid::columnPickList(int column) const
{
    return m_model->column(column).pickList;
}

void DBGrid::setReadOnly(bool readOnly)
{
    m_model->setReadOnly(readOnly);
    setEditTriggers(readOnly ? NoEditTriggers : DoubleClicked | EditKeyPressed | AnyKeyPressed);
}

bool DBGrid::isReadOnly() const
{
    return m_model->isReadOnly();
}

void DBGrid::setRowSelect(bool on)
{
    setSelectionBehavior(on ? SelectRows : SelectItems);
    syncCurrentRow();
    const QModelIndex current = currentIndex();
    if (current.isValid())
        selectionModel()->select(current,
                                 QItemSelectionModel::ClearAndSelect |
                                     (on ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate));
}

bool DBGrid::rowSelect() const
{
    return selectionBehavior() == SelectRows;
}

void DBGrid::setTitlesVisible(bool visible)
{
    horizontalHeader()->setVisible(visible);
}

bool DBGrid::titlesVisible() const
{
    return !horizontalHeader()->isHidden();
}

QVariant DBGrid::cellValue(int row, int column) const
{
    return m_model->cellValue(row, column);
}

void DBGrid::applyWidths()
{
    m_applyingWidths = true;
    for (int c = 0; c < m_model->columns(); ++c) {
        const int width = m_model->column(c).width;
        if (width >= 0 && horizontalHeader()->sectionSize(c) != width)
            QTableView::setColumnWidth(c, width);
    }
    m_applyingWidths = false;
}

void DBGrid::applyRowHeight()
{
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
}

void DBGrid::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyRowHeight();
}

void DBGrid::syncCurrentRow()
{
    DataSet *ds = dataSet();
    const int row = ds && ds->isActive() ? ds->currentRow() : -1;
    if (row < 0 || row >= m_model->rowCount())
        return;
    const int column = std::max(currentIndex().column(), 0);
    const QModelIndex target = m_model->index(row, std::min(column, std::max(m_model->columns() - 1, 0)));
    if (!target.isValid())
        return;
    m_syncing = true;
    if (currentIndex() != target) {
        selectionModel()->setCurrentIndex(
            target, QItemSelectionModel::ClearAndSelect |
                        (rowSelect() ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate));
    } else if (!selectionModel()->isSelected(target)) {
        selectionModel()->select(
            target, QItemSelectionModel::ClearAndSelect |
                        (rowSelect() ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate));
    }
    scrollTo(target);
    m_syncing = false;
}

void DBGrid::userMoved(const QModelIndex &current)
{
    DataSet *ds = dataSet();
    if (m_syncing || !current.isValid() || !ds || !ds->isActive() || current.row() == ds->currentRow())
        return;
    try {
        ds->moveTo(current.row()); // posts a changed record first
    } catch (...) {
        syncCurrentRow();
        raiseInEventLoop(std::current_exception());
        return;
    }
    if (ds->currentRow() != current.row())
        syncCurrentRow();
}

void DBGrid::userStartedEdit(int row)
{
    try {
        m_model->startEdit(row);
    } catch (...) {
        raiseInEventLoop(std::current_exception());
    }
}

void DBGrid::updateRecord()
{
    QWidget *editor = m_delegate->openEditor();
    const QModelIndex index = m_delegate->openEditorIndex();
    if (!editor || !index.isValid() || state() != EditingState)
        return;
    m_model->writeCell(index, DBGridDelegate::editorText(editor));
}

void DBGrid::deleteCurrentRecord()
{
    DataSet *ds = dataSet();
    if (isReadOnly() || !m_dialogs || !ds || !ds->isActive() || ds->isEmpty())
        return;
    if (!m_dialogs->askYesNo(QStringLiteral("Delete record?")))
        return;
    ds->deleteRecord();
}

void DBGrid::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::ControlModifier) {
        event->accept();
        try {
            deleteCurrentRecord();
        } catch (...) {
            raiseInEventLoop(std::current_exception());
        }
        return;
    }
    DataSet *ds = dataSet();
    if (event->key() == Qt::Key_Escape && !isReadOnly() && state() != EditingState && ds && ds->isActive() &&
        ds->isEditing()) {
        event->accept();
        try {
            ds->cancel();
        } catch (...) {
            raiseInEventLoop(std::current_exception());
        }
        return;
    }
    QTableView::keyPressEvent(event);
}

void DBGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    Q_EMIT dblClick();
}

void DBGrid::drawCell(QPainter *painter, const QRect &rect, const QModelIndex &index, QStyle::State state)
{
    DBGridCell cell;
    cell.painter = painter;
    cell.rect = rect;
    cell.row = index.row();
    cell.column = index.column();
    cell.fieldName = m_model->column(index.column()).fieldName;
    cell.value = m_model->cellValue(index.row(), index.column());
    cell.state = state;
    Q_EMIT drawColumnCell(cell);
}

} // namespace lynvar
