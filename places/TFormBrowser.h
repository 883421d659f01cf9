// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QUrl>

namespace lynvar {

struct AppServices;
class TDataModule2;
class WebView;

// The weather window "Погода": one web view filling it. Made on first use and kept until the program
// ends; its view is made the first time it shows a page.
//
// Showing the window shows the forecast of the current diary entry's day (FormShow), unless an
// address was given with showAddress since it was last shown.
class TFormBrowser final : public QDialog
{
    Q_OBJECT
public:
    // `services` outlives the window; `dataModule` may be null.
    TFormBrowser(AppServices &services, TDataModule2 *dataModule, QWidget *parent = nullptr);

    // Shows `address` in the window's view.
    void showAddress(const QUrl &address);

    void FormShow();

    QWidget *WebBrowser1Host = nullptr;
    WebView *WebBrowser1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    WebView &webView();

    AppServices &m_services;
    TDataModule2 *m_dataModule;
    bool m_addressGiven = false;
};

} // namespace lynvar
