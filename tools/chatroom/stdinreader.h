#pragma once

#include <QByteArray>
#include <QObject>

class QSocketNotifier;

// Reads standard input line by line from the event loop, so the room keeps
// answering the program while nobody types.
class StdinReader : public QObject
{
    Q_OBJECT

public:
    // Longer lines are refused whole, so a runaway writer cannot eat memory.
    static constexpr qsizetype kMaxLine = qsizetype(1024) * 1024;

    explicit StdinReader(QObject *parent = nullptr);

signals:
    // One line without its line feed.
    void lineRead(const QByteArray &line);
    void lineTooLong();
    // Standard input is closed (or was never open).
    void finished();

private:
    void readSome();
    void finish();

    QSocketNotifier *m_notifier = nullptr;
    QByteArray m_partial;
    bool m_skipping = false; // inside a line that was too long
};
