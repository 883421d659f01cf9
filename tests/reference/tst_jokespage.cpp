// SPDX-License-Identifier: GPL-3.0-or-later
// The jokes page: its list, text and picture.
#include "reference/AnecdotPage.h"
#include "tests/support/HandbookPageTest.h"

#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;
using namespace Qt::StringLiterals;

class TestJokesPage : public HandbookPageTest
{
    Q_OBJECT

public:
    TestJokesPage() : HandbookPageTest(7, "TabAnecdot") {}

private:
    QList<Control> controls() override
    {
        AnecdotPage &jokes = page<AnecdotPage>();
        return {{"GroupBox1", jokes.GroupBox1, "QGroupBox"},
                {"DBGridAnecdot", jokes.DBGridAnecdot, "lynvar::DBGrid"},
                {"Splitter3", jokes.Splitter3, "QSplitter"},
                {"DBRichEditAnecdot", jokes.DBRichEditAnecdot, "lynvar::DBRichEdit"},
                {"Image2", jokes.Image2, "lynvar::PictureView"}};
    }
    QList<Bound> boundViews() const override { return {{"DBRichEditAnecdot", "AnecdotDS", "AnecdotUA"}}; }
    QList<Grid> grids() const override
    {
        return {{"DBGridAnecdot", "AnecdotDS", {u"NameUA"_s}, {u"Анекдот"_s}}};
    }
    QList<Font> fonts() const override
    {
        return {{"DBGridAnecdot", "Tahoma", 13}, {"DBRichEditAnecdot", "Times New Roman", 16}};
    }
    QList<Size> sizes() const override
    {
        return {{"GroupBox1", true, 204}, {"DBRichEditAnecdot", false, 202}};
    }
};

QTEST_MAIN(TestJokesPage)
#include "tst_jokespage.moc"
