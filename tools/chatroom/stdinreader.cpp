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
    for (const LineSplitter::Line &line : m_lines.feed(QByteArrayView(buffer, got))) {
        if (line)
            emit lineRead(*line);
        else
            emit lineTooLong();
    }
}

void StdinReader::finish()
{
    if (m_notifier)
        m_notifier->setEnabled(false);
    // A last line without its line feed still counts.
    if (const auto last = m_lines.finish())
        emit lineRead(*last);
    emit finished();
}
