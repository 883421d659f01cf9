// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/OnFirstUse.h"
#include "controls/Page.h"

class QGroupBox;
class QSplitter;
class QWidget;

namespace lynvar {

class DBGrid;
class DBRichEdit;
class PictureSlot;
class PictureView;
class TDataModule2;
class TFormImportExport;

// The jokes page: the joke list, the joke and its picture, and the joke export. The controls are made the
// first time the page is needed.
class AnecdotPage final : public Page
{
    Q_OBJECT
public:
    AnecdotPage(QWidget *TabAnecdot, AppServices &services);

    // The export window the joke export fills; it outlives the page.
    void setImportExportForm(OnFirstUse<TFormImportExport> *form) { m_exportForm = form; }

    // The joke picture step: each time the joke shown changes, the next picture of the folder.
    void DBRichEditAnecdotChange();
    // The joke export: the plain texts from the current joke to the last, each followed by a
    // separator, shown in the export window.
    void ToolButtonImportAnecdotClick();
    // The text the export shows; walks the joke table from its current joke past the last one.
    QString exportJokes();

    // The number of the joke picture the next change shows.
    int FotoAnecdotIndex = 0;

    QWidget *TabAnecdot = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    DBGrid *DBGridAnecdot = nullptr;
    QSplitter *Splitter3 = nullptr;
    DBRichEdit *DBRichEditAnecdot = nullptr;
    PictureView *Image2 = nullptr;

protected:
    void build() override;
    void bind(TDataModule2 &dataModule) override;
    void refreshViews() override;

private:
    PictureSlot *m_picture = nullptr;
    OnFirstUse<TFormImportExport> *m_exportForm = nullptr;
    bool m_pictureStepped = false; // a picture step ran since the page was built
};

} // namespace lynvar
