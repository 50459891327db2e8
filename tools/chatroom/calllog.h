#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>

// Every call the room answers, one JSON object a line, flushed at once so a
// test or a person can follow the file while the room runs:
//   {"call":"DapiCommunicate","app":"raffler","mode":0,"target":"Belmor","text":"hello","status":"0"}
// mode, target and text are null for calls that have none. Texts are the
// Windows-1252 bytes decoded to Unicode.
class CallLog
{
public:
    // Appends to the file, so nothing of an earlier run is lost.
    bool open(const QString &path, QString *error);
    bool isOpen() const { return m_file.isOpen(); }

    struct Entry
    {
        QString call;
        QByteArray app;
        std::optional<int> mode;
        std::optional<QByteArray> target;
        std::optional<QByteArray> text;
        QByteArray status;
    };
    void write(const Entry &entry);

    // One entry as its line, without the line feed.
    static QByteArray format(const Entry &entry);

private:
    QFile m_file;
};
