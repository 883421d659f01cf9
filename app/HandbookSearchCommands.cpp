// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HandbookSearchCommands.h"

#include "app/ErrorBox.h"
#include "common/Error.h"
#include "common/UserDialogs.h"
#include "common/rtf/Rtf.h"
#include "data/DataModule2.h"
#include "reference/HandbookSearchBox.h"

#include <QShortcut>
#include <QToolBar>

namespace lynvar {

using namespace Qt::StringLiterals;

HandbookSearchCommands::HandbookSearchCommands(QToolBar *toolBar, QWidget *shortcutScope,
                                               UserDialogs &dialogs, Window window)
    : QObject(toolBar), m_dialogs(dialogs), m_window(std::move(window))
{
    m_field = new HandbookSearchBox(toolBar);
    m_field->setObjectName(u"EditHandbookSearch"_s);
    m_field->setPlaceholderText(u"Пошук у довіднику (Ctrl+F)"_s);
    m_field->setFixedWidth(240);
    toolBar->addSeparator();
    toolBar->addWidget(m_field);
    m_field->setSearch([this](const QString &words) {
        // The record's texts in the content language where it holds the words in both.
        return search().find(words, m_window.russian() ? u"ru"_s : u"ua"_s);
    });
    m_field->setGroupTitle([this](int page) { return page >= 0 ? m_window.pageTitle(page) : u"Озера"_s; });
    connect(m_field, &HandbookSearchBox::picked, this, &HandbookSearchCommands::openSearchHit);
    auto *findKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), shortcutScope);
    connect(findKey, &QShortcut::activated, m_field, [field = m_field] {
        field->setFocus(Qt::ShortcutFocusReason);
        field->selectAll();
    });
}

HandbookSearchCommands::~HandbookSearchCommands() = default;

void HandbookSearchCommands::setDataModule(TDataModule2 *dataModule)
{
    m_dataModule = dataModule;
    m_search.reset();
    if (!dataModule)
        return;
    // A posted handbook record is found by what it says now.
    for (const HandbookSearch::Source &source : HandbookSearch::sources()) {
        DataSet *dataSet = HandbookSearch::dataSetOf(*dataModule, source.table);
        const QString table = source.table;
        connect(dataSet, &DataSet::recordChanged, this, [this, dataSet, table](int) {
            if (dataSet->state() != DataSet::State::Browse || dataSet->currentRow() < 0)
                return;
            const qint64 id = dataSet->field(u"ID").asInteger();
            runGuarded(m_dialogs, [&] { search().reindex(table, id); });
        });
    }
}

HandbookSearch &HandbookSearchCommands::search()
{
    if (!m_dataModule)
        throw Error(u"The handbook is not open"_s);
    if (!m_search)
        m_search = std::make_unique<HandbookSearch>(m_dataModule->ADOConnectionBook);
    return *m_search;
}

void HandbookSearchCommands::openSearchHit(const SearchHit &hit)
{
    const HandbookSearch::Source *source = HandbookSearch::source(hit.table);
    if (!m_dataModule || !source)
        return;
    if (source->page >= 0) {
        m_window.showPage(source->page);
        (void)HandbookSearch::makeCurrent(*m_dataModule, hit);
        return;
    }
    // No page shows the lakes: the lake's own text is shown instead.
    if (!HandbookSearch::makeCurrent(*m_dataModule, hit))
        return;
    DataSet &lakes = m_dataModule->OzeraTable;
    const int language = hit.language == u"ru" ? 1 : 0;
    const QString about = rtf::plainText(lakes.field(source->text[language]).asString());
    m_dialogs.showMessage(lakes.field(source->title[language]).asString() + u"\n\n"_s +
                          QString(about).replace(u"\r\n"_s, u"\n"_s));
}

} // namespace lynvar
