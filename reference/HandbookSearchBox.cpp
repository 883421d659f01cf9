// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/HandbookSearchBox.h"

#include "common/Error.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <algorithm>
#include <limits>
#include <map>

namespace lynvar {

using namespace Qt::StringLiterals;

namespace {

constexpr int HitRole = Qt::UserRole + 1;  // the hit's index in the list of hits
constexpr int HtmlRole = Qt::UserRole + 2; // what a hit's row shows
constexpr int ListWidth = 460;
constexpr int ListHeight = 420;

QString htmlOf(const SearchHit &hit)
{
    QString snippet = hit.snippet.toHtmlEscaped();
    snippet.replace(QChar(HandbookSearch::MarkOpen), u"<b>"_s)
        .replace(QChar(HandbookSearch::MarkClose), u"</b>"_s)
        .replace(u"\r\n"_s, u" "_s)
        .replace(u'\n', u' ');
    return u"<b>%1</b><br>%2"_s.arg(hit.title.trimmed().toHtmlEscaped(), snippet);
}

// A hit's row: its name in bold and, under it, the piece of text with the words found in bold.
class HitDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QString html = index.data(HtmlRole).toString();
        if (html.isEmpty()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        item.text.clear();
        const QWidget *widget = item.widget;
        (widget ? widget->style() : QApplication::style())
            ->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

        QTextDocument document;
        document.setDefaultFont(item.font);
        document.setDocumentMargin(2);
        document.setHtml(html);
        document.setTextWidth(item.rect.width());
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette.setColor(QPalette::Text, item.state & QStyle::State_Selected
                                                     ? item.palette.color(QPalette::HighlightedText)
                                                     : item.palette.color(QPalette::Text));
        painter->save();
        painter->translate(item.rect.topLeft());
        painter->setClipRect(QRect(QPoint(0, 0), item.rect.size()));
        document.documentLayout()->draw(painter, context);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QSize base = QStyledItemDelegate::sizeHint(option, index);
        if (index.data(HtmlRole).toString().isEmpty())
            return base;
        return {base.width(), 2 * option.fontMetrics.height() + 6};
    }
};

} // namespace

HandbookSearchBox::HandbookSearchBox(QWidget *parent) : QLineEdit(parent)
{
    setClearButtonEnabled(true);
    setAccessibleName(QStringLiteral("Пошук у довіднику"));
    connect(this, &QLineEdit::textEdited, this, &HandbookSearchBox::showResults);
}

QTreeWidget &HandbookSearchBox::list()
{
    // A view of its own costs start-up time: it is made for the first search.
    if (m_list)
        return *m_list;
    m_list = new QTreeWidget(this);
    m_list->setAccessibleName(QStringLiteral("Знайдене в довіднику"));
    m_list->setWindowFlags(Qt::Popup);
    m_list->setHeaderHidden(true);
    m_list->setRootIsDecorated(false);
    m_list->setIndentation(8);
    m_list->setItemDelegate(new HitDelegate(m_list));
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The field keeps the keyboard: keys reach the list through the event filter.
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setFocusProxy(this);
    m_list->installEventFilter(this);
    connect(m_list, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) { pick(item); });
    return *m_list;
}

HandbookSearchBox::~HandbookSearchBox() = default;

void HandbookSearchBox::showResults()
{
    const QString words = text().trimmed();
    if (words.isEmpty() || !m_search) {
        if (m_list)
            m_list->hide();
        return;
    }
    QList<SearchHit> hits;
    QString failure;
    try {
        hits = m_search(words);
    } catch (const Error &error) {
        // Shown in the list, not in a box at every key.
        failure = error.message();
    }
    fill(hits);
    if (!failure.isEmpty() || hits.isEmpty()) {
        auto *note = new QTreeWidgetItem(&list(), {failure.isEmpty() ? u"Нічого не знайдено"_s : failure});
        note->setFlags(Qt::ItemIsEnabled);
    }
    placeList();
    m_list->show();
}

