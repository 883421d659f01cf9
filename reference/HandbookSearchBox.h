// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reference/HandbookSearch.h"

#include <QLineEdit>
#include <functional>

class QTreeWidget;
class QTreeWidgetItem;

namespace lynvar {

/*
 * The handbook search field of the tool bar and the list of what it found.
 *
 * Each edit of the text searches at once and shows the hits under the field, grouped by the page that
 * shows them (in page order; records no page shows come last), each with its name and a piece of its
 * text. Up and Down move in the list, Return or a click picks a hit, Escape closes the list; any
 * other key goes on into the field. The field keeps the keyboard while the list is open.
 */
class HandbookSearchBox final : public QLineEdit
{
    Q_OBJECT
public:
    // Runs a search for the text; may throw lynvar::Error.
    using Search = std::function<QList<SearchHit>(const QString &text)>;
    // The title of a page's group (-1: the records no page shows).
    using GroupTitle = std::function<QString(int page)>;

    explicit HandbookSearchBox(QWidget *parent = nullptr);
    ~HandbookSearchBox() override;

    void setSearch(Search search) { m_search = std::move(search); }
    void setGroupTitle(GroupTitle title) { m_groupTitle = std::move(title); }

    // Searches for the present text and opens the list (closes it for an empty text).
    void showResults();
    // Null until the first search.
    QTreeWidget *resultList() const { return m_list; }
    // The hit a list item stands for; null for a group title.
    const SearchHit *hitOf(const QTreeWidgetItem *item) const;
    // Closes the list and emits picked() for the item's hit.
    void pick(QTreeWidgetItem *item);

Q_SIGNALS:
    void picked(const lynvar::SearchHit &hit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fill(const QList<SearchHit> &hits);
    void placeList();
    void moveCurrent(int steps);
    QTreeWidget &list();

    QTreeWidget *m_list = nullptr;
    QList<SearchHit> m_hits;
    Search m_search;
    GroupTitle m_groupTitle;
};

} // namespace lynvar
