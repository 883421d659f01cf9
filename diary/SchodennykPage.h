// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Page.h"

#include <QColor>

class QGroupBox;
class QLabel;
class QAction;
class QListWidget;
class QMenu;
class QPushButton;
class QScrollArea;
class QSplitter;
class QWidget;

namespace lynvar {

class DBEdit;
class DBGrid;
class DBMemo;
class DBRichEdit;
class DBText;
class FileListBox;
class TDataModule2;

// The controls of the diary page: the entry list, photos, weather, catch, methods, notes. They are made the
// first time the page is needed.
//
//   +- PanelSchodenyk -+- Splitter1 ---------------------------+
//   | entry list       | photo list | ImageUlov, in a scroll box |
//   | ButtonEditMisce  | add photo  |                            |
//   +- Panel5 ---------+------------+----------------------------+
//   | Panel7: weather over catch, methods | notes                |
//   +------------------------------------------------------------+
class SchodennykPage final : public Page
{
    Q_OBJECT
public:
    SchodennykPage(QWidget *TabSchodennyk, AppServices &services);

    // The two colours of the entry list's columns.
    static QColor cream() { return QColor(0xFF, 0xFB, 0xF0); }
    static QColor white() { return QColor(Qt::white); }

    QWidget *TabSchodennyk = nullptr;

    QWidget *PanelSchodenyk = nullptr;
    DBGrid *DBGridSchodennyk = nullptr;
    QPushButton *ButtonEditMisce = nullptr;

    QSplitter *Splitter1 = nullptr;
    FileListBox *FileListSchodennyk = nullptr;
    QPushButton *ButtonAddFotoUlovu = nullptr;
    QScrollArea *ScrollBoxUlov = nullptr;
    QLabel *ImageUlov = nullptr;

    QWidget *Panel5 = nullptr;
    QWidget *Panel7 = nullptr;

    QGroupBox *GroupBoxPogoda = nullptr;
    QLabel *ImageMoon = nullptr;
    QLabel *ImageOpady = nullptr;
    QLabel *ImageViter = nullptr;
    DBText *DBTextTusk = nullptr;
    QLabel *LabelTusk = nullptr;
    DBText *DBText1 = nullptr;
    QLabel *LabelTC1 = nullptr;
    QLabel *LabelTC2 = nullptr;

    QGroupBox *GroupBoxUlov = nullptr;
    QListWidget *ListBoxUlov = nullptr;
    DBEdit *DBEdit5 = nullptr;
    QGroupBox *GroupBoxTrofey = nullptr;
    DBEdit *DBEditTrofey = nullptr;
    DBEdit *DBEditMasaTrofeyu = nullptr;
    QPushButton *ButtonAddUlov = nullptr;

    QGroupBox *GroupBoxSposobLovu = nullptr;
    DBGrid *DBGrid3 = nullptr;
    QLabel *LabelOsnastka = nullptr;
    QListWidget *ListBoxOsnastka = nullptr;
    QLabel *LabelNazyvka = nullptr;
    QListWidget *ListBoxNazhyvka = nullptr;
    QLabel *LabelPrykormka = nullptr;
    DBMemo *DBMemo2 = nullptr;
    QPushButton *ButtonAddSposobyLovu = nullptr;
    QPushButton *ButtonEditSposobyLovu = nullptr;

    QGroupBox *GroupBoxSchodennykOpys = nullptr;
    DBRichEdit *DBRichEdit1 = nullptr;

    QMenu *PopupMenuSchodennyk = nullptr;
    QAction *MenuAddMisceLovu = nullptr;

protected:
    void build() override;
    void bind(TDataModule2 &dataModule) override;

private:
    QWidget *buildEntryList();
    QWidget *buildPhotos();
    QWidget *buildWeather();
    QWidget *buildCatch();
    QWidget *buildMethods();
    QWidget *buildNotes();
};

} // namespace lynvar
