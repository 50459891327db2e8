#pragma once

#include <QByteArray>
#include <QObject>

// The text of the room's chat window: Windows-1252 lines joined by CR LF,
// without a line break at the end. Like a real chat window it keeps only the
// newest lines once it grows past what one transcript answer can carry.
class RoomTranscript : public QObject
{
    Q_OBJECT

public:
    explicit RoomTranscript(QObject *parent = nullptr);

    const QByteArray &text() const { return m_text; }
    bool isEmpty() const { return m_text.isEmpty() && !m_hasLines; }

    // One line without its line break.
    void append(const QByteArray &line);
    // Lines already joined by CR LF.
    void replace(const QByteArray &text);
    void clear();

    void setMaxSize(qsizetype bytes) { m_maxSize = bytes; }

signals:
    void lineAppended(const QByteArray &line);
    void replaced();

private:
    void dropOldestLines();

    QByteArray m_text;
    // An empty first line still counts as a line, so the next one gets its break.
    bool m_hasLines = false;
    qsizetype m_maxSize;
};
