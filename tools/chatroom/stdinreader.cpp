#include "stdinreader.h"

#include <QTimer>

#ifdef Q_OS_WIN
#include <QCoreApplication>
#include <QPointer>
#include <qt_windows.h>

#include <thread>
#else
#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {
constexpr int kReadBytes = 65536;
} // namespace

StdinReader::StdinReader(QObject *parent)
    : QObject(parent)
{
#ifdef Q_OS_WIN
    startReadingThread();
#else
    if (::fcntl(STDIN_FILENO, F_GETFD) == -1) {
        QTimer::singleShot(0, this, &StdinReader::finish);
        return;
    }
    m_notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &StdinReader::readSome);
#endif
}

#ifdef Q_OS_WIN
// A pipe or a console cannot wake Windows' event loop, so a thread of its
// own waits on standard input and hands every piece to the event loop. It
// never touches this object: what it hands over runs on the event loop's
// thread and finds the reader through a guard, which is empty once the
// reader is gone. The thread ends with the input, or with the process.
void StdinReader::startReadingThread()
{
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    if (input == nullptr || input == INVALID_HANDLE_VALUE) {
        QTimer::singleShot(0, this, &StdinReader::finish);
        return;
    }
    const QPointer<StdinReader> reader(this);
    std::thread([input, reader] {
        QByteArray buffer(kReadBytes, Qt::Uninitialized);
        DWORD got = 0;
        while (ReadFile(input, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) && got > 0) {
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [reader, bytes = buffer.left(static_cast<qsizetype>(got))] {
                    if (reader)
                        reader->feed(bytes);
                },
                Qt::QueuedConnection);
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [reader] {
                if (reader)
                    reader->finish();
            },
            Qt::QueuedConnection);
    }).detach();
}
#else
void StdinReader::readSome()
{
    char buffer[kReadBytes];
    const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (got < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    if (got <= 0) {
        finish();
        return;
    }
    feed(QByteArrayView(buffer, got));
}
#endif

void StdinReader::feed(QByteArrayView bytes)
{
    for (const LineSplitter::Line &line : m_lines.feed(bytes)) {
        if (line)
            emit lineRead(*line);
        else
            emit lineTooLong();
    }
}

void StdinReader::finish()
{
    if (m_finished)
        return;
    m_finished = true;
#ifndef Q_OS_WIN
    if (m_notifier)
        m_notifier->setEnabled(false);
#endif
    // A last line without its line feed still counts.
    if (const auto last = m_lines.finish())
        emit lineRead(*last);
    emit finished();
}
