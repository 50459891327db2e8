#pragma once

#include <QByteArray>
#include <QtGlobal>

// A fresh seed for every pick. The journal shows the seed, so it needs no
// secrecy; it must only differ from pick to pick, even for two picks in the
// same tick of the clock, and nobody may steer it. It hashes the time of day,
// a fine-grained clock, the number of picks so far and bytes from the
// operating system's random source into 32 bytes.
class SeedMaker
{
public:
    static constexpr int kSize = 32;

    QByteArray next(qint64 msSinceMidnight);

private:
    quint64 m_picks = 0;
};
