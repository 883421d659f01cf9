// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/TEditSchodennykForm.h"

#include "common/AppServices.h"
#include "common/Error.h"
#include "common/Shell.h"
#include "common/UserDialogs.h"
#include "common/WebView.h"
#include "controls/DBEdit.h"
#include "controls/DBGrid.h"
#include "controls/DBLookupComboBox.h"
#include "controls/DBRadioGroup.h"
#include "controls/DBRichEdit.h"
#include "controls/DataAware.h"
#include "controls/PageParts.h"
#include "data/DataModule2.h"
#include "diary/DatePicker.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace lynvar {

using pageparts::bound;
using pageparts::button;
using pageparts::label;
using pageparts::named;

namespace {

constexpr int PlacesWidth = 185;
constexpr int MiddleWidth = 276;
constexpr int Gap = 2;

} // namespace

TEditSchodennykForm::TEditSchodennykForm(QWidget *parent, TDataModule2 &dataModule, AppServices &services)
    : QDialog(parent), m_dataModule(dataModule), m_services(services)
{
    setObjectName(QStringLiteral("EditSchodennykForm"));
    setWindowTitle(QStringLiteral("Редагування щоденника"));
    setModal(true);
    setSizeGripEnabled(true);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Gap);
    layout->addWidget(buildPlaces());
    layout->addWidget(buildMiddle());

    // The browser panel takes what is left and may shrink to nothing.
    PanelBrowser = named(new QWidget(this), "PanelBrowser");
    PanelBrowser->setMinimumWidth(0);
    PanelBrowser->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    auto *browser = new QVBoxLayout(PanelBrowser);
    browser->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PanelBrowser, 1);

    DateTimePickerStart->setValue(QDateTime(QDate(2012, 12, 14), layoutTimeOfDay()));
    DateTimePickerFinish->setValue(QDateTime(QDate(2012, 12, 14), layoutTimeOfDay()));
    resize(772, 522);
}

QWidget *TEditSchodennykForm::buildPlaces()
{
    GroupBoxMisceLovu = named(new QGroupBox(QStringLiteral("Місце лову"), this), "GroupBoxMisceLovu");
    GroupBoxMisceLovu->setFixedWidth(PlacesWidth);
    auto *layout = new QVBoxLayout(GroupBoxMisceLovu);
    layout->setContentsMargins(4, 4, 4, 4);
    DBGridMisceLovu = named(new DBGrid(GroupBoxMisceLovu), "DBGridMisceLovu");
    DBGridMisceLovu->setReadOnly(true);
    DBGridMisceLovu->setRowSelect(true);
    DBGridMisceLovu->addColumn(QStringLiteral("Name"));
    DBGridMisceLovu->horizontalHeader()->setStretchLastSection(true);
    DBGridMisceLovu->setDataSource(&m_dataModule.FishMapDS);
    layout->addWidget(DBGridMisceLovu);
    return GroupBoxMisceLovu;
}

