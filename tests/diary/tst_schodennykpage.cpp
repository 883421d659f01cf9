// SPDX-License-Identifier: GPL-3.0-or-later
// The diary page: every control by its name with its kind, caption and binding, the page's
// proportions, the entry list and the views following the current entry and its methods, and the
// photo list's folder reading.
#include "app/LynvarApplication.h"
#include "app/TDovidnykForm.h"
#include "controls/DBEdit.h"
#include "controls/DBGrid.h"
#include "controls/DBGridModel.h"
#include "controls/DBMemo.h"
#include "controls/DBRichEdit.h"
#include "controls/DBText.h"
#include "controls/DataAware.h"
#include "controls/PictureView.h"
#include "data/DataModule2.h"
#include "diary/FileListBox.h"
#include "diary/SchodennykPage.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/PageHarness.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/StartedApplication.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace lynvar;
using namespace lynvar::test;

namespace {

struct Started : StartedApplication
{
    explicit Started(const ProgramFolder &folder) : StartedApplication(folder)
    {
        // Entries are inserted straight into the table here: the editor a new entry opens is not shown.
        page().setModalRunner([](QDialog &) {});
    }
    SchodennykPage &page() { return *form().page<SchodennykPage>(); }
    void showDiary() { showPage(1); }
};

struct Method
{
    QString name, groundbait;
};

struct Entry
{
    QDateTime start;
    QString place, pressure, wind;
    QVariant mass;
    QString trophy;
    QVariant trophyMass;
    QString massText, trophyMassText;
    QList<Method> methods;
};

const QList<Entry> &entries()
{
    static const QList<Entry> list = {
        {QDateTime(QDate(2014, 5, 17), QTime(6, 0)),
         QStringLiteral("Десна"),
         QStringLiteral("755"),
         QStringLiteral("3"),
         2.5,
         QStringLiteral("Щука"),
         1.2,
         QStringLiteral("2.5"),
         QStringLiteral("1.2"),
         {{QStringLiteral("Фідер"), QStringLiteral("Пшоно з медом")},
          {QStringLiteral("Поплавок"), QString()}}},
        {QDateTime(QDate(2015, 1, 1), QTime(8, 30)),
         QStringLiteral("Світязь"),
         QString(),
         QStringLiteral("7"),
         0.8,
         QStringLiteral("Окунь"),
         0.3,
         QStringLiteral("0.8"),
         QStringLiteral("0.3"),
         {{QStringLiteral("Спінінг"), QStringLiteral("Без прикормки")}}},
        {QDateTime(QDate(2013, 12, 31), QTime(7, 0)),
         QStringLiteral("Рось"),
         QStringLiteral("740"),
         QString(),
         QVariant(),
         QString(),
         QVariant(),
         QString(),
         QString(),
         {}},
    };
    return list;
}

void addEntries(TDataModule2 &data)
{
    DataSet &diary = data.SchodennykTable;
    DataSet &methods = data.SposobyLovuTable;
    for (const Entry &e : entries()) {
        diary.insert();
        diary.field(u"Date1").setDateTime(e.start);
        diary.field(u"Date2").setDateTime(e.start.addSecs(8 * 3600));
        diary.field(u"Misce").setString(e.place);
        diary.field(u"Tysk").setString(e.pressure);
        diary.field(u"SylaVitru").setString(e.wind);
        diary.field(u"MasaUlovu").setValue(e.mass);
        diary.field(u"Trofey").setString(e.trophy);
        diary.field(u"MasaTrofeyu").setValue(e.trophyMass);
        diary.post();
        // The methods of the entry just stored: the link gives them its number.
        for (const Method &m : e.methods) {
            methods.insert();
            methods.field(u"Name").setString(m.name);
            methods.field(u"Prykormka").setString(m.groundbait);
            methods.post();
        }
    }
}

const Entry &entryAt(const DBGrid &grid, int row)
{
    const QString place = grid.model()->index(row, 1).data().toString();
    for (const Entry &e : entries())
        if (e.place == place)
            return e;
    qFatal("no such entry");
}

QStringList rowsOf(const DBGrid &grid)
{
    QStringList names;
    for (int r = 0; r < grid.model()->rowCount(); ++r)
        names << grid.model()->index(r, 0).data().toString();
    return names;
}

void clickCell(DBGrid &grid, int row, int column = 0)
{
    const QRect cell = grid.visualRect(grid.model()->index(row, column));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
}

void writeFile(const QString &path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x");
}

} // namespace

