// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QGroupBox;
class QWidget;

namespace lynvar {

class DBGrid;
class DBRichEdit;
class TDataModule2;

// The controls of the dictionary page: the word list and its explanation. They are made with the
// main window and bound to the data module's data sources once it exists.
class SlovnykPage final : public QObject
{
    Q_OBJECT
public:
    explicit SlovnykPage(QWidget *TabSlovnyk);

    void bind(TDataModule2 &dataModule);

    QWidget *TabSlovnyk;
    QGroupBox *GroupBoxRybalkaName;
    DBGrid *DBGridRybalkaName;
    DBRichEdit *DBRichEditRybalkaOpys;
};

} // namespace lynvar
