#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <optional>

// Where the program keeps its own files (settings, prizes, recovery file):
// the program's directory when it can be written, otherwise the per-user
// data directory. Reads prefer the directory in use and fall back to the
// program's directory for files an earlier run left there. Every write
// replaces the file atomically, so a crash or a full disk never leaves half
// a file and never loses the previous one.
class FileStore : public QObject
{
    Q_OBJECT

public:
    // Files larger than this are damaged, not data: only their start is read.
    static constexpr qint64 kMaxReadBytes = qint64{64} * 1024 * 1024;

    FileStore(const QString &programDirectory, const QString &fallbackDirectory, QObject *parent = nullptr);

    // The usual places: the executable's directory and the per-user data directory.
    static QString defaultProgramDirectory();
    static QString defaultFallbackDirectory();

    QString directory() const { return m_directory; }
    // The per-user folder, where files go that the directory in use cannot take.
    QString fallbackDirectory() const { return m_fallbackDirectory; }
    bool usesFallback() const { return m_usesFallback; }
    QString pathOf(const QString &fileName) const;

    // The file's bytes (at most kMaxReadBytes), or nothing when it is missing or unreadable.
    std::optional<QByteArray> read(const QString &fileName) const;
    // Replaces the file's content. On failure the old file stays as it was,
    // problem() tells why, and false comes back.
    bool write(const QString &fileName, const QByteArray &bytes);

    // A text for the host about where the files are, or why one was not saved;
    // empty while there is nothing to say.
    QString notice() const { return m_notice; }

signals:
    void noticeChanged(const QString &notice);

private:
    void setNotice(const QString &notice);

    QString m_programDirectory;
    QString m_fallbackDirectory;
    QString m_directory;
    bool m_usesFallback = false;
    QString m_lastingNotice; // where the files are; a failed save's notice goes with the next good one
    QString m_notice;
};
