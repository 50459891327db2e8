#include "journal/journalhistory.h"

#include "journal/journalops.h"
#include "journal/seal.h"

#include <QDateTime>
#include <QJsonArray>

using namespace Qt::StringLiterals;
using namespace JournalOps;

namespace {

QString gameOf(const QJsonObject &entry)
{
    return entry.value(u"game"_s).toString() == kLister ? u"Lister"_s : u"Raffler"_s;
}

QStringList textsOf(const QJsonValue &value)
{
    QStringList texts;
    const QJsonArray values = value.toArray();
    for (const auto &each : values)
        texts << (each.isObject() ? each.toObject().value(u"who"_s).toString() : each.toString());
    return texts;
}

QString numberText(const QJsonValue &value)
{
    return value.isDouble() ? QString::number(value.toInteger()) : value.toString();
}

QString csvField(QString text)
{
    return u'"' + text.replace(u'"', u"\"\""_s) + u'"';
}

} // namespace

void JournalHistory::setEntries(const QList<JournalEntry> &entries)
{
    beginResetModel();
    m_entries = entries;
    endResetModel();
}

void JournalHistory::append(const JournalEntry &entry)
{
    const int row = static_cast<int>(m_entries.size());
    beginInsertRows(QModelIndex(), row, row);
    m_entries.append(entry);
    endInsertRows();
}

int JournalHistory::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

int JournalHistory::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant JournalHistory::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const QJsonObject &entry = m_entries.at(index.row()).object;
    if (role == kSeqRole)
        return entry.value(u"seq"_s).toInteger();
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case Time: {
        const QDateTime time = QDateTime::fromString(entry.value(u"time"_s).toString(), Qt::ISODateWithMs);
        return role == Qt::ToolTipRole ? time.toString(u"yyyy-MM-dd HH:mm:ss.zzz"_s) : time.toString(u"HH:mm:ss"_s);
    }
    case Operation:
        return operationOf(entry);
    case Who:
        return whoOf(entry);
    case Details:
        return detailsOf(entry);
    }
    return {};
}

QVariant JournalHistory::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    static const char16_t *const titles[] = {u"Time", u"Operation", u"Who", u"Details"};
    return section >= 0 && section < ColumnCount ? QString::fromUtf16(titles[section]) : QVariant();
}

QString JournalHistory::operationOf(const QJsonObject &entry)
{
    QString op = entry.value(u"op"_s).toString();
    struct Label
    {
        QLatin1StringView op;
        const char16_t *label = nullptr;
        bool byGame = false;
    };
    static const Label labels[] = {
        {kStart, u"Start", true},
        {kGetReg, u"Get Reg", true},
        {kPick, u"Winner drawn", false},
        {kDraw, u"Draw", false},
        {kRound, u"Round #", false},
        {kSayList, u"Say List", true},
        {kSayNext, u"Say Next", false},
        {kCallNext, u"Call Next", false},
        {kSayPrizes, u"Say Prizes", false},
        {kRemove, u"Remove Player", false},
        {kAddBack, u"Add Player To List", false},
        {kColour, u"Colour given", false},
        {kColoursReset, u"Colours reset", false},
        {kSayColours, u"Say colors", false},
        {kInPlay, u"Colour in play", false},
        {kRecover, u"Recover", false},
        {kRestore, u"Lists restored", false},
        {kSettings, u"Settings saved", false},
        {kMacro, u"Macro", false},
        {kReveal, u"Seal key said", false},
    };
    for (const auto &each : labels) {
        if (op == each.op) {
            const QString label = QString::fromUtf16(each.label);
            return each.byGame ? label + u" ("_s + gameOf(entry) + u')' : label;
        }
    }
    return op;
}

QString JournalHistory::whoOf(const QJsonObject &entry)
{
    for (const QString &field : {u"who"_s, u"host"_s})
        if (entry.value(field).isString())
            return entry.value(field).toString();
    for (const QString &field : {u"winners"_s, u"taken"_s})
        if (entry.value(field).isArray())
            return textsOf(entry.value(field)).join(u", "_s);
    QStringList picked;
    const QJsonArray picks = entry.value(u"picks"_s).toArray();
    for (const auto &pick : picks)
        picked << pick.toObject().value(u"winner"_s).toString();
    return picked.join(u", "_s);
}

