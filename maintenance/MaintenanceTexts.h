// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace lynvar {

// The message texts of the maintenance commands, named by their keys in section MessageShow of the
// interface language files; each starts as its built-in Ukrainian text, which an applied
// language file replaces.
struct MaintenanceTexts
{
    QString MessageCopyBD =
        QStringLiteral("Не виконуйте ніяких дій до завершення копіювання! Для продовження натисніть Ok.");
    QString MessageCopyBDOk = QStringLiteral("Резервну копію бази даних створено!");
    QString MessageNewVersionTrue = QStringLiteral("З'явилася нова версія програми! Бажаєте її завантажити?");
    QString MessageNewVersionPerevirka = QStringLiteral("Перевірка нової версії програми");
};

} // namespace lynvar
