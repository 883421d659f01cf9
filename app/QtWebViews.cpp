// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QtWebViews.h"

#include <QCoreApplication>

namespace lynvar {

bool QtWebViews::load()
{
    if (!m_tried) {
        m_tried = true;
        m_module.setFileName(QCoreApplication::applicationDirPath() + QStringLiteral("/lynvar_browserpanel"));
        if (m_module.load()) {
            m_create = reinterpret_cast<Create>(m_module.resolve("lynvarCreateWebView"));
            m_navigate = reinterpret_cast<Navigate>(m_module.resolve("lynvarNavigateWebView"));
        }
    }
    return m_create && m_navigate;
}

QWidget *QtWebViews::createView(QWidget *parent)
{
    return load() ? m_create(parent) : nullptr;
}

void QtWebViews::navigate(QWidget *view, const QString &address)
{
    if (view && load())
        m_navigate(view, address);
}

} // namespace lynvar
