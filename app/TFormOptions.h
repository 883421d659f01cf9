// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QGroupBox;
class QTabWidget;
class QWidget;

namespace lynvar {

class DBCheckBox;
class DBGrid;
class DBImage;
class DBMemo;
class TDataModule2;
class UserDialogs;

// The options window: the widget records of the system table, the wind and precipitation lists
// with their pictures, and the whole system table. Made on first use, hidden between showings (its
// page control keeps the page last selected). It has no buttons: closing it stores the pending
// edits of its three tables first, and stays open when one is refused unless the user lets it go.
class TFormOptions final : public QDialog
{
    Q_OBJECT
public:
    // `data` and `dialogs` outlive the window.
    TFormOptions(TDataModule2 *data, UserDialogs &dialogs, QWidget *parent = nullptr);

    void FormShow();
    void PageControlOptionsChange();

    // A picture from a file chosen by the user into the field of `image` (its current record); a
    // file larger than this, or one that holds no picture, is refused with a message. Each picture
    // offers both in its pop-up menu.
    static constexpr qint64 MaxPictureBytes = 2 * 1024 * 1024;
    void loadPicture(DBImage *image);
    void clearPicture(DBImage *image);

    QTabWidget *PageControlOptions = nullptr;
    QWidget *TabSheet1 = nullptr;
    QWidget *TabSheet2 = nullptr;
    QWidget *TabSheet3 = nullptr;
    DBGrid *DBGrid1 = nullptr;
    DBMemo *DBMemo1 = nullptr;
    DBCheckBox *DBCheckBox1 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    DBGrid *DBGrid2 = nullptr;
    DBImage *DBImage2 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    DBGrid *DBGrid3 = nullptr;
    DBImage *DBImage3 = nullptr;
    DBGrid *DBGrid4 = nullptr;
    DBMemo *DBMemo2 = nullptr;
    DBImage *DBImage4 = nullptr;

    // Stores every pending edit of the window's tables; false when the user chose to stay.
    bool postPendingEdits();
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void build();
    void bind();
    DBImage *picture(QWidget *parent, const char *name);

    TDataModule2 *m_data;
    UserDialogs &m_dialogs;
};

} // namespace lynvar
