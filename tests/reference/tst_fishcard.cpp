// SPDX-License-Identifier: GPL-3.0-or-later
// The fish card: the photos it shows on a change of fish and on clicks, the picture fit rule, and
// copying one fish's classification onto another.
#include "common/Error.h"
#include "controls/DBText.h"
#include "data/DataModule2.h"
#include "reference/FishPage.h"
#include "tests/reference/HandbookTestSupport.h"

#include <QAction>
#include <QTabWidget>
#include <QtTest>

using namespace lynvar;
using namespace lynvar::test;
using namespace Qt::StringLiterals;

namespace {

// The first three fish are "Alpha", "Beta" and "Gamma" by their Latin species names.
std::unique_ptr<ProgramFolder> namedFish(const QString &first = u"Alpha"_s)
{
    auto folder = std::make_unique<ProgramFolder>();
    const QStringList names = {first, u"Beta"_s, u"Gamma"_s};
    for (int id = 1; id <= 3; ++id)
        changeHandbook(*folder, u"UPDATE Fish SET Species = ? WHERE ID = ?"_s, {names[id - 1], id});
    writePicture(*folder, u"fish/no_photo.jpg"_s, FishPlaceholder);
    return folder;
}

void writePhotos(const ProgramFolder &folder, const QString &species, int count)
{
    for (int n = 1; n <= count; ++n)
        writePicture(folder, u"fish/%1/%2.jpg"_s.arg(species).arg(n), n);
}

QStringList classification(DataSet &fish)
{
    QStringList texts;
    for (const QString &field : FishPage::classificationFields())
        texts << fish.field(field).asString();
    return texts;
}

} // namespace

