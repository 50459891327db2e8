#pragma once

#include <QObject>

class TranscriptTextTest : public QObject
{
    Q_OBJECT

private slots:
    void countsAndCutsLines_data();
    void countsAndCutsLines();
    void takesEspLinesApart_data();
    void takesEspLinesApart();
    void tokenizerWalksOneTextAtATime();
};
