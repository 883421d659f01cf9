// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageKeys.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace lynvar::languagekeys {
namespace {

// The keys of each section as the language files spell them; describe() turns a name into its target.
const QStringList MenuKeys = {
    u"MenuFile"_s,      u"MenuExit"_s,      u"MenuPravka"_s,     u"MenuCopy"_s,        u"MenuPaste"_s,
    u"MenuCut"_s,       u"MenuFormat"_s,    u"MenuBold"_s,       u"MenuItalic"_s,      u"MenuUnderline"_s,
    u"MenuAlignLeft"_s, u"MenuCenter"_s,    u"MenuAlignRight"_s, u"MenuSelectAll"_s,   u"MenuInsert"_s,
    u"MenuPost"_s,      u"MenuSaveBD"_s,    u"MenuFontPaste"_s,  u"MenuFontInstall"_s, u"MenuFontFormat"_s,
    u"MenuBackupBD"_s,  u"MenuLanguages"_s, u"MenuCreateFile"_s, u"MenuDovidka"_s,     u"MenuAbout"_s,
    u"MenuLynvarNet"_s, u"MenuDownload"_s,  u"MenuNewVersion"_s, u"MenuSettings"_s,    u"MenuLangVygruz"_s,
    u"MenuUkranian"_s,  u"MenuRussian"_s,   u"MenuOptions"_s,    u"MenuEdit"_s};
const QStringList ToolButtonKeys = {u"ToolButtonFont"_s,      u"ToolButtonBold"_s,  u"ToolButtonItalic"_s,
                                    u"ToolButtonUnderline"_s, u"ToolButtonLeft"_s,  u"ToolButtonCenter"_s,
                                    u"ToolButtonRight"_s,     u"ToolButtonPaste"_s, u"ToolButtonCopy"_s,
                                    u"ToolButtonCut"_s,       u"ToolButtonPost"_s,  u"ToolButtonEdit"_s,
                                    u"ToolButtonInsert"_s};
// Without the diary list's column titles, which the section holds too but which are applied later.
const QStringList FishMapKeys = {u"TabFishMap"_s,
                                 u"LabelTypVodoymy"_s,
                                 u"LabelLng"_s,
                                 u"LabelLat"_s,
                                 u"LabelDoroga"_s,
                                 u"LabelDateMap"_s,
                                 u"LabelOplataKontakt"_s,
                                 u"DBCheckBoxOplata"_s,
                                 u"GroupBoxMap"_s,
                                 u"GroupBoxKoordynaty"_s,
                                 u"ButtonViewMap"_s,
                                 u"LabelNameVodoymy"_s,
                                 u"GroupBoxFishMapPogoda"_s,
                                 u"LabelRp5ID"_s,
                                 u"LabelRp5Stanciya"_s,
                                 u"LabelSinoptik"_s,
                                 u"LabelMeteo"_s,
                                 u"ButtonShowRp5"_s,
                                 u"ButtonShowSinoptik"_s,
                                 u"ButtonShowMeteo"_s,
                                 u"ButtonGetSinoptik"_s,
                                 u"ButtonGetMeteo"_s,
                                 u"LabelMapSelo"_s,
                                 u"GroupBoxFishMapFish"_s,
                                 u"ButtonFishMapAddFish"_s,
                                 u"GroupBoxMapOpys"_s,
                                 u"DBGridMapColumns0"_s,
                                 u"DBGridMapColumns2"_s};
const QStringList DiaryColumnKeys = {u"DBGridSchodennykColumns0"_s, u"DBGridSchodennykColumns1"_s,
                                     u"DBGridSchodennykColumns2"_s, u"DBGridSchodennykColumns3"_s,
                                     u"DBGridSchodennykColumns4"_s};
const QStringList SchodennykKeys = {
    u"TabSchodennyk"_s,        u"GroupBoxPogoda"_s,         u"LabelNazyvka"_s,
    u"LabelPrykormka"_s,       u"GroupBoxUlov"_s,           u"GroupBoxTrofey"_s,
    u"LabelOsnastka"_s,        u"GroupBoxSchodennykOpys"_s, u"GroupBoxSposobLovu"_s,
    u"ButtonEditMisce"_s,      u"ButtonAddFotoUlovu"_s,     u"ButtonAddUlov"_s,
    u"ButtonAddSposobyLovu"_s, u"ButtonEditSposobyLovu"_s};
const QStringList EditorKeys = {u"EditSchodennyk"_s,    u"LabelTysk"_s,
                                u"LabelSylaVitru"_s,    u"LabelTemperatura"_s,
                                u"GroupBoxMisceLovu"_s, u"GroupBoxChasRybalky"_s,
                                u"LabelBeginRybalky"_s, u"LabelEndRybalky"_s,
                                u"GroupBoxPogoda"_s,    u"LabelOpady"_s,
                                u"DBRadioGroupTysk"_s,  u"LabelNapryamVitru"_s,
                                u"ButtonShowPogoda"_s,  u"GroupBoxSchodennykEditOpys"_s,
                                u"EditSchodennykForm"_s};
const QStringList MethodsKeys = {u"FormSposobyLovu"_s,
                                 u"GroupBoxSposobyLovuSnast"_s,
                                 u"GroupBoxSposobyLovuOsnastka"_s,
                                 u"GroupBoxSposobyLovuNazhyvka"_s,
                                 u"DBGridSposobyLovuSnast"_s,
                                 u"DBGridSposobyLovuOsnastka"_s,
                                 u"DBGridSposobyLovuNazhyvka"_s,
                                 u"GroupBoxSposobyLovuOtherSnast"_s,
                                 u"GroupBoxSposobyLovuOtherOsnastka"_s,
                                 u"GroupBoxSposobyLovuOtherNazhyvka"_s,
                                 u"ButtonSposobyLovuAddSposobyLovu"_s};
const QStringList AboutKeys = {u"FormAbout"_s,   u"LabelAbout1"_s, u"LabelAbout2"_s,
                               u"LabelAbout3"_s, u"LabelAbout4"_s, u"LabelAbout5"_s,
                               u"LabelAbout6"_s, u"LabelAbout7"_s, u"GroupBoxAbout"_s};

QStringList fishKeys()
{
    QStringList keys = {u"TabFish"_s,         u"GroupBoxFiltr"_s, u"LabelVybirFiltr"_s,
                        u"LabelParamFiltr"_s, u"TabSpysokFish"_s, u"TabClassFish"_s,
                        u"TabSheetOpys"_s,    u"TabSheetFoto"_s,  u"DBGridFishColumns0"_s};
    for (int column = 0; column <= 16; ++column)
        keys << u"DBGridFishAllColumns%1"_s.arg(column);
    keys << u"F"_s << u"G"_s << u"S"_s << u"C"_s << u"O"_s << u"M"_s << u"D"_s;
    return keys;
}

QStringList riveKeys()
{
    QStringList keys = {u"TabRive"_s};
    for (int column = 0; column <= 3; ++column)
        keys << u"DBGridRiveColumns%1"_s.arg(column);
    return keys;
}

const std::vector<std::pair<QString, QString>> Messages = {
    {u"MessageCopyBD"_s,
     u"Не виконуйте ніяких дій до завершення копіювання! Для продовження натисніть Ok."_s},
    {u"MessageCopyBDOk"_s, u"Резервну копію бази даних створено!"_s},
    {u"MessageNoMisceLovu"_s, u"За даним записом місце лову незакріплене."_s},
    {u"MessageNewVersionTrue"_s, u"З'явилася нова версія програми! Бажаєте її завантажити?"_s},
    {u"MessageNewVersionPerevirka"_s, u"Перевірка нової версії програми"_s},
    {u"MessageNoMisceLovu2"_s, u"За даним записом місце незакріплене."_s},
    {u"MessageEnterString"_s, u"Введіть строку"_s},
    {u"MessagePogodaURLSinoptik"_s,
     u"Скопіюйте з браузера адресну строку Вашого города на сайті синоптика"_s},
    {u"MessagePogodaURLMeteo"_s, u"Скопіюйте з браузера адресну строку Вашого города на сайті Meteo"_s},
};

// The fish card's classification captions go by one letter in the files.
const QHash<QString, QString> FishCardLabels = {{u"F"_s, u"Fa"_s}, {u"G"_s, u"Ge"_s}, {u"S"_s, u"Sp"_s},
                                                {u"C"_s, u"Cl"_s}, {u"O"_s, u"Or"_s}, {u"M"_s, u"Ma"_s},
                                                {u"D"_s, u"Dl"_s}};

LanguageKey describe(const QString &section, const QString &key)
{
    LanguageKey entry{section, key, LanguageWindow::Main, LanguageTarget::Caption, key, -1};
    if (section == u"SchodennykEdit")
        entry.window = LanguageWindow::EntryEditor;
    else if (section == u"FormSposobyLovu")
        entry.window = LanguageWindow::Methods;
    else if (section == u"FormAbout")
        entry.window = LanguageWindow::About;

    static const QRegularExpression columnKey(u"^(\\w+)Columns(\\d+)$"_s);
    if (section == u"Menu") {
        entry.target = LanguageTarget::MenuCaption;
    } else if (section == u"ToolButton") {
        entry.target = LanguageTarget::Hint;
    } else if (section == u"MessageShow") {
        entry.target = LanguageTarget::Message;
        entry.control.clear();
    } else if (key == u"EditSchodennyk" || key == u"EditSchodennykForm" ||
               (entry.window != LanguageWindow::Main && key == section)) {
        entry.target = LanguageTarget::WindowCaption;
        entry.control.clear();
    } else if (const auto match = columnKey.match(key); match.hasMatch()) {
        entry.target = LanguageTarget::ColumnTitle;
        entry.control = match.captured(1);
        entry.column = match.captured(2).toInt();
    } else if (section == u"FormSposobyLovu" && key.startsWith(u"DBGrid")) {
        // The first grid has no mark column; the others' name column is their second.
        entry.target = LanguageTarget::ColumnTitle;
        entry.column = key == u"DBGridSposobyLovuSnast" ? 0 : 1;
    } else if (section == u"TabFish" && FishCardLabels.contains(key)) {
        entry.control = FishCardLabels.value(key);
    }
    return entry;
}

void append(std::vector<LanguageKey> &keys, const QString &section, const QStringList &names)
{
    for (const QString &name : names)
        keys.push_back(describe(section, name));
}

QStringList messageKeyList()
{
    QStringList keys;
    for (const auto &[key, text] : Messages)
        keys << key;
    return keys;
}

} // namespace

