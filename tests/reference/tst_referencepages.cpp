// SPDX-License-Identifier: GPL-3.0-or-later
// The handbook pages of the main window (fish, knots, rivers, dictionary, cookery, jokes, fishing
// methods): every named control with its kind, caption, binding and visibility, and the views
// following the current record of their lists.
#include "app/LynvarApplication.h"
#include "app/TDovidnykForm.h"
#include "controls/DBGrid.h"
#include "controls/DBRichEdit.h"
#include "controls/DBText.h"
#include "controls/PictureView.h"
#include "data/DataModule2.h"
#include "reference/AnecdotPage.h"
#include "reference/FishPage.h"
#include "reference/KuhnyaPage.h"
#include "reference/RivePage.h"
#include "reference/SlovnykPage.h"
#include "reference/SposobyPage.h"
#include "reference/VuzlyPage.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/PageHarness.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/StartedApplication.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;
using namespace Qt::StringLiterals;

namespace {

constexpr int FishPageIndex = 2;
constexpr int SposobyPageIndex = 8;

struct Started : StartedApplication
{
    explicit Started(const ProgramFolder &folder) : StartedApplication(folder)
    {
        // The layout is designed for this client size; the test screen is smaller than that.
        form().showNormal();
        form().resize(1024, 726);
        QCoreApplication::processEvents();
    }

