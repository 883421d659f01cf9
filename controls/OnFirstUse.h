// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace lynvar {

// A window made the first time it is needed and kept afterwards, so that it keeps its state
// between showings. Its factory gives it an owner that outlives it.
template <typename Window> class OnFirstUse
{
public:
    using Factory = std::function<Window *()>;

    OnFirstUse() = default;
    explicit OnFirstUse(Factory factory) : m_factory(std::move(factory)) {}
    OnFirstUse(const OnFirstUse &) = delete;
    OnFirstUse &operator=(const OnFirstUse &) = delete;

    void setFactory(Factory factory) { m_factory = std::move(factory); }

    Window &get()
    {
        if (!m_window)
            m_window = m_factory();
        return *m_window;
    }
    Window *operator->() { return &get(); }
    // The window if it has been made, without making it.
    Window *made() const { return m_window; }
    // Forgets the window after its owner deleted it.
    Window *take()
    {
        Window *w = m_window;
        m_window = nullptr;
        return w;
    }

private:
    Factory m_factory;
    Window *m_window = nullptr;
};

} // namespace lynvar
