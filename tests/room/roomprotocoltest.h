#pragma once

#include <QObject>

// The wire format on its own: what goes in comes out, in any slicing, and
// nothing malformed gets through.
class RoomProtocolTest : public QObject
{
    Q_OBJECT

private slots:
    void decodesWhatWasEncodedInAnySlicing_data();
    void decodesWhatWasEncodedInAnySlicing();
    void refusesMalformedFrames_data();
    void refusesMalformedFrames();
};
