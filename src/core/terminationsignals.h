#pragma once

#include <QObject>

#include <memory>

class QAbstractNativeEventFilter;
class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (on Windows, a WM_CLOSE posted to the
// program itself) into a signal in the event loop, so that a session logout
// or a terminal's Ctrl+C ends a program the way its own way out does: the
// raffler closes its chat link, the stand-in room its socket and its log.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received();

private:
    QSocketNotifier *m_notifier = nullptr;
    std::unique_ptr<QAbstractNativeEventFilter> m_filter;
};
