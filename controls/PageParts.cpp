// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/PageParts.h"

#include "controls/DBGrid.h"
#include "controls/DBRichEdit.h"
#include "controls/PictureView.h"

#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTextCursor>
#include <QVBoxLayout>

namespace lynvar::pageparts {

QLabel *label(const QString &text, QWidget *parent, QAnyStringView name)
{
    return named(new QLabel(text, parent), name);
}

QPushButton *button(const QString &text, QWidget *parent, QAnyStringView name)
{
    return named(new QPushButton(text, parent), name);
}

QVBoxLayout *column(QWidget *parent, int margin)
{
    auto *layout = new QVBoxLayout(parent);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(3);
    return layout;
}

QFont pixelFont(const QString &family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

DBGrid *listGrid(QWidget *parent, const QString &name)
{
    auto *grid = named(new DBGrid(parent), name);
    grid->setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    grid->setReadOnly(true);
    return grid;
}

DBRichEdit *textView(QWidget *parent, const QString &name, const QFont &font)
{
    auto *view = named(new DBRichEdit(parent), name);
    view->setFont(font);
    view->document()->setDefaultFont(font);
    view->setReadOnly(true);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return view;
}

QGroupBox *columnGroup(QWidget *parent, const QString &name, const QString &title)
{
    auto *group = named(new QGroupBox(title, parent), name);
    auto *layout = new QVBoxLayout(group);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    return group;
}

QFrame *whitePanel(QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::white);
    panel->setPalette(palette);
    return panel;
}

QFrame *picturePanel(QWidget *parent, PictureView *&view, const QString &name)
{
    QFrame *panel = whitePanel(parent);
    view = named(new PictureView(panel), name);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(view);
    return panel;
}

QSplitter *splitter(Qt::Orientation orientation, QWidget *parent, const QString &name)
{
    auto *s = named(new QSplitter(orientation, parent), name);
    s->setChildrenCollapsible(false);
    s->setHandleWidth(5);
    return s;
}

void attachPopupMenu(QWidget *control, QMenu *menu)
{
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(control, &QWidget::customContextMenuRequested, menu,
                     [control, menu](const QPoint &at) { menu->popup(control->mapToGlobal(at)); });
}

QMenu *popupMenu(QWidget *owner, const QString &name)
{
    return named(new QMenu(owner), name);
}

QAction *menuItem(QMenu *menu, const QString &name, const QString &caption)
{
    return named(menu->addAction(caption), name);
}

void pageMargins(QLayout *layout)
{
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
}

} // namespace lynvar::pageparts
