#include "games/journalhistory.h"

#include "games/journalentries.h"
#include "journal/checkedentries.h"
#include "journal/journalfields.h"
#include "journal/seal.h"

#include <QDateTime>
#include <QJsonArray>

using namespace Qt::StringLiterals;
using namespace JournalEntries;

namespace {

QString gameOf(const QJsonObject &entry)
{
    return entry.value(Field::kGame).toString() == kLister ? u"Lister"_s : u"Raffler"_s;
}

QStringList textsOf(const QJsonValue &value)
{
    QStringList texts;
    const QJsonArray values = value.toArray();
    for (const auto &each : values)
        texts << (each.isObject() ? each.toObject().value(Field::kWho).toString() : each.toString());
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
        return m_entries.at(index.row()).seq();
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case Time: {
        const QDateTime time = QDateTime::fromString(entry.value(JournalFields::kTime).toString(), Qt::ISODateWithMs);
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
    QString op = entry.value(JournalFields::kOp).toString();
    struct Label
    {
        QLatin1StringView op;
        const char16_t *label = nullptr;
        bool byGame = false;
    };
    static const Label labels[] = {
        {Op::kStart, u"Start", true},
        {Op::kGetReg, u"Get Reg", true},
        {CheckedEntries::kPick, u"Winner drawn", false},
        {CheckedEntries::kDraw, u"Draw", false},
        {Op::kRound, u"Round #", false},
        {Op::kSayList, u"Say List", true},
        {Op::kSayNext, u"Say Next", false},
        {Op::kCallNext, u"Call Next", false},
        {Op::kSayPrizes, u"Say Prizes", false},
        {Op::kRemove, u"Remove Player", false},
        {Op::kAddBack, u"Add Player To List", false},
        {Op::kColour, u"Colour given", false},
        {Op::kColoursReset, u"Colours reset", false},
        {Op::kSayColours, u"Say colors", false},
        {Op::kInPlay, u"Colour in play", false},
        {Op::kRecover, u"Recover", false},
        {CheckedEntries::kRestore, u"Lists restored", false},
        {Op::kSettings, u"Settings saved", false},
        {Op::kMacro, u"Macro", false},
        {CheckedEntries::kReveal, u"Seal key said", false},
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
    for (const QLatin1StringView field : {Field::kWho, Field::kHost})
        if (entry.value(field).isString())
            return entry.value(field).toString();
    for (const QLatin1StringView field : {JournalFields::kWinners, Field::kTaken})
        if (entry.value(field).isArray())
            return textsOf(entry.value(field)).join(u", "_s);
    QStringList picked;
    const QJsonArray picks = entry.value(JournalFields::kPicks).toArray();
    for (const auto &pick : picks)
        picked << pick.toObject().value(JournalFields::kWinner).toString();
    return picked.join(u", "_s);
}

QString JournalHistory::detailsOf(const QJsonObject &entry)
{
    const QString op = entry.value(JournalFields::kOp).toString();
    QStringList parts;
    if (op == Op::kStart) {
        const QString mode = entry.value(Field::kMode).toString();
        parts << (mode == Mode::kClear       ? u"Clear List"_s
                      : mode == Mode::kReset ? u"Reset List"_s
                                             : u"neither list option"_s);
        if (entry.contains(JournalFields::kSeal))
            parts << u"sealed "_s + entry.value(JournalFields::kSeal).toString().left(Seal::kShownDigits);
    } else if (op == CheckedEntries::kReveal) {
        parts << u"seal "_s + entry.value(JournalFields::kSeal).toString().left(Seal::kShownDigits);
    } else if (op == Op::kGetReg) {
        QStringList taken;
        const QJsonArray takenIn = entry.value(Field::kTaken).toArray();
        for (const auto &each : takenIn)
            taken << each.toObject().value(Field::kWho).toString() + u" by \u201C"_s
                    + each.toObject().value(Field::kLine).toString() + u'\u201D';
        parts << (taken.isEmpty() ? u"nobody new"_s : u"took in "_s + taken.join(u", "_s));
        if (const QStringList refused = textsOf(entry.value(Field::kRefused)); !refused.isEmpty())
            parts << u"already registered: "_s + refused.join(u", "_s);
    } else if (op == CheckedEntries::kDraw) {
        // The round box is raised before each draw, so the first draw shows round 2.
        parts << u"draw "_s + numberText(entry.value(Field::kCounter))
              << u"round "_s + numberText(entry.value(Field::kRound));
        if (entry.contains(JournalFields::kPrize))
            parts << u"prize \u201C"_s + entry.value(JournalFields::kPrize).toString() + u'\u201D';
        if (textsOf(entry.value(JournalFields::kWinners)).isEmpty())
            parts << u"no names left"_s;
    } else if (op == Op::kRound) {
        parts << u"round %1 of %2"_s.arg(numberText(entry.value(Field::kRound)), numberText(entry.value(Field::kOf)));
    } else if (op == Op::kRemove) {
        parts << u"from "_s + entry.value(Field::kList).toString();
    } else if (op == Op::kAddBack) {
        parts << u"from %1 to %2"_s.arg(entry.value(Field::kFrom).toString(),
                                        entry.value(JournalFields::kTo).toString());
    } else if (op == Op::kColour || op == Op::kInPlay) {
        parts << entry.value(Field::kColour).toString();
        if (op == Op::kInPlay)
            parts << (entry.value(Field::kInPlay).toBool() ? u"in play"_s : u"out of play"_s);
    } else if (op == Op::kRecover) {
        parts << (entry.value(Field::kRestored).toBool() ? u"lists read back"_s : u"no recovery file: lists kept"_s);
    } else if (op == CheckedEntries::kRestore) {
        parts << u"to entry "_s + numberText(entry.value(JournalFields::kTo));
        if (entry.contains(JournalFields::kFile))
            parts << u"of "_s + entry.value(JournalFields::kFile).toString();
    } else if (op == Op::kSettings) {
        const QJsonObject changed = entry.value(Field::kChanged).toObject();
        for (auto it = changed.begin(); it != changed.end(); ++it)
            parts << u"item %1 \u201C%2\u201D"_s.arg(it.key(), it.value().toString());
    } else if (op == Op::kMacro) {
        parts << u"macro "_s + numberText(entry.value(Field::kMacro));
    } else if (op == Op::kSayList || op == Op::kSayPrizes) {
        for (const QLatin1StringView field : {Field::kCount, Field::kPlaces})
            if (entry.contains(field))
                parts << numberText(entry.value(field)) + (field == Field::kCount ? u" names"_s : u" places"_s);
    }
    // Older journals keep a draw's picks in its own entry.
    const QJsonArray picks = entry.value(JournalFields::kPicks).toArray();
    for (const auto &pick : picks) {
        parts << u"%1 of %2 players"_s.arg(pick.toObject().value(JournalFields::kIndex).toInteger() + 1)
                     .arg(pick.toObject().value(JournalFields::kCount).toInteger());
        if (pick.toObject().contains(JournalFields::kDraw))
            parts << u"sealed draw "_s + numberText(pick.toObject().value(JournalFields::kDraw));
    }
    if (entry.contains(JournalFields::kChanges))
        parts << u"%1 list changes"_s.arg(entry.value(JournalFields::kChanges).toArray().size());
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
