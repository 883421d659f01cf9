// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/TDovidnykForm.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/StartedApplication.h"

// The kinds of control the pages are made of, so that a page's test can list its members.
#include "controls/DBGrid.h"
#include "controls/DBRichEdit.h"
#include "controls/DBText.h"
#include "controls/PictureView.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QObject>
#include <QPushButton>
#include <QSplitter>
#include <QStringList>
#include <QTabWidget>
#include <QTextEdit>
#include <memory>

class QTextDocument;

namespace lynvar::test {

// The shipped rows of a handbook table, from its seed files (one file, or parts named after it).
QJsonArray seedRows(const QString &table);
// A seed paragraph as the user reads it: without its heading or item mark and its bold marks.
QString stripMarks(QString paragraph);
// Whether every character of the first occurrence of `text` is bold.
bool isBold(QTextDocument *document, const QString &text);
// A click on the first cell of a row, as the user makes it.
void clickRow(DBGrid *grid, int row);

/*
 * What every handbook page's test checks, the same way for each page: its named controls (kind,
 * caption, visibility, members), bindings, list columns, fonts and sizes, the formatting of its
 * texts, and that walking its lists writes nothing. Each page's test gives the tables and adds
 * checks of its own; it runs on one shown application made for the whole test.
 */
class HandbookPageTest : public QObject
{
    Q_OBJECT

public:
    // A named control and the page's member that must be it.
    struct Control
    {
        QByteArray name;
        QObject *member;
        const char *kind;     // class name
        QString caption = {}; // null: none to check
        bool hidden = false;
    };
    struct Bound
    {
        const char *view;
        const char *source;
        const char *field;
    };
    struct Grid
    {
        const char *name;
        const char *source;
        QStringList fields;
        QStringList titles;
    };
    struct Font
    {
        QByteArray name;
        const char *family;
        int pixelSize;
        bool bold = false;
    };
    // A width or height; a name ending in " panel" means the panel around the control.
    struct Size
    {
        const char *name;
        bool width;
        int size;
    };
    // A text view whose shipped records have bold parts, with the table it shows.
    struct Formatted
    {
        const char *view;
        const char *table;
        const char *seed;
        const char *field;
    };

protected:
    HandbookPageTest(int pageIndex, const char *tabName) : m_pageIndex(pageIndex), m_tabName(tabName) {}

    virtual QList<Control> controls() = 0;
    virtual QList<Bound> boundViews() const = 0;
    virtual QList<Grid> grids() const = 0;
    virtual QList<Font> fonts() const = 0;
    virtual QList<Size> sizes() const = 0;
    virtual QList<Formatted> formattedViews() const { return {}; }

    ShownApplication &run() { return *m_run; }
    template <typename P> P &page() { return *m_run->form().page<P>(); }
    // Shows this test's page.
    void showPage() { m_run->showPage(m_pageIndex); }

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void namedControlsStandOnTheirPage_data();
    void namedControlsStandOnTheirPage();
    void boundViewsNameTheirFields_data();
    void boundViewsNameTheirFields();
    void gridsShowTheirColumns_data();
    void gridsShowTheirColumns();
    void fontsAreTheLayoutsFonts_data();
    void fontsAreTheLayoutsFonts();
    void sizesAreTheLayoutsSizes_data();
    void sizesAreTheLayoutsSizes();
    void richTextViewsShowTheRecordsFormatting_data();
    void richTextViewsShowTheRecordsFormatting();
    // Walking every list of the page through every record, with the keyboard as a user would,
    // writes nothing into the reference database.
    void walkingTheListsNeverWritesToTheDatabase();

private:
    int m_pageIndex;
    const char *m_tabName;
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<ShownApplication> m_run;
};

} // namespace lynvar::test
