#include "linesplittertest.h"

#include "linesplitter.h"

#include <QTest>

using Lines = QList<QByteArray>;

namespace {

const QByteArray kTooLong = "<too long>";

QByteArray xs(qsizetype count)
{
    return QByteArray(count, 'x');
}

} // namespace

void LineSplitterTest::cutsLines_data()
{
    QTest::addColumn<Lines>("pieces");
    QTest::addColumn<bool>("ends"); // the input closes after the pieces
    QTest::addColumn<Lines>("lines");

    const qsizetype max = LineSplitter::kMaxLine;
    QTest::newRow("one line") << Lines{"say A: hi\n"} << false << Lines{"say A: hi"};
    QTest::newRow("cut anywhere") << Lines{"sa", "y A: hi\nli", "ne b", "\n"} << false << Lines{"say A: hi", "line b"};
    QTest::newRow("empty lines count") << Lines{"\n\nx\n"} << false << Lines{"", "", "x"};
    QTest::newRow("CR stays for the interpreter") << Lines{"a\r\n"} << false << Lines{"a\r"};
    QTest::newRow("waits for the line feed") << Lines{"a\nb"} << false << Lines{"a"};
    QTest::newRow("last line without a feed") << Lines{"a\nb"} << true << Lines{"a", "b"};
    QTest::newRow("nothing after the last feed") << Lines{"a\n"} << true << Lines{"a"};
    QTest::newRow("at the bound") << Lines{xs(max) + "\nok\n"} << false << Lines{xs(max), "ok"};
    QTest::newRow("past the bound in one piece") << Lines{xs(max + 1) + "\nok\n"} << false << Lines{kTooLong, "ok"};
    QTest::newRow("past the bound across pieces, refused once")
        << Lines{xs(max / 2 + 1), xs(max / 2 + 1), xs(10), "x\nok\n"} << false << Lines{kTooLong, "ok"};
    QTest::newRow("too long at the end") << Lines{"a\n", xs(max + 1)} << true << Lines{"a", kTooLong};
}

void LineSplitterTest::cutsLines()
{
    QFETCH(Lines, pieces);
    QFETCH(bool, ends);
    QFETCH(Lines, lines);

    LineSplitter splitter;
    Lines got;
    for (const QByteArray &piece : pieces) {
        for (const LineSplitter::Line &line : splitter.feed(piece))
            got.append(line.value_or(kTooLong));
    }
    if (ends) {
        if (const auto last = splitter.finish())
            got.append(*last);
    }
    QCOMPARE(got, lines);
}
