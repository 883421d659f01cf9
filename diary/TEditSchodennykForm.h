// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QDialog>
#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;

namespace lynvar {

struct AppServices;
class DBEdit;
class DBGrid;
class DBLookupComboBox;
class DBRadioGroup;
class DBRichEdit;
class DatePicker;
class TDataModule2;
class WebView;

/*
 * The diary entry editor "Редагування щоденника": the place of the trip (a row of the places list),
 * its start and end, the weather and the notes of the current diary entry. "Ok" stores the entry.
 *
 *   +- GroupBoxMisceLovu -+- Panel1 -------------------+- PanelBrowser ----------+
 *   | places list         | Час рибалки: start, finish | forecast page, made the |
 *   |                     | Погода: ...  Показати погоду| first time it is asked  |
 *   |                     | Примітка                   | for                     |
 *   |                     | Ok                         |                         |
 *   +---------------------+----------------------------+-------------------------+
 *
 * The weather and notes are bound to the entry; the two date pickers are not: "Ok" copies them.
 * Closing the window by its close box stores nothing and leaves the entry as it is; closing the
 * program while it is open stores the entry as "Ok" does.
 */
class TEditSchodennykForm final : public QDialog
{
    Q_OBJECT
public:
    // The time of day both pickers hold until a value with another time is set into them.
    static QTime layoutTimeOfDay() { return QTime(13, 7, 35, 869); }

    TEditSchodennykForm(QWidget *parent, TDataModule2 &dataModule, AppServices &services);

    // The forecast address for a day, for the place chosen in the places list; empty when no
    // forecast site is set up.
    using ForecastAddress = std::function<QString(const QDate &day)>;
    // The forecast site's page of a settlement for a day: base + "погода-" + settlement + "/" +
    // the day as yyyy-MM-dd.
    static QString forecastDayAddress(const QString &base, const QString &settlement, const QDate &day);
    void setForecastAddress(ForecastAddress address) { m_forecastAddress = std::move(address); }

    // Offers the times the photos of a new entry were taken as the trip's start and end; the user
    // takes them with a button. An empty list takes the offer away.
    void offerPhotoTimes(const QList<QDateTime> &times);

    void Button1Click();
    void DateTimePickerStartChange();
    void FormClose();
    void ButtonShowPogodaClick();
    // Puts the offered photo times into the pickers.
    void ButtonFotoTimeClick();

    QGroupBox *GroupBoxMisceLovu = nullptr;
    DBGrid *DBGridMisceLovu = nullptr;
    QWidget *Panel1 = nullptr;
    QGroupBox *GroupBoxChasRybalky = nullptr;
    QLabel *LabelBeginRybalky = nullptr;
    DatePicker *DateTimePickerStart = nullptr;
    QLabel *LabelEndRybalky = nullptr;
    DatePicker *DateTimePickerFinish = nullptr;
    QWidget *PanelFotoTime = nullptr;
    QLabel *LabelFotoTime = nullptr;
    QPushButton *ButtonFotoTime = nullptr;
    QGroupBox *GroupBoxPogoda = nullptr;
    QLabel *LabelTemperatura = nullptr;
    DBEdit *DBEditTemperaturaMin = nullptr;
    DBEdit *DBEditTemperaturaMax = nullptr;
    QLabel *LabelOpady = nullptr;
    DBLookupComboBox *DBLookupComboBoxOpady = nullptr;
    QLabel *LabelTysk = nullptr;
    DBEdit *DBEdit7 = nullptr;
    QLabel *LabelSylaVitru = nullptr;
    DBEdit *DBEdit1 = nullptr;
    QLabel *LabelNapryamVitru = nullptr;
    DBLookupComboBox *DBLookupComboBoxViter = nullptr;
    DBRadioGroup *DBRadioGroupTysk = nullptr;
    QPushButton *ButtonShowPogoda = nullptr;
    QGroupBox *GroupBoxSchodennykEditOpys = nullptr;
    DBRichEdit *DBRichEdit1 = nullptr;
    QPushButton *Button1 = nullptr;
    QWidget *PanelBrowser = nullptr;
    // The forecast view, made in PanelBrowser the first time a forecast is shown; null before.
    WebView *WebBrowser1 = nullptr;

    // The width that leaves the browser panel out of view.
    int narrowWidth() const;

public Q_SLOTS:
    void done(int result) override;

private:
    QWidget *buildPlaces();
    QWidget *buildMiddle();

    TDataModule2 &m_dataModule;
    AppServices &m_services;
    ForecastAddress m_forecastAddress;
    QDateTime m_photoStart, m_photoEnd;
};

} // namespace lynvar
