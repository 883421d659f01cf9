// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/HandbookPageTest.h"

#include "controls/DBGrid.h"
#include "controls/DBRichEdit.h"
#include "controls/DBText.h"
#include "data/DataModule2.h"
#include "data/DataSource.h"
#include "tests/support/PageHarness.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace lynvar::test {

namespace {

// The page of the main window a control stands on.
QWidget *pageOf(QWidget *w)
{
    for (QWidget *p = w; p; p = p->parentWidget())
        if (p->parentWidget() && p->parentWidget()->parentWidget() &&
            p->parentWidget()->parentWidget()->objectName() == u"PageControlGeneral")
            return p;
    return nullptr;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString latin1(const char *text)
{
    return QString::fromLatin1(text);
}

QString currentName()
{
    return latin1(QTest::currentDataTag());
}

} // namespace

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

QString stripMarks(QString paragraph)
{
    if (paragraph.startsWith(u"## ") || paragraph.startsWith(u"- "))
        paragraph = paragraph.mid(paragraph.indexOf(u' ') + 1);
    return paragraph.remove(u"**"_s);
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

void clickRow(DBGrid *grid, int row)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

void HandbookPageTest::initTestCase()
{
    m_folder = std::make_unique<ProgramFolder>();
    m_run = std::make_unique<ShownApplication>(*m_folder);
    QVERIFY(m_run->dialogs.errors.isEmpty());
}

void HandbookPageTest::cleanupTestCase()
{
    m_run.reset();
    m_folder.reset();
}

void HandbookPageTest::namedControlsStandOnTheirPage_data()
{
    QTest::addColumn<QObject *>("member");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("hidden");
    for (const Control &c : controls())
        QTest::newRow(c.name.constData()) << c.member << latin1(c.kind) << c.caption << c.hidden;
}

void HandbookPageTest::namedControlsStandOnTheirPage()
{
    QFETCH(QObject *, member);
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(bool, hidden);
    const QString name = currentName();
    QWidget *w = m_run->control(name);
    QVERIFY2(w, "missing, or its name is not unique in the window");
    QCOMPARE(w, member);
    QVERIFY2(w->inherits(kind.toLatin1().constData()), w->metaObject()->className());
    QVERIFY(pageOf(w));
    QCOMPARE(pageOf(w)->objectName(), latin1(m_tabName));
    if (!caption.isNull())
        QCOMPARE(captionOf(w), caption);
    // A page of an inner page control is shown only while current; everything else is hidden
    // only on purpose.
    if (!name.startsWith(u"Tab"))
        QCOMPARE(w->isHidden(), hidden);
}

void HandbookPageTest::boundViewsNameTheirFields_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("field");
    for (const Bound &b : boundViews())
        QTest::newRow(b.view) << latin1(b.source) << latin1(b.field);
}

void HandbookPageTest::boundViewsNameTheirFields()
{
    QFETCH(QString, source);
    QFETCH(QString, field);
    QWidget *w = m_run->control(currentName());
    QVERIFY(w);
    QCOMPARE(bindingOf(w), (Binding{source, field}));
    if (auto *rich = qobject_cast<DBRichEdit *>(w)) {
        // Read-only by option, so no record ever makes it editable.
        QVERIFY(rich->readOnlyOption());
        QVERIFY(rich->isReadOnly());
        QCOMPARE(rich->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    } else {
        QVERIFY(qobject_cast<DBText *>(w));
    }
}

void HandbookPageTest::gridsShowTheirColumns_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("titles");
    for (const Grid &g : grids())
        QTest::newRow(g.name) << latin1(g.source) << g.fields << g.titles;
}

void HandbookPageTest::gridsShowTheirColumns()
{
    QFETCH(QString, source);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, titles);
    auto *grid = m_run->control<DBGrid>(currentName());
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

void HandbookPageTest::fontsAreTheLayoutsFonts_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    for (const Font &f : fonts())
        QTest::newRow(f.name.constData()) << latin1(f.family) << f.pixelSize << f.bold;
}

void HandbookPageTest::fontsAreTheLayoutsFonts()
{
    QFETCH(QString, family);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QWidget *w = m_run->control(currentName());
    QVERIFY(w);
    QCOMPARE(w->font().family(), family);
    QCOMPARE(w->font().pixelSize(), pixelSize);
    QCOMPARE(w->font().bold(), bold);
}

