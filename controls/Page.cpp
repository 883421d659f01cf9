// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Page.h"

#include "controls/AccessibleNames.h"

#include <QWidget>

namespace lynvar {

Page::Page(QWidget *tab, AppServices &services) : QObject(tab), m_tab(tab), m_services(services) {}

void Page::ensureBuilt()
{
    if (m_built || m_building)
        return;
    m_building = true;
    build();
    m_built = true;
    m_building = false;
    if (m_dataModule)
        bind(*m_dataModule);
    refreshViews();
    nameUnnamedControls(m_tab);
    Q_EMIT built();
}

void Page::setDataModule(TDataModule2 *dataModule)
{
    m_dataModule = dataModule;
    if (!dataModule)
        return;
    connectHooks(*dataModule);
    if (m_built)
        bind(*dataModule);
}

} // namespace lynvar
