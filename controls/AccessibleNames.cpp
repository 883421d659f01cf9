// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/AccessibleNames.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>

namespace lynvar {
namespace {

// The name this function gave a control, so that a later run (after the captions changed language)
// can tell it from a name set by hand and give it anew.
constexpr char DerivedName[] = "lynvarDerivedAccessibleName";

bool namedByHand(const QWidget *w)
{
    return !w->accessibleName().isEmpty() && w->accessibleName() != w->property(DerivedName).toString();
}

void setDerivedName(QWidget *w, const QString &name)
{
    w->setProperty(DerivedName, name);
    w->setAccessibleName(name);
}

bool needsName(const QWidget *w)
{
    return qobject_cast<const QAbstractItemView *>(w) || qobject_cast<const QTextEdit *>(w) ||
           qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QLineEdit *>(w) ||
           qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractSpinBox *>(w);
}

QString plain(QString caption)
{
    return caption.remove(u'&').trimmed();
}

// The caption of the nearest group box or tab page around `w`.
QString enclosingCaption(const QWidget *w)
{
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
        if (auto *group = qobject_cast<const QGroupBox *>(p); group && !plain(group->title()).isEmpty())
            return plain(group->title());
        if (auto *tabs = qobject_cast<const QTabWidget *>(
                p->parentWidget() ? p->parentWidget()->parentWidget() : nullptr)) {
            const int index = tabs->indexOf(const_cast<QWidget *>(p));
            if (index >= 0 && !plain(tabs->tabText(index)).isEmpty())
                return plain(tabs->tabText(index));
        }
    }
    return {};
}

QString columnTitles(const QWidget *w)
{
    auto *table = qobject_cast<const QTableView *>(w);
    if (!table || !table->model())
        return {};
    QStringList titles;
    for (int c = 0; c < table->model()->columnCount(); ++c)
        if (!table->isColumnHidden(c))
            titles << plain(table->model()->headerData(c, Qt::Horizontal).toString());
    titles.removeAll(QString());
    return titles.join(QStringLiteral(", "));
}

} // namespace

void nameUnnamedControls(QWidget *root)
{
    QHash<const QWidget *, QString> labelled;
    for (QLabel *label : root->findChildren<QLabel *>())
        if (label->buddy() && !plain(label->text()).isEmpty())
            labelled.insert(label->buddy(), plain(label->text()));

    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (!needsName(w) || namedByHand(w))
            continue;
        if (qobject_cast<QLineEdit *>(w) && qobject_cast<QComboBox *>(w->parentWidget()))
            continue; // named with its combo box below
        QString name = labelled.value(w);
        if (name.isEmpty())
            name = enclosingCaption(w);
        if (name.isEmpty())
            name = columnTitles(w);
        if (!name.isEmpty())
            setDerivedName(w, name);
    }
    // The edit of an editable combo box is read by the combo box's name.
    for (QComboBox *combo : root->findChildren<QComboBox *>())
        if (QLineEdit *edit = combo->lineEdit(); edit && !namedByHand(edit))
            setDerivedName(edit, combo->accessibleName());
}

} // namespace lynvar
