#include "core/recovery.h"

#include "core/ansi.h"
#include "core/filestore.h"
#include "core/playerlists.h"

#include <QCoreApplication>

#include <utility>
#include <vector>

namespace {

constexpr char kLineEnd[] = "\r\n";

// The records of a file: the list each entry belongs to, in file order. A
// record is a tag line and the line after it, whatever that holds, so a name
// with a comma or one that reads like a tag comes back whole. A line that is
// no tag is passed over; a tag on the last line has no entry and ends it.
std::vector<std::pair<PlayerList *, QString>> parse(const QByteArray &bytes, PlayerLists &lists)
{
    std::vector<std::pair<PlayerList *, QString>> records;
    const auto tagged = [&lists](QByteArrayView line) -> PlayerList * {
        while (line.startsWith(' ') || line.startsWith('\t'))
            line = line.sliced(1);
        for (PlayerList *list : lists.all()) {
            if (line == list->name().toLatin1())
                return list;
        }
        return nullptr;
    };

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
        PlayerList *list = tagged(*line);
        if (!list)
            continue;
        const auto entry = nextLine();
        if (!entry)
            break;
        records.emplace_back(list, Ansi::decode(*entry));
    }
    return records;
}

} // namespace

Recovery::Recovery(PlayerLists &lists, FileStore &store, QObject *parent)
    : QObject(parent)
    , m_lists(lists)
    , m_store(store)
{
}

QByteArray Recovery::format(const PlayerLists &lists)
{
    QByteArray bytes;
    for (const PlayerList *list : lists.all()) {
        const QByteArray tag = list->name().toLatin1() + kLineEnd;
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
    const auto records = parse(*bytes, m_lists);
    for (PlayerList *list : m_lists.all())
        list->clear();
    for (const auto &[list, entry] : records) {
        QCoreApplication::processEvents();
        list->add(entry);
    }
    m_restoring = false;

    if (std::exchange(m_saveWaiting, false))
        WriteRecovery();
    return true;
}