    QWidget *control(const QString &name) { return uniqueChild(&form(), name); }
    template <typename T> T *control(const QString &name) { return qobject_cast<T *>(control(name)); }
};

QWidget *pageOf(QWidget *w)
{
    for (QWidget *p = w; p; p = p->parentWidget())
        if (p->parentWidget() && p->parentWidget()->parentWidget() &&
            p->parentWidget()->parentWidget()->objectName() == u"PageControlGeneral")
            return p;
    return nullptr;
}

QString stripMarks(QString paragraph)
{
    if (paragraph.startsWith(u"## ") || paragraph.startsWith(u"- "))
        paragraph = paragraph.mid(paragraph.indexOf(u' ') + 1);
    return paragraph.remove(u"**"_s);
}

// The shipped rows of a table, from its seed files (one file, or several parts named after it).
QJsonArray seedRows(const QString &table)
{
    const QDir seed(QStringLiteral(LYNVAR_SOURCE_DIR "/seed/reference"));
    QJsonArray rows;
    for (const QString &name :
         seed.entryList({table + u".json"_s, table + u".*.json"_s}, QDir::Files, QDir::Name)) {
        QFile file(seed.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            for (const QJsonValue &row : QJsonDocument::fromJson(file.readAll()).array())
                rows.append(row);
    }
    return rows;
}

// Each paragraph of a view, as the user reads it.
QString shown(const QTextEdit *view)
{
    return view->toPlainText();
}

bool isBold(QTextDocument *document, const QString &text)
{
    const QTextCursor found = document->find(text);
    if (found.isNull())
        return false;
    // Every character of the found text: the format before each position inside it.
    for (int pos = found.selectionStart() + 1; pos <= found.selectionEnd(); ++pos) {
        QTextCursor c(document);
        c.setPosition(pos);
        if (c.charFormat().fontWeight() < QFont::Bold)
            return false;
    }
    return true;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void clickRow(DBGrid *grid, int row)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

} // namespace

class TestReferencePages : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<Started> m_run;

private Q_SLOTS:
    void initTestCase()
    {
        m_folder = std::make_unique<ProgramFolder>();
        m_run = std::make_unique<Started>(*m_folder);
        QVERIFY(m_run->dialogs.errors.isEmpty());
    }
    void cleanupTestCase()
    {
        m_run.reset();
        m_folder.reset();
    }

    void namedControlsStandOnTheirPages_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption"); // null: the control has none to check
        QTest::addColumn<bool>("hidden");
        const QString none;
        auto row = [](const char *name, const char *page, const char *kind, const QString &caption,
                      bool hidden = false) {
            QTest::newRow(name) << QString::fromLatin1(page) << QString::fromLatin1(kind) << caption
                                << hidden;
        };
        // Page 2: the filter bar, the list, the card, the classification table.
        row("GroupBoxFiltr", "TabFish", "QGroupBox", u"Фільтр"_s);
        row("LabelVybirFiltr", "TabFish", "QLabel", u"Виберіть фільтр"_s);
        row("ComboBoxFiltr", "TabFish", "QComboBox", none);
        row("LabelParamFiltr", "TabFish", "QLabel", u"Виберіть параметр фільтру"_s);
        row("ComboBoxFish", "TabFish", "QComboBox", none);
        row("Button1", "TabFish", "QPushButton", u"X"_s);
        row("lapky", "TabFish", "QLineEdit", u"\""_s, true);
        row("Splitter2", "TabFish", "QSplitter", none);
        row("PageControlFish", "TabFish", "QTabWidget", none);
        row("TabSpysokFish", "TabFish", "QWidget", u"Список риб"_s);
        row("TabClassFish", "TabFish", "QWidget", u"Таблиця біологічної класифікації"_s);
        row("GroupBoxFishNameUkr", "TabFish", "QGroupBox", none);
        row("DBGridFish", "TabFish", "lynvar::DBGrid", none);
        row("ImageFotoSmallFish", "TabFish", "lynvar::PictureView", none);
        row("PageControlOpysFish", "TabFish", "QTabWidget", none);
        row("TabSheetOpys", "TabFish", "QWidget", u"Опис"_s);
        row("TabSheetFoto", "TabFish", "QWidget", u"Фото"_s);
        row("PanelClass", "TabFish", "QFrame", none);
        row("Cl", "TabFish", "QLabel", u" Клас: "_s);
        row("Or", "TabFish", "QLabel", u" Ряд: "_s);
        row("Fa", "TabFish", "QLabel", u" Родина: "_s);
        row("Ge", "TabFish", "QLabel", u" Рід: "_s);
        row("Sp", "TabFish", "QLabel", u" Вид: "_s);
        row("Ma", "TabFish", "QLabel", none, true);
        row("Dl", "TabFish", "QLabel", none, true);
        for (const char *rank : {"C", "O", "F", "G", "S"}) {
            const QByteArray open = QByteArray(rank) + '1', close = QByteArray(rank) + '2';
            row(open.constData(), "TabFish", "QLabel", u" ("_s);
            row(close.constData(), "TabFish", "QLabel", u" ) "_s);
            row((QByteArray(rank) + "Ukr").constData(), "TabFish", "lynvar::DBText", none);
            row((QByteArray(rank) + "Lat").constData(), "TabFish", "lynvar::DBText", none);
        }
        row("DBRichEditFishOpys", "TabFish", "lynvar::DBRichEdit", none);
        row("ImageFotoFish", "TabFish", "lynvar::PictureView", none);
        row("DBGridFishAll", "TabFish", "lynvar::DBGrid", none);
        // Pages 3 to 8.
        row("GroupBox7", "TabVuzly", "QGroupBox", none);
        row("DBGridVuzly", "TabVuzly", "lynvar::DBGrid", none);
        row("Splitter4", "TabVuzly", "QSplitter", none);
        row("DBRichEditVuzly", "TabVuzly", "lynvar::DBRichEdit", none);
        row("Panel3", "TabVuzly", "QWidget", none);
        row("ImageVuzly", "TabVuzly", "lynvar::PictureView", none);
        row("Splitter6", "TabRive", "QSplitter", none);
        row("DBGridRive", "TabRive", "lynvar::DBGrid", none);
        row("DBRichEditRiveOpys", "TabRive", "lynvar::DBRichEdit", none);
        row("GroupBoxRybalkaName", "TabSlovnyk", "QGroupBox", none);
        row("DBGridRybalkaName", "TabSlovnyk", "lynvar::DBGrid", none);
        row("DBRichEditRybalkaOpys", "TabSlovnyk", "lynvar::DBRichEdit", none);
        row("GroupBoxKuhnyaName", "TabKuhnya", "QGroupBox", none);
        row("DBGridKuhnyaName", "TabKuhnya", "lynvar::DBGrid", none);
        row("ImageKuhnyaSmall", "TabKuhnya", "lynvar::PictureView", none);
        row("DBRichEditKuhnya", "TabKuhnya", "lynvar::DBRichEdit", none);
        row("RichEditTemp", "TabKuhnya", "QTextEdit", none, true);
        row("GroupBox1", "TabAnecdot", "QGroupBox", none);
        row("DBGridAnecdot", "TabAnecdot", "lynvar::DBGrid", none);
        row("Splitter3", "TabAnecdot", "QSplitter", none);
        row("DBRichEditAnecdot", "TabAnecdot", "lynvar::DBRichEdit", none);
        row("Image2", "TabAnecdot", "lynvar::PictureView", none);
        row("Splitter5", "TabSposoby", "QSplitter", none);
        row("Splitter7", "TabSposoby", "QSplitter", none);
        row("GroupBoxSnast", "TabSposoby", "QGroupBox", u"Спосіб лову"_s);
        row("DBGridSnast", "TabSposoby", "lynvar::DBGrid", none);
        row("DBRichEditSposib", "TabSposoby", "lynvar::DBRichEdit", none);
        row("GroupBoxOsnastka", "TabSposoby", "QGroupBox", u"Оснастка"_s);
        row("DBGridOsnastka", "TabSposoby", "lynvar::DBGrid", none);
        row("DBRichEditOsnastka", "TabSposoby", "lynvar::DBRichEdit", none);
        row("GroupBoxNazhyvka", "TabSposoby", "QGroupBox", u"Наживка"_s);
        row("DBGridNazhyvka", "TabSposoby", "lynvar::DBGrid", none);
        row("DBRichEditNazhyvka", "TabSposoby", "lynvar::DBRichEdit", none);
    }
    void namedControlsStandOnTheirPages()
    {
        QFETCH(QString, page);
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(bool, hidden);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        QWidget *w = m_run->control(name);
        QVERIFY2(w, "missing, or its name is not unique in the window");
        QVERIFY2(w->inherits(kind.toLatin1().constData()), w->metaObject()->className());
        QVERIFY(pageOf(w));
        QCOMPARE(pageOf(w)->objectName(), page);
        if (!caption.isNull())
            QCOMPARE(captionOf(w), caption);
        // A page of an inner page control is shown only while current; everything else is
        // hidden only on purpose.
        if (!name.startsWith(u"Tab"))
            QCOMPARE(w->isHidden(), hidden);
    }

