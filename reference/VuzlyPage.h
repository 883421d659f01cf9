// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Page.h"

class QGroupBox;
class QSplitter;
class QWidget;

namespace lynvar {

class DBGrid;
class DBRichEdit;
class PictureSlot;
class PictureView;
class TDataModule2;

// The knots page: the knot list, its text and its picture. The controls are made the first time the page
// is needed.
class VuzlyPage final : public Page
{
    Q_OBJECT
public:
    VuzlyPage(QWidget *TabVuzly, AppServices &services);

    // The knot picture step: the picture named after the knot's Ukrainian name, else the fish
    // placeholder.
    void DBRichEditVuzlyChange();

    QWidget *TabVuzly = nullptr;
    QGroupBox *GroupBox7 = nullptr;
    DBGrid *DBGridVuzly = nullptr;
    QSplitter *Splitter4 = nullptr;
    DBRichEdit *DBRichEditVuzly = nullptr;
    QWidget *Panel3 = nullptr; // the knot picture panel, right of the text; the main window keeps its shape
    PictureView *ImageVuzly = nullptr;

protected:
    void build() override;
    void bind(TDataModule2 &dataModule) override;
    void refreshViews() override;

private:
    PictureSlot *m_picture = nullptr;
};

} // namespace lynvar
