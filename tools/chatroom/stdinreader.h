#pragma once

#include "linesplitter.h"

#include <QByteArray>
#include <QObject>

class QSocketNotifier;

// Reads standard input line by line from the event loop, so the room keeps
// answering the program while nobody types.
class StdinReader : public QObject
{
    Q_OBJECT

public:
    explicit StdinReader(QObject *parent = nullptr);

signals:
    // One line without its line feed.
    void lineRead(const QByteArray &line);
    void lineTooLong();
    // Standard input is closed (or was never open).
    void finished();

private:
    void feed(QByteArrayView bytes);
    void finish();
#ifdef Q_OS_WIN
    void startReadingThread();
#else
    void readSome();
    QSocketNotifier *m_notifier = nullptr;
#endif

    LineSplitter m_lines;
    bool m_finished = false;
};
