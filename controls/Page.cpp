// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Page.h"

#include "controls/AccessibleNames.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>

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
    // A part shown while the page was being made has missed its moment.
    for (std::size_t i = 0; i < m_lateParts.size();) {
        if (QWidget *part = m_lateParts[i].part; part && part->isVisible())
            buildPart(part);
        else
            ++i;
    }
}

void Page::ensureAllPartsBuilt()
{
    ensureBuilt();
    while (!m_lateParts.empty())
        buildPart(m_lateParts.front().part);
}

void Page::buildWhenShown(QWidget *part, std::function<void()> make)
{
    m_lateParts.push_back({part, std::move(make)});
    part->installEventFilter(this);
}

bool Page::eventFilter(QObject *watched, QEvent *event)
{
    if (m_built && event->type() == QEvent::Show)
        for (const LatePart &late : m_lateParts)
            if (late.part == watched) {
                buildPart(late.part);
                break;
            }
    return QObject::eventFilter(watched, event);
}

void Page::buildPart(QWidget *part)
{
    const auto late = std::find_if(m_lateParts.begin(), m_lateParts.end(),
                                   [part](const LatePart &p) { return p.part == part; });
    if (late == m_lateParts.end())
        return;
    const std::function<void()> make = std::move(late->make);
    m_lateParts.erase(late);
    if (!part)
        return;
    part->removeEventFilter(this);
    make();
    nameUnnamedControls(part);
    // Made while the part is being shown: its new controls are shown with it, as made in build().
    if (part->isVisible())
        for (QWidget *child : part->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!child->isWindow() &&
                !(child->isHidden() && child->testAttribute(Qt::WA_WState_ExplicitShowHide)))
                child->show();
    Q_EMIT partBuilt(part);
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
