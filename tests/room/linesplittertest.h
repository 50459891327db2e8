#pragma once

#include <QObject>

// The room's standard input cut into command lines: any slicing, and the
// bound on a line's length.
class LineSplitterTest : public QObject
{
    Q_OBJECT

private slots:
    void cutsLines_data();
    void cutsLines();
};
