#include "calllog.h"

#include "roomtext.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

namespace {

// JSON for one value, escaped by Qt's own writer.
QByteArray json(const QJsonValue &value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

QJsonValue textValue(const std::optional<QByteArray> &bytes)
{
    return bytes ? QJsonValue(RoomText::toUnicode(*bytes)) : QJsonValue(QJsonValue::Null);
}

} // namespace

bool CallLog::open(const QString &path, QString *error)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        *error = QStringLiteral("cannot write the log %1: %2").arg(path, m_file.errorString());
        return false;
    }
    return true;
}

void CallLog::write(const Entry &entry)
{
    if (!m_file.isOpen())
        return;
    m_file.write(format(entry) + '\n');
    m_file.flush();
}

QByteArray CallLog::format(const Entry &entry)
{
    // Keys in a fixed, readable order; QJsonObject would sort them.
    QByteArray line = "{\"call\":" + json(entry.call);
    line += ",\"app\":" + json(RoomText::toUnicode(entry.app));
    line += ",\"mode\":" + json(entry.mode ? QJsonValue(*entry.mode) : QJsonValue(QJsonValue::Null));
    line += ",\"target\":" + json(textValue(entry.target));
    line += ",\"text\":" + json(textValue(entry.text));
    line += ",\"status\":" + json(RoomText::toUnicode(entry.status)) + '}';
    return line;
}
