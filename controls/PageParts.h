// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAnyStringView>
#include <QFont>
#include <QString>

class QFrame;
class QGroupBox;
class QAction;
class QLabel;
class QLayout;
class QMenu;
class QPushButton;
class QSplitter;
class QVBoxLayout;
class QWidget;

namespace lynvar {

class DataSource;
class DBGrid;
class DBRichEdit;
class PictureView;

// Small builders shared by the pages and their windows, so that every list and every text view
// looks and behaves the same.
namespace pageparts {

// Controls carry their names as object names: the language files find them by these names.
template <typename T> T *named(T *object, QAnyStringView name)
{
    object->setObjectName(name);
    return object;
}

// A data-aware control showing `field`, of `source` or of the source it is bound to later.
template <typename T>
T *bound(const QString &field, QWidget *parent, QAnyStringView name, DataSource *source = nullptr)
{
    auto *control = named(new T(parent), name);
    control->setDataField(field);
    if (source)
        control->setDataSource(source);
    return control;
}

QLabel *label(const QString &text, QWidget *parent, QAnyStringView name);
QPushButton *button(const QString &text, QWidget *parent, QAnyStringView name);
// A column of controls, closely spaced, with equal margins.
QVBoxLayout *column(QWidget *parent, int margin = 0);

QFont pixelFont(const QString &family, int pixelSize, bool bold = false);

// A read-only list in Tahoma 13 pixels.
DBGrid *listGrid(QWidget *parent, const QString &name);
// A read-only rich-text view with a vertical scroll bar, in `font`.
DBRichEdit *textView(QWidget *parent, const QString &name, const QFont &font);
// A group box laid out as one column with narrow margins.
QGroupBox *columnGroup(QWidget *parent, const QString &name, const QString &title = {});
// A white panel with a single border.
QFrame *whitePanel(QWidget *parent);
// A picture view filling a white panel made for it; returns the panel.
QFrame *picturePanel(QWidget *parent, PictureView *&view, const QString &name);
QSplitter *splitter(Qt::Orientation orientation, QWidget *parent, const QString &name);
// A pop-up menu of `control`, opened where the user asked for it.
void attachPopupMenu(QWidget *control, QMenu *menu);
// A pop-up menu named `name`, owned by `owner`.
QMenu *popupMenu(QWidget *owner, const QString &name);
// An item of a menu, named as the language files know it.
QAction *menuItem(QMenu *menu, const QString &name, const QString &caption);
// Margins and spacing of a page's own layout.
void pageMargins(QLayout *layout);

} // namespace pageparts
} // namespace lynvar
