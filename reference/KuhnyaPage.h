// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QGroupBox;
class QTextEdit;
class QWidget;

namespace lynvar {

class DBGrid;
class DBRichEdit;
class PictureView;
class TDataModule2;

// The controls of the cookery page: the recipe list, its picture and the recipe. They are made
// with the main window and bound to the data module's data sources once it exists.
class KuhnyaPage final : public QObject
{
    Q_OBJECT
public:
    explicit KuhnyaPage(QWidget *TabKuhnya);

    void bind(TDataModule2 &dataModule);

    QWidget *TabKuhnya;
    QGroupBox *GroupBoxKuhnyaName;
    DBGrid *DBGridKuhnyaName;
    PictureView *ImageKuhnyaSmall;
    DBRichEdit *DBRichEditKuhnya;
    // Never shown: turns stored rich text into plain text for the recipe and joke titles.
    QTextEdit *RichEditTemp;
};

} // namespace lynvar
