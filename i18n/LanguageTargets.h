// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "i18n/LanguageKeys.h"

#include <QHash>
#include <QString>
#include <optional>

class QObject;
class QWidget;

namespace lynvar {

// The controls of one window (or of one part of it) by object name, found in one walk. Controls of
// other windows (dialogs owned by this one, pop-up menus) are not this window's and are left out;
// menus and their items are found wherever they are.
class WindowControls
{
public:
    explicit WindowControls(QWidget *root);

    // The text a key sets on its target now, or nothing when the target does not exist (yet).
    [[nodiscard]] std::optional<QString> text(const LanguageKey &key) const;
    // Sets the key's target's text; false when the target does not exist (yet).
    bool setText(const LanguageKey &key, const QString &value) const;

    [[nodiscard]] QWidget *control(const QString &name) const { return m_controls.value(name); }
    [[nodiscard]] QObject *menu(const QString &name) const;

private:
    QWidget *m_root;
    QHash<QString, QWidget *> m_controls; // the first of a name, in the order of the walk
};

} // namespace lynvar
