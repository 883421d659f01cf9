// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPixmap>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

namespace lynvar {

class DBEdit;
class DBGrid;
class DataSet;
struct DBGridCell;
class TDataModule2;

/*
 * The fish choice dialog "Виберіть риби які ви зловили": the user marks fish of the fish table (the
 * mark is the table's Bool field, cleared each time the dialog opens) and writes their Ukrainian
 * names, one per line, either into the current diary entry's catch (catch mode) or into the current
 * fishing place's fish list (place mode).
 *
 * The opener picks the mode, then shows the dialog modally:
 *
 *   TFormFish &fish = app.FormFish.get();
 *   fish.setMode(TFormFish::Mode::Place);   // "Добавити види риб" on the places page
 *   fish.exec();
 *
 * Catch mode shows the catch result boxes, "Добавити улов в щоденник" and the trophy command of the
 * list's pop-up menu; place mode shows only "Добавити види риб". The trophy command is not offered
 * in place mode: it writes the current diary entry, which has nothing to do with the place.
 */
class TFormFish final : public QDialog
{
    Q_OBJECT
public:
    enum class Mode
    {
        Catch,
        Place
    };

    TFormFish(QWidget *parent, TDataModule2 &dataModule);

    void setMode(Mode mode);
    Mode mode() const { return m_mode; }

    // The Ukrainian names of the marked fish in the list's order, one line feed between them.
    QString markedFishText() const;

    void FormShow();
    void DBGridFishDblClick();
    void DBGridFishDrawColumnCell(const DBGridCell &cell);
    void ButtonAddUlovClick();
    void ButtonAddFishClick();
    void MenuAddTrofeyClick();

    DBGrid *DBGridFish = nullptr;
    QMenu *PopupMenuFish = nullptr;
    QAction *MenuAddTrofey = nullptr;
    QGroupBox *GroupBoxUlov = nullptr;
    QLabel *LabelMasaUlovu = nullptr;
    DBEdit *DBEdit1 = nullptr;
    QLabel *LabelTrofey = nullptr;
    DBEdit *DBEdit2 = nullptr;
    QLabel *LabelMasaTrofeyu = nullptr;
    DBEdit *DBEdit3 = nullptr;
    QPushButton *ButtonAddUlov = nullptr;
    QPushButton *ButtonAddFish = nullptr;
    // The mark column's two pictures: 0 unmarked, 1 marked.
    QList<QPixmap> ImageList1;

protected:
    void showEvent(QShowEvent *event) override;

private:
    TDataModule2 &m_dataModule;
    Mode m_mode = Mode::Catch;
};

// The two 16 x 16 pictures of a mark column: unmarked, marked.
QList<QPixmap> markPictures();
// Draws a yes/no mark cell of a choice list: white, with the picture centred across the cell and
// at its top.
void drawMarkCell(const DBGridCell &cell, const QList<QPixmap> &pictures);
// Turns the mark of the current row of `table` and stores it at once.
void toggleMark(DataSet &table);
// The Ukrainian names of the marked rows of `table` as it shows them, in its order.
QStringList markedNames(const DataSet &table);

} // namespace lynvar
