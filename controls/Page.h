// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

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
 * A part of a page that the user sees only after a further click (an inner tab) may be left out of
 * build() and made when it is first shown: the page then emits partBuilt() with the part, its new
 * controls named, bound and up to date, before they are painted. Until then the part's control
 * pointers are null too.
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
    // Makes the controls and every part left for later, for whatever must reach every control.
    void ensureAllPartsBuilt();

    // The data module comes into being after the pages; the page connects its hooks at once and
    // binds its controls as soon as they exist.
    void setDataModule(TDataModule2 *dataModule);
    TDataModule2 *dataModule() const { return m_dataModule; }

Q_SIGNALS:
    void built();
    // A part left for later has been made inside the built page; `part` holds its controls.
    void partBuilt(QWidget *part);

protected:
    AppServices &services() const { return m_services; }

    virtual void build() = 0;
    virtual void bind(TDataModule2 &dataModule) = 0;
    // Hooks the page's handlers into the data module's data sets; runs whether or not it is built.
    virtual void connectHooks(TDataModule2 &) {}
    // Brings views that handlers fill (rather than bindings) up to date once the page is built.
    virtual void refreshViews() {}

    // From build(): `make` makes the controls of `part` when `part` is first shown. `make` binds
    // them itself when the data module exists and brings them up to date.
    void buildWhenShown(QWidget *part, std::function<void()> make);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct LatePart
    {
        QPointer<QWidget> part;
        std::function<void()> make;
    };
    void buildPart(QWidget *part);

    QWidget *m_tab;
    AppServices &m_services;
    TDataModule2 *m_dataModule = nullptr;
    bool m_built = false;
    bool m_building = false;
    std::vector<LatePart> m_lateParts;
};

} // namespace lynvar
