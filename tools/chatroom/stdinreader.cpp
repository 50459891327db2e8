#include "stdinreader.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

StdinReader::StdinReader(QObject *parent)
    : QObject(parent)
{
    if (::fcntl(STDIN_FILENO, F_GETFD) == -1) {
        QTimer::singleShot(0, this, &StdinReader::finish);
        return;
    }
    m_notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &StdinReader::readSome);
}

void StdinReader::readSome()
{
    char buffer[65536];
    const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (got < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    if (got <= 0) {
        finish();
        return;
    }
    qsizetype start = 0;
    const QByteArrayView bytes(buffer, got);
    while (start < bytes.size()) {
        const qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) {
            if (!m_skipping)
                m_partial.append(bytes.sliced(start));
            if (m_partial.size() > kMaxLine) {
                m_partial.clear();
                m_skipping = true;
                emit lineTooLong();
            }
            return;
        }
        if (m_skipping) {
            m_skipping = false;
        } else {
            m_partial.append(bytes.sliced(start, end - start));
            const QByteArray line = std::exchange(m_partial, {});
            if (line.size() > kMaxLine)
                emit lineTooLong();
            else
                emit lineRead(line);
        }
        start = end + 1;
    }
}

void StdinReader::finish()
{
    if (m_notifier)
        m_notifier->setEnabled(false);
    // A last line without its line feed still counts.
    if (!m_partial.isEmpty() && !m_skipping)
        emit lineRead(std::exchange(m_partial, {}));
    emit finished();
}