class TestFishCard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clicksStepThroughThePhotos_data()
    {
        QTest::addColumn<int>("photos");
        QTest::addColumn<QList<int>>("shown"); // after the refresh, then after each click
        QTest::addColumn<int>("counter");
        QTest::newRow("none") << 0 << QList<int>{FishPlaceholder, FishPlaceholder, FishPlaceholder} << 1;
        QTest::newRow("one") << 1 << QList<int>{1, 1, 1, 1} << 2;
        QTest::newRow("three") << 3 << QList<int>{1, 1, 2, 3, 1, 2} << 3;
    }
    void clicksStepThroughThePhotos()
    {
        QFETCH(int, photos);
        QFETCH(QList<int>, shown);
        QFETCH(int, counter);
        const auto folder = namedFish();
        writePhotos(*folder, u"Alpha"_s, photos);
        StartedApplication run(*folder);
        FishPage &page = *run.form().page<FishPage>();
        QList<int> seen{shownPicture(page.ImageFotoFish)};
        while (seen.size() < shown.size()) {
            Q_EMIT page.ImageFotoFish->clicked();
            seen << shownPicture(page.ImageFotoFish);
        }
        QCOMPARE(seen, shown);
        QCOMPARE(page.FotoFishIndex, counter);
        QVERIFY(run.dialogs.errors.isEmpty());
    }

    // The counter is not reset by another fish: the next click shows the photo it names, or photo 1.
    void theCounterOutlivesAChangeOfFish()
    {
        const auto folder = namedFish();
        writePhotos(*folder, u"Alpha"_s, 3);
        writePhotos(*folder, u"Beta"_s, 2);
        StartedApplication run(*folder);
        FishPage &page = *run.form().page<FishPage>();
        for (int i = 0; i < 3; ++i)
            Q_EMIT page.ImageFotoFish->clicked();
        QCOMPARE(shownPicture(page.ImageFotoFish), 3);
        run.data().FishTable.moveTo(1);
        QList<int> seen{shownPicture(page.ImageFotoFish)};
        for (int i = 0; i < 2; ++i) {
            Q_EMIT page.ImageFotoFish->clicked();
            seen << shownPicture(page.ImageFotoFish);
        }
        QCOMPARE(seen, (QList<int>{1, 1, 2}));
    }

    // A walk through the fish while the page is hidden loads no photo; the page shows the fish current then.
    void aHiddenCardCatchesUpWhenShown()
    {
        const auto folder = namedFish();
        writePhotos(*folder, u"Alpha"_s, 1);
        writePicture(*folder, u"fish/Gamma/1.jpg"_s, 3);
        StartedApplication run(*folder);
        FishPage &page = *run.form().page<FishPage>();
        run.showPage(0);
        DataSet &fish = run.data().FishTable;
        for (fish.first(); !fish.eof(); fish.next())
            QCOMPARE(shownPicture(page.ImageFotoFish), 1);
        QVERIFY(fish.locate(u"Species"_s, u"Gamma"_s));
        run.showPage(2);
        QCOMPARE(shownPicture(page.ImageFotoFish), 3);
    }

    void theCardShowsTheSpeciesPhotos_data()
    {
        QTest::addColumn<QString>("species");
        QTest::addColumn<QStringList>("files"); // small photo, photo 1: written under these names
        QTest::addColumn<int>("small");
        QTest::addColumn<int>("big");
        const QStringList alpha = {u"fish/small/Alpha.jpg"_s, u"fish/Alpha/1.jpg"_s};
        QTest::newRow("both photos") << u"Alpha"_s << alpha << 5 << 1;
        QTest::newRow("no photos") << u"Alpha"_s << QStringList() << FishPlaceholder << FishPlaceholder;
        QTest::newRow("empty species") << QString() << QStringList{u"fish/small/.jpg"_s, u"fish/1.jpg"_s}
                                       << FishPlaceholder << FishPlaceholder;
        QTest::newRow("species with a slash")
            << u"sub/Alpha"_s << QStringList{u"fish/small/sub/Alpha.jpg"_s, u"fish/sub/Alpha/1.jpg"_s}
            << FishPlaceholder << FishPlaceholder;
        QTest::newRow("species with two dots")
            << u"Al..pha"_s << QStringList{u"fish/small/Al..pha.jpg"_s, u"fish/Al..pha/1.jpg"_s}
            << FishPlaceholder << FishPlaceholder;
    }
    void theCardShowsTheSpeciesPhotos()
    {
        QFETCH(QString, species);
        QFETCH(QStringList, files);
        QFETCH(int, small);
        QFETCH(int, big);
        const auto folder = namedFish(species);
        if (!files.isEmpty()) {
            writePicture(*folder, files[0], 5);
            writePicture(*folder, files[1], 1);
        }
        StartedApplication run(*folder);
        FishPage &page = *run.form().page<FishPage>();
        QCOMPARE(shownPicture(page.ImageFotoSmallFish), small);
        QCOMPARE(shownPicture(page.ImageFotoFish), big);
        // Clicks keep to the same rule.
        Q_EMIT page.ImageFotoFish->clicked();
        QCOMPARE(shownPicture(page.ImageFotoFish), big);
    }

    // A damaged photo is no reason for a box at every change of fish; a click on it is.
    void aDamagedPhotoShowsThePlaceholderQuietly()
    {
        const auto folder = namedFish();
        folder->writeFile(u"fish/small/Alpha.jpg"_s, "not a picture");
        folder->writeFile(u"fish/Alpha/1.jpg"_s, QByteArray("\xFF\xD8\xFF\xE0 broken", 12));
        StartedApplication run(*folder);
        FishPage &page = *run.form().page<FishPage>();
        QCOMPARE(shownPicture(page.ImageFotoSmallFish), FishPlaceholder);
        QCOMPARE(shownPicture(page.ImageFotoFish), FishPlaceholder);
        QVERIFY(run.dialogs.errors.isEmpty());
        QVERIFY_THROWS_EXCEPTION(Error, page.ImageFotoFishClick());
    }

    void photosFitTheirView_data()
    {
        QTest::addColumn<QSizeF>("scale"); // of the photo against the view
        QTest::addColumn<bool>("stretch");
        QTest::newRow("smaller: its own size") << QSizeF(0.5, 0.5) << false;
        QTest::newRow("larger: shrunk to fit") << QSizeF(3.0, 2.0) << true;
        QTest::newRow("just as large") << QSizeF(1.0, 1.0) << true;
        QTest::newRow("only wider") << QSizeF(2.0, 0.5) << false;
    }
    void photosFitTheirView()
    {
        QFETCH(QSizeF, scale);
        QFETCH(bool, stretch);
        const auto folder = namedFish();
        ShownApplication run(*folder);
        FishPage &page = *run.form().page<FishPage>();
        Q_EMIT page.ImageFotoSmallFish->doubleClicked();
        QCOMPARE(page.PageControlOpysFish->currentWidget(), page.TabSheetFoto);
        QCoreApplication::processEvents();
        const QSize view = page.ImageFotoFish->size();
        QVERIFY(view.width() > 100 && view.height() > 100);
        const QSize photo(qRound(view.width() * scale.width()), qRound(view.height() * scale.height()));
        writePicture(*folder, u"fish/Beta/1.jpg"_s, 2, photo);

        run.data().FishTable.moveTo(1);
        QCOMPARE(shownPicture(page.ImageFotoFish), 2);
        QCOMPARE(page.ImageFotoFish->stretch(), stretch);
        const QRect drawn = page.ImageFotoFish->pictureRect();
        QVERIFY(QRect(QPoint(0, 0), view).contains(drawn));
        if (photo.width() <= view.width() && photo.height() <= view.height())
            QCOMPARE(drawn.size(), photo);
        else // proportions kept, one side filling the view
            QVERIFY(qAbs(drawn.width() * photo.height() - drawn.height() * photo.width()) <=
                    std::max(photo.width(), photo.height()));
        QVERIFY(qAbs(drawn.center().x() - view.width() / 2) <= 1);
    }

    void copiedClassificationPastesIntoAnotherFish()
    {
        const auto folder = namedFish();
        StartedApplication run(*folder);
        FishPage &page = *run.form().page<FishPage>();
        DataSet &fish = run.data().FishTable;
        fish.moveTo(0);
        const QStringList copied = classification(fish);
        page.N1->trigger();
        QCOMPARE(page.ClassCopy, copied);

        fish.moveTo(2);
        const QString name = fish.field(u"NameUA").asString();
        const QString description = fish.field(u"OpysUA").asString();
        QVERIFY(classification(fish) != copied);
        page.N2->trigger();
        QCOMPARE(fish.state(), DataSet::State::Browse);
        QCOMPARE(classification(fish), copied);
        QCOMPARE(fish.field(u"NameUA").asString(), name);
        QCOMPARE(fish.field(u"OpysUA").asString(), description);
        QCOMPARE(page.SLat->text(), copied[2]);

        // Stored: the database file holds the pasted texts in their fields.
        Connection check(u"Check"_s);
        check.setDatabaseFile(folder->file(u"data/lynvarbook.db"_s));
        check.open();
        Statement stored(
            check, u"SELECT %1 FROM Fish WHERE ID = ?"_s.arg(FishPage::classificationFields().join(u',')));
        stored.bind(1, fish.field(u"ID").asInteger());
        QVERIFY(stored.step());
        for (int i = 0; i < copied.size(); ++i)
            QCOMPARE(stored.text(i), copied[i]);
    }

    void pastingBeforeCopyingChangesNothing()
    {
        const auto folder = namedFish();
        StartedApplication run(*folder);
        FishPage &page = *run.form().page<FishPage>();
        DataSet &fish = run.data().FishTable;
        fish.moveTo(1);
        const QStringList before = classification(fish);
        page.N2->trigger();
        QCOMPARE(fish.state(), DataSet::State::Browse);
        QCOMPARE(classification(fish), before);
        QVERIFY(!before.join(QString()).isEmpty());
    }
};

QTEST_MAIN(TestFishCard)
#include "tst_fishcard.moc"
