// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/OnFirstUse.h"
#include "controls/Page.h"
#include "diary/CatchPhotos.h"

#include <QColor>
#include <QDateTime>
#include <QSize>
#include <functional>

class QGroupBox;
class QLabel;
class QAction;
class QDialog;
class QListWidget;
class QMenu;
class QPushButton;
class QScrollArea;
class QSplitter;
class QWidget;

namespace lynvar {

class DBEdit;
class DBGrid;
class DBMemo;
class DBRichEdit;
class DBText;
class DataSet;
class FileListBox;
class PhotoLoader;
class PictureView;
class TDataModule2;
class TEditSchodennykForm;
class TFormFish;
class TFormSposobyLovu;
struct PictureResult;
using DiaryPicture = PictureResult;

// The controls of the diary page: the entry list, photos, weather, catch, methods, notes. They are made the
// first time the page is needed.
//
//   +- PanelSchodenyk -+- Splitter1 ---------------------------+
//   | entry list       | photo list | ImageUlov, in a scroll box |
//   | ButtonEditMisce  | add photo  |                            |
//   +- Panel5 ---------+------------+----------------------------+
//   | Panel7: weather over catch, methods | notes                |
//   +------------------------------------------------------------+
//
// The page's handlers refresh the entry view when the current entry or method changes, keep the
// entry's photo folder named after its start date when it is stored, and open the entry editor, the
// fish choice and the methods dialogs. Catch photos are decoded off the user-interface thread
// (PhotoLoader), so moving through the diary never waits for a photo.
class SchodennykPage final : public Page
{
    Q_OBJECT
public:
    SchodennykPage(QWidget *TabSchodennyk, AppServices &services);
    ~SchodennykPage() override;

    // --- what the page needs from the rest of the program, set once by the composition root
    void setEditSchodennykForm(OnFirstUse<TEditSchodennykForm> *editor) { m_editor = editor; }
    void setFormFish(OnFirstUse<TFormFish> *fish) { m_fish = fish; }
    void setFormSposobyLovu(OnFirstUse<TFormSposobyLovu> *methods) { m_methods = methods; }
    // Selects a page of the main window (0 places, 2 fish, 8 tackle) without recording the choice.
    void setPageSelector(std::function<void(int)> selectPage) { m_selectPage = std::move(selectPage); }
    // Whether the content language is Ukrainian.
    void setContentLanguage(std::function<bool()> isUkrainian) { m_isUkrainian = std::move(isUkrainian); }
    // Shows a dialog modally; tests drive the dialog instead.
    using ModalRunner = std::function<void(QDialog &)>;
    void setModalRunner(ModalRunner runner) { m_runModal = std::move(runner); }

    // The message texts, until a language file gives others.
    QString MessageNoMisceLovu = QStringLiteral("За даним записом місце лову незакріплене.");
    QString MessageNoMisceLovu2 = QStringLiteral("За даним записом місце незакріплене.");

    // --- handlers
    void SchodennykTableAfterScroll();
    void SposobyLovuTableAfterScroll();
    void SchodennykTableAfterInsert();
    void SchodennykTableAfterPost();
    void DBGridSchodennykTitleClick(int column);
    void ImageViterMouseMove();
    void ImageOpadyMouseMove();
    void ButtonEditMisceClick();
    void MenuAddMisceLovuClick();
    void ButtonAddUlovClick();
    void ListBoxUlovDblClick();
    void ButtonAddSposobyLovuClick();
    void ButtonEditSposobyLovuClick();
    void ListBoxOsnastkaDblClick();
    void ListBoxNazhyvkaDblClick();
    void ButtonAddFotoUlovuClick();
    void FileListSchodennykClick();
    void FileListSchodennykDblClick();
    void ImageUlovDblClick();
    // Photos dropped onto the photo list: copied as "Добавити фото" copies them.
    void FileListSchodennykDragDrop(const QStringList &files);

    // The photo folders of this program folder.
    CatchPhotos photos() const;
    // The folder of the current entry (start date and number as they stand now).
    QString currentEntryFolder() const;
    // The photo the view shows or waits for; empty for none.
    const QString &photoShown() const { return m_photoPath; }
    PhotoLoader &photoLoader() const { return *m_photoLoader; }

    // The two colours of the entry list's columns.
    static QColor cream() { return QColor(0xFF, 0xFB, 0xF0); }
    static QColor white() { return QColor(Qt::white); }

