// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QGroupBox;
class QSplitter;
class QWidget;

namespace lynvar {

class DBGrid;
class DBRichEdit;
class PictureView;
class TDataModule2;

// The controls of the jokes page: the joke list, the joke and its picture. They are made with the
// main window and bound to the data module's data sources once it exists.
class AnecdotPage final : public QObject
{
    Q_OBJECT
public:
    explicit AnecdotPage(QWidget *TabAnecdot);

    void bind(TDataModule2 &dataModule);

    QWidget *TabAnecdot;
    QGroupBox *GroupBox1;
    DBGrid *DBGridAnecdot;
    QSplitter *Splitter3;
    DBRichEdit *DBRichEditAnecdot;
    PictureView *Image2;
};

} // namespace lynvar