void HandbookPageTest::sizesAreTheLayoutsSizes_data()
{
    QTest::addColumn<bool>("width");
    QTest::addColumn<int>("size");
    for (const Size &s : sizes())
        QTest::newRow(s.name) << s.width << s.size;
}

void HandbookPageTest::sizesAreTheLayoutsSizes()
{
    QFETCH(bool, width);
    QFETCH(int, size);
    showPage();
    QString name = currentName();
    const bool panel = name.endsWith(u" panel");
    name = name.section(u' ', 0, 0);
    QWidget *w = m_run->control(name);
    QVERIFY(w);
    if (panel)
        w = w->parentWidget();
    QVERIFY(w->isVisible());
    QCOMPARE(width ? w->width() : w->height(), size);
}

void HandbookPageTest::richTextViewsShowTheRecordsFormatting_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("seed");
    QTest::addColumn<QString>("field");
    for (const Formatted &f : formattedViews())
        QTest::newRow(f.view) << latin1(f.table) << latin1(f.seed) << latin1(f.field);
}

void HandbookPageTest::richTextViewsShowTheRecordsFormatting()
{
    if (!QTest::currentDataTag())
        QSKIP("no text of this page has bold parts");
    QFETCH(QString, table);
    QFETCH(QString, seed);
    QFETCH(QString, field);
    showPage();
    auto *view = m_run->control<DBRichEdit>(currentName());
    QVERIFY(view);
    DataSet *dataSet = m_run->data().findChild<DataSet *>(table);
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
    QVERIFY2(view->toPlainText().contains(plain.left(60)), qPrintable(plain.left(60)));
    QVERIFY2(isBold(view->document(), bold), qPrintable(bold));
    // Text outside the marks is not bold.
    const QString after = plain.mid(plain.indexOf(bold) + bold.size()).trimmed().section(u' ', 0, 1);
    if (!after.isEmpty() && !after.contains(bold))
        QVERIFY2(!isBold(view->document(), after), qPrintable(after));
    QCOMPARE(dataSet->state(), DataSet::State::Browse);
}

void HandbookPageTest::walkingTheListsNeverWritesToTheDatabase()
{
    ProgramFolder folder;
    const QString db = folder.file(u"data/lynvarbook.db"_s);
    // A first run settles whatever opening the database does once.
    {
        ShownApplication settle(folder);
    }
    const QByteArray before = fileBytes(db);
    QVERIFY(!before.isEmpty());

    // The texts of the page's first view, read through the program before and after.
    const Bound text = boundViews().first();
    const auto texts = [&text](ShownApplication &run) {
        auto *source = run.data().findChild<DataSource *>(latin1(text.source));
        DataSet &table = *source->dataSet();
        QStringList all;
        for (table.first(); !table.eof(); table.next())
            all << table.field(latin1(text.field)).asString();
        table.first();
        return all;
    };
    QStringList textsBefore;
    {
        ShownApplication run(folder);
        textsBefore = texts(run);
        run.showPage(m_pageIndex);
        // The lists a user sees on the page, in their order on it.
        int walked = 0;
        for (const Grid &g : grids()) {
            auto *grid = run.control<DBGrid>(latin1(g.name));
            QVERIFY(grid);
            if (!grid->isVisible())
                continue;
            QVERIFY2(grid->model()->rowCount() > 1, g.name);
            grid->setFocus();
            clickRow(grid, 0);
            for (int row = 1; row < grid->model()->rowCount(); ++row) {
                QTest::keyClick(grid, Qt::Key_Down);
                QCOMPARE(grid->dataSet()->currentRow(), row);
            }
            QCOMPARE(grid->dataSet()->state(), DataSet::State::Browse);
            ++walked;
        }
        QVERIFY(walked > 0);
        QVERIFY(run.dialogs.errors.isEmpty());
    }
    QVERIFY2(!QFile::exists(db + u"-wal"_s) || QFileInfo(db + u"-wal"_s).size() == 0,
             "the reference database kept a write-ahead log");
    QVERIFY2(fileBytes(db) == before, "the reference database changed");

    ShownApplication again(folder);
    QCOMPARE(texts(again), textsBefore);
}

} // namespace lynvar::test