const std::vector<LanguageKey> &applyOrder()
{
    static const std::vector<LanguageKey> keys = [] {
        std::vector<LanguageKey> all;
        append(all, u"Menu"_s, MenuKeys);
        append(all, u"ToolButton"_s, ToolButtonKeys);
        append(all, u"TabFishMap"_s, FishMapKeys);
        append(all, u"TabFish"_s, fishKeys());
        append(all, u"TabSchodennyk"_s, SchodennykKeys);
        append(all, u"TabFishMap"_s, DiaryColumnKeys);
        append(all, u"SchodennykEdit"_s, EditorKeys);
        append(all, u"TabVuzly"_s, {u"TabVuzly"_s, u"DBGridVuzlyColumns0"_s});
        append(all, u"TabRive"_s, riveKeys());
        append(all, u"TabSposoby"_s,
               {u"TabSposoby"_s, u"GroupBoxSnast"_s, u"DBGridSnastColumns0"_s, u"GroupBoxOsnastka"_s,
                u"DBGridOsnastkaColumns0"_s, u"GroupBoxNazhyvka"_s, u"DBGridNazhyvkaColumns0"_s});
        append(all, u"TabSlovnyk"_s, {u"TabSlovnyk"_s});
        append(all, u"TabKuhnya"_s, {u"TabKuhnya"_s});
        append(all, u"TabAnecdot"_s, {u"TabAnecdot"_s});
        append(all, u"FormSposobyLovu"_s, MethodsKeys);
        append(all, u"FormAbout"_s, AboutKeys);
        append(all, u"MessageShow"_s, messageKeyList());
        return all;
    }();
    return keys;
}

