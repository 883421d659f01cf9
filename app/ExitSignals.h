// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

namespace lynvar {

/*
 * SIGTERM, SIGINT and SIGHUP as a Qt signal in the event loop of the thread that made the watcher.
 * The handler itself only writes the signal's number into one end of a socket pair (all it may do
 * safely); a notifier reads the other end in the event loop, where closing can run.
 *
 * One watcher at a time (a second one watches nothing); destroying it restores the handlers it
 * replaced.
 */
class ExitSignals final : public QObject
{
    Q_OBJECT
public:
    explicit ExitSignals(QObject *parent = nullptr);
    ~ExitSignals() override;

    ExitSignals(const ExitSignals &) = delete;
    ExitSignals &operator=(const ExitSignals &) = delete;

    // False when the signals could not be watched: they keep their former effect.
    bool isWatching() const { return m_notifier != nullptr; }

Q_SIGNALS:
    void received(int signalNumber);

private:
    void readPending();

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace lynvar
