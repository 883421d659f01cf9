// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/InterfaceLanguage.h"

#include "common/IniDocument.h"
#include "common/IniFile.h"
#include "controls/AccessibleNames.h"
#include "i18n/ContentBindings.h"
#include "i18n/LanguageTargets.h"

#include <QAbstractButton>
#include <QAction>
#include <QWidget>
#include <exception>
#include <optional>

using namespace Qt::StringLiterals;

namespace lynvar {
namespace {

// Several keys may set one target (the entry editor's caption): what they set is held by target.
QString targetId(const LanguageKey &key)
{
    if (key.target == LanguageTarget::Message)
        return u"message/"_s + key.key;
    return u"%1/%2/%3/%4"_s.arg(int(key.window)).arg(int(key.target)).arg(key.control).arg(key.column);
}

// No line of an INI file holds a line break, so no file gives this value.
const QString Missing = u"\n"_s;

constexpr std::array<LanguageWindow, 3> BoundWindows = {LanguageWindow::About, LanguageWindow::Main,
                                                        LanguageWindow::EntryEditor};

} // namespace

InterfaceLanguage::InterfaceLanguage(QWidget *mainWindow, const Switches &switches, IniFile &settings,
                                     QObject *parent)
    : QObject(parent), m_mainWindow(mainWindow), m_switches(switches), m_settings(settings)
{
    m_windows[size_t(LanguageWindow::Main)] = {[this] { return m_mainWindow; },
                                               [this] { return m_mainWindow; }};
}

void InterfaceLanguage::setWindow(LanguageWindow window, WindowAccess access)
{
    if (window != LanguageWindow::Main)
        m_windows[size_t(window)] = std::move(access);
}

QWidget *InterfaceLanguage::windowIfMade(LanguageWindow window) const
{
    const WindowAccess &access = m_windows[size_t(window)];
    return access.made ? access.made() : nullptr;
}

void InterfaceLanguage::MenuUkranianClick()
{
    switchTo(true);
}

void InterfaceLanguage::MenuRussianClick()
{
    switchTo(false);
}

void InterfaceLanguage::switchTo(bool ukrainian)
{
    m_switches.menuUkrainian->setChecked(ukrainian);
    m_switches.menuRussian->setChecked(!ukrainian);
    m_switches.buttonUkrainian->setChecked(ukrainian);
    m_switches.buttonRussian->setChecked(!ukrainian);

    m_bindings = ukrainian ? Bindings::Ukrainian : Bindings::Russian;
    for (LanguageWindow window : BoundWindows) {
        if (QWidget *root = windowIfMade(window))
            contentbindings::rebind(WindowControls(root), window, ukrainian);
    }

    // The captions follow the views even when the choice cannot be stored: the failure is shown
    // after the window is consistent again.
    std::exception_ptr notStored;
    try {
        m_settings.writeString(u"Languages"_s, u"LanguagesID"_s, ukrainian ? u"ua"_s : u"ru"_s);
    } catch (...) {
        notStored = std::current_exception();
    }
    ApplyLanguageFile(ukrainian ? u"/languages/ukranian.ini"_s : u"/languages/russianing.ini"_s);
    if (notStored)
        std::rethrow_exception(notStored);
}

void InterfaceLanguage::ApplyLanguageFile(const QString &relativePath)
{
    applyLanguage(IniDocument::fromFile(m_programFolder + relativePath));
}

void InterfaceLanguage::applyLanguage(const IniDocument &file)
{
    std::array<std::optional<WindowControls>, 4> controls;
    for (const LanguageKey &key : languagekeys::applyOrder()) {
        const QString id = targetId(key);
        if (key.target == LanguageTarget::Message) {
            m_held.insert(id, file.readString(key.section, key.key, languagekeys::builtInMessage(key.key)));
            continue;
        }
        std::optional<WindowControls> &window = controls[size_t(key.window)];
        if (!window)
            window.emplace(windowIfMade(key.window));
        // A control not made yet still has the text the last file gave it.
        std::optional<QString> current = window->text(key);
        if (!current && m_held.contains(id))
            current = m_held.value(id);
        const QString value = file.readString(key.section, key.key, current.value_or(Missing));
        if (value == Missing)
            continue;
        m_held.insert(id, value);
        window->setText(key, value);
    }
    // Screen readers read lists and fields by the captions around them.
    for (LanguageWindow window : {LanguageWindow::Main, LanguageWindow::EntryEditor, LanguageWindow::Methods,
                                  LanguageWindow::About}) {
        if (QWidget *root = windowIfMade(window))
            nameUnnamedControls(root);
    }
    Q_EMIT messageTextsApplied();
}

void InterfaceLanguage::partMade(QWidget *root, LanguageWindow window)
{
    const WindowControls controls(root);
    for (const LanguageKey &key : languagekeys::applyOrder()) {
        if (key.window != window || key.target == LanguageTarget::Message)
            continue;
        const auto held = m_held.constFind(targetId(key));
        if (held != m_held.cend())
            controls.setText(key, *held);
    }
    if (m_bindings != Bindings::Layout)
        contentbindings::rebind(controls, window, m_bindings == Bindings::Ukrainian);
    nameUnnamedControls(root);
}

void InterfaceLanguage::MenuLangVygruzClick()
{
    // The template names every control, so every part is made first.
    if (m_makeMainWindowParts)
        m_makeMainWindowParts();
    std::array<std::optional<WindowControls>, 4> controls;
    for (LanguageWindow window : {LanguageWindow::Main, LanguageWindow::EntryEditor, LanguageWindow::Methods,
                                  LanguageWindow::About}) {
        const WindowAccess &access = m_windows[size_t(window)];
        controls[size_t(window)].emplace(access.make ? access.make() : nullptr);
    }

    // One write of the whole template: a folder that cannot take it gets nothing.
    IniFile(m_programFolder + u"/languages/new.ini"_s).update([&](IniDocument &document) {
        for (const LanguageKey &key : languagekeys::exportOrder()) {
            const QString value = key.target == LanguageTarget::Message
                                      ? languagekeys::builtInMessage(key.key)
                                      : controls[size_t(key.window)]->text(key).value_or(QString());
            document.writeString(key.section, key.key, value);
        }
    });
}

QString InterfaceLanguage::messageText(const QString &key) const
{
    return m_held.value(u"message/"_s + key, languagekeys::builtInMessage(key));
}

} // namespace lynvar