    void membersAreTheNamedControls()
    {
        TDovidnykForm &form = m_run->form();
        const FishPage &fish = *form.page<FishPage>();
        const QList<std::pair<QObject *, const char *>> members = {
            {fish.GroupBoxFiltr, "GroupBoxFiltr"},
            {fish.ComboBoxFiltr, "ComboBoxFiltr"},
            {fish.ComboBoxFish, "ComboBoxFish"},
            {fish.Button1, "Button1"},
            {fish.lapky, "lapky"},
            {fish.LabelVybirFiltr, "LabelVybirFiltr"},
            {fish.LabelParamFiltr, "LabelParamFiltr"},
            {fish.Splitter2, "Splitter2"},
            {fish.PageControlFish, "PageControlFish"},
            {fish.TabSpysokFish, "TabSpysokFish"},
            {fish.TabClassFish, "TabClassFish"},
            {fish.GroupBoxFishNameUkr, "GroupBoxFishNameUkr"},
            {fish.DBGridFish, "DBGridFish"},
            {fish.ImageFotoSmallFish, "ImageFotoSmallFish"},
            {fish.PageControlOpysFish, "PageControlOpysFish"},
            {fish.TabSheetOpys, "TabSheetOpys"},
            {fish.TabSheetFoto, "TabSheetFoto"},
            {fish.PanelClass, "PanelClass"},
            {fish.Cl, "Cl"},
            {fish.Or, "Or"},
            {fish.Fa, "Fa"},
            {fish.Ge, "Ge"},
            {fish.Sp, "Sp"},
            {fish.Ma, "Ma"},
            {fish.Dl, "Dl"},
            {fish.CUkr, "CUkr"},
            {fish.OUkr, "OUkr"},
            {fish.FUkr, "FUkr"},
            {fish.GUkr, "GUkr"},
            {fish.SUkr, "SUkr"},
            {fish.CLat, "CLat"},
            {fish.OLat, "OLat"},
            {fish.FLat, "FLat"},
            {fish.GLat, "GLat"},
            {fish.SLat, "SLat"},
            {fish.C1, "C1"},
            {fish.C2, "C2"},
            {fish.O1, "O1"},
            {fish.O2, "O2"},
            {fish.F1, "F1"},
            {fish.F2, "F2"},
            {fish.G1, "G1"},
            {fish.G2, "G2"},
            {fish.S1, "S1"},
            {fish.S2, "S2"},
            {fish.DBRichEditFishOpys, "DBRichEditFishOpys"},
            {fish.ImageFotoFish, "ImageFotoFish"},
            {fish.DBGridFishAll, "DBGridFishAll"},
            {form.page<VuzlyPage>()->GroupBox7, "GroupBox7"},
            {form.page<VuzlyPage>()->DBGridVuzly, "DBGridVuzly"},
            {form.page<VuzlyPage>()->Splitter4, "Splitter4"},
            {form.page<VuzlyPage>()->DBRichEditVuzly, "DBRichEditVuzly"},
            {form.page<VuzlyPage>()->Panel3, "Panel3"},
            {form.Panel3, "Panel3"},
            {form.page<VuzlyPage>()->ImageVuzly, "ImageVuzly"},
            {form.page<RivePage>()->Splitter6, "Splitter6"},
            {form.page<RivePage>()->DBGridRive, "DBGridRive"},
            {form.page<RivePage>()->DBRichEditRiveOpys, "DBRichEditRiveOpys"},
            {form.page<SlovnykPage>()->GroupBoxRybalkaName, "GroupBoxRybalkaName"},
            {form.page<SlovnykPage>()->DBGridRybalkaName, "DBGridRybalkaName"},
            {form.page<SlovnykPage>()->DBRichEditRybalkaOpys, "DBRichEditRybalkaOpys"},
            {form.page<KuhnyaPage>()->GroupBoxKuhnyaName, "GroupBoxKuhnyaName"},
            {form.page<KuhnyaPage>()->DBGridKuhnyaName, "DBGridKuhnyaName"},
            {form.page<KuhnyaPage>()->ImageKuhnyaSmall, "ImageKuhnyaSmall"},
            {form.page<KuhnyaPage>()->DBRichEditKuhnya, "DBRichEditKuhnya"},
            {form.page<KuhnyaPage>()->RichEditTemp, "RichEditTemp"},
            {form.page<AnecdotPage>()->GroupBox1, "GroupBox1"},
            {form.page<AnecdotPage>()->DBGridAnecdot, "DBGridAnecdot"},
            {form.page<AnecdotPage>()->Splitter3, "Splitter3"},
            {form.page<AnecdotPage>()->DBRichEditAnecdot, "DBRichEditAnecdot"},
            {form.page<AnecdotPage>()->Image2, "Image2"},
            {form.page<SposobyPage>()->Splitter5, "Splitter5"},
            {form.page<SposobyPage>()->Splitter7, "Splitter7"},
            {form.page<SposobyPage>()->GroupBoxSnast, "GroupBoxSnast"},
            {form.page<SposobyPage>()->DBGridSnast, "DBGridSnast"},
            {form.page<SposobyPage>()->DBRichEditSposib, "DBRichEditSposib"},
            {form.page<SposobyPage>()->GroupBoxOsnastka, "GroupBoxOsnastka"},
            {form.page<SposobyPage>()->DBGridOsnastka, "DBGridOsnastka"},
            {form.page<SposobyPage>()->DBRichEditOsnastka, "DBRichEditOsnastka"},
            {form.page<SposobyPage>()->GroupBoxNazhyvka, "GroupBoxNazhyvka"},
            {form.page<SposobyPage>()->DBGridNazhyvka, "DBGridNazhyvka"},
            {form.page<SposobyPage>()->DBRichEditNazhyvka, "DBRichEditNazhyvka"},
        };
        for (const auto &[member, name] : members) {
            QVERIFY2(member, name);
            QCOMPARE(member->objectName(), QString::fromLatin1(name));
            QCOMPARE(m_run->control(member->objectName()), member);
        }
    }

