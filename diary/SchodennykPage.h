// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QObject>

class QGroupBox;
class QLabel;
class QListWidget;
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

// The controls of the diary page: the entry list, photos, weather, catch, methods, notes. They are
// made with the main window and bound to the data module's data sources once it exists.
//
//   +- PanelSchodenyk -+- Splitter1 ---------------------------+
//   | entry list       | photo list | ImageUlov, in a scroll box |
//   | ButtonEditMisce  | add photo  |                            |
//   +- Panel5 ---------+------------+----------------------------+
//   | Panel7: weather over catch, methods | notes                |
//   +------------------------------------------------------------+
class SchodennykPage final : public QObject
{
    Q_OBJECT
public:
    explicit SchodennykPage(QWidget *TabSchodennyk);

    void bind(TDataModule2 &dataModule);

    // The two colours of the entry list's columns.
    static QColor cream() { return QColor(0xFF, 0xFB, 0xF0); }
    static QColor white() { return QColor(Qt::white); }

    QWidget *TabSchodennyk;

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

private:
    QWidget *buildEntryList();
    QWidget *buildPhotos();
    QWidget *buildWeather();
    QWidget *buildCatch();
    QWidget *buildMethods();
    QWidget *buildNotes();
};

} // namespace lynvar
