#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

// The registration scan as first written: string copies line by line, in
// quadratic time. Kept as the oracle the fast scan must agree with, with
// the two mends the program makes: the cut ends with the marker's own line,
// and only the host's room lines carry the marker and removal texts.
QStringList literalScan(QString transcript, const QString &symbol, const QString &host, QSet<QString> registered);
// The names the program's scan takes in, in the order of their lines.
QStringList scannedNames(QStringView transcript, const QString &symbol, const QString &host,
                         const QSet<QString> &registered);
