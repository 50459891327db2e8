#pragma once

#include "journal/journalreader.h"

#include <QAbstractTableModel>

// A journal as the host reads it: one row an entry, oldest first, with its
// time, the operation, who it concerned and the rest in words.
class JournalHistory : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Time, Operation, Who, Details, ColumnCount };
    // The entry's "seq" under this role, in every column.
    static constexpr int kSeqRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    void setEntries(const QList<JournalEntry> &entries);
    // An entry just written, at the end.
    void append(const JournalEntry &entry);
    const QList<JournalEntry> &entries() const { return m_entries; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    static QString operationOf(const QJsonObject &entry);
    static QString whoOf(const QJsonObject &entry);
    static QString detailsOf(const QJsonObject &entry);

    // The rows a model shows (a filtered view of this one, say) as CSV with
    // a heading line, every field quoted, lines ended by CR LF.
    static QByteArray toCsv(const QAbstractItemModel &shown);

private:
    QList<JournalEntry> m_entries;
};