QWidget *TEditSchodennykForm::buildMiddle()
{
    DataSource *entry = &m_dataModule.SchodennykDS;
    Panel1 = named(new QWidget(this), "Panel1");
    Panel1->setFixedWidth(MiddleWidth);
    auto *layout = new QVBoxLayout(Panel1);
    layout->setContentsMargins(0, 4, 0, 4);
    layout->setSpacing(4);

    GroupBoxChasRybalky = named(new QGroupBox(QStringLiteral("Час рибалки"), Panel1), "GroupBoxChasRybalky");
    auto *time = new QGridLayout(GroupBoxChasRybalky);
    time->setContentsMargins(6, 4, 6, 4);
    LabelBeginRybalky = label(QStringLiteral("Початок рибалки"), GroupBoxChasRybalky, "LabelBeginRybalky");
    DateTimePickerStart = named(new DatePicker(GroupBoxChasRybalky), "DateTimePickerStart");
    LabelEndRybalky = label(QStringLiteral("Кінець рибалки"), GroupBoxChasRybalky, "LabelEndRybalky");
    DateTimePickerFinish = named(new DatePicker(GroupBoxChasRybalky), "DateTimePickerFinish");
    time->addWidget(LabelBeginRybalky, 0, 0);
    time->addWidget(LabelEndRybalky, 0, 1);
    time->addWidget(DateTimePickerStart, 1, 0);
    time->addWidget(DateTimePickerFinish, 1, 1);
    connect(DateTimePickerStart, &DatePicker::userChanged, this, [this] { DateTimePickerStartChange(); });

    // The offer of the photos' times; shown only when there is something to offer.
    PanelFotoTime = named(new QWidget(GroupBoxChasRybalky), "PanelFotoTime");
    auto *offer = new QVBoxLayout(PanelFotoTime);
    offer->setContentsMargins(0, 2, 0, 0);
    LabelFotoTime = label(QString(), PanelFotoTime, "LabelFotoTime");
    LabelFotoTime->setWordWrap(true);
    ButtonFotoTime = button(QStringLiteral("Взяти час із фото"), PanelFotoTime, "ButtonFotoTime");
    offer->addWidget(LabelFotoTime);
    offer->addWidget(ButtonFotoTime);
    PanelFotoTime->hide();
    time->addWidget(PanelFotoTime, 2, 0, 1, 2);
    connect(ButtonFotoTime, &QPushButton::clicked, this, [this] { ButtonFotoTimeClick(); });
    layout->addWidget(GroupBoxChasRybalky);

    GroupBoxPogoda = named(new QGroupBox(QStringLiteral("Погода"), Panel1), "GroupBoxPogoda");
    auto *weather = new QGridLayout(GroupBoxPogoda);
    weather->setContentsMargins(6, 4, 6, 4);
    weather->setVerticalSpacing(2);
    LabelTemperatura = label(QStringLiteral("Температура"), GroupBoxPogoda, "LabelTemperatura");
    DBEditTemperaturaMin =
        bound<DBEdit>(QStringLiteral("TemperaturaMin"), GroupBoxPogoda, "DBEditTemperaturaMin", entry);
    DBEditTemperaturaMax =
        bound<DBEdit>(QStringLiteral("TemperaturaMax"), GroupBoxPogoda, "DBEditTemperaturaMax", entry);
    auto *temperatures = new QHBoxLayout;
    temperatures->addWidget(DBEditTemperaturaMin);
    temperatures->addWidget(DBEditTemperaturaMax);
    LabelOpady = label(QStringLiteral("Опади"), GroupBoxPogoda, "LabelOpady");
    DBLookupComboBoxOpady = named(new DBLookupComboBox(GroupBoxPogoda), "DBLookupComboBoxOpady");
    LabelTysk = label(QStringLiteral("Атмосферний тиск"), GroupBoxPogoda, "LabelTysk");
    DBEdit7 = bound<DBEdit>(QStringLiteral("Tysk"), GroupBoxPogoda, "DBEdit7", entry);
    LabelSylaVitru = label(QStringLiteral("Сила вітру"), GroupBoxPogoda, "LabelSylaVitru");
    DBEdit1 = bound<DBEdit>(QStringLiteral("SylaVitru"), GroupBoxPogoda, "DBEdit1", entry);
    LabelNapryamVitru = label(QStringLiteral("Напрям вітру"), GroupBoxPogoda, "LabelNapryamVitru");
    DBLookupComboBoxViter = named(new DBLookupComboBox(GroupBoxPogoda), "DBLookupComboBoxViter");
    const struct
    {
        DBLookupComboBox *box;
        DataSource *list;
        const char *field;
    } lookups[] = {{DBLookupComboBoxOpady, &m_dataModule.OpadyDS, "Opady"},
                   {DBLookupComboBoxViter, &m_dataModule.ViterDS, "NaprymVitru"}};
    for (const auto &l : lookups) {
        l.box->setListSource(l.list);
        l.box->setKeyField(QStringLiteral("NameLat"));
        l.box->setListField(QStringLiteral("NameUkr"));
        l.box->bind(entry, QString::fromLatin1(l.field));
    }
    DBRadioGroupTysk =
        named(new DBRadioGroup(QStringLiteral("Зміна тиску"), GroupBoxPogoda), "DBRadioGroupTysk");
    DBRadioGroupTysk->setItems(
        {QStringLiteral("Піднімається"), QStringLiteral("Опускається"), QStringLiteral("Не змінюється")},
        {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("0")});
    DBRadioGroupTysk->bind(entry, QStringLiteral("TyskBool"));
    ButtonShowPogoda = button(QStringLiteral("Показати погоду"), GroupBoxPogoda, "ButtonShowPogoda");
    connect(ButtonShowPogoda, &QPushButton::clicked, this, [this] { ButtonShowPogodaClick(); });

    weather->addWidget(LabelTemperatura, 0, 0);
    weather->addLayout(temperatures, 1, 0);
    weather->addWidget(LabelOpady, 2, 0);
    weather->addWidget(DBLookupComboBoxOpady, 3, 0);
    weather->addWidget(LabelTysk, 4, 0);
    weather->addWidget(DBEdit7, 5, 0);
    weather->addWidget(LabelSylaVitru, 6, 0);
    weather->addWidget(DBEdit1, 7, 0);
    weather->addWidget(LabelNapryamVitru, 8, 0);
    weather->addWidget(DBLookupComboBoxViter, 9, 0);
    weather->addWidget(DBRadioGroupTysk, 0, 1, 8, 1);
    weather->addWidget(ButtonShowPogoda, 9, 1);
    layout->addWidget(GroupBoxPogoda);

    GroupBoxSchodennykEditOpys =
        named(new QGroupBox(QStringLiteral("Примітка"), Panel1), "GroupBoxSchodennykEditOpys");
    auto *notes = new QVBoxLayout(GroupBoxSchodennykEditOpys);
    notes->setContentsMargins(4, 4, 4, 4);
    DBRichEdit1 = named(new DBRichEdit(GroupBoxSchodennykEditOpys), "DBRichEdit1");
    DBRichEdit1->bind(entry, QStringLiteral("Opys"));
    notes->addWidget(DBRichEdit1);
    layout->addWidget(GroupBoxSchodennykEditOpys, 1);

    Button1 = button(QStringLiteral("Ok"), Panel1, "Button1");
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    layout->addWidget(Button1);
    return Panel1;
}

