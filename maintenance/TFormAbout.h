// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;

namespace lynvar {

struct AppServices;
class DBRichEdit;
class TDataModule2;

// The About window: the author, a contact e-mail and the maker's site (both links open through the
// shell), and the program's version. Made on first use and kept until the program ends.
class TFormAbout final : public QDialog
{
    Q_OBJECT
public:
    // `data` and `services` outlive the window; the maker's addresses come from services.ini in
    // the program folder when a link is clicked.
    TFormAbout(TDataModule2 *data, AppServices &services, QWidget *parent = nullptr);

    void FormShow();
    void Button1Click();
    void Label8Click();
    void Label5Click();

    QLabel *LabelAbout1 = nullptr;
    QLabel *LabelAbout2 = nullptr;
    QLabel *LabelAbout3 = nullptr;
    QLabel *LabelAbout4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *LabelAbout5 = nullptr;
    QLabel *LabelAbout6 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *LabelAbout7 = nullptr;
    QPushButton *Button1 = nullptr;
    QGroupBox *GroupBoxAbout = nullptr;
    DBRichEdit *DBRichEditAbout = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TDataModule2 *m_data;
    AppServices &m_services;
};

} // namespace lynvar
