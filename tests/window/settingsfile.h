#pragma once

#include "support/programfixture.h"

#include <QFile>
#include <QMap>
#include <QTest>

using Items = QMap<int, QString>;

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Settings.txt holding the restored values, except for the items given.
inline void writeSettings(const ProgramFixture &f, const Items &changed)
{
    QByteArray bytes;
    for (int i = 0; i < HostSettings::kCount; ++i) {
        const QString value = i == HostSettings::PrizeCount ? QStringLiteral("1") : HostSettings::restoredValue(i);
        bytes += '"' + changed.value(i, value).toLatin1() + "\"\r\n";
    }
    writeFile(f.dir.filePath(QStringLiteral("Settings.txt")), bytes);
}
