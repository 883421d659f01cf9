// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LynvarApplication.h"
#include "app/TDovidnykForm.h"
#include "common/Cp1251.h"
#include "common/Error.h"
#include "common/IniDocument.h"
#include "diary/TEditSchodennykForm.h"
#include "diary/TFormSposobyLovu.h"
#include "i18n/ContentBindings.h"
#include "i18n/InterfaceLanguage.h"
#include "i18n/LanguageTargets.h"
#include "maintenance/TFormAbout.h"
#include "reference/FishPage.h"
#include "reference/KuhnyaPage.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/StartedApplication.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QToolButton>
#include <optional>

using namespace lynvar;
using namespace lynvar::test;
using namespace Qt::StringLiterals;

namespace {

const LanguageKey &keyOf(const QString &section, const QString &key)
{
    for (const LanguageKey &entry : languagekeys::applyOrder()) {
        if (entry.section == section && entry.key == key)
            return entry;
    }
    qFatal("no key %s/%s", qPrintable(section), qPrintable(key));
}

QWidget *windowOf(StartedApplication &run, LanguageWindow window)
{
    switch (window) {
    case LanguageWindow::Main:
        return &run.form();
    case LanguageWindow::EntryEditor:
        return &run.app.EditSchodennykForm.get();
    case LanguageWindow::Methods:
        return &run.app.FormSposobyLovu.get();
    case LanguageWindow::About:
        return &run.app.FormAbout.get();
    }
    return nullptr;
}

// What a key's target shows now.
QString shown(StartedApplication &run, const LanguageKey &key)
{
    if (key.target == LanguageTarget::Message)
        return run.form().language().messageText(key.key);
    return WindowControls(windowOf(run, key.window)).text(key).value_or(u"<no target>"_s);
}

// Every text the language files set and every field the switch binds, as the user would find them.
QStringList snapshot(StartedApplication &run)
{
    QStringList all;
    for (const LanguageKey &key : languagekeys::applyOrder())
        all << key.section + u'/' + key.key + u'=' + shown(run, key);
    for (const ContentBinding &binding : contentbindings::all())
        all << binding.control + u'=' +
                   contentbindings::boundField(WindowControls(windowOf(run, binding.window)), binding);
    return all;
}

void writeLanguage(const ProgramFolder &folder, const QString &name, const QString &text)
{
    QDir(folder.path()).mkpath(u"languages"_s);
    folder.writeFile(u"languages/"_s + name, cp1251::encode(QString(text).replace(u"\n"_s, u"\r\n"_s)));
}

void installShippedLanguages(const ProgramFolder &folder)
{
    QDir(folder.path()).mkpath(u"languages"_s);
    for (const QString &name : {u"ukranian.ini"_s, u"russianing.ini"_s})
        QVERIFY(QFile::copy(QStringLiteral(LYNVAR_SHIPPED_DIR "/languages/") + name,
                            folder.file(u"languages/"_s + name)));
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyKeyReachesItsControl()
    {
        QCOMPARE(languagekeys::applyOrder().size(), size_t(188));
        QCOMPARE(languagekeys::exportOrder().size(), size_t(187));
        QSet<QString> sections, pairs;
        for (const LanguageKey &key : languagekeys::applyOrder()) {
            sections << key.section;
            pairs << key.section + u'/' + key.key;
        }
        QCOMPARE(sections.size(), 15);
        QCOMPARE(pairs.size(), 188);

        ProgramFolder folder;
        StartedApplication run(folder);
        for (const LanguageKey &key : languagekeys::applyOrder())
            QVERIFY2(shown(run, key) != u"<no target>", qPrintable(key.section + u'/' + key.key));
        for (const ContentBinding &binding : contentbindings::all())
            QVERIFY2(!contentbindings::boundField(WindowControls(windowOf(run, binding.window)), binding)
                          .isEmpty(),
                     qPrintable(binding.control));
    }

    void shippedFilesHoldTheKeyTable_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("foreignLetters");
        QTest::newRow("Ukrainian") << u"ukranian.ini"_s << u"[ыэъёЫЭЪЁ]"_s;
        QTest::newRow("Russian") << u"russianing.ini"_s << u"[іїєґІЇЄҐ]"_s;
    }
    void shippedFilesHoldTheKeyTable()
    {
        QFETCH(QString, name);
        QFETCH(QString, foreignLetters);
        QFile file(QStringLiteral(LYNVAR_SHIPPED_DIR "/languages/") + name);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray bytes = file.readAll();
        QVERIFY(!bytes.contains('\x98')); // the one byte Windows-1251 leaves unassigned
        QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));

        // Exactly the table's keys, each once, each with a text in the file's own language.
        QSet<QString> inFile;
        QString section;
        const QRegularExpression foreign(foreignLetters);
        for (const QString &line : cp1251::decode(bytes).split(u"\r\n"_s, Qt::SkipEmptyParts)) {
            if (line.startsWith(u';'))
                continue;
            if (line.startsWith(u'[')) {
                section = line.mid(1, line.indexOf(u']') - 1);
                continue;
            }
            const QString key = line.section(u'=', 0, 0);
            QVERIFY2(!inFile.contains(section + u'/' + key), qPrintable(line));
            inFile << section + u'/' + key;
            QVERIFY2(!foreign.match(line).hasMatch(), qPrintable(line));
        }
        QSet<QString> table;
        for (const LanguageKey &key : languagekeys::applyOrder())
            table << key.section + u'/' + key.key;
        QCOMPARE(inFile, table);
    }

    void applyingFiles_data()
    {
        QTest::addColumn<QStringList>("files"); // applied in this order
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a key the second file lacks keeps the first file's text")
            << QStringList{u"[Menu]\nMenuFile=Файл-1"_s, u"[Menu]\nMenuExit=Вихід-2"_s} << u"Menu"_s
            << u"MenuFile"_s << u"Файл-1"_s;
        QTest::newRow("an empty value empties")
            << QStringList{u"[Menu]\nMenuFile="_s} << u"Menu"_s << u"MenuFile"_s << QString();
        QTest::newRow("no file keeps the layout's text")
            << QStringList{} << u"Menu"_s << u"MenuFile"_s << u"Файл"_s;
        QTest::newRow("a message the file lacks is the built-in text, whatever was set before")
            << QStringList{u"[MessageShow]\nMessageEnterString=Enter"_s, u"[Menu]"_s} << u"MessageShow"_s
            << u"MessageEnterString"_s << u"Введіть строку"_s;
        QTest::newRow("names match in any case")
            << QStringList{u"[menu]\nmenufile=Файл-малі"_s} << u"Menu"_s << u"MenuFile"_s << u"Файл-малі"_s;
        QTest::newRow("the editor's caption from its first key alone")
            << QStringList{u"[SchodennykEdit]\nEditSchodennyk=Запис"_s} << u"SchodennykEdit"_s
            << u"EditSchodennykForm"_s << u"Запис"_s;
        QTest::newRow("the editor's caption from its second key when both are given")
            << QStringList{u"[SchodennykEdit]\nEditSchodennykForm=Друге\nEditSchodennyk=Перше"_s}
            << u"SchodennykEdit"_s << u"EditSchodennyk"_s << u"Друге"_s;
        QTest::newRow("one key name, two sections, two controls")
            << QStringList{u"[TabSchodennyk]\nGroupBoxPogoda=Сторінка\n[SchodennykEdit]\nGroupBoxPogoda=Редактор"_s}
            << u"TabSchodennyk"_s << u"GroupBoxPogoda"_s << u"Сторінка"_s;
        QTest::newRow("a quoted value keeps its blanks")
            << QStringList{u"[TabFish]\nC=\"  Клас: \""_s} << u"TabFish"_s << u"C"_s << u"  Клас: "_s;
        QTest::newRow("the diary list's columns stand in the places section")
            << QStringList{u"[TabFishMap]\nDBGridSchodennykColumns3=Колонка"_s} << u"TabFishMap"_s
            << u"DBGridSchodennykColumns3"_s << u"Колонка"_s;
        QTest::newRow("the methods dialog's second grid: its name column")
            << QStringList{u"[FormSposobyLovu]\nDBGridSposobyLovuOsnastka=Назва"_s} << u"FormSposobyLovu"_s
            << u"DBGridSposobyLovuOsnastka"_s << u"Назва"_s;
    }
    void applyingFiles()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        ProgramFolder folder;
        StartedApplication run(folder);
        for (qsizetype i = 0; i < files.size(); ++i)
            writeLanguage(folder, u"f%1.ini"_s.arg(i), files[i]);
        for (qsizetype i = 0; i < files.size(); ++i)
            run.form().ApplyLanguageFile(u"/languages/f%1.ini"_s.arg(i));
        if (files.isEmpty())
            run.form().ApplyLanguageFile(u"/languages/none.ini"_s);
        QCOMPARE(shown(run, keyOf(section, key)), expected);
    }

    void markupFromAFileIsShownAsText()
    {
        ProgramFolder folder;
        StartedApplication run(folder);
        writeLanguage(folder, u"f.ini"_s, u"[TabFishMap]\nLabelLng=<b>Довгота</b>"_s);
        run.form().ApplyLanguageFile(u"/languages/f.ini"_s);
        auto *label = run.form().findChild<QLabel *>(u"LabelLng"_s);
        QCOMPARE(label->text(), u"<b>Довгота</b>"_s);
        QCOMPARE(label->textFormat(), Qt::PlainText);
    }

    // UA → RU → UA leaves the program exactly as after the first UA, with the shipped files.
    void switchingBackRestoresEverything()
    {
        ProgramFolder folder;
        installShippedLanguages(folder);
        StartedApplication run(folder);
        TDovidnykForm &form = run.form();
        form.ToolButtonUA->click();
        const QStringList ukrainian = snapshot(run);
        QVERIFY(form.ToolButtonUA->isChecked() && !form.ToolButtonRU->isChecked());
        QVERIFY(form.MenuUkranian->isChecked() && !form.MenuRussian->isChecked());

        form.MenuRussian->trigger();
        const QStringList russian = snapshot(run);
        QVERIFY(!form.ToolButtonUA->isChecked() && form.ToolButtonRU->isChecked());
        QVERIFY(!form.MenuUkranian->isChecked() && form.MenuRussian->isChecked());
        QCOMPARE(form.MenuFile->title(), u"Файл"_s);
        QCOMPARE(form.MenuSettings->title(), u"Настройки"_s);
        QVERIFY(russian.contains(u"DBRichEditKuhnya=ReceptRU"_s));
        QVERIFY(russian.contains(u"DBLookupComboBoxOpady=NameRus"_s));
        // A list is read by the caption of its group, in the language shown.
        QCOMPARE(form.findChild<QWidget *>(u"DBGridSnast"_s)->accessibleName(), u"Способ ловли"_s);
        QCOMPARE(IniFile(folder.file(u"options.ini"_s)).readString(u"Languages"_s, u"LanguagesID"_s, {}),
                 u"ru"_s);

        form.MenuUkranianClick();
        QCOMPARE(snapshot(run), ukrainian);
        QCOMPARE(IniFile(folder.file(u"options.ini"_s)).readString(u"Languages"_s, u"LanguagesID"_s, {}),
                 u"ua"_s);
    }

    void templateExport()
    {
        ProgramFolder folder;
        installShippedLanguages(folder);
        StartedApplication run(folder);
        run.form().MenuRussianClick();
        const QStringList russian = snapshot(run);
        run.form().MenuLangVygruzClick();
        run.form().MenuLangVygruzClick(); // a second export leaves each key once

        const QByteArray bytes = folder.readFile(u"languages/new.ini"_s);
        QCOMPARE(QString::fromLatin1(bytes).split(u"\r\n"_s).filter(u"="_s).size(), 187);
        const IniDocument exported(bytes);
        for (const LanguageKey &key : languagekeys::exportOrder()) {
            const QString expected = key.target == LanguageTarget::Message
                                         ? languagekeys::builtInMessage(key.key)
                                         : shown(run, key);
            QCOMPARE(exported.readString(key.section, key.key, u"<missing>"_s), expected);
        }
        QVERIFY(!exported.readString(u"Menu"_s, u"MenuSettings"_s, {}).contains(u"Налаштування"_s));

        // The template applied unchanged moves nothing, blanks around a caption included.
        run.form().ApplyLanguageFile(u"/languages/new.ini"_s);
        QCOMPARE(snapshot(run).mid(0, 179), russian.mid(0, 179)); // the messages become the built-in texts
        QCOMPARE(run.form().language().messageText(u"MessageCopyBDOk"_s),
                 languagekeys::builtInMessage(u"MessageCopyBDOk"_s));

        // No languages folder: the error names the file, nothing is made.
        QDir(folder.file(u"languages"_s)).removeRecursively();
        QVERIFY_THROWS_EXCEPTION(Error, run.form().MenuLangVygruzClick());
        QVERIFY(!QFile::exists(folder.file(u"languages"_s)));
    }

    void unstorableChoiceStillSwitchesTheCaptions()
    {
        ProgramFolder folder;
        installShippedLanguages(folder);
        StartedApplication run(folder);
        QFile::remove(folder.file(u"options.ini"_s));
        QDir(folder.path()).mkdir(u"options.ini"_s); // a settings file nobody can write
        QVERIFY_THROWS_EXCEPTION(Error, run.form().MenuRussianClick());
        QVERIFY(run.form().ToolButtonRU->isChecked());
        QCOMPARE(run.form().MenuSettings->title(), u"Настройки"_s);
    }

    // Pages and dialogs made after a switch look as if they had been there all along.
    void partsMadeLaterFollowTheLanguage()
    {
        ProgramFolder folder;
        installShippedLanguages(folder);
        StartedApplication run(folder, false);
        auto *cookery = run.form().page<KuhnyaPage>();
        QVERIFY(!cookery->isBuilt());
        QVERIFY(!run.app.EditSchodennykForm.made());
        run.form().MenuRussianClick();
        const QString tabCaption = shown(run, keyOf(u"TabKuhnya"_s, u"TabKuhnya"_s));

        cookery->ensureBuilt();
        auto *fish = run.form().page<FishPage>();
        run.showPage(TDovidnykForm::LayoutPageIndex);
        QVERIFY(!fish->DBGridFishAll);
        fish->PageControlFish->setCurrentWidget(fish->TabClassFish); // its table is made now
        QVERIFY(fish->DBGridFishAll);
        auto *editor = &run.app.EditSchodennykForm.get();
        QCOMPARE(contentbindings::boundField(WindowControls(&run.form()), contentbindings::all()[1]),
                 u"ReceptRU"_s);
        QCOMPARE(contentbindings::boundField(WindowControls(editor), contentbindings::all()[26]),
                 u"NameRus"_s);

        ProgramFolder built;
        installShippedLanguages(built);
        StartedApplication everything(built);
        everything.form().MenuRussianClick();
        QCOMPARE(shown(run, keyOf(u"SchodennykEdit"_s, u"LabelTysk"_s)),
                 shown(everything, keyOf(u"SchodennykEdit"_s, u"LabelTysk"_s)));
        QCOMPARE(shown(run, keyOf(u"TabFish"_s, u"DBGridFishAllColumns5"_s)),
                 shown(everything, keyOf(u"TabFish"_s, u"DBGridFishAllColumns5"_s)));
        run.form().pages().buildAll();
        QCOMPARE(snapshot(run), snapshot(everything));
        QCOMPARE(tabCaption, shown(everything, keyOf(u"TabKuhnya"_s, u"TabKuhnya"_s)));
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