    void boundViewsNameTheirFields_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("field");
        auto row = [](const char *name, const char *source, const char *field) {
            QTest::newRow(name) << QString::fromLatin1(source) << QString::fromLatin1(field);
        };
        row("DBRichEditFishOpys", "FishDS", "OpysUA");
        row("CUkr", "FishDS", "ClassisUA");
        row("OUkr", "FishDS", "OrdoUA");
        row("FUkr", "FishDS", "FamiliaUA");
        row("GUkr", "FishDS", "GenusUA");
        row("SUkr", "FishDS", "SpeciesUA");
        row("CLat", "FishDS", "Classis");
        row("OLat", "FishDS", "Ordo");
        row("FLat", "FishDS", "Familia");
        row("GLat", "FishDS", "Genus");
        row("SLat", "FishDS", "Species");
        row("DBRichEditVuzly", "VuzlyDS", "OpysUA");
        row("DBRichEditRiveOpys", "RiveDS", "OpysUA");
        row("DBRichEditRybalkaOpys", "SlovnykDS", "OpysUA");
        row("DBRichEditKuhnya", "KuhnyaDS", "ReceptUA");
        row("DBRichEditAnecdot", "AnecdotDS", "AnecdotUA");
        row("DBRichEditSposib", "SnastDS", "OpysUkr");
        row("DBRichEditOsnastka", "OsnastkaDS", "OpysUkr");
        row("DBRichEditNazhyvka", "NazyvkaDS", "OpysUkr");
    }
    void boundViewsNameTheirFields()
    {
        QFETCH(QString, source);
        QFETCH(QString, field);
        QWidget *w = m_run->control(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(w);
        if (auto *text = qobject_cast<DBText *>(w)) {
            QVERIFY(text->dataSource());
            QCOMPARE(text->dataSource()->objectName(), source);
            QCOMPARE(text->dataField(), field);
        } else {
            auto *rich = qobject_cast<DBRichEdit *>(w);
            QVERIFY(rich);
            QVERIFY(rich->dataSource());
            QCOMPARE(rich->dataSource()->objectName(), source);
            QCOMPARE(rich->dataField(), field);
            // Read-only by option, so no record ever makes it editable.
            QVERIFY(rich->readOnlyOption());
            QVERIFY(rich->isReadOnly());
            QCOMPARE(rich->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        }
    }

    void gridsShowTheirColumns_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("DBGridFish") << u"FishDS"_s << QStringList{u"NameUA"_s} << QStringList{u"Назва"_s};
        QTest::newRow("DBGridFishAll")
            << u"FishDS"_s
            << QStringList{u"NameUA"_s,    u"NameRU"_s,  u"SpeciesUA"_s, u"SpeciesRU"_s, u"Species"_s,
                           u"GenusUA"_s,   u"GenusRU"_s, u"Genus"_s,     u"FamiliaUA"_s, u"FamiliaRU"_s,
                           u"Familia"_s,   u"OrdoUA"_s,  u"OrdoRU"_s,    u"Ordo"_s,      u"ClassisUA"_s,
                           u"ClassisRU"_s, u"Classis"_s, u"Masa"_s,      u"Dlina"_s}
            << QStringList{u"Назва (Укр)"_s,  u"Назва (Рус)"_s,  u"Вид (Укр)"_s,    u"Вид (Рус)"_s,
                           u"Вид (Лат)"_s,    u"Рід (Укр)"_s,    u"Рід (Рус)"_s,    u"Рід (Лат)"_s,
                           u"Родина (Укр)"_s, u"Родина (Рус)"_s, u"Родина (Лат)"_s, u"Ряд (Укр)"_s,
                           u"Ряд (Рус)"_s,    u"Ряд (Лат)"_s,    u"Клас (Укр)"_s,   u"Клас (Рус)"_s,
                           u"Клас (Лат)"_s,   u"Masa"_s,         u"Dlina"_s};
        QTest::newRow("DBGridVuzly") << u"VuzlyDS"_s << QStringList{u"NameUA"_s} << QStringList{u"Вузли"_s};
        QTest::newRow("DBGridRive") << u"RiveDS"_s
                                    << QStringList{u"NameUA"_s, u"Dovzhyna"_s, u"Ploscha"_s, u"VpadaeUA"_s}
                                    << QStringList{u"Назва"_s, u"Довжина (км)"_s, u"Площа (тис. км2)"_s,
                                                   u"Впадає"_s};
        QTest::newRow("DBGridRybalkaName")
            << u"SlovnykDS"_s << QStringList{u"NameUA"_s} << QStringList{u"Слово"_s};
        QTest::newRow("DBGridKuhnyaName")
            << u"KuhnyaDS"_s << QStringList{u"NameUA"_s} << QStringList{u"Рецепт"_s};
        QTest::newRow("DBGridAnecdot")
            << u"AnecdotDS"_s << QStringList{u"NameUA"_s} << QStringList{u"Анекдот"_s};
        // Without titles of their own, the method lists show their field's name.
        QTest::newRow("DBGridSnast") << u"SnastDS"_s << QStringList{u"NameUkr"_s}
                                     << QStringList{u"NameUkr"_s};
        QTest::newRow("DBGridOsnastka")
            << u"OsnastkaDS"_s << QStringList{u"NameUkr"_s} << QStringList{u"NameUkr"_s};
        QTest::newRow("DBGridNazhyvka")
            << u"NazyvkaDS"_s << QStringList{u"NameUkr"_s} << QStringList{u"NameUkr"_s};
    }
    void gridsShowTheirColumns()
    {
        QFETCH(QString, source);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, titles);
        auto *grid = m_run->control<DBGrid>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(grid);
        QVERIFY(grid->dataSource());
        QCOMPARE(grid->dataSource()->objectName(), source);
        QVERIFY(grid->isReadOnly());
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(grid->columnCount(), fields.size());
        for (int c = 0; c < fields.size(); ++c) {
            QCOMPARE(grid->columnFieldName(c), fields[c]);
            QCOMPARE(grid->columnTitle(c), titles[c]);
            QCOMPARE(grid->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), titles[c]);
        }
        QVERIFY(grid->model()->rowCount() > 0);
    }

    void fontsAreTheLayoutsFonts_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        auto row = [](const char *name, const char *family, int size, bool bold = false) {
            QTest::newRow(name) << QString::fromLatin1(family) << size << bold;
        };
        for (const char *grid :
             {"DBGridFish", "DBGridFishAll", "DBGridVuzly", "DBGridRive", "DBGridRybalkaName",
              "DBGridKuhnyaName", "DBGridAnecdot", "DBGridSnast", "DBGridOsnastka", "DBGridNazhyvka"})
            row(grid, "Tahoma", 13);
        for (const char *view :
             {"DBRichEditFishOpys", "DBRichEditVuzly", "DBRichEditKuhnya", "DBRichEditAnecdot"})
            row(view, "Times New Roman", 16);
        row("DBRichEditRybalkaOpys", "Times New Roman", 19);
        for (const char *view : {"DBRichEditSposib", "DBRichEditOsnastka", "DBRichEditNazhyvka"})
            row(view, "Tahoma", 13);
        for (const char *rank : {"Cl", "Or", "Fa", "Ge", "Sp"})
            row(rank, "Tahoma", 15, true);
        for (const char *part : {"CUkr", "CLat", "C1", "C2", "SUkr", "SLat", "S1", "S2"})
            row(part, "Tahoma", 15);
        row("LabelVybirFiltr", "Tahoma", 11);
        row("ComboBoxFiltr", "Tahoma", 11);
    }
    void fontsAreTheLayoutsFonts()
    {
        QFETCH(QString, family);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        QWidget *w = m_run->control(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(w);
        QCOMPARE(w->font().family(), family);
        QCOMPARE(w->font().pixelSize(), pixelSize);
        QCOMPARE(w->font().bold(), bold);
    }

    void sizesAreTheLayoutsSizes_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("width");
        QTest::addColumn<int>("size");
        QTest::newRow("GroupBoxFiltr") << FishPageIndex << false << 67;
        QTest::newRow("GroupBoxFishNameUkr") << FishPageIndex << true << 204;
        QTest::newRow("ImageFotoSmallFish panel") << FishPageIndex << false << 150;
        QTest::newRow("GroupBox7") << 3 << true << 204;
        QTest::newRow("DBGridRive") << 4 << true << 417;
        QTest::newRow("GroupBoxRybalkaName") << 5 << true << 227;
        QTest::newRow("GroupBoxKuhnyaName") << 6 << true << 204;
        QTest::newRow("ImageKuhnyaSmall panel") << 6 << false << 150;
        QTest::newRow("GroupBox1") << 7 << true << 204;
        QTest::newRow("DBRichEditAnecdot") << 7 << false << 202;
        QTest::newRow("GroupBoxSnast") << 8 << true << 289;
        QTest::newRow("GroupBoxOsnastka") << 8 << true << 280;
        QTest::newRow("DBRichEditSposib") << 8 << false << 247;
        QTest::newRow("DBRichEditOsnastka") << 8 << false << 247;
        QTest::newRow("DBRichEditNazhyvka") << 8 << false << 247;
    }
    void sizesAreTheLayoutsSizes()
    {
        QFETCH(int, page);
        QFETCH(bool, width);
        QFETCH(int, size);
        m_run->showPage(page);
        QString name = QString::fromLatin1(QTest::currentDataTag());
        const bool panel = name.endsWith(u" panel");
        name = name.section(u' ', 0, 0);
        QWidget *w = m_run->control(name);
        QVERIFY(w);
        if (panel)
            w = w->parentWidget();
        QVERIFY(w->isVisible());
        QCOMPARE(width ? w->width() : w->height(), size);
    }

    void fishPageOpensOnTheListAndTheDescription()
    {
        Started &run = *m_run;
        QCOMPARE(run.form().page<FishPage>()->PageControlFish->currentWidget(),
                 run.form().page<FishPage>()->TabSpysokFish);
        QCOMPARE(run.form().page<FishPage>()->PageControlOpysFish->currentWidget(),
                 run.form().page<FishPage>()->TabSheetOpys);
    }

    void filterListsStartWithTheNineKindsAndNoValues()
    {
        FishPage &fish = *m_run->form().page<FishPage>();
        const QStringList entries = {u"Рід (Лат)"_s,    u"Рід (Рус)"_s,    u"Рід (Укр)"_s,
                                     u"Родина (Лат)"_s, u"Родина (Рус)"_s, u"Родина (Укр)"_s,
                                     u"Ряд (Лат)"_s,    u"Ряд (Рус)"_s,    u"Ряд (Укр)"_s};
        QStringList shownEntries;
        for (int i = 0; i < fish.ComboBoxFiltr->count(); ++i)
            shownEntries << fish.ComboBoxFiltr->itemText(i);
        QCOMPARE(shownEntries, entries);
        QCOMPARE(fish.ComboBoxFiltr->itemData(5).toString(), u"FamiliaUA"_s);
        QCOMPARE(fish.ComboBoxFiltr->currentIndex(), -1);
        QVERIFY(!fish.ComboBoxFiltr->isEditable());
        QCOMPARE(fish.ComboBoxFish->count(), 0);
        QVERIFY(!fish.ComboBoxFish->isEditable());
        QCOMPARE(fish.Button1->toolTip(), u"Очистити фільтр"_s);
        QVERIFY(fish.lapky->isReadOnly());
    }

    void rankLabelsExplainTheirRank()
    {
        FishPage &fish = *m_run->form().page<FishPage>();
        QCOMPARE(fish.Cl->toolTip(), u"Один з основних рангів біологічної класифікації."_s);
        QVERIFY(fish.Or->toolTip().startsWith(u"Систематична категорія (ранг)"));
        QVERIFY(fish.Fa->toolTip().startsWith(u"Таксономічна категорія"));
        QVERIFY(fish.Ge->toolTip().startsWith(u"Основна надвидова категорія"));
        QCOMPARE(fish.Sp->toolTip().count(u". "), 2); // three sentences
    }

    void fishListCardAndTableFollowTheCurrentFish()
    {
        Started &run = *m_run;
        run.showPage(FishPageIndex);
        FishPage &fish = *run.form().page<FishPage>();
        DataSet &table = run.data().FishTable;
        QVERIFY(table.recordCount() > 10);

        QString lastSpecies;
        for (int row : {5, 0, 9}) {
            clickRow(fish.DBGridFish, row);
            QCOMPARE(table.currentRow(), row);
            QCOMPARE(fish.DBGridFish->currentIndex().row(), row);
            QCOMPARE(fish.DBGridFishAll->currentIndex().row(), row);
            // The description is the fish's own: it names the fish.
            QVERIFY2(shown(fish.DBRichEditFishOpys).contains(table.field(u"NameUA").asString()),
                     qPrintable(table.field(u"NameUA").asString()));
            const QList<std::pair<DBText *, const char16_t *>> card = {
                {fish.CUkr, u"ClassisUA"}, {fish.OUkr, u"OrdoUA"},    {fish.FUkr, u"FamiliaUA"},
                {fish.GUkr, u"GenusUA"},   {fish.SUkr, u"SpeciesUA"}, {fish.CLat, u"Classis"},
                {fish.OLat, u"Ordo"},      {fish.FLat, u"Familia"},   {fish.GLat, u"Genus"},
                {fish.SLat, u"Species"}};
            for (const auto &[view, field] : card)
                QCOMPARE(view->text(), table.field(QStringView(field)).asString());
            QVERIFY(fish.SLat->text() != lastSpecies);
            lastSpecies = fish.SLat->text();
        }

        // A move made in the classification table shows on the list and the card too.
        run.form().page<FishPage>()->PageControlFish->setCurrentWidget(fish.TabClassFish);
        QCoreApplication::processEvents();
        clickRow(fish.DBGridFishAll, 3);
        QCOMPARE(table.currentRow(), 3);
        QCOMPARE(fish.DBGridFish->currentIndex().row(), 3);
        QCOMPARE(fish.SUkr->text(), table.field(u"SpeciesUA").asString());
        run.form().page<FishPage>()->PageControlFish->setCurrentWidget(fish.TabSpysokFish);
    }

    void classificationLinesArePacked()
    {
        Started &run = *m_run;
        run.showPage(FishPageIndex);
        FishPage &fish = *run.form().page<FishPage>();
        clickRow(fish.DBGridFish, 1);
        QCoreApplication::processEvents();
        const QList<QList<QWidget *>> lines = {{fish.Cl, fish.CUkr, fish.C1, fish.CLat, fish.C2},
                                               {fish.Or, fish.OUkr, fish.O1, fish.OLat, fish.O2},
                                               {fish.Fa, fish.FUkr, fish.F1, fish.FLat, fish.F2},
                                               {fish.Ge, fish.GUkr, fish.G1, fish.GLat, fish.G2},
                                               {fish.Sp, fish.SUkr, fish.S1, fish.SLat, fish.S2}};
        int right = 0;
        for (int i = 0; i < lines.size(); ++i) {
            const QList<QWidget *> &line = lines[i];
            QCOMPARE(line[0]->pos(), QPoint(10, 5 + 25 * i));
            for (int k = 1; k < line.size(); ++k) {
                QCOMPARE(line[k]->y(), line[0]->y());
                QCOMPARE(line[k]->x(), line[k - 1]->geometry().right() + 1);
            }
            right = std::max(right, line.last()->geometry().right());
        }
        // The panel is as wide as its longest line and no wider; the description starts beyond it.
        QVERIFY(fish.PanelClass->width() > right);
        QVERIFY(fish.PanelClass->width() <= right + 12);
        QVERIFY(fish.DBRichEditFishOpys->x() > fish.PanelClass->geometry().right());
    }

    void richTextViewsShowTheRecordsFormatting_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("seed");
        QTest::addColumn<QString>("field");
        QTest::newRow("DBRichEditFishOpys") << FishPageIndex << u"FishTable"_s << u"Fish"_s << u"OpysUA"_s;
        QTest::newRow("DBRichEditVuzly") << 3 << u"VuzlyTable"_s << u"Vuzly"_s << u"OpysUA"_s;
        QTest::newRow("DBRichEditRiveOpys") << 4 << u"RiveTable"_s << u"Rive"_s << u"OpysUA"_s;
        QTest::newRow("DBRichEditRybalkaOpys") << 5 << u"SlovnykTable"_s << u"Slovnyk"_s << u"OpysUA"_s;
        QTest::newRow("DBRichEditKuhnya") << 6 << u"KuhnyaTable"_s << u"Kuhnya"_s << u"ReceptUA"_s;
        QTest::newRow("DBRichEditSposib")
            << SposobyPageIndex << u"SnastTable"_s << u"Snast"_s << u"OpysUkr"_s;
    }
    void richTextViewsShowTheRecordsFormatting()
    {
        QFETCH(int, page);
        QFETCH(QString, table);
        QFETCH(QString, seed);
        QFETCH(QString, field);
        Started &run = *m_run;
        run.showPage(page);
        auto *view = run.control<DBRichEdit>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(view);
        DataSet *dataSet = run.data().findChild<DataSet *>(table);
        QVERIFY(dataSet);

        // The last record of the seed whose text has a bold part, so the view must move to show it.
        QJsonObject record;
        QString paragraph;
        for (const QJsonValue &row : seedRows(seed)) {
            for (const QJsonValue &p : row.toObject().value(field).toArray()) {
                if (p.toString().contains(u"**")) {
                    record = row.toObject();
                    paragraph = p.toString();
                    break;
                }
            }
        }
        QVERIFY(!paragraph.isEmpty());
        const QString bold = paragraph.section(u"**"_s, 1, 1);
        const QString plain = stripMarks(paragraph);

        dataSet->first();
        QVERIFY(dataSet->locate(u"ID"_s, record.value(u"ID").toInt()));
        QCoreApplication::processEvents();
        QVERIFY2(shown(view).contains(plain.left(60)), qPrintable(plain.left(60)));
        QVERIFY2(isBold(view->document(), bold), qPrintable(bold));
        // Text outside the marks is not bold.
        const QString after = plain.mid(plain.indexOf(bold) + bold.size()).trimmed().section(u' ', 0, 1);
        if (!after.isEmpty() && !after.contains(bold))
            QVERIFY2(!isBold(view->document(), after), qPrintable(after));
        QCOMPARE(dataSet->state(), DataSet::State::Browse);
    }

    void rigAndBaitListsFollowTheFishingMethod()
    {
        Started &run = *m_run;
        run.showPage(SposobyPageIndex);
        SposobyPage &page = *run.form().page<SposobyPage>();
        const QJsonArray methods = seedRows(u"Snast"_s);
        const QJsonArray rigs = seedRows(u"Osnastka"_s);
        const QJsonArray baits = seedRows(u"Nazhyvka"_s);
        QVERIFY(methods.size() >= 3);

        auto detailRows = [](const QJsonArray &rows, int master) {
            QJsonArray out;
            for (const QJsonValue &r : rows)
                if (r.toObject().value(u"IDSnast").toInt() == master)
                    out.append(r);
            return out;
        };
        QSet<QString> firstRigs;
        for (int m : {2, 0, int(methods.size()) - 1}) {
            clickRow(page.DBGridSnast, m);
            const QJsonObject method = methods.at(m).toObject();
            QCOMPARE(page.DBGridSnast->model()->index(m, 0).data().toString(),
                     method.value(u"NameUkr").toString());
            const QJsonArray ownRigs = detailRows(rigs, method.value(u"IDOsnastka").toInt());
            const QJsonArray ownBaits = detailRows(baits, method.value(u"IDTyp").toInt());
            QVERIFY(!ownRigs.isEmpty());
            QCOMPARE(page.DBGridOsnastka->model()->rowCount(), ownRigs.size());
            QCOMPARE(page.DBGridNazhyvka->model()->rowCount(), ownBaits.size());
            for (int i = 0; i < ownRigs.size(); ++i)
                QCOMPARE(page.DBGridOsnastka->model()->index(i, 0).data().toString(),
                         ownRigs.at(i).toObject().value(u"NameUkr").toString());
            for (int i = 0; i < ownBaits.size(); ++i)
                QCOMPARE(page.DBGridNazhyvka->model()->index(i, 0).data().toString(),
                         ownBaits.at(i).toObject().value(u"NameUkr").toString());
            // The texts under the lists are those of the method's first rig and bait.
            const QString rigText =
                stripMarks(ownRigs.at(0).toObject().value(u"OpysUkr").toArray().at(0).toString());
            QVERIFY2(shown(page.DBRichEditOsnastka).startsWith(rigText.left(40)),
                     qPrintable(rigText.left(40)));
            const QString baitText =
                stripMarks(ownBaits.at(0).toObject().value(u"OpysUkr").toArray().at(0).toString());
            QVERIFY2(shown(page.DBRichEditNazhyvka).startsWith(baitText.left(40)),
                     qPrintable(baitText.left(40)));
            firstRigs.insert(shown(page.DBRichEditOsnastka));
        }
        QCOMPARE(firstRigs.size(), 3);

        // Choosing another rig of the method changes its text, not the method's lists.
        const int rigsShown = page.DBGridOsnastka->model()->rowCount();
        QVERIFY(rigsShown >= 2);
        const QString firstRig = shown(page.DBRichEditOsnastka);
        clickRow(page.DBGridOsnastka, 1);
        QVERIFY(shown(page.DBRichEditOsnastka) != firstRig);
        QCOMPARE(page.DBGridOsnastka->model()->rowCount(), rigsShown);
        QCOMPARE(run.data().SnastTable.currentRow(), int(methods.size()) - 1);
    }

    void textViewsShowEachRecordFromItsBeginning()
    {
        Started &run = *m_run;
        run.showPage(SposobyPageIndex);
        SposobyPage &page = *run.form().page<SposobyPage>();
        for (int row : {0, 4, 1}) {
            clickRow(page.DBGridSnast, row);
            QCoreApplication::processEvents();
            for (DBRichEdit *view :
                 {page.DBRichEditSposib, page.DBRichEditOsnastka, page.DBRichEditNazhyvka}) {
                QCOMPARE(view->textCursor().position(), 0);
                QCOMPARE(view->verticalScrollBar()->value(), 0);
            }
        }
        // The method texts are longer than their views.
        QVERIFY(page.DBRichEditSposib->verticalScrollBar()->maximum() > 0);
    }

    void readOnlyViewsRefuseInput()
    {
        Started &run = *m_run;
        run.showPage(FishPageIndex);
        FishPage &fish = *run.form().page<FishPage>();
        clickRow(fish.DBGridFish, 2);
        const QString before = shown(fish.DBRichEditFishOpys);
        fish.DBRichEditFishOpys->setFocus();
        QTest::keyClicks(fish.DBRichEditFishOpys, u"xyz"_s);
        QTest::keyClick(fish.DBRichEditFishOpys, Qt::Key_Delete);
        QCOMPARE(shown(fish.DBRichEditFishOpys), before);
        fish.DBGridFish->setFocus();
        QTest::keyClicks(fish.DBGridFish, u"abc"_s);
        QTest::keyClick(fish.DBGridFish, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(run.data().FishTable.state(), DataSet::State::Browse);
        QVERIFY(run.dialogs.questions.isEmpty());
        QCOMPARE(fish.DBGridFish->currentIndex().row(), 2);
    }

    // Walking every list of the handbook pages through every record, with the keyboard as a user
    // would, writes nothing into the reference database.
    void walkingTheListsNeverWritesToTheDatabase()
    {
        ProgramFolder folder;
        const QString db = folder.file(u"data/lynvarbook.db"_s);
        // A first run settles whatever opening the database does once.
        {
            Started settle(folder);
        }
        const QByteArray before = fileBytes(db);
        QVERIFY(!before.isEmpty());
        QStringList textsBefore;
        {
            Started run(folder);
            DataSet &fishTable = run.data().FishTable;
            for (fishTable.first(); !fishTable.eof(); fishTable.next())
                textsBefore << fishTable.field(u"OpysUA").asString();
            fishTable.first();

            const QList<std::pair<int, const char *>> lists = {{FishPageIndex, "DBGridFish"},
                                                               {3, "DBGridVuzly"},
                                                               {4, "DBGridRive"},
                                                               {5, "DBGridRybalkaName"},
                                                               {6, "DBGridKuhnyaName"},
                                                               {7, "DBGridAnecdot"},
                                                               {SposobyPageIndex, "DBGridSnast"},
                                                               {SposobyPageIndex, "DBGridOsnastka"},
                                                               {SposobyPageIndex, "DBGridNazhyvka"}};
            int moves = 0;
            for (const auto &[pageIndex, name] : lists) {
                run.showPage(pageIndex);
                auto *grid = run.control<DBGrid>(QString::fromLatin1(name));
                QVERIFY(grid);
                grid->setFocus();
                clickRow(grid, 0);
                for (int row = 1; row < grid->model()->rowCount(); ++row, ++moves) {
                    QTest::keyClick(grid, Qt::Key_Down);
                    QCOMPARE(grid->dataSet()->currentRow(), row);
                }
                QCOMPARE(grid->dataSet()->state(), DataSet::State::Browse);
            }
            QVERIFY(moves > 100);
            QVERIFY(run.dialogs.errors.isEmpty());
        }
        QVERIFY2(!QFile::exists(db + u"-wal"_s) || QFileInfo(db + u"-wal"_s).size() == 0,
                 "the reference database kept a write-ahead log");
        QVERIFY2(fileBytes(db) == before, "the reference database changed");

        Started again(folder);
        QStringList textsAfter;
        DataSet &fishTable = again.data().FishTable;
        for (fishTable.first(); !fishTable.eof(); fishTable.next())
            textsAfter << fishTable.field(u"OpysUA").asString();
        QCOMPARE(textsAfter, textsBefore);
    }
};

QTEST_MAIN(TestReferencePages)
#include "tst_referencepages.moc"
