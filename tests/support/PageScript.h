// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <memory>

namespace lynvar::test {

// Looks into a page shown in a real browser view. The waits run the event loop without pausing:
// the engine does its work in the application's own loop, so a wait that sleeps between checks
// slows every page down.

// The value of `script` in the page; an invalid value when the page does not answer in time.
inline QVariant evaluate(QWebEngineView *view, const QString &script, int timeoutMs = 60000)
{
    struct Answer
    {
        QVariant value;
        QEventLoop loop;
    };
    auto answer = std::make_shared<Answer>();
    std::weak_ptr<Answer> waiting = answer;
    view->page()->runJavaScript(script, [waiting](const QVariant &value) {
        if (auto a = waiting.lock()) {
            a->value = value;
            a->loop.quit();
        }
    });
    QTimer::singleShot(timeoutMs, &answer->loop, &QEventLoop::quit);
    answer->loop.exec();
    return answer->value;
}

// Waits until the view's next page has loaded; false when it failed or took too long.
inline bool waitForLoad(QWebEngineView *view, int timeoutMs = 60000)
{
    QEventLoop loop;
    bool ok = false;
    QObject::connect(view, &QWebEngineView::loadFinished, &loop, [&](bool loaded) {
        ok = loaded;
        loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return ok;
}

// Asks the page until `script` is true; false when it never becomes so in time.
inline bool waitForScript(QWebEngineView *view, const QString &script, int timeoutMs = 60000)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        if (evaluate(view, script, int(timeoutMs - clock.elapsed())).toBool())
            return true;
    }
    return false;
}

} // namespace lynvar::test
