// SPDX-License-Identifier: GPL-3.0-or-later
// The font commands: the font dialog preset from a selection, the font applied to the view entered last,
// the stored format on Ctrl+W, and read-only handbook texts that no command changes.
#include "app/StandardActionList.h"
#include "common/rtf/Rtf.h"
#include "controls/DBGrid.h"
#include "controls/DBRichEdit.h"
#include "data/DataModule2.h"
#include "diary/SchodennykPage.h"
#include "places/FishMapPage.h"
#include "reference/FishPage.h"
#include "reference/KuhnyaPage.h"
#include "reference/RichTextCommands.h"
#include "tests/reference/HandbookTestSupport.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;
using namespace Qt::StringLiterals;

namespace {

constexpr int PlacesPage = 0;
constexpr int FishPageIndex = 2;
constexpr int CookeryPage = 6;

// "Plain " then "marked" in bold red.
QString placeText()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(u"Plain "_s);
    QTextCharFormat marked;
    marked.setFontWeight(QFont::Bold);
    marked.setForeground(QColor(0xFF, 0, 0));
    cursor.insertText(u"marked"_s, marked);
    return rtf::write(document);
}

void select(QTextEdit *view, int from, int to)
{
    QTextCursor cursor(view->document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    view->setTextCursor(cursor);
}

QTextCharFormat formatAt(QTextEdit *view, int position)
{
    QTextCursor cursor(view->document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

FontChoice font(const QString &family, int pixels, bool bold, bool italic, bool underline, unsigned int rgb)
{
    FontChoice f;
    f.family = family;
    f.pixelSize = pixels;
    f.bold = bold;
    f.italic = italic;
    f.underline = underline;
    f.rgb = rgb;
    return f;
}

} // namespace

class TestRichTextCommands : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<ShownApplication> m_run;

    RichTextCommands &commands() { return *m_run->form().RichText; }
    DBRichEdit *placeView() { return m_run->form().page<FishMapPage>()->DBRichOpys; }
    DataSet &places() { return m_run->data().FishMapTable; }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<ProgramFolder>();
        m_run = std::make_unique<ShownApplication>(*m_folder);
        places().insert();
        places().field(u"Name").setString(u"Затока"_s);
        places().field(u"Opys").setString(placeText());
        places().post();
        m_run->showPage(PlacesPage);
        QCOMPARE(placeView()->toPlainText(), u"Plain marked"_s);
    }
    void cleanup()
    {
        QVERIFY(m_run->dialogs.errors.isEmpty());
        m_run.reset();
        m_folder.reset();
    }

    void aSelectionPresetsTheFontDialog()
    {
        QCOMPARE(commands().FontDialog1, RichTextCommands::startFont());
        select(placeView(), 6, 12);
        placeView()->setFocus();
        m_run->form().ToolButtonFont->click();
        QCOMPARE(m_run->dialogs.fontsOffered.size(), 1);
        const FontChoice offered = m_run->dialogs.fontsOffered[0];
        QVERIFY(offered.bold);
        QVERIFY(!offered.italic);
        QCOMPARE(offered.rgb, 0xFF0000u);
        QCOMPARE(places().state(), DataSet::State::Browse); // the dialog was cancelled
        select(placeView(), 0, 5);
        QVERIFY(!commands().FontDialog1.bold);
    }

    void theFontCommandAppliesFourValuesToTheSelection_data()
    {
        QTest::addColumn<FontChoice>("chosen");
        QTest::addColumn<int>("points");
        QTest::newRow("face, size, italic, blue")
            << font(u"Courier New"_s, 16, false, true, false, 0x0000FF) << 12;
        QTest::newRow("bold underlined green") << font(u"Tahoma"_s, 21, true, false, true, 0x008000) << 16;
    }
    void theFontCommandAppliesFourValuesToTheSelection()
    {
        QFETCH(FontChoice, chosen);
        QFETCH(int, points);
        select(placeView(), 6, 12);
        placeView()->setFocus();
        m_run->dialogs.fontAnswers << chosen;
        m_run->form().MenuFontFormat->trigger();

        const QTextCharFormat applied = formatAt(placeView(), 8);
        QCOMPARE(applied.fontFamilies().toStringList().value(0), chosen.family);
        QCOMPARE(applied.fontPointSize(), qreal(points));
        QCOMPARE(applied.fontWeight() >= QFont::Bold, chosen.bold);
        QCOMPARE(applied.fontItalic(), chosen.italic);
        QCOMPARE(applied.fontUnderline(), chosen.underline);
        QCOMPARE(applied.foreground().color().rgb() & 0xFFFFFFu, chosen.rgb);
        // Only the selection; the record is changed, not stored.
        QVERIFY(formatAt(placeView(), 1).fontFamilies().toStringList().value(0) != chosen.family);
        QCOMPARE(places().state(), DataSet::State::Edit);
        QCOMPARE(commands().FontDialog1, chosen);
    }

    // Ctrl+W pastes the stored format only into the view entered last, and only while it has the focus.
    void pastingTheStoredFormatNeedsTheFocus()
    {
        select(placeView(), 6, 12);
        placeView()->setFocus();
        QCOMPARE(commands().ActiveRichEdit.data(), placeView());
        auto *list = m_run->form().page<FishMapPage>()->DBGridMap;
        list->setFocus();
        QTest::keyClick(list, Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(places().state(), DataSet::State::Browse);
        QVERIFY(formatAt(placeView(), 8).fontWeight() >= QFont::Bold);

        placeView()->setFocus();
        QTest::keyClick(placeView(), Qt::Key_W, Qt::ControlModifier);
        const QTextCharFormat stored = formatAt(placeView(), 8);
        QCOMPARE(stored.fontFamilies().toStringList().value(0), u"Tahoma"_s);
        QCOMPARE(stored.fontPointSize(), 8.0);
        QVERIFY(stored.fontWeight() < QFont::Bold);
        QCOMPARE(stored.foreground().color().rgb() & 0xFFFFFFu, RichTextCommands::startFont().rgb);
        QCOMPARE(places().state(), DataSet::State::Edit);
    }

    void settingTheStoredFormat()
    {
        const FontChoice chosen = font(u"Arial"_s, 13, false, false, true, 0x123456);
        m_run->dialogs.fontAnswers << chosen;
        m_run->form().MenuFontInstall->trigger();
        QCOMPARE(commands().FontDialog2, chosen);
        m_run->form().MenuFontInstall->trigger(); // cancelled: kept
        QCOMPARE(commands().FontDialog2, chosen);
    }

    // A handbook text is read-only: neither the font commands nor the standard ones change its record.
    void readOnlyHandbookTextsStayAsTheyAre_data()
    {
        QTest::addColumn<QString>("command");
        for (const char *name :
             {"font", "stored format", "RichEditBold1", "RichEditAlignCenter1", "EditCut1", "EditPaste1"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void readOnlyHandbookTextsStayAsTheyAre()
    {
        QFETCH(QString, command);
        m_run->showPage(FishPageIndex);
        DBRichEdit *view = m_run->form().page<FishPage>()->DBRichEditFishOpys;
        view->setFocus();
        view->selectAll();
        QCOMPARE(commands().ActiveRichEdit.data(), view);
        const QString before = rtf::write(*view->document());
        m_run->dialogs.fontAnswers << font(u"Arial"_s, 30, true, true, true, 0xFF00FF);
        if (command == u"font")
            m_run->form().ToolButtonFontClick();
        else if (command == u"stored format")
            QTest::keyClick(view, Qt::Key_W, Qt::ControlModifier);
        else
            m_run->form().ActionList1->findChild<QAction *>(command)->trigger();
        QVERIFY(m_run->dialogs.fontsOffered.isEmpty());
        QCOMPARE(rtf::write(*view->document()), before);
        QCOMPARE(m_run->data().FishTable.state(), DataSet::State::Browse);
    }

    void withoutAnEnteredViewTheFontCommandDoesNothing()
    {
        ProgramFolder folder;
        StartedApplication run(folder, false);
        QVERIFY(!run.form().RichText->ActiveRichEdit);
        run.form().ToolButtonFontClick();
        run.form().MenuFontPasteClick();
        QVERIFY(run.dialogs.fontsOffered.isEmpty());
    }

    // The recipe view becomes the target on a selection change and presets nothing.
    void aRecipeSelectionMakesTheRecipeTheTarget()
    {
        select(placeView(), 6, 12);
        m_run->showPage(CookeryPage);
        DBRichEdit *recipe = m_run->form().page<KuhnyaPage>()->DBRichEditKuhnya;
        QVERIFY(!recipe->document()->isEmpty());
        const FontChoice preset = commands().FontDialog1;
        select(recipe, 0, 3);
        QCOMPARE(commands().ActiveRichEdit.data(), recipe);
        QCOMPARE(commands().FontDialog1, preset);
        QVERIFY(preset.bold);
    }

    // The diary note becomes the target when the pointer enters it, without the focus.
    void hoveringTheDiaryNoteMakesItTheTarget()
    {
        placeView()->setFocus();
        DBRichEdit *note = m_run->form().page<SchodennykPage>()->DBRichEdit1;
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), note->mapToGlobal(QPointF(5, 5)));
        QCoreApplication::sendEvent(note, &enter);
        QCOMPARE(commands().ActiveRichEdit.data(), note);
        QVERIFY(!note->hasFocus());
    }

    // Showing another record moves the caret, which is no selection of the user's.
    void anotherRecordPresetsNothing()
    {
        select(placeView(), 6, 12);
        const FontChoice preset = commands().FontDialog1;
        places().insert();
        places().field(u"Name").setString(u"Ставок"_s);
        places().post();
        places().first();
        QCOMPARE(commands().FontDialog1, preset);
    }
};

QTEST_MAIN(TestRichTextCommands)
#include "tst_richtextcommands.moc"
