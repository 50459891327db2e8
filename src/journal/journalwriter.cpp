#include "journal/journalwriter.h"

#include "core/playerlists.h"
#include "journal/checkedentries.h"
#include "journal/journalfields.h"
#include "journal/journalline.h"
#include "journal/liststate.h"
#include "journal/pick.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

// Fields the writer sets itself; the caller's are dropped.
constexpr std::array<QLatin1StringView, 6> kReserved{JournalFields::kSeq,     JournalFields::kTime,
                                                     JournalFields::kOp,      JournalFields::kPrev,
                                                     JournalFields::kChanges, JournalFields::kPicks};

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Until this returns, the bytes written may still be only in the cache.
bool syncFile(QFile &file)
{
#ifdef Q_OS_WIN
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle())));
#elif defined(Q_OS_LINUX)
    return ::fdatasync(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

// A new file's name is only lasting once its folder is synced too.
void syncFolder([[maybe_unused]] const QString &path)
{
#ifndef Q_OS_WIN
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
}

QByteArray sha256Hex(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

} // namespace

JournalWriter::JournalWriter(PlayerLists &lists, const QString &directory, const QString &programVersion,
                             TimeSource now, QObject *parent)
    : QObject(parent)
    , m_recorder(lists)
    , m_now(std::move(now))
    , m_directory(directory)
{
    m_started = this->now();
    // The header leads the lines waiting to be written, and the chain.
    const QByteArray header = JournalLine::header({{JournalFields::kJournal, kProgram},
                                                   {JournalFields::kVersion, kVersion},
                                                   {JournalFields::kProgram, programVersion},
                                                   {JournalFields::kStarted, timeText(m_started)},
                                                   {JournalFields::kPickMethod, Pick::kMethod}});
    m_previousHash = sha256Hex(header);
    m_waiting = header + '\n';
}

JournalWriter::~JournalWriter()
{
    // A run that recorded nothing leaves no file behind to clutter the
    // folder; otherwise a last try for entries an earlier failure kept back.
    if (m_seq == 0) {
        if (!m_file.fileName().isEmpty())
            m_file.remove();
    } else if (!m_waiting.isEmpty() && !writeWaiting()) {
        qWarning("%s", qPrintable(m_problem));
    }
}

QDateTime JournalWriter::now() const
{
    return m_now ? m_now() : QDateTime::currentDateTime();
}

QString JournalWriter::timeText(const QDateTime &time)
{
    const int offset = time.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return time.toString(u"yyyy-MM-dd'T'HH:mm:ss.zzz"_s) + (offset < 0 ? u'-' : u'+')
        + u"%1:%2"_s.arg(minutes / 60, 2, 10, QChar(u'0')).arg(minutes % 60, 2, 10, QChar(u'0'));
}

bool JournalWriter::open()
{
    return m_waiting.isEmpty() || writeWaiting();
}

bool JournalWriter::append(const QString &op, const QJsonObject &fields)
{
    return append(op, fields, {});
}

bool JournalWriter::append(const JournalRecord &record)
{
    return append(record.op, record.fields, {});
}

bool JournalWriter::append(const QString &op, const QJsonObject &fields, const QJsonArray &picks)
{
    QJsonObject object = fields;
    for (const QLatin1StringView key : kReserved) {
        Q_ASSERT_X(!fields.contains(key), "JournalWriter::append", "the writer sets this field itself");
        object.remove(key);
    }
    object.insert(JournalFields::kSeq, ++m_seq);
    object.insert(JournalFields::kTime, timeText(now()));
    object.insert(JournalFields::kOp, op);
    object.insert(JournalFields::kPrev, QString::fromLatin1(m_previousHash));
    const QList<ListEdit> edits = m_recorder.take();
    if (!edits.isEmpty()) {
        QJsonArray changes;
        for (const ListEdit &edit : edits)
            changes.append(edit.toJson());
        object.insert(JournalFields::kChanges, changes);
    }
    if (!picks.isEmpty())
        object.insert(JournalFields::kPicks, picks);
    const QByteArray line = JournalLine::entry(object);

    m_previousHash = sha256Hex(line);
    m_waiting += line + '\n';
    const bool written = writeWaiting();
    m_entries.append({object, line, static_cast<int>(m_seq) + 1});
    emit appended(m_entries.constLast());
    return written;
}

bool JournalWriter::appendPick(const PickRecord &pick)
{
    [[maybe_unused]] const QStringList &players = m_recorder.lists().players.names();
    Q_ASSERT_X(pick.count == players.size() && pick.index >= 0 && pick.index < pick.count
                   && players.at(pick.index) == pick.winner && pick.playersHash == ListState::hashOf(players),
               "JournalWriter::appendPick", "record the pick before the winner leaves the players list");
    return append(CheckedEntries::kPick, {}, QJsonArray{CheckedEntries::pick(pick, m_recorder.pendingCount())});
}

bool JournalWriter::createFile(const QString &directory, QString *reason)
{
    const QString folder = QDir(directory).filePath(kFolder);
    if (!QDir().mkpath(folder)) {
        *reason = tr("the folder %1 cannot be created").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    const QString stem = QDir(folder).filePath(m_started.toString(u"yyyy-MM-dd_HH-mm-ss"_s));
    for (int taken = 1; taken < 1000; ++taken) {
        m_file.setFileName(taken == 1 ? stem + u".jsonl"_s : u"%1-%2.jsonl"_s.arg(stem).arg(taken));
        if (m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            syncFolder(folder);
            return true;
        }
        if (m_file.exists())
            continue;
        break;
    }
    *reason = m_file.errorString();
    m_file.setFileName({});
    return false;
}

bool JournalWriter::createFile(QString *reason)
{
    if (createFile(m_directory, reason))
        return true;
    const QString first = QDir::toNativeSeparators(QDir(m_directory).filePath(kFolder));
    if (m_fallbackDirectory.isEmpty() || QDir(m_fallbackDirectory) == QDir(m_directory)
        || !createFile(m_fallbackDirectory, reason))
        return false;
    m_lastingNote = tr("The journal is kept in %1, as %2 cannot be written (%3).")
                        .arg(QDir::toNativeSeparators(QFileInfo(m_file.fileName()).absolutePath()), first, *reason);
    return true;
}

// What the file holds past its last whole line: the start of what a failed
// write was writing, or whatever a file system left there instead.
QByteArray JournalWriter::unwrittenTail() const
{
    QFile file(m_file.fileName());
    if (!file.open(QIODevice::ReadOnly) || !file.seek(m_written))
        return {};
    return file.read(file.size() - m_written);
}

bool JournalWriter::writeWaiting()
{
    QString reason;
    QByteArray bytes = m_waiting;
    if (!m_file.isOpen()) {
        const bool opened = m_file.fileName().isEmpty()
            ? createFile(&reason)
            : m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly | QIODevice::Unbuffered);
        if (!opened) {
            setProblem(tr("The journal could not be saved (%1); the next entry tries again.")
                           .arg(reason.isEmpty() ? m_file.errorString() : reason));
            return false;
        }
        // A write that failed part-way left the start of the waiting lines:
        // finish them. Anything else goes on a line of its own, which
        // readers pass over because the next line chains past it.
        if (m_file.size() > m_written) {
            const QByteArray tail = unwrittenTail();
            if (!tail.isEmpty() && bytes.startsWith(tail))
                bytes.remove(0, tail.size());
            else
                bytes.prepend('\n');
        }
    }
    bool written = m_file.write(bytes) == bytes.size();
    if (written && !syncFile(m_file)) {
        written = false;
        reason = systemError();
    }
    if (!written) {
        if (reason.isEmpty())
            reason = m_file.errorString();
        m_file.close(); // opened afresh for the next try
        setProblem(tr("The journal could not be saved in %1 (%2); the next entry tries again.")
                       .arg(QDir::toNativeSeparators(m_file.fileName()), reason));
        return false;
    }
    m_written = m_file.size();
    m_waiting.clear();
    setProblem(m_lastingNote);
    return true;
}

void JournalWriter::setProblem(const QString &problem)
{
    if (m_problem == problem)
        return;
    m_problem = problem;
    emit problemChanged(problem);
}
