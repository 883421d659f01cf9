// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Page.h"

#include <QList>

class QTabWidget;

namespace lynvar {

class TDataModule2;

// The main window's pages in tab order. Whatever the window does to every page (binding, building
// before a language is applied) goes through here; a page is built when its tab is first shown.
class PageRegistry final
{
public:
    void add(Page *page) { m_pages.append(page); }
    int count() const { return int(m_pages.size()); }
    Page *at(int index) const { return index >= 0 && index < count() ? m_pages.at(index) : nullptr; }
    const QList<Page *> &all() const { return m_pages; }

    template <typename T> T *find() const
    {
        for (Page *page : m_pages)
            if (auto *found = qobject_cast<T *>(page))
                return found;
        return nullptr;
    }

    void ensureBuilt(int index)
    {
        if (Page *page = at(index))
            page->ensureBuilt();
    }
    // Every page with every part it leaves for later.
    void buildAll()
    {
        for (Page *page : m_pages)
            page->ensureAllPartsBuilt();
    }
    void setDataModule(TDataModule2 *dataModule)
    {
        for (Page *page : m_pages)
            page->setDataModule(dataModule);
    }

private:
    QList<Page *> m_pages;
};

} // namespace lynvar