const std::vector<LanguageKey> &exportOrder()
{
    static const std::vector<LanguageKey> keys = [] {
        std::vector<LanguageKey> all;
        append(all, u"Menu"_s, MenuKeys);
        append(all, u"ToolButton"_s, ToolButtonKeys);
        append(all, u"TabFish"_s, fishKeys());
        append(all, u"TabRive"_s, riveKeys());
        append(all, u"TabSlovnyk"_s, {u"TabSlovnyk"_s});
        append(all, u"TabKuhnya"_s, {u"TabKuhnya"_s});
        append(all, u"TabAnecdot"_s, {u"TabAnecdot"_s});
        append(all, u"TabVuzly"_s, {u"TabVuzly"_s, u"DBGridVuzlyColumns0"_s});
        // The water body's name right after its type.
        QStringList places = FishMapKeys;
        places.move(places.indexOf(u"LabelNameVodoymy"_s), places.indexOf(u"LabelTypVodoymy"_s) + 1);
        append(all, u"TabFishMap"_s, places);
        append(all, u"TabSchodennyk"_s, SchodennykKeys);
        append(all, u"TabFishMap"_s, DiaryColumnKeys);
        QStringList editor = EditorKeys;
        editor.removeAll(u"EditSchodennykForm"_s);
        append(all, u"SchodennykEdit"_s, editor);
        append(all, u"TabSposoby"_s,
               {u"TabSposoby"_s, u"GroupBoxSnast"_s, u"GroupBoxOsnastka"_s, u"GroupBoxNazhyvka"_s,
                u"DBGridSnastColumns0"_s, u"DBGridOsnastkaColumns0"_s, u"DBGridNazhyvkaColumns0"_s});
        append(all, u"FormAbout"_s, AboutKeys);
        append(all, u"FormSposobyLovu"_s, MethodsKeys);
        append(all, u"MessageShow"_s, messageKeyList());
        return all;
    }();
    return keys;
}

QString builtInMessage(const QString &key)
{
    for (const auto &[name, text] : Messages) {
        if (name == key)
            return text;
    }
    return {};
}

} // namespace lynvar::languagekeys
