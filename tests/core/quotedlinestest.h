#pragma once

#include <QObject>

class QuotedLinesTest : public QObject
{
    Q_OBJECT

private slots:
    void valuesSurviveARoundTrip_data();
    void valuesSurviveARoundTrip();
    void readsFilesAsTheyWereAlwaysWritten_data();
    void readsFilesAsTheyWereAlwaysWritten();
};
