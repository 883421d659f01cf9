// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/UserDialogs.h"

namespace lynvar {

// The real boxes and dialogs, with the application title as caption.
class QtUserDialogs final : public UserDialogs
{
public:
    void showMessage(const QString &text) override;
    void showError(const QString &text) override;
    bool askYesNo(const QString &text) override;
    bool askQuestion(const QString &caption, const QString &text) override;
    std::optional<int> chooseItem(const QString &caption, const QString &prompt,
                                  const QStringList &items) override;
    std::optional<QString> askText(const QString &caption, const QString &prompt,
                                   const QString &initial) override;
    QString chooseOpenFile(const QString &caption, const QString &folder, const QString &filter) override;
    QStringList chooseOpenFiles(const QString &caption, const QString &folder,
                                const QString &filter) override;
    QString chooseSaveFile(const QString &caption, const QString &suggested, const QString &filter) override;
    std::optional<FontChoice> chooseFont(const FontChoice &initial) override;
    std::optional<unsigned int> chooseColor(unsigned int initialRgb) override;
};

} // namespace lynvar
