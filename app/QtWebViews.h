// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/WebViews.h"

#include <QLibrary>

namespace lynvar {

// The real web views: the browser module beside the program (lynvar_browserpanel) is loaded the first
// time a view is asked for. Without the module no view is made and the windows do without.
class QtWebViews final : public WebViews
{
public:
    QWidget *createView(QWidget *parent) override;
    void navigate(QWidget *view, const QString &address) override;

private:
    bool load();

    using Create = QWidget *(*)(QWidget *);
    using Navigate = void (*)(QWidget *, const QString &);
    QLibrary m_module;
    bool m_tried = false;
    Create m_create = nullptr;
    Navigate m_navigate = nullptr;
};

} // namespace lynvar
