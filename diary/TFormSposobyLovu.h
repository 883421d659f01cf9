// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPixmap>
#include <functional>

class QGroupBox;
class QPlainTextEdit;
class QPushButton;

namespace lynvar {

class DBGrid;
struct DBGridCell;
class TDataModule2;

/*
 * The methods dialog "Додати спосіб лову": a tackle type, the rigs and baits marked in its two
 * lists (the marks are the Bool fields of the reference tables, cleared each time the dialog opens)
 * and a free "Інше" text under each of the three lists. Its button writes the method row of the
 * current diary entry that the opener put into insert or edit state.
 *
 * A method being edited opens with its present values: its tackle type current, its rigs and baits
 * marked, and whatever lines match no row in the "Інше" texts, so that storing it unchanged keeps it.
 */
class TFormSposobyLovu final : public QDialog
{
    Q_OBJECT
public:
    TFormSposobyLovu(QWidget *parent, TDataModule2 &dataModule);

    // Runs after a method is stored (the diary page refreshes its lists).
    void setAfterStore(std::function<void()> afterStore) { m_afterStore = std::move(afterStore); }

    void FormShow();
    void DBGridSposobyLovuOsnastkaDblClick();
    void DBGridSposobyLovuNazhyvkaDblClick();
    void DBGridSposobyLovuOsnastkaDrawColumnCell(const DBGridCell &cell);
    void DBGridSposobyLovuNazhyvkaDrawColumnCell(const DBGridCell &cell);
    void ButtonSposobyLovuAddSposobyLovuClick();

    QGroupBox *GroupBoxSposobyLovuSnast = nullptr;
    DBGrid *DBGridSposobyLovuSnast = nullptr;
    QGroupBox *GroupBoxSposobyLovuOtherSnast = nullptr;
    QPlainTextEdit *MemoOtherSnast = nullptr;
    QGroupBox *GroupBoxSposobyLovuOsnastka = nullptr;
    DBGrid *DBGridSposobyLovuOsnastka = nullptr;
    QGroupBox *GroupBoxSposobyLovuOtherOsnastka = nullptr;
    QPlainTextEdit *MemoOtherOsnastka = nullptr;
    QGroupBox *GroupBoxSposobyLovuNazhyvka = nullptr;
    DBGrid *DBGridSposobyLovuNazhyvka = nullptr;
    QGroupBox *GroupBoxSposobyLovuOtherNazhyvka = nullptr;
    QPlainTextEdit *MemoOtherNazhyvka = nullptr;
    QPushButton *ButtonSposobyLovuAddSposobyLovu = nullptr;
    // The mark column's two pictures: 0 unmarked, 1 marked.
    QList<QPixmap> ImageList1;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void loadPresentMethod();
    void showBestTackleType(const QString &rigs, const QString &baits);

    TDataModule2 &m_dataModule;
    std::function<void()> m_afterStore;
};

} // namespace lynvar
