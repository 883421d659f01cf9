// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace lynvar {

// Embedded web page views. Making one starts a browser engine, so windows make theirs the first time
// they show a page, never at start-up. The application owns the real one; tests install a fake that
// records the addresses and never reaches a network.
class WebViews
{
public:
    virtual ~WebViews() = default;

    // A new view inside `parent`, which owns it; null when no browser engine is available.
    virtual QWidget *createView(QWidget *parent) = 0;
    // Lets a view made by createView go to `address`, given as text.
    virtual void navigate(QWidget *view, const QString &address) = 0;
};

} // namespace lynvar