QString TEditSchodennykForm::forecastDayAddress(const QString &base, const QString &settlement,
                                                const QDate &day)
{
    return base + QStringLiteral("погода-") + settlement + u'/' + day.toString(QStringLiteral("yyyy-MM-dd"));
}

int TEditSchodennykForm::narrowWidth() const
{
    return GroupBoxMisceLovu->width() + Panel1->width() + 5;
}

void TEditSchodennykForm::DateTimePickerStartChange()
{
    DateTimePickerFinish->setDateOnly(DateTimePickerStart->date());
}

void TEditSchodennykForm::Button1Click()
{
    DataSet &entry = m_dataModule.SchodennykTable;
    DataSet &places = m_dataModule.FishMapTable;
    // What the focused box holds but has not written yet belongs to the entry stored (the click
    // that usually writes it by taking the focus may not have come from the mouse).
    if (DataAware *control = dataAwareControlOf(focusWidget()))
        control->updateRecord();
    entry.edit(); // a new entry stays in insert state
    entry.field(u"IDMisce").setValue(places.field(u"ID").value());
    entry.field(u"Misce").setValue(places.field(u"Name").value());
    entry.field(u"Date1").setDateTime(DateTimePickerStart->value());
    entry.field(u"Date2").setDateTime(DateTimePickerFinish->value());
    // A refused store throws here: the editor stays open and the entry keeps its state.
    entry.post();
    accept();
}

void TEditSchodennykForm::FormClose()
{
    // Undoes the maximising of "Показати погоду".
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
}

void TEditSchodennykForm::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TEditSchodennykForm::ButtonShowPogodaClick()
{
    const QString address = m_forecastAddress ? m_forecastAddress(DateTimePickerStart->date()) : QString();
    if (address.isEmpty()) {
        m_services.dialogs->showMessage(QStringLiteral("Адресу сайту прогнозу погоди не задано."));
        return;
    }
    if (!WebBrowser1 && m_services.webViews) {
        try {
            WebBrowser1 = m_services.webViews->create(PanelBrowser);
            PanelBrowser->layout()->addWidget(WebBrowser1->widget());
        } catch (const Error &) {
            // The browser engine cannot be started here; the user's own browser will do.
        }
    }
    if (!WebBrowser1) {
        // No embedded browser on this system: the user's own browser shows the forecast.
        if (m_services.shell)
            (void)m_services.shell->openTarget(address);
        return;
    }
    setWindowState(windowState() | Qt::WindowMaximized);
    WebBrowser1->widget()->setVisible(true);
    WebBrowser1->showUrl(QUrl(address, QUrl::TolerantMode));
}

void TEditSchodennykForm::offerPhotoTimes(const QList<QDateTime> &times)
{
    if (times.isEmpty()) {
        m_photoStart = m_photoEnd = QDateTime();
        PanelFotoTime->hide();
        return;
    }
    const auto [first, last] = std::minmax_element(times.begin(), times.end());
    m_photoStart = *first;
    m_photoEnd = *last;
    const QString format = QStringLiteral("dd.MM.yyyy HH:mm");
    LabelFotoTime->setText(QStringLiteral("Фото цього запису зроблено з %1 до %2.")
                               .arg(m_photoStart.toString(format), m_photoEnd.toString(format)));
    PanelFotoTime->show();
}

void TEditSchodennykForm::ButtonFotoTimeClick()
{
    if (!m_photoStart.isValid())
        return;
    DateTimePickerStart->setValue(m_photoStart);
    DateTimePickerFinish->setValue(m_photoEnd);
}

} // namespace lynvar
