// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QtUserDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

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
// A prompt is text, however much it looks like markup: several come from the language files.
void preparePrompt(QInputDialog &dialog, const QString &caption, const QString &prompt)
{
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    for (QLabel *label : dialog.findChildren<QLabel *>())
        label->setTextFormat(Qt::PlainText);
}

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
    QInputDialog dialog(owner());
    preparePrompt(dialog, caption, prompt);
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const int index = int(items.indexOf(dialog.textValue()));
    return index < 0 ? std::nullopt : std::optional<int>(index);
}

std::optional<QString> QtUserDialogs::askText(const QString &caption, const QString &prompt,
                                              const QString &initial)
{
    QInputDialog dialog(owner());
    preparePrompt(dialog, caption, prompt);
    dialog.setTextValue(initial);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
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

    // The font dialog with the colour beside it: a font is chosen with its colour.
    QDialog dialog(owner());
    dialog.setWindowTitle(QStringLiteral("Шрифт"));
    auto *fonts = new QFontDialog(font, &dialog);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    QColor colour = QColor::fromRgb(initial.rgb);
    auto *colourButton = new QPushButton(QStringLiteral("Колір…"), &dialog);
    const auto showColour = [colourButton, &colour] {
        QPixmap swatch(16, 16);
        swatch.fill(colour);
        colourButton->setIcon(QIcon(swatch));
    };
    showColour();
    QObject::connect(colourButton, &QPushButton::clicked, &dialog, [&dialog, &colour, showColour] {
        const QColor picked = QColorDialog::getColor(colour, &dialog);
        if (picked.isValid()) {
            colour = picked;
            showColour();
        }
    });
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(colourButton);
    bottom->addStretch(1);
    bottom->addWidget(buttons);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(bottom);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;

    const QFont picked = fonts->currentFont();
    FontChoice choice = initial;
    choice.family = picked.family();
    choice.pixelSize =
        picked.pixelSize() > 0 ? picked.pixelSize() : qRound(picked.pointSizeF() * 96.0 / 72.0);
    choice.bold = picked.bold();
    choice.italic = picked.italic();
    choice.underline = picked.underline();
    choice.strikeOut = picked.strikeOut();
    choice.rgb = colour.rgb() & 0xFFFFFFu;
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