    QWidget *TabSchodennyk = nullptr;

    QWidget *PanelSchodenyk = nullptr;
    DBGrid *DBGridSchodennyk = nullptr;
    QPushButton *ButtonEditMisce = nullptr;

    QSplitter *Splitter1 = nullptr;
    FileListBox *FileListSchodennyk = nullptr;
    QPushButton *ButtonAddFotoUlovu = nullptr;
    QScrollArea *ScrollBoxUlov = nullptr;
    PictureView *ImageUlov = nullptr;

    QWidget *Panel5 = nullptr;
    QWidget *Panel7 = nullptr;

    QGroupBox *GroupBoxPogoda = nullptr;
    PictureView *ImageMoon = nullptr;
    PictureView *ImageOpady = nullptr;
    PictureView *ImageViter = nullptr;
    DBText *DBTextTusk = nullptr;
    QLabel *LabelTusk = nullptr;
    DBText *DBText1 = nullptr;
    QLabel *LabelTC1 = nullptr;
    QLabel *LabelTC2 = nullptr;

    QGroupBox *GroupBoxUlov = nullptr;
    QListWidget *ListBoxUlov = nullptr;
    DBEdit *DBEdit5 = nullptr;
    QGroupBox *GroupBoxTrofey = nullptr;
    DBEdit *DBEditTrofey = nullptr;
    DBEdit *DBEditMasaTrofeyu = nullptr;
    QPushButton *ButtonAddUlov = nullptr;

    QGroupBox *GroupBoxSposobLovu = nullptr;
    DBGrid *DBGrid3 = nullptr;
    QLabel *LabelOsnastka = nullptr;
    QListWidget *ListBoxOsnastka = nullptr;
    QLabel *LabelNazyvka = nullptr;
    QListWidget *ListBoxNazhyvka = nullptr;
    QLabel *LabelPrykormka = nullptr;
    DBMemo *DBMemo2 = nullptr;
    QPushButton *ButtonAddSposobyLovu = nullptr;
    QPushButton *ButtonEditSposobyLovu = nullptr;

    QGroupBox *GroupBoxSchodennykOpys = nullptr;
    DBRichEdit *DBRichEdit1 = nullptr;

    QMenu *PopupMenuSchodennyk = nullptr;
    QAction *MenuAddMisceLovu = nullptr;

protected:
    void build() override;
    void bind(TDataModule2 &dataModule) override;
    void connectHooks(TDataModule2 &dataModule) override;
    void refreshViews() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectHandlers();
    DataSet *diary() const;
    // The entry is stored and current: a method, catch or trophy may be written for it.
    bool hasStoredEntry() const;
    void rememberFormerFolder();
    void pointPhotoList(const QString &folder);
    void showFirstPhoto();
    void requestPhoto(const QString &path, bool userAsked);
    void photoLoaded(const QString &path, const DiaryPicture &picture, bool userAsked);
    QSize photoViewSize() const;
    void showWeatherPicture(PictureView *view, const QString &path);
    QString weatherName(DataSet &table, const QString &key) const;
    // Puts the places table on the entry's place; false (and the message) when it has none.
    bool findEntryPlace(const QString &message);
    void jumpToTackle(QListWidget *list, DataSet &items);
    void addPhotos(const QStringList &files);
    void runModal(QDialog &dialog);
    QList<QDateTime> photoTimesOfCurrentEntry() const;

    QWidget *buildEntryList();
    QWidget *buildPhotos();
    QWidget *buildWeather();
    QWidget *buildCatch();
    QWidget *buildMethods();
    QWidget *buildNotes();

    OnFirstUse<TEditSchodennykForm> *m_editor = nullptr;
    OnFirstUse<TFormFish> *m_fish = nullptr;
    OnFirstUse<TFormSposobyLovu> *m_methods = nullptr;
    std::function<void(int)> m_selectPage;
    std::function<bool()> m_isUkrainian;
    ModalRunner m_runModal;

    PhotoLoader *m_photoLoader = nullptr;
    QString m_photoPath;     // asked for or shown in ImageUlov
    QSize m_photoAskedFor;   // the view size it was asked for
    QSize m_photoDecodedFor; // the view size the shown photo was decoded for
    QSize m_photoFullSize;   // its own size
    // The photo folder of the entry being edited, as it was named before the edit.
    QDateTime m_formerStart;
    qint64 m_formerId = 0;
    bool m_editingSeen = false;
};

} // namespace lynvar