QString JournalHistory::detailsOf(const QJsonObject &entry)
{
    const QString op = entry.value(u"op"_s).toString();
    QStringList parts;
    if (op == kStart) {
        const QString mode = entry.value(u"mode"_s).toString();
        parts << (mode == u"clear" ? u"Clear List"_s : mode == u"reset" ? u"Reset List"_s : u"neither list option"_s);
        if (entry.contains(u"seal"_s))
            parts << u"sealed "_s + entry.value(u"seal"_s).toString().left(Seal::kShownDigits);
    } else if (op == kReveal) {
        parts << u"seal "_s + entry.value(u"seal"_s).toString().left(Seal::kShownDigits);
    } else if (op == kGetReg) {
        QStringList taken;
        const QJsonArray takenIn = entry.value(u"taken"_s).toArray();
        for (const auto &each : takenIn)
            taken << each.toObject().value(u"who"_s).toString() + u" by \u201C"_s
                    + each.toObject().value(u"line"_s).toString() + u'\u201D';
        parts << (taken.isEmpty() ? u"nobody new"_s : u"took in "_s + taken.join(u", "_s));
        if (const QStringList refused = textsOf(entry.value(u"refused"_s)); !refused.isEmpty())
            parts << u"already registered: "_s + refused.join(u", "_s);
    } else if (op == kDraw) {
        // The round box is raised before each draw, so the first draw shows round 2.
        parts << u"draw "_s + numberText(entry.value(u"counter"_s))
              << u"round "_s + numberText(entry.value(u"round"_s));
        if (entry.contains(u"prize"_s))
            parts << u"prize \u201C"_s + entry.value(u"prize"_s).toString() + u'\u201D';
        if (textsOf(entry.value(u"winners"_s)).isEmpty())
            parts << u"no names left"_s;
    } else if (op == kRound) {
        parts << u"round %1 of %2"_s.arg(numberText(entry.value(u"round"_s)), numberText(entry.value(u"of"_s)));
    } else if (op == kRemove) {
        parts << u"from "_s + entry.value(u"list"_s).toString();
    } else if (op == kAddBack) {
        parts << u"from %1 to %2"_s.arg(entry.value(u"from"_s).toString(), entry.value(u"to"_s).toString());
    } else if (op == kColour || op == kInPlay) {
        parts << entry.value(u"colour"_s).toString();
        if (op == kInPlay)
            parts << (entry.value(u"inPlay"_s).toBool() ? u"in play"_s : u"out of play"_s);
    } else if (op == kRecover) {
        parts << (entry.value(u"restored"_s).toBool() ? u"lists read back"_s : u"no recovery file: lists kept"_s);
    } else if (op == kRestore) {
        parts << u"to entry "_s + numberText(entry.value(u"to"_s));
        if (entry.contains(u"file"_s))
            parts << u"of "_s + entry.value(u"file"_s).toString();
    } else if (op == kSettings) {
        const QJsonObject changed = entry.value(u"changed"_s).toObject();
        for (auto it = changed.begin(); it != changed.end(); ++it)
            parts << u"item %1 \u201C%2\u201D"_s.arg(it.key(), it.value().toString());
    } else if (op == kMacro) {
        parts << u"macro "_s + numberText(entry.value(u"macro"_s));
    } else if (op == kSayList || op == kSayPrizes) {
        for (const QString &field : {u"count"_s, u"places"_s})
            if (entry.contains(field))
                parts << numberText(entry.value(field)) + (field == u"count" ? u" names"_s : u" places"_s);
    }
    // Older journals keep a draw's picks in its own entry.
    const QJsonArray picks = entry.value(u"picks"_s).toArray();
    for (const auto &pick : picks) {
        parts << u"%1 of %2 players"_s.arg(pick.toObject().value(u"index"_s).toInteger() + 1)
                     .arg(pick.toObject().value(u"n"_s).toInteger());
        if (pick.toObject().contains(u"draw"_s))
            parts << u"sealed draw "_s + numberText(pick.toObject().value(u"draw"_s));
    }
    if (entry.contains(u"changes"_s))
        parts << u"%1 list changes"_s.arg(entry.value(u"changes"_s).toArray().size());
    return parts.join(u"; "_s);
}

QByteArray JournalHistory::toCsv(const QAbstractItemModel &shown)
{
    QStringList lines;
    QStringList heading;
    for (int column = 0; column < shown.columnCount(); ++column)
        heading << csvField(shown.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
    lines << heading.join(u',');
    for (int row = 0; row < shown.rowCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < shown.columnCount(); ++column)
            fields << csvField(
                shown.data(shown.index(row, column), column == Time ? Qt::ToolTipRole : Qt::DisplayRole).toString());
        lines << fields.join(u',');
    }
    return (lines.join(u"\r\n"_s) + u"\r\n"_s).toUtf8();
}
