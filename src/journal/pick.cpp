#include "journal/pick.h"

#include <QCryptographicHash>
#include <QtEndian>

quint64 Pick::index(QByteArrayView seed, quint64 count)
{
    Q_ASSERT(count >= 1);
    if (count <= 1)
        return 0;
    // 2^64 mod count, in 64-bit arithmetic: (2^64 - count) mod count.
    const quint64 tail = (0 - count) % count;
    const quint64 limit = 0 - tail; // 2^64 - tail; only used when tail is not 0
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (quint32 c = 0;; ++c) {
        uchar counter[4];
        qToBigEndian(c, counter);
        hash.reset();
        hash.addData(seed);
        hash.addData(QByteArrayView(counter, sizeof counter));
        const quint64 x = qFromBigEndian<quint64>(hash.resultView().data());
        if (tail == 0 || x < limit)
            return x % count;
    }
}
