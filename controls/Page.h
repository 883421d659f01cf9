// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace lynvar {

struct AppServices;
class TDataModule2;

/*
 * One page of the main window's page control, and the owner of that page's handlers.
 *
 * The page's tab exists from the start, empty; its controls are made the first time the page is
 * needed (shown, or reached by something that must see every control, such as the language
 * switch), so that start-up builds only the page the user sees. Building runs build(), then binds
 * the controls if the data module exists, then refreshes the views from the current records, then
 * emits built(): whoever sets texts or bindings on controls (the language switch) applies them to
 * the new controls there, before the user can see them.
 *
 * Until the page is built its control pointers are null and its view refreshes do nothing; the
 * data module's hooks may still call them.
 */
class Page : public QObject
{
    Q_OBJECT
public:
    // `services` outlives the page.
    Page(QWidget *tab, AppServices &services);

    QWidget *tab() const { return m_tab; }
    bool isBuilt() const { return m_built; }
    // Makes the controls if that has not happened yet.
    void ensureBuilt();

    // The data module comes into being after the pages; the page connects its hooks at once and
    // binds its controls as soon as they exist.
    void setDataModule(TDataModule2 *dataModule);
    TDataModule2 *dataModule() const { return m_dataModule; }

Q_SIGNALS:
    void built();

protected:
    AppServices &services() const { return m_services; }

    virtual void build() = 0;
    virtual void bind(TDataModule2 &dataModule) = 0;
    // Hooks the page's handlers into the data module's data sets; runs whether or not it is built.
    virtual void connectHooks(TDataModule2 &) {}
    // Brings views that handlers fill (rather than bindings) up to date once the page is built.
    virtual void refreshViews() {}

private:
    QWidget *m_tab;
    AppServices &m_services;
    TDataModule2 *m_dataModule = nullptr;
    bool m_built = false;
    bool m_building = false;
};

} // namespace lynvar
