#include "core/terminationsignals.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QSocketNotifier>

#ifdef Q_OS_WIN
#include <qt_windows.h>

namespace {

// Windows asks a program to end with WM_CLOSE: its windows close as their
// close box does, and one posted to the program's thread, which a window
// never sees (a terminate() of another program, or a program without a
// window yet), arrives here.
class ThreadCloseFilter final : public QAbstractNativeEventFilter
{
public:
    explicit ThreadCloseFilter(TerminationSignals &termination)
        : m_termination(termination)
    {}

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        const auto *msg = static_cast<const MSG *>(message);
        if (eventType != "windows_generic_MSG" || msg->hwnd != nullptr || msg->message != WM_CLOSE)
            return false;
        QMetaObject::invokeMethod(&m_termination, &TerminationSignals::received, Qt::QueuedConnection);
        return true;
    }

private:
    TerminationSignals &m_termination;
};

} // namespace
#endif

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_pipe[2] = {-1, -1};

void onSignal(int)
{
    // Only async-signal-safe work here: wake the event loop.
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_pipe[1], &byte, 1);
}

} // namespace
#endif

TerminationSignals::TerminationSignals(QObject *parent)
    : QObject(parent)
{
#ifdef Q_OS_UNIX
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_pipe) != 0)
        return;
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(g_pipe[0], &byte, 1);
        emit received();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
#elif defined(Q_OS_WIN)
    m_filter = std::make_unique<ThreadCloseFilter>(*this);
    QCoreApplication::instance()->installNativeEventFilter(m_filter.get());
#endif
}

TerminationSignals::~TerminationSignals()
{
#ifdef Q_OS_UNIX
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
#elif defined(Q_OS_WIN)
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeNativeEventFilter(m_filter.get());
#endif
}
