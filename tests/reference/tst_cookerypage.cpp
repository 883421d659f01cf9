// SPDX-License-Identifier: GPL-3.0-or-later
// The fish cookery page: its recipe list, picture and text.
#include "reference/KuhnyaPage.h"
#include "tests/support/HandbookPageTest.h"

#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;
using namespace Qt::StringLiterals;

class TestCookeryPage : public HandbookPageTest
{
    Q_OBJECT

public:
    TestCookeryPage() : HandbookPageTest(6, "TabKuhnya") {}

private:
    QList<Control> controls() override
    {
        KuhnyaPage &cookery = page<KuhnyaPage>();
        return {{"GroupBoxKuhnyaName", cookery.GroupBoxKuhnyaName, "QGroupBox"},
                {"DBGridKuhnyaName", cookery.DBGridKuhnyaName, "lynvar::DBGrid"},
                {"ImageKuhnyaSmall", cookery.ImageKuhnyaSmall, "lynvar::PictureView"},
                {"DBRichEditKuhnya", cookery.DBRichEditKuhnya, "lynvar::DBRichEdit"},
                {"RichEditTemp", cookery.RichEditTemp, "QTextEdit", {}, true}};
    }
    QList<Bound> boundViews() const override { return {{"DBRichEditKuhnya", "KuhnyaDS", "ReceptUA"}}; }
    QList<Grid> grids() const override
    {
        return {{"DBGridKuhnyaName", "KuhnyaDS", {u"NameUA"_s}, {u"Рецепт"_s}}};
    }
    QList<Font> fonts() const override
    {
        return {{"DBGridKuhnyaName", "Tahoma", 13}, {"DBRichEditKuhnya", "Times New Roman", 16}};
    }
    QList<Size> sizes() const override
    {
        return {{"GroupBoxKuhnyaName", true, 204}, {"ImageKuhnyaSmall panel", false, 150}};
    }
    QList<Formatted> formattedViews() const override
    {
        return {{"DBRichEditKuhnya", "KuhnyaTable", "Kuhnya", "ReceptUA"}};
    }
};

QTEST_MAIN(TestCookeryPage)
#include "tst_cookerypage.moc"
