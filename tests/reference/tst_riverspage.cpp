// SPDX-License-Identifier: GPL-3.0-or-later
// The rivers and lakes page: its table and text.
#include "reference/RivePage.h"
#include "tests/support/HandbookPageTest.h"

#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;
using namespace Qt::StringLiterals;

class TestRiversPage : public HandbookPageTest
{
    Q_OBJECT

public:
    TestRiversPage() : HandbookPageTest(4, "TabRive") {}

private:
    QList<Control> controls() override
    {
        RivePage &rivers = page<RivePage>();
        return {{"Splitter6", rivers.Splitter6, "QSplitter"},
                {"DBGridRive", rivers.DBGridRive, "lynvar::DBGrid"},
                {"DBRichEditRiveOpys", rivers.DBRichEditRiveOpys, "lynvar::DBRichEdit"}};
    }
    QList<Bound> boundViews() const override { return {{"DBRichEditRiveOpys", "RiveDS", "OpysUA"}}; }
    QList<Grid> grids() const override
    {
        return {{"DBGridRive",
                 "RiveDS",
                 {u"NameUA"_s, u"Dovzhyna"_s, u"Ploscha"_s, u"VpadaeUA"_s},
                 {u"Назва"_s, u"Довжина (км)"_s, u"Площа (тис. км2)"_s, u"Впадає"_s}}};
    }
    QList<Font> fonts() const override { return {{"DBGridRive", "Tahoma", 13}}; }
    QList<Size> sizes() const override { return {{"DBGridRive", true, 417}}; }
    QList<Formatted> formattedViews() const override
    {
        return {{"DBRichEditRiveOpys", "RiveTable", "Rive", "OpysUA"}};
    }
};

QTEST_MAIN(TestRiversPage)
#include "tst_riverspage.moc"
