#pragma once

#include <QObject>

// The About box: what it shows, the main window waiting while it is open,
// and the system information tool it starts.
class AboutTest : public QObject
{
    Q_OBJECT

private slots:
    void theMainWindowWaitsUntilTheBoxCloses_data();
    void theMainWindowWaitsUntilTheBoxCloses();
    void systemInfoStartsTheFirstToolFound();
};
