#include "journal/journalreader.h"

#include "journal/journalwriter.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>

#include <algorithm>
#include <optional>

namespace {

// Qt's parser lets through what JSON forbids: a raw control character in a
// string, a byte-order mark before the value.
bool isStrictJson(QByteArrayView line)
{
    if (line.startsWith("\xEF\xBB\xBF"))
        return false;
    bool inString = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (!inString)
            inString = c == '"';
        else if (c == '\\')
            ++i;
        else if (c == '"')
            inString = false;
        else if (static_cast<uchar>(c) < 0x20)
            return false;
    }
    return true;
}

std::optional<QJsonObject> objectOf(QByteArrayView line)
{
    if (!isStrictJson(line))
        return std::nullopt;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

// A write that failed part-way leaves a line that is no JSON; the writer
// then wrote the waiting entries again after it, the first chained to the
// last whole line before. Such a line is passed over.
bool chainsPast(QByteArrayView bytes, qsizetype next, QByteArrayView previous)
{
    const qsizetype end = bytes.indexOf('\n', next);
    if (end < 0)
        return false;
    const std::optional<QJsonObject> following = objectOf(bytes.sliced(next, end - next));
    return following
        && following->value(JournalFields::kPrev).toString().toLatin1()
        == QCryptographicHash::hash(previous, QCryptographicHash::Sha256).toHex();
}

} // namespace

JournalContents JournalReader::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        JournalContents contents;
        contents.damage = file.errorString();
        return contents;
    }
    // read() sets aside all it is asked for, so ask for what the file holds.
    const qint64 size = file.isSequential() ? kMaxBytes + 1 : std::min(file.size(), kMaxBytes + 1);
    const QByteArray bytes = file.read(size);
    if (file.error() != QFileDevice::NoError) {
        JournalContents contents;
        contents.damage = file.errorString();
        return contents;
    }
    if (bytes.size() <= kMaxBytes)
        return parse(bytes);
    JournalContents contents = parse(QByteArrayView(bytes).first(kMaxBytes));
    if (contents.damage.isEmpty()) {
        contents.damage = QCoreApplication::translate("JournalReader", "the file is larger than 256 MiB");
        contents.damagedLine = static_cast<int>(contents.entries.size()) + 2;
    }
    return contents;
}

JournalContents JournalReader::parse(QByteArrayView bytes)
{
    JournalContents contents;
    qsizetype pos = 0;
    int lineNumber = 0;
    QByteArrayView previous; // the last whole line read
    while (true) {
        const qsizetype end = bytes.indexOf('\n', pos);
        if (end < 0)
            break; // what is left never got its line feed
        const QByteArrayView line = bytes.sliced(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        const std::optional<QJsonObject> object = objectOf(line);
        if (!object && lineNumber > 1 && chainsPast(bytes, pos, previous)) {
            ++contents.tornLines;
            continue;
        }
        if (!object) {
            // The last complete line may be a crash's too (a file system
            // can leave zeros); damage is what has a complete line after it.
            if (bytes.indexOf('\n', pos) >= 0) {
                contents.damage = QCoreApplication::translate("JournalReader", "the line is not a JSON object");
                contents.damagedLine = lineNumber;
            }
            break;
        }
        if (lineNumber == 1) {
            if (object->value(JournalFields::kJournal).toString() != JournalWriter::kProgram) {
                contents.damage = QCoreApplication::translate("JournalReader",
                                                              "the file is not a journal of Corvane's Raffler");
            } else if (object->value(JournalFields::kVersion) != QJsonValue(JournalWriter::kVersion)) {
                contents.damage = QCoreApplication::translate("JournalReader",
                                                              "the journal's version is not known to this program");
            } else {
                contents.header = *object;
                contents.headerLine = line.toByteArray();
                previous = line;
                continue;
            }
            contents.damagedLine = 1;
            break;
        }
        contents.entries.append({*object, line.toByteArray(), lineNumber});
        previous = line;
    }
    return contents;
}