class TestSchodennykPage : public QObject
{
    Q_OBJECT

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

    void everyControlStandsWithItsKindCaptionAndBinding_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("field");
        const auto row = [](const char *name, const char *kind, const char *caption = "",
                            const char *source = "", const char *field = "") {
            QTest::newRow(name) << QString::fromLatin1(kind) << QString::fromUtf8(caption)
                                << QString::fromLatin1(source) << QString::fromLatin1(field);
        };
        const char *entry = "SchodennykDS";
        const char *method = "SposobyLovuDS";
        row("PanelSchodenyk", "QWidget");
        row("DBGridSchodennyk", "lynvar::DBGrid", "", entry);
        row("ButtonEditMisce", "QPushButton", "Редагувати місце лову");
        row("Splitter1", "QSplitter");
        row("FileListSchodennyk", "QListWidget");
        row("ButtonAddFotoUlovu", "QPushButton", "Добавити фото");
        row("ImageUlov", "lynvar::PictureView");
        row("Panel5", "QWidget");
        row("Panel7", "QWidget");
        row("GroupBoxPogoda", "QGroupBox", "Погода");
        row("ImageMoon", "lynvar::PictureView");
        row("ImageOpady", "lynvar::PictureView");
        row("ImageViter", "lynvar::PictureView");
        row("LabelTyskCaption", "QLabel", "Тиск:");
        row("DBTextTusk", "lynvar::DBText", "", entry, "Tysk");
        row("LabelTusk", "QLabel", "мм.рт.ст.");
        row("LabelViterCaption", "QLabel", "Вітер:");
        row("DBText1", "lynvar::DBText", "", entry, "SylaVitru");
        row("LabelViterUnit", "QLabel", "м/с");
        row("LabelTC1", "QLabel"); // the refresh writes the temperatures
        row("LabelTC2", "QLabel");
        row("GroupBoxUlov", "QGroupBox", "Що спіймав");
        row("ListBoxUlov", "QListWidget");
        row("DBEdit5", "lynvar::DBEdit", "", entry, "MasaUlovu");
        row("LabelMasaUlovuUnit", "QLabel", "кг");
        row("GroupBoxTrofey", "QGroupBox", "Трофей");
        row("DBEditTrofey", "lynvar::DBEdit", "", entry, "Trofey");
        row("DBEditMasaTrofeyu", "lynvar::DBEdit", "", entry, "MasaTrofeyu");
        row("LabelMasaTrofeyuUnit", "QLabel", "кг");
        row("ButtonAddUlov", "QPushButton", "Додати улов");
        row("GroupBoxSposobLovu", "QGroupBox", "Спосіб лову");
        row("DBGrid3", "lynvar::DBGrid", "", method);
        row("LabelOsnastka", "QLabel", "Оснастка");
        row("ListBoxOsnastka", "QListWidget");
        row("LabelNazyvka", "QLabel", "Наживка");
        row("ListBoxNazhyvka", "QListWidget");
        row("LabelPrykormka", "QLabel", "Прикормка");
        row("DBMemo2", "lynvar::DBMemo", "", method, "Prykormka");
        row("ButtonAddSposobyLovu", "QPushButton", "Додати спосіб лову");
        row("ButtonEditSposobyLovu", "QPushButton", "Редагувати спосіб лову");
        row("GroupBoxSchodennykOpys", "QGroupBox", "Примітка");
        row("DBRichEdit1", "lynvar::DBRichEdit", "", entry, "Opys");
    }
    void everyControlStandsWithItsKindCaptionAndBinding()
    {
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(QString, source);
        QFETCH(QString, field);
        QWidget *page = m_run->form().TabSchodennyk;
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        const QList<QWidget *> found = page->findChildren<QWidget *>(name);
        QCOMPARE(found.size(), 1);
        QWidget *control = found.first();
        QVERIFY2(control->inherits(kind.toLatin1().constData()), control->metaObject()->className());
        if (hasOwnCaption(control) && (!qobject_cast<const QLabel *>(control) || !caption.isEmpty()))
            QCOMPARE(captionOf(control), caption);
        const Binding binding = bindingOf(control);
        QCOMPARE(binding.source, source);
        QCOMPARE(binding.field, field);
        // The pressure unit shows only beside a pressure, and the diary here is empty.
        QCOMPARE(control->isVisibleTo(page), name != u"LabelTusk");
    }

    void entryListHasItsFiveColumnsInTheirColours()
    {
        DBGrid &grid = *m_run->page().DBGridSchodennyk;
        QCOMPARE(grid.columnCount(), 5);
        const QStringList fields = {QStringLiteral("Date1"), QStringLiteral("Misce"), QStringLiteral("Date2"),
                                    QStringLiteral("MasaUlovu"), QStringLiteral("Trofey")};
        const QStringList titles = {QStringLiteral("Старт"), QStringLiteral("Місце лову"),
                                    QStringLiteral("Фініш"), QStringLiteral("Маса (кг)"),
                                    QStringLiteral("Трофей")};
        const QColor cream(0xFF, 0xFB, 0xF0);
        const QList<QColor> colours = {cream, QColor(Qt::white), cream, QColor(), QColor()};
        for (int c = 0; c < 5; ++c) {
            QCOMPARE(grid.columnFieldName(c), fields[c]);
            QCOMPARE(grid.columnTitle(c), titles[c]);
            QCOMPARE(grid.gridModel()->column(c).color, colours[c]);
        }
        // A whole start or finish time fits its column.
        const int time = grid.fontMetrics().horizontalAdvance(QStringLiteral("31.12.2013 23:59:59"));
        QVERIFY(grid.columnWidth(0) > time);
        QVERIFY(grid.columnWidth(2) > time);
        QVERIFY(grid.isReadOnly());
        QVERIFY(grid.rowSelect());
        QVERIFY(grid.titlesVisible());
        QCOMPARE(grid.font().pixelSize(), 13);
        QCOMPARE(grid.font().family(), QStringLiteral("Tahoma"));
    }

    void methodsGridIsOneEditableColumnWithoutTitles()
    {
        DBGrid &grid = *m_run->page().DBGrid3;
        QCOMPARE(grid.columnCount(), 1);
        QCOMPARE(grid.columnFieldName(0), QStringLiteral("Name"));
        QVERIFY(!grid.titlesVisible());
        QVERIFY(!grid.isReadOnly());
    }

    void weatherPanelTextsHaveTheirLook()
    {
        SchodennykPage &page = m_run->page();
        QCOMPARE(page.ImageViter->toolTip(), QStringLiteral("Напрям вітру"));
        QCOMPARE(page.LabelTC1->font().pixelSize(), 19);
        QCOMPARE(page.LabelTC2->font().pixelSize(), 19);
        QVERIFY(page.DBTextTusk->font().bold());
        QVERIFY(page.DBText1->font().bold());
    }

    void photoListReadsJpegFilesOfTheFolderAndIsNotBound()
    {
        SchodennykPage &page = m_run->page();
        QCOMPARE(page.FileListSchodennyk->mask(), QStringLiteral("*.jpg"));
        QVERIFY(dynamic_cast<DataAware *>(page.FileListSchodennyk) == nullptr);
        // The picture sits in a scroll box right of the splitter; the list and its button left of it.
        QCOMPARE(page.Splitter1->count(), 2);
        QCOMPARE(page.Splitter1->indexOf(page.ScrollBoxUlov), 1);
        QCOMPARE(page.ScrollBoxUlov->widget(), page.ImageUlov);
        QWidget *left = page.Splitter1->widget(0);
        QVERIFY(left->isAncestorOf(page.FileListSchodennyk));
        QVERIFY(left->isAncestorOf(page.ButtonAddFotoUlovu));
    }

    void fileListShowsMatchingFilesSortedWithoutRegardToCase()
    {
        QTemporaryDir dir;
        for (const char *name : {"b.jpg", "A.jpg", "c.txt", "D.JPG", "e.jpeg"})
            writeFile(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.jpg")));
        const QString before = QDir::currentPath();

        FileListBox list;
        list.setMask(QStringLiteral("*.jpg"));
        list.setDirectory(dir.path());
        QStringList shown;
        for (int i = 0; i < list.count(); ++i)
            shown << list.item(i)->text();
        QCOMPARE(shown,
                 (QStringList{QStringLiteral("A.jpg"), QStringLiteral("b.jpg"), QStringLiteral("D.JPG")}));
        QCOMPARE(list.filePath(0), dir.filePath(QStringLiteral("A.jpg")));
        QCOMPARE(list.filePath(3), QString());
        QCOMPARE(QDir::currentPath(), before);

        // A new photo appears when the folder is read again; a missing folder shows nothing.
        writeFile(dir.filePath(QStringLiteral("0.jpg")));
        list.readFolder();
        QCOMPARE(list.item(0)->text(), QStringLiteral("0.jpg"));
        list.setDirectory(dir.filePath(QStringLiteral("missing")));
        QCOMPARE(list.count(), 0);
    }

    void pageKeepsItsProportionsAtTheDesignSizeAndLarger_data()
    {
        QTest::addColumn<bool>("large");
        QTest::newRow("1024x726") << false;
        QTest::newRow("1920x1050") << true;
    }
    void pageKeepsItsProportionsAtTheDesignSizeAndLarger()
    {
        QFETCH(bool, large);
        TDovidnykForm &form = m_run->form();
        form.showNormal();
        form.resize(large ? QSize(1920, 1050) : QSize(1024, 726));
        m_run->showDiary();
        SchodennykPage &page = m_run->page();
        QCOMPARE(page.PanelSchodenyk->width(), 473);
        QCOMPARE(page.Panel5->height(), 274);
        QCOMPARE(page.Panel7->width(), 616);
        QCOMPARE(page.Splitter1->sizes().value(0), 96);

        const auto inPage = [&](QWidget *w) {
            return QRect(w->mapTo(page.TabSchodennyk, QPoint(0, 0)), w->size());
        };
        const QRect list = inPage(page.PanelSchodenyk);
        const QRect photos = inPage(page.Splitter1);
        const QRect bottom = inPage(page.Panel5);
        const QRect panel7 = inPage(page.Panel7);
        QVERIFY(photos.left() > list.right());
        QVERIFY(list.bottom() < bottom.top());
        QVERIFY(photos.bottom() < bottom.top());
        QVERIFY(bottom.width() >= page.TabSchodennyk->width() - 10);
        QVERIFY(inPage(page.GroupBoxPogoda).bottom() < inPage(page.GroupBoxUlov).top());
        QVERIFY(inPage(page.GroupBoxSposobLovu).left() > inPage(page.GroupBoxPogoda).right());
        QVERIFY(panel7.contains(inPage(page.GroupBoxSposobLovu)));
        QVERIFY(inPage(page.GroupBoxSchodennykOpys).left() > panel7.right());
        QVERIFY(page.DBGridSchodennyk->height() > 150);
        for (QLabel *label : page.Panel5->findChildren<QLabel *>()) {
            if (!qobject_cast<DBText *>(label) && !label->text().isEmpty())
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
        }
        for (QPushButton *button : page.TabSchodennyk->findChildren<QPushButton *>())
            QVERIFY2(button->width() >= button->fontMetrics().horizontalAdvance(button->text()) + 4,
                     qPrintable(button->objectName()));
    }

    void listViewsAndMethodsFollowTheCurrentEntryTogether()
    {
        ProgramFolder folder;
        Started run(folder);
        addEntries(run.data());
        run.showDiary();
        SchodennykPage &page = run.page();
        DBGrid &grid = *page.DBGridSchodennyk;
        DataSet &diary = run.data().SchodennykTable;
        QCOMPARE(grid.model()->rowCount(), 3);

        for (int row : {1, 2, 0}) {
            clickCell(grid, row, 1);
            QCOMPARE(diary.currentRow(), row);
            const Entry &e = entryAt(grid, row);
            QCOMPARE(diary.field(u"Misce").asString(), e.place);
            QCOMPARE(page.DBTextTusk->text(), e.pressure);
            QCOMPARE(page.DBText1->text(), e.wind);
            QCOMPARE(page.DBEdit5->text(), e.massText);
            QCOMPARE(page.DBEditTrofey->text(), e.trophy);
            QCOMPARE(page.DBEditMasaTrofeyu->text(), e.trophyMassText);
            // Only this entry's methods, the first of them current.
            QStringList names;
            for (const Method &m : e.methods)
                names << m.name;
            QCOMPARE(rowsOf(*page.DBGrid3), names);
            QCOMPARE(page.DBMemo2->toPlainText(),
                     e.methods.isEmpty() ? QString() : e.methods.first().groundbait);
        }

        // The program moves the data set: the list's selection follows.
        diary.last();
        QCOMPARE(grid.currentIndex().row(), 2);
        QCOMPARE(page.DBEditTrofey->text(), entryAt(grid, 2).trophy);
        QVERIFY(run.dialogs.errors.isEmpty());
    }

    void groundbaitFollowsTheCurrentMethod()
    {
        ProgramFolder folder;
        Started run(folder);
        addEntries(run.data());
        run.showDiary();
        SchodennykPage &page = run.page();
        DBGrid &grid = *page.DBGridSchodennyk;
        QVERIFY(run.data().SchodennykTable.locate(QStringLiteral("Misce"), QStringLiteral("Десна")));
        QCOMPARE(rowsOf(*page.DBGrid3), (QStringList{QStringLiteral("Фідер"), QStringLiteral("Поплавок")}));
        QCOMPARE(grid.model()->index(grid.currentIndex().row(), 1).data().toString(),
                 QStringLiteral("Десна"));

        clickCell(*page.DBGrid3, 1);
        QCOMPARE(run.data().SposobyLovuTable.field(u"Name").asString(), QStringLiteral("Поплавок"));
        QCOMPARE(page.DBMemo2->toPlainText(), QString());
        clickCell(*page.DBGrid3, 0);
        QCOMPARE(page.DBMemo2->toPlainText(), QStringLiteral("Пшоно з медом"));
    }

    void entryListStaysReadOnlyWhileMethodNamesCanBeEdited()
    {
        ProgramFolder folder;
        Started run(folder);
        addEntries(run.data());
        run.showDiary();
        SchodennykPage &page = run.page();
        DBGrid &grid = *page.DBGridSchodennyk;
        DataSet &diary = run.data().SchodennykTable;

        clickCell(grid, 0, 1);
        const QString place = grid.model()->index(0, 1).data().toString();
        grid.setFocus();
        QTest::keyClicks(&grid, QStringLiteral("xyz"));
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {},
                           grid.visualRect(grid.model()->index(0, 1)).center());
        QVERIFY(grid.findChildren<QLineEdit *>().isEmpty());
        QVERIFY(!(grid.model()->flags(grid.model()->index(0, 1)) & Qt::ItemIsEditable));
        QCOMPARE(diary.state(), DataSet::State::Browse);
        QCOMPARE(diary.field(u"Misce").asString(), place);

        // The methods of the trip are renamed in place.
        QVERIFY(diary.locate(QStringLiteral("Misce"), QStringLiteral("Світязь")));
        DBGrid &methods = *page.DBGrid3;
        clickCell(methods, 0);
        methods.setFocus();
        QTest::mouseDClick(methods.viewport(), Qt::LeftButton, {},
                           methods.visualRect(methods.model()->index(0, 0)).center());
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("Nakhlyst"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(run.data().SposobyLovuTable.field(u"Name").asString(), QStringLiteral("Nakhlyst"));
        QVERIFY(run.dialogs.errors.isEmpty());
    }
};

QTEST_MAIN(TestSchodennykPage)
#include "tst_schodennykpage.moc"
