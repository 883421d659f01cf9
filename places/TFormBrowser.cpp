// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/TFormBrowser.h"

#include "common/AppServices.h"
#include "common/Error.h"
#include "common/WebView.h"
#include "controls/PageParts.h"
#include "data/DataModule2.h"
#include "places/WeatherLinks.h"

#include <QVBoxLayout>

namespace lynvar {

TFormBrowser::TFormBrowser(AppServices &services, TDataModule2 *dataModule, QWidget *parent)
    : QDialog(parent), m_services(services), m_dataModule(dataModule)
{
    setObjectName(QStringLiteral("FormBrowser"));
    setWindowTitle(QStringLiteral("Погода"));
    setModal(true);
    setFont(pageparts::pixelFont(QStringLiteral("Tahoma"), 11));
    resize(544, 513);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    WebBrowser1Host = new QWidget(this);
    WebBrowser1Host->setObjectName(QStringLiteral("WebBrowser1Host"));
    auto *hostLayout = new QVBoxLayout(WebBrowser1Host);
    hostLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(WebBrowser1Host);
}

WebView &TFormBrowser::webView()
{
    if (!WebBrowser1) {
        if (!m_services.webViews)
            throw Error(
                QStringLiteral("Сторінку неможливо показати: у програмі немає переглядача веб-сторінок"));
        WebBrowser1 = m_services.webViews->create(WebBrowser1Host);
        WebBrowser1Host->layout()->addWidget(WebBrowser1->widget());
    }
    return *WebBrowser1;
}

void TFormBrowser::showAddress(const QUrl &address)
{
    webView().showUrl(address);
    // Asked before the window is shown: its showing keeps this page.
    m_addressGiven = !isVisible();
}

void TFormBrowser::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFormBrowser::FormShow()
{
    if (m_addressGiven) {
        m_addressGiven = false;
        return;
    }
    // The day of the current diary entry (a null date reads as the zero date).
    QDate day = QDate(1899, 12, 30);
    if (m_dataModule && m_dataModule->SchodennykTable.isActive())
        day = m_dataModule->SchodennykTable.field(u"Date1").asDateTime().date();
    const QString folder = m_services.programFolder;
    const WeatherLinks links(ServiceAddresses::read(folder), ServiceAddresses::fileName(folder));
    webView().showUrl(QUrl(links.weatherWindow(day), QUrl::TolerantMode));
}

} // namespace lynvar
