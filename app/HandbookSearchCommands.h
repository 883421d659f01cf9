// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reference/HandbookSearch.h"

#include <QObject>
#include <functional>
#include <memory>

class QToolBar;
class QWidget;

namespace lynvar {

class HandbookSearchBox;
class TDataModule2;
class UserDialogs;

/*
 * Finding a word anywhere in the handbook from the main window: the search field on the tool bar
 * (Ctrl+F reaches it), the index kept up to date with every posted handbook record, and the opening
 * of the record a hit names.
 */
class HandbookSearchCommands final : public QObject
{
    Q_OBJECT
public:
    // What the search needs of the main window.
    struct Window
    {
        std::function<void(int page)> showPage;
        // A page's caption; the title of a group of hits.
        std::function<QString(int page)> pageTitle;
        // The content language: Russian once the switch has set it, else Ukrainian.
        std::function<bool()> russian;
    };

    // Puts the field at the end of `toolBar`; Ctrl+F reaches it anywhere in `shortcutScope`.
    HandbookSearchCommands(QToolBar *toolBar, QWidget *shortcutScope, UserDialogs &dialogs, Window window);
    ~HandbookSearchCommands() override;

    HandbookSearchBox *field() const { return m_field; }

    // The data module comes into being after the main window: posted records are reindexed from then.
    void setDataModule(TDataModule2 *dataModule);
    // The search over the reference database, made when first needed.
    HandbookSearch &search();
    // Shows the page of the record a hit names and makes the record current; a lake, which no page
    // shows, is shown as its text.
    void openSearchHit(const SearchHit &hit);

private:
    UserDialogs &m_dialogs;
    Window m_window;
    HandbookSearchBox *m_field = nullptr;
    TDataModule2 *m_dataModule = nullptr;
    std::unique_ptr<HandbookSearch> m_search;
};

} // namespace lynvar