void HandbookSearchBox::fill(const QList<SearchHit> &hits)
{
    list().clear();
    m_hits = hits;
    // In page order, the records no page shows last; within a page, best first.
    std::map<int, QList<qsizetype>> groups;
    for (qsizetype i = 0; i < m_hits.size(); ++i) {
        const HandbookSearch::Source *source = HandbookSearch::source(m_hits[i].table);
        const int page = source ? source->page : -1;
        groups[page < 0 ? std::numeric_limits<int>::max() : page] << i;
    }
    QTreeWidgetItem *first = nullptr;
    for (const auto &[key, members] : groups) {
        const int page = key == std::numeric_limits<int>::max() ? -1 : key;
        auto *group = new QTreeWidgetItem(m_list, {m_groupTitle ? m_groupTitle(page) : QString()});
        group->setFlags(Qt::ItemIsEnabled);
        QFont bold = m_list->font();
        bold.setBold(true);
        group->setFont(0, bold);
        for (const qsizetype index : members) {
            auto *item = new QTreeWidgetItem(group);
            item->setData(0, HitRole, int(index));
            item->setData(0, HtmlRole, htmlOf(m_hits[index]));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (!first)
                first = item;
        }
    }
    m_list->expandAll();
    if (first)
        m_list->setCurrentItem(first);
}

void HandbookSearchBox::placeList()
{
    int width = std::max(this->width(), ListWidth);
    QPoint at = mapToGlobal(QPoint(0, height()));
    if (const QScreen *screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        width = std::min(width, available.width());
        at.setX(std::clamp(at.x(), available.left(), std::max(available.left(), available.right() - width)));
    }
    m_list->setGeometry(QRect(at, QSize(width, ListHeight)));
}

const SearchHit *HandbookSearchBox::hitOf(const QTreeWidgetItem *item) const
{
    if (!item)
        return nullptr;
    const QVariant index = item->data(0, HitRole);
    if (!index.isValid() || index.toInt() < 0 || index.toInt() >= m_hits.size())
        return nullptr;
    return &m_hits[index.toInt()];
}

void HandbookSearchBox::pick(QTreeWidgetItem *item)
{
    const SearchHit *hit = hitOf(item);
    if (!hit)
        return;
    const SearchHit chosen = *hit;
    if (m_list)
        m_list->hide();
    Q_EMIT picked(chosen);
}

void HandbookSearchBox::moveCurrent(int steps)
{
    QList<QTreeWidgetItem *> items;
    for (QTreeWidgetItemIterator it(m_list); *it; ++it)
        if (hitOf(*it))
            items << *it;
    if (items.isEmpty())
        return;
    const qsizetype at = items.indexOf(m_list->currentItem());
    const qsizetype next = std::clamp<qsizetype>(at < 0 ? 0 : at + steps, 0, items.size() - 1);
    m_list->setCurrentItem(items[next]);
    m_list->scrollToItem(items[next]);
}

bool HandbookSearchBox::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_list || watched != m_list || event->type() != QEvent::KeyPress)
        return QLineEdit::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    switch (key->key()) {
    case Qt::Key_Up:
        moveCurrent(-1);
        return true;
    case Qt::Key_Down:
        moveCurrent(1);
        return true;
    case Qt::Key_PageUp:
        moveCurrent(-8);
        return true;
    case Qt::Key_PageDown:
        moveCurrent(8);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (hitOf(m_list->currentItem()))
            pick(m_list->currentItem());
        else
            m_list->hide();
        return true;
    case Qt::Key_Escape:
        m_list->hide();
        return true;
    default:
        // Typing goes on in the field, which searches again.
        static_cast<QObject *>(this)->event(event);
        return true;
    }
}

void HandbookSearchBox::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Down || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !(m_list && m_list->isVisible()) && !text().trimmed().isEmpty()) {
        showResults();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace lynvar
