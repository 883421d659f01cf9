// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/WebViews.h"

#include <QHash>
#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace lynvar::test {

// Web views that are plain widgets: they record where they were sent and load nothing.
class FakeWebViews final : public WebViews
{
public:
    QWidget *createView(QWidget *parent) override
    {
        auto *view = new QWidget(parent);
        view->setObjectName(QStringLiteral("FakeWebView"));
        views << view;
        return view;
    }
    void navigate(QWidget *view, const QString &address) override
    {
        addresses << address;
        lastAddress[view] = address;
    }

    QList<QPointer<QWidget>> views;
    QStringList addresses; // every navigation, in order
    QHash<QWidget *, QString> lastAddress;
};

} // namespace lynvar::test
