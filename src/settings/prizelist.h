#pragma once

#include <QObject>
#include <QString>

#include <array>

class FileStore;

// The ten prize texts, paged one at a time by a scroll bar, and
// saved to Prizes.txt whenever the page changes.
class PrizeList : public QObject
{
    Q_OBJECT

public:
    static constexpr int kCount = 10;

    explicit PrizeList(FileStore &store, QObject *parent = nullptr);

    // Prize n as the host counts it is box n - 1.
    QString prize(int index) const { return m_prizes.at(index); }
    void setPrize(int index, const QString &text);

    // The scroll bar's value, which is also the one box shown.
    int page() const { return m_page; }
    // The caption of the frame around the boxes, "Prize # 1" for page 0.
    QString caption() const;

    // The scroll bar moved to a page: show that box, rename the frame, save
    // every prize.
    void setPage(int page);

    // "Clear" and "Restore Defults" of the settings; neither saves.
    void clear();
    void restoreDefaults();
    // Start-up: the texts from Prizes.txt; prizes the file lacks stay empty.
    void load();
    bool save();

signals:
    void prizeChanged(int index, const QString &text);
    void pageChanged(int page);

private:
    FileStore &m_store;
    std::array<QString, kCount> m_prizes;
    int m_page = 0;
};
