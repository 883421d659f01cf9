// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageTargets.h"

#include "controls/DBGrid.h"
#include "controls/Hint.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

namespace lynvar {
namespace {

void collect(QWidget *widget, QHash<QString, QWidget *> &controls)
{
    for (QObject *child : widget->children()) {
        auto *control = qobject_cast<QWidget *>(child);
        if (!control || control->isWindow())
            continue;
        if (!control->objectName().isEmpty() && !controls.contains(control->objectName()))
            controls.insert(control->objectName(), control);
        collect(control, controls);
    }
}

// The page control a page belongs to, when the control is a page.
QTabWidget *tabsOf(QWidget *control)
{
    QWidget *stack = control->parentWidget();
    auto *tabs = stack ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
    return tabs && tabs->indexOf(control) >= 0 ? tabs : nullptr;
}

std::optional<QString> captionOf(QWidget *control)
{
    if (QTabWidget *tabs = tabsOf(control))
        return tabs->tabText(tabs->indexOf(control));
    if (auto *group = qobject_cast<QGroupBox *>(control))
        return group->title();
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->text();
    return std::nullopt;
}

bool setCaption(QWidget *control, const QString &value)
{
    if (QTabWidget *tabs = tabsOf(control)) {
        tabs->setTabText(tabs->indexOf(control), value);
    } else if (auto *group = qobject_cast<QGroupBox *>(control)) {
        group->setTitle(value);
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        // A translator's text is text, however much it looks like markup.
        label->setTextFormat(Qt::PlainText);
        label->setText(value);
    } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        button->setText(value);
    } else {
        return false;
    }
    return true;
}

} // namespace

WindowControls::WindowControls(QWidget *root) : m_root(root)
{
    if (m_root)
        collect(m_root, m_controls);
}

QObject *WindowControls::menu(const QString &name) const
{
    return m_root ? m_root->findChild<QObject *>(name) : nullptr;
}

std::optional<QString> WindowControls::text(const LanguageKey &key) const
{
    switch (key.target) {
    case LanguageTarget::MenuCaption: {
        QObject *item = menu(key.control);
        if (auto *menuItem = qobject_cast<QMenu *>(item))
            return menuItem->title();
        if (auto *action = qobject_cast<QAction *>(item))
            return action->text();
        return std::nullopt;
    }
    case LanguageTarget::Hint:
        if (QWidget *button = control(key.control))
            return hintOf(button);
        return std::nullopt;
    case LanguageTarget::Caption:
        if (QWidget *widget = control(key.control))
            return captionOf(widget);
        return std::nullopt;
    case LanguageTarget::ColumnTitle: {
        auto *grid = qobject_cast<DBGrid *>(control(key.control));
        if (grid && key.column < grid->columnCount())
            return grid->columnTitle(key.column);
        return std::nullopt;
    }
    case LanguageTarget::WindowCaption:
        if (m_root)
            return m_root->windowTitle();
        return std::nullopt;
    case LanguageTarget::Message:
        return std::nullopt;
    }
    return std::nullopt;
}

bool WindowControls::setText(const LanguageKey &key, const QString &value) const
{
    switch (key.target) {
    case LanguageTarget::MenuCaption: {
        QObject *item = menu(key.control);
        if (auto *menuItem = qobject_cast<QMenu *>(item)) {
            menuItem->setTitle(value);
            return true;
        }
        if (auto *action = qobject_cast<QAction *>(item)) {
            action->setText(value);
            return true;
        }
        return false;
    }
    case LanguageTarget::Hint:
        if (QWidget *button = control(key.control)) {
            setHint(button, value);
            return true;
        }
        return false;
    case LanguageTarget::Caption:
        if (QWidget *widget = control(key.control))
            return setCaption(widget, value);
        return false;
    case LanguageTarget::ColumnTitle: {
        auto *grid = qobject_cast<DBGrid *>(control(key.control));
        if (!grid || key.column >= grid->columnCount())
            return false;
        grid->setColumnTitle(key.column, value);
        return true;
    }
    case LanguageTarget::WindowCaption:
        if (!m_root)
            return false;
        m_root->setWindowTitle(value);
        return true;
    case LanguageTarget::Message:
        return false;
    }
    return false;
}

} // namespace lynvar
