#include "journal/journalline.h"

#include "journal/journalfields.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLatin1StringView>

#include <array>
#include <span>

namespace {

using Keys = std::span<const QLatin1StringView>;

using namespace JournalFields;

constexpr std::array<QLatin1StringView, 5> kHeaderFirst{kJournal, kVersion, kProgram, kStarted, kPickMethod};
constexpr std::array<QLatin1StringView, 4> kEntryFirst{kSeq, kTime, kOp, kPrev};
constexpr std::array<QLatin1StringView, 2> kEntryLast{kChanges, kPicks};

// A JSON value as it stands in a line.
QByteArray jsonText(const QJsonValue &value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.sliced(1, array.size() - 2);
}

void addField(QByteArray &line, QLatin1StringView key, const QJsonValue &value)
{
    if (line.size() > 1)
        line += ',';
    line += jsonText(key) + ':' + jsonText(value);
}

QByteArray format(QJsonObject object, Keys first, Keys last)
{
    QByteArray line = "{";
    for (const QLatin1StringView key : first) {
        if (object.contains(key))
            addField(line, key, object.take(key));
    }
    QJsonObject tail;
    for (const QLatin1StringView key : last) {
        if (object.contains(key))
            tail.insert(key, object.take(key));
    }
    if (!object.isEmpty()) {
        const QByteArray middle = QJsonDocument(object).toJson(QJsonDocument::Compact);
        line += (line.size() > 1 ? "," : "") + middle.sliced(1, middle.size() - 2);
    }
    for (const QLatin1StringView key : last) {
        if (tail.contains(key))
            addField(line, key, tail.value(key));
    }
    // A U+FEFF at the start of a string would be dropped by Qt's parser when
    // the line is read back; escaped, it stays. (Outside strings a line is
    // ASCII, so the bytes can only be a string's.)
    return line.replace("\xEF\xBB\xBF", "\\ufeff") + '}';
}

} // namespace

QByteArray JournalLine::header(const QJsonObject &object)
{
    return format(object, kHeaderFirst, {});
}

QByteArray JournalLine::entry(const QJsonObject &object)
{
    return format(object, kEntryFirst, kEntryLast);
}
