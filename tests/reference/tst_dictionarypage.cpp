// SPDX-License-Identifier: GPL-3.0-or-later
// The angler's dictionary page: its word list and text.
#include "reference/SlovnykPage.h"
#include "tests/support/HandbookPageTest.h"

#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;
using namespace Qt::StringLiterals;

class TestDictionaryPage : public HandbookPageTest
{
    Q_OBJECT

public:
    TestDictionaryPage() : HandbookPageTest(5, "TabSlovnyk") {}

private:
    QList<Control> controls() override
    {
        SlovnykPage &words = page<SlovnykPage>();
        return {{"GroupBoxRybalkaName", words.GroupBoxRybalkaName, "QGroupBox"},
                {"DBGridRybalkaName", words.DBGridRybalkaName, "lynvar::DBGrid"},
                {"DBRichEditRybalkaOpys", words.DBRichEditRybalkaOpys, "lynvar::DBRichEdit"}};
    }
    QList<Bound> boundViews() const override { return {{"DBRichEditRybalkaOpys", "SlovnykDS", "OpysUA"}}; }
    QList<Grid> grids() const override
    {
        return {{"DBGridRybalkaName", "SlovnykDS", {u"NameUA"_s}, {u"Слово"_s}}};
    }
    QList<Font> fonts() const override
    {
        return {{"DBGridRybalkaName", "Tahoma", 13}, {"DBRichEditRybalkaOpys", "Times New Roman", 19}};
    }
    QList<Size> sizes() const override { return {{"GroupBoxRybalkaName", true, 227}}; }
    QList<Formatted> formattedViews() const override
    {
        return {{"DBRichEditRybalkaOpys", "SlovnykTable", "Slovnyk", "OpysUA"}};
    }
};

QTEST_MAIN(TestDictionaryPage)
#include "tst_dictionarypage.moc"
