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

// The controls of the knots page: the knot list, its text and its picture. They are made with the
// main window and bound to the data module's data sources once it exists.
class VuzlyPage final : public QObject
{
    Q_OBJECT
public:
    explicit VuzlyPage(QWidget *TabVuzly);

    void bind(TDataModule2 &dataModule);

    QWidget *TabVuzly;
    QGroupBox *GroupBox7;
    DBGrid *DBGridVuzly;
    QSplitter *Splitter4;
    DBRichEdit *DBRichEditVuzly;
    QWidget *Panel3; // the knot picture panel, right of the text; the main window keeps its shape
    PictureView *ImageVuzly;
};

} // namespace lynvar
