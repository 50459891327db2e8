#include "core/filestore.h"

#include "core/atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>

namespace {

// Permission bits do not tell (root ignores them, a read-only mount does
// not show in them), so try to create a file.
bool canWriteIn(const QString &directory)
{
    QTemporaryFile probe(QDir(directory).filePath(QStringLiteral(".write-test-XXXXXX")));
    return probe.open();
}

// Windows keeps the programs every user of the machine shares under Program
// Files. A copy installed there keeps the host's files in the host's own
// folder even where it could write beside itself (an administrator, Wine),
// so that every host has files of their own and uninstalling leaves them.
bool isSharedProgramsFolder(const QString &directory)
{
#ifdef Q_OS_WIN
    const QString path = QDir::cleanPath(QDir(directory).absolutePath());
    for (const char *variable : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432"}) {
        const QString programs = QDir::cleanPath(QDir::fromNativeSeparators(qEnvironmentVariable(variable)));
        if (!programs.isEmpty()
            && (path.compare(programs, Qt::CaseInsensitive) == 0
                || path.startsWith(programs + u'/', Qt::CaseInsensitive)))
            return true;
    }
#else
    Q_UNUSED(directory);
#endif
    return false;
}

} // namespace

FileStore::FileStore(const QString &programDirectory, const QString &fallbackDirectory, QObject *parent)
    : QObject(parent)
    , m_programDirectory(programDirectory)
    , m_fallbackDirectory(fallbackDirectory)
    , m_directory(programDirectory)
{
    const bool shared = isSharedProgramsFolder(programDirectory);
    if (!shared && canWriteIn(programDirectory))
        return;
    QDir().mkpath(fallbackDirectory);
    m_directory = fallbackDirectory;
    m_usesFallback = true;
    m_lastingNotice = (shared ? QCoreApplication::translate("FileStore",
                                                            "The program's folder %1 is shared by every user of this "
                                                            "computer, so the settings, prizes and recovery file are "
                                                            "kept in %2.")
                              : QCoreApplication::translate("FileStore",
                                                            "The program's folder %1 cannot be written, so the "
                                                            "settings, prizes and recovery file are kept in %2."))
                          .arg(QDir::toNativeSeparators(programDirectory), QDir::toNativeSeparators(fallbackDirectory));
    setNotice(m_lastingNotice);
}

QString FileStore::defaultProgramDirectory()
{
    return QCoreApplication::applicationDirPath();
}

QString FileStore::defaultFallbackDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString FileStore::pathOf(const QString &fileName) const
{
    return QDir(m_directory).filePath(fileName);
}

std::optional<QByteArray> FileStore::read(const QString &fileName) const
{
    QFile file(pathOf(fileName));
    if (!file.exists() && m_usesFallback)
        file.setFileName(QDir(m_programDirectory).filePath(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // read() sets aside all it is asked for, so ask for what the file holds.
    const qint64 wanted = file.isSequential() ? kMaxReadBytes : std::min(file.size(), kMaxReadBytes);
    QByteArray bytes = file.read(wanted);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

bool FileStore::write(const QString &fileName, const QByteArray &bytes)
{
    const QString problem = writeAtomically(pathOf(fileName), bytes);
    if (problem.isEmpty()) {
        setNotice(m_lastingNotice);
        return true;
    }
    setNotice(QCoreApplication::translate("FileStore",
                                          "%1 could not be saved in %2: %3. Nothing in the window "
                                          "was lost; the file keeps its earlier content.")
                  .arg(fileName, QDir::toNativeSeparators(m_directory), problem));
    return false;
}

void FileStore::setNotice(const QString &notice)
{
    if (m_notice == notice)
        return;
    m_notice = notice;
    emit noticeChanged(notice);
}
