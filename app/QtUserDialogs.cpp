// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QtUserDialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace lynvar {
namespace {

QWidget *owner()
{
    return QApplication::activeWindow();
}

QString title()
{
    return QApplication::applicationDisplayName();
}

} // namespace

void QtUserDialogs::showMessage(const QString &text)
{
    QMessageBox::information(owner(), title(), text);
}

void QtUserDialogs::showError(const QString &text)
{
    QMessageBox::critical(owner(), title(), text);
}

bool QtUserDialogs::askYesNo(const QString &text)
{
    return QMessageBox::question(owner(), title(), text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

} // namespace lynvar
