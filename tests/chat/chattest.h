#pragma once

#include <QObject>

// The link to the chat client: its retries, the transcript as the client
// delivers it, and its pauses.
class ChatTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void retriesUntilAnOutcome_data();
    void retriesUntilAnOutcome();
    void trimsTheTranscript_data();
    void trimsTheTranscript();
    void pausesOnTheRealClockUntilTheLinkCloses();
};
