#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

// Cuts the bytes of the room's standard input into command lines at each
// line feed. Bytes may arrive in pieces of any size. A line longer than
// kMaxLine is refused whole, so a runaway writer cannot eat memory.
class LineSplitter
{
public:
    static constexpr qsizetype kMaxLine = qsizetype(1024) * 1024;

    // A line without its line feed, or nullopt for one that was too long.
    using Line = std::optional<QByteArray>;

    // The lines that the bytes complete, in order.
    QList<Line> feed(QByteArrayView bytes);
    // The input has ended: a last line without its line feed still counts.
    std::optional<QByteArray> finish();

private:
    QByteArray m_partial;
    bool m_skipping = false; // inside a line that was too long
};
