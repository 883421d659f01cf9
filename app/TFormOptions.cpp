// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TFormOptions.h"

#include "common/UserDialogs.h"
#include "controls/DBCheckBox.h"
#include "controls/DBGrid.h"
#include "controls/DBImage.h"
#include "controls/DBMemo.h"
#include "controls/DataAware.h"
#include "data/DataModule2.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QTabWidget>
#include <QVBoxLayout>

namespace lynvar {
namespace {

template <typename T> T *named(T *object, const char *name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

const QString WidgetFilter = QStringLiteral("Parametr = 'Vidjet'");

DBMemo *memo(QWidget *parent, const char *name)
{
    auto *m = named(new DBMemo(parent), name);
    // Both scroll bars, as a memo with them shows: lines are not wrapped.
    m->setLineWrapMode(QPlainTextEdit::NoWrap);
    m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return m;
}

} // namespace

TFormOptions::TFormOptions(TDataModule2 *data, UserDialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_data(data), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("FormOptions"));
    setModal(true);
    setWindowTitle(QStringLiteral("Налаштування"));
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    setFont(font);
    build();
    bind();
    resize(535, 446);
}

DBImage *TFormOptions::picture(QWidget *parent, const char *name)
{
    auto *image = named(new DBImage(parent), name);
    image->setFrameShape(QFrame::Box);
    image->setContextMenuPolicy(Qt::ActionsContextMenu);
    QAction *load = named(new QAction(QStringLiteral("Завантажити з файлу…"), image), "MenuPictureLoad");
    QAction *clear = named(new QAction(QStringLiteral("Очистити"), image), "MenuPictureClear");
    image->addAction(load);
    image->addAction(clear);
    connect(load, &QAction::triggered, this, [this, image] { loadPicture(image); });
    connect(clear, &QAction::triggered, this, [this, image] { clearPicture(image); });
    return image;
}

void TFormOptions::build()
{
    PageControlOptions = named(new QTabWidget(this), "PageControlOptions");
    TabSheet1 = named(new QWidget, "TabSheet1");
    TabSheet2 = named(new QWidget, "TabSheet2");
    TabSheet3 = named(new QWidget, "TabSheet3");
    PageControlOptions->addTab(TabSheet1, QStringLiteral("Віджети"));
    PageControlOptions->addTab(TabSheet2, QStringLiteral("Погода"));
    PageControlOptions->addTab(TabSheet3, QStringLiteral("Усі"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControlOptions);

    // Widgets: their list on the left, the text and the switch of the current one on the right.
    DBGrid1 = named(new DBGrid(TabSheet1), "DBGrid1");
    DBGrid1->addColumn(QStringLiteral("ValueLabel"), QStringLiteral("Назва віджета"));
    DBGrid1->setFixedWidth(193);
    DBMemo1 = memo(TabSheet1, "DBMemo1");
    DBCheckBox1 = named(new DBCheckBox(QStringLiteral("Відображати"), TabSheet1), "DBCheckBox1");
    auto *widgetText = new QVBoxLayout;
    widgetText->addWidget(DBMemo1, 1);
    widgetText->addWidget(DBCheckBox1);
    auto *widgets = new QHBoxLayout(TabSheet1);
    widgets->addWidget(DBGrid1);
    widgets->addLayout(widgetText, 1);

    // Weather: the wind and precipitation lists, each with the picture of its current row.
    const auto weatherGroup = [this](QGroupBox *&group, const char *name, const QString &title, DBGrid *&grid,
                                     const char *gridName, DBImage *&image, const char *imageName) {
        group = named(new QGroupBox(title, TabSheet2), name);
        grid = named(new DBGrid(group), gridName);
        for (const char *field : {"NameLat", "NameRus", "NameUkr"})
            grid->addColumn(QString::fromLatin1(field));
        image = picture(group, imageName);
        image->setFixedWidth(120);
        auto *row = new QHBoxLayout(group);
        row->addWidget(grid, 1);
        row->addWidget(image);
    };
    weatherGroup(GroupBox1, "GroupBox1", QStringLiteral("Вітер"), DBGrid2, "DBGrid2", DBImage2, "DBImage2");
    weatherGroup(GroupBox2, "GroupBox2", QStringLiteral("Опади"), DBGrid3, "DBGrid3", DBImage3, "DBImage3");
    auto *weather = new QVBoxLayout(TabSheet2);
    weather->addWidget(GroupBox1);
    weather->addWidget(GroupBox2);

    // All parameters: the list on the left, the text and the picture of the current one on the right.
    DBGrid4 = named(new DBGrid(TabSheet3), "DBGrid4");
    for (const char *field : {"Parametr", "ValueLabel", "ValueBool"})
        DBGrid4->addColumn(QString::fromLatin1(field));
    DBGrid4->setFixedWidth(345);
    DBMemo2 = memo(TabSheet3, "DBMemo2");
    DBImage4 = picture(TabSheet3, "DBImage4");
    auto *parameterValues = new QVBoxLayout;
    parameterValues->addWidget(DBMemo2, 1);
    parameterValues->addWidget(DBImage4, 1);
    auto *parameters = new QHBoxLayout(TabSheet3);
    parameters->addWidget(DBGrid4);
    parameters->addLayout(parameterValues, 1);

    PageControlOptions->setCurrentIndex(0);
    connect(PageControlOptions, &QTabWidget::currentChanged, this, [this] { PageControlOptionsChange(); });
}

void TFormOptions::bind()
{
    if (!m_data)
        return;
    DBGrid1->setDataSource(&m_data->SystemDS);
    DBMemo1->bind(&m_data->SystemDS, QStringLiteral("ValueMemo"));
    DBCheckBox1->bind(&m_data->SystemDS, QStringLiteral("ValueBool"));
    DBGrid2->setDataSource(&m_data->ViterDS);
    DBImage2->bind(&m_data->ViterDS, QStringLiteral("Foto"));
    DBGrid3->setDataSource(&m_data->OpadyDS);
    DBImage3->bind(&m_data->OpadyDS, QStringLiteral("Foto"));
    DBGrid4->setDataSource(&m_data->SystemDS);
    DBMemo2->bind(&m_data->SystemDS, QStringLiteral("ValueMemo"));
    DBImage4->bind(&m_data->SystemDS, QStringLiteral("ValueFoto"));
}

void TFormOptions::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFormOptions::FormShow()
{
    if (!m_data)
        return;
    m_data->SystemTable.setFiltered(true);
    m_data->SystemTable.setFilter(WidgetFilter);
}

void TFormOptions::PageControlOptionsChange()
{
    if (!m_data)
        return;
    switch (PageControlOptions->currentIndex()) {
    case 0:
        m_data->SystemTable.setFiltered(true);
        m_data->SystemTable.setFilter(WidgetFilter);
        break;
    case 2:
        m_data->SystemTable.setFiltered(false);
        break;
    default: // the weather lists carry no filter
        break;
    }
}

void TFormOptions::loadPicture(DBImage *image)
{
    const QString file =
        m_dialogs.chooseOpenFile(QStringLiteral("Картинка"), QString(),
                                 QStringLiteral("Картинки (*.jpg *.jpeg *.png *.bmp *.gif);;Усі файли (*)"));
    if (file.isEmpty())
        return;
    const QFileInfo info(file);
    if (info.size() > MaxPictureBytes) {
        m_dialogs.showMessage(
            QStringLiteral("Файл %1 завеликий (%2 КБ): картинка може мати щонайбільше %3 КБ.")
                .arg(info.fileName())
                .arg((info.size() + 1023) / 1024)
                .arg(MaxPictureBytes / 1024));
        return;
    }
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        m_dialogs.showMessage(
            QStringLiteral("Не вдалося прочитати файл %1: %2").arg(file, input.errorString()));
        return;
    }
    // Read no more than the cap, whatever the file has grown to meanwhile.
    const QByteArray bytes = input.read(MaxPictureBytes + 1);
    if (bytes.size() > MaxPictureBytes || QImage::fromData(bytes).isNull()) {
        m_dialogs.showMessage(bytes.size() > MaxPictureBytes
                                  ? QStringLiteral("Файл %1 завеликий.").arg(info.fileName())
                                  : QStringLiteral("Файл %1 не містить картинки.").arg(info.fileName()));
        return;
    }
    image->storePicture(bytes);
}

void TFormOptions::clearPicture(DBImage *image)
{
    image->storePicture(QByteArray());
}

bool TFormOptions::postPendingEdits()
{
    if (!m_data)
        return true;
    const QList<DataSet *> tables = {&m_data->SystemTable, &m_data->ViterTable, &m_data->OpadyTable};
    try {
        if (DataAware *control = dataAwareControlOf(QApplication::focusWidget());
            control && isAncestorOf(QApplication::focusWidget()))
            control->updateRecord();
        for (DataSet *table : tables)
            if (table->isEditing())
                table->post();
        return true;
    } catch (const std::exception &e) {
        if (!m_dialogs.askYesNo(QStringLiteral("Зміни не збережено: %1\nЗакрити вікно без них?")
                                    .arg(QString::fromUtf8(e.what()))))
            return false;
        for (DataSet *table : tables)
            if (table->isEditing())
                table->cancel();
        return true;
    }
}

void TFormOptions::done(int result)
{
    // Closing would otherwise leave the last edit unstored until another part moves the table.
    if (!postPendingEdits())
        return;
    QDialog::done(result);
}

} // namespace lynvar
