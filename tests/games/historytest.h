#pragma once

#include <QObject>

// The journal as the host reads it in the History window and its export.
class HistoryTest : public QObject
{
    Q_OBJECT

private slots:
    void describesEachOperation_data();
    void describesEachOperation();
    void exportsWhatIsShownAsCsv();
};
