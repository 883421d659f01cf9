// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace lynvar {

// Created hidden at start-up and shown modally on demand; lives until the program ends.
class TFormAbout final : public QDialog
{
    Q_OBJECT
public:
    explicit TFormAbout(QWidget *parent = nullptr);
};

} // namespace lynvar
