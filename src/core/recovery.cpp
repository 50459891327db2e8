#include "core/recovery.h"

#include "core/ansi.h"
#include "core/filestore.h"
#include "core/playerlists.h"

#include <QCoreApplication>

#include <optional>
#include <utility>

namespace {

constexpr char kLineEnd[] = "\r\n";

// The list a tag line names, by its place in PlayerLists::all(), or -1.
int tagOf(QByteArrayView line)
{
    while (line.startsWith(' ') || line.startsWith('\t'))
        line = line.sliced(1);
    for (std::size_t i = 0; i < PlayerLists::kNames.size(); ++i) {
        if (line == PlayerLists::kNames[i].tag)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

// A record is a tag line and the line after it, whatever that holds, so a
// name with a comma or one that reads like a tag comes back whole. A line
// that is no tag is passed over; a tag on the last line has no entry.
Recovery::Records Recovery::parse(const QByteArray &bytes)
{
    Records records;
    qsizetype pos = 0;
    const auto nextLine = [&bytes, &pos]() -> std::optional<QByteArrayView> {
        if (pos >= bytes.size())
            return std::nullopt;
        qsizetype end = bytes.indexOf(kLineEnd, pos);
        if (end < 0)
            end = bytes.size();
        const QByteArrayView line = QByteArrayView(bytes).sliced(pos, end - pos);
        pos = end + 2;
        return line;
    };
    while (const auto line = nextLine()) {
        const int list = tagOf(*line);
        if (list < 0)
            continue;
        const auto entry = nextLine();
        if (!entry)
            break;
        records.emplace_back(list, Ansi::decode(*entry));
    }
    return records;
}

Recovery::Recovery(PlayerLists &lists, FileStore &store, QObject *parent)
    : QObject(parent)
    , m_lists(lists)
    , m_store(store)
{}

QByteArray Recovery::format(const PlayerLists &lists)
{
    QByteArray bytes;
    for (const PlayerList *list : lists.all()) {
        const QByteArray tag = list->name().toLatin1() + kLineEnd; // the tag is the list's control name
        for (const QString &entry : list->names())
            bytes += tag + Ansi::encode(entry) + kLineEnd;
    }
    return bytes;
}

bool Recovery::WriteRecovery()
{
    if (m_restoring) {
        m_saveWaiting = true;
        return true;
    }
    return m_store.write(QString::fromUtf16(kFileName), format(m_lists));
}

bool Recovery::ReadRecovery()
{
    if (m_restoring)
        return false;
    const std::optional<QByteArray> bytes = m_store.read(QString::fromUtf16(kFileName));
    if (!bytes)
        return false;

    m_restoring = true;
    const Records records = parse(*bytes);
    const auto lists = m_lists.all();
    for (PlayerList *list : lists)
        list->clear();
    for (const auto &[list, entry] : records) {
        QCoreApplication::processEvents();
        lists[list]->add(entry);
    }
    m_restoring = false;

    if (std::exchange(m_saveWaiting, false))
        WriteRecovery();
    return true;
}
