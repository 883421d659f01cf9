// SPDX-License-Identifier: GPL-3.0-or-later
// The knots page: its list, text and picture.
#include "reference/VuzlyPage.h"
#include "tests/support/HandbookPageTest.h"

#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;
using namespace Qt::StringLiterals;

class TestKnotsPage : public HandbookPageTest
{
    Q_OBJECT

public:
    TestKnotsPage() : HandbookPageTest(3, "TabVuzly") {}

private:
    QList<Control> controls() override
    {
        VuzlyPage &knots = page<VuzlyPage>();
        return {{"GroupBox7", knots.GroupBox7, "QGroupBox"},
                {"DBGridVuzly", knots.DBGridVuzly, "lynvar::DBGrid"},
                {"Splitter4", knots.Splitter4, "QSplitter"},
                {"DBRichEditVuzly", knots.DBRichEditVuzly, "lynvar::DBRichEdit"},
                {"Panel3", knots.Panel3, "QWidget"},
                {"ImageVuzly", knots.ImageVuzly, "lynvar::PictureView"}};
    }
    QList<Bound> boundViews() const override { return {{"DBRichEditVuzly", "VuzlyDS", "OpysUA"}}; }
    QList<Grid> grids() const override { return {{"DBGridVuzly", "VuzlyDS", {u"NameUA"_s}, {u"Вузли"_s}}}; }
    QList<Font> fonts() const override
    {
        return {{"DBGridVuzly", "Tahoma", 13}, {"DBRichEditVuzly", "Times New Roman", 16}};
    }
    QList<Size> sizes() const override { return {{"GroupBox7", true, 204}}; }
    QList<Formatted> formattedViews() const override
    {
        return {{"DBRichEditVuzly", "VuzlyTable", "Vuzly", "OpysUA"}};
    }

private Q_SLOTS:
    void mainWindowReachesThePicturePanel() { QCOMPARE(run().form().Panel3, page<VuzlyPage>().Panel3); }
};

QTEST_MAIN(TestKnotsPage)
#include "tst_knotspage.moc"
