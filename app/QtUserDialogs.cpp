// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QtUserDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
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

// Texts that come from files are shown as they are, never read as markup.
void showBox(QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, title(), text, QMessageBox::Ok, owner());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

void QtUserDialogs::showMessage(const QString &text)
{
    showBox(QMessageBox::Information, text);
}

void QtUserDialogs::showError(const QString &text)
{
    showBox(QMessageBox::Critical, text);
}

bool QtUserDialogs::askYesNo(const QString &text)
{
    QMessageBox box(QMessageBox::Question, title(), text, QMessageBox::Yes | QMessageBox::No, owner());
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

bool QtUserDialogs::askQuestion(const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, owner());
    box.setTextFormat(Qt::PlainText);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Yes;
}

std::optional<int> QtUserDialogs::chooseItem(const QString &caption, const QString &prompt,
                                             const QStringList &items)
{
    if (items.isEmpty())
        return std::nullopt;
    bool ok = false;
    const QString picked = QInputDialog::getItem(owner(), caption, prompt, items, 0, false, &ok);
    if (!ok)
        return std::nullopt;
    const int index = int(items.indexOf(picked));
    return index < 0 ? std::nullopt : std::optional<int>(index);
}

std::optional<QString> QtUserDialogs::askText(const QString &caption, const QString &prompt,
                                              const QString &initial)
{
    bool ok = false;
    QString text = QInputDialog::getText(owner(), caption, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString QtUserDialogs::chooseOpenFile(const QString &caption, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(owner(), caption, folder, filter);
}

QStringList QtUserDialogs::chooseOpenFiles(const QString &caption, const QString &folder,
                                           const QString &filter)
{
    return QFileDialog::getOpenFileNames(owner(), caption, folder, filter);
}

QString QtUserDialogs::chooseSaveFile(const QString &caption, const QString &suggested, const QString &filter)
{
    return QFileDialog::getSaveFileName(owner(), caption, suggested, filter);
}

std::optional<FontChoice> QtUserDialogs::chooseFont(const FontChoice &initial)
{
    QFont font(initial.family);
    font.setPixelSize(std::max(1, initial.pixelSize));
    font.setBold(initial.bold);
    font.setItalic(initial.italic);
    font.setUnderline(initial.underline);
    font.setStrikeOut(initial.strikeOut);
    bool ok = false;
    const QFont picked = QFontDialog::getFont(&ok, font, owner());
    if (!ok)
        return std::nullopt;
    FontChoice choice = initial;
    choice.family = picked.family();
    choice.pixelSize =
        picked.pixelSize() > 0 ? picked.pixelSize() : qRound(picked.pointSizeF() * 96.0 / 72.0);
    choice.bold = picked.bold();
    choice.italic = picked.italic();
    choice.underline = picked.underline();
    choice.strikeOut = picked.strikeOut();
    return choice;
}

std::optional<unsigned int> QtUserDialogs::chooseColor(unsigned int initialRgb)
{
    const QColor picked = QColorDialog::getColor(QColor::fromRgb(initialRgb), owner());
    if (!picked.isValid())
        return std::nullopt;
    return picked.rgb() & 0xFFFFFFu;
}

} // namespace lynvar
