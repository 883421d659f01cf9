// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "i18n/LanguageKeys.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <array>
#include <functional>

class QAbstractButton;
class QAction;
class QWidget;

namespace lynvar {

class IniDocument;
class IniFile;

/*
 * The program's two languages: the interface texts that a language file gives the windows, and the
 * content language that decides whether the handbook's views show the Ukrainian or the Russian
 * fields.
 *
 * Pages and dialogs are made when first needed, so a language file may be applied before some of
 * its controls exist. What it set is held by target; a part made later gets the held texts and the
 * current bindings before anyone sees it (partMade()), so it looks as if it had been there all along.
 */
class InterfaceLanguage final : public QObject
{
    Q_OBJECT
public:
    // The menu items and tool buttons that choose the content language and show which one is on.
    struct Switches
    {
        QAction *menuUkrainian = nullptr;
        QAction *menuRussian = nullptr;
        QAbstractButton *buttonUkrainian = nullptr;
        QAbstractButton *buttonRussian = nullptr;
    };
    // How a dialog is reached: `made` without making it (null until then), `make` making it.
    struct WindowAccess
    {
        std::function<QWidget *()> made;
        std::function<QWidget *()> make;
    };

    InterfaceLanguage(QWidget *mainWindow, const Switches &switches, IniFile &settings,
                      QObject *parent = nullptr);

    // The folder the language files' paths are joined to.
    void setProgramFolder(const QString &folder) { m_programFolder = folder; }

    void setWindow(LanguageWindow window, WindowAccess access);
    // Makes every part of the main window that is made on first use (a template needs them all).
    void setMakeMainWindowParts(std::function<void()> makeAll) { m_makeMainWindowParts = std::move(makeAll); }

    void MenuUkranianClick();
    void MenuRussianClick();
    // `relativePath` is joined to the program folder as it stands ("/languages/ukranian.ini").
    void ApplyLanguageFile(const QString &relativePath);
    void applyLanguage(const IniDocument &file);
    // Writes the template for a new language file, languages/new.ini, with the texts shown now.
    void MenuLangVygruzClick();

    // A page of the main window or a dialog that has just been made.
    void partMade(QWidget *root, LanguageWindow window);

    // The message text of a key of section MessageShow: the applied file's, else the built-in one.
    [[nodiscard]] QString messageText(const QString &key) const;
    // The content language the views show: Russian only after a switch to it.
    [[nodiscard]] bool russianShown() const { return m_bindings == Bindings::Russian; }

Q_SIGNALS:
    // The message texts may have changed.
    void messageTextsApplied();

private:
    enum class Bindings
    {
        Layout, // no switch yet: the views show the Ukrainian fields the layout gives them
        Ukrainian,
        Russian
    };

    void switchTo(bool ukrainian);
    [[nodiscard]] QWidget *windowIfMade(LanguageWindow window) const;

    QWidget *m_mainWindow;
    Switches m_switches;
    IniFile &m_settings;
    QString m_programFolder;
    std::array<WindowAccess, 4> m_windows;
    std::function<void()> m_makeMainWindowParts;
    Bindings m_bindings = Bindings::Layout;
    QHash<QString, QString> m_held; // the texts the language files set, by target
};

} // namespace lynvar
