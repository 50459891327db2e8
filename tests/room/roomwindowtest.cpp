#include "roomwindowtest.h"

#include "bots.h"
#include "roomserver.h"
#include "roomservice.h"
#include "roomtranscript.h"
#include "roomwindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Room
{
    RoomTranscript transcript;
    RoomService service{transcript, "Host"};
    Bots bots{transcript, "Host"};
    RoomServer server{service};
    RoomWindow window{transcript, service, bots, server};

    template<typename Widget>
    Widget *find(const char *name)
    {
        return window.findChild<Widget *>(QLatin1StringView(name));
    }
};

} // namespace

void RoomWindowTest::speaksAsAnyAvatar_data()
{
    QTest::addColumn<QString>("avatar");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("transcript"); // empty when the line is refused

    QTest::newRow("say") << u"Bob"_s << u"hello"_s << u"sayButton"_s << "Bob: hello"_ba;
    QTest::newRow("esp the host") << u" Zoë "_s << u"$"_s << u"espButton"_s << "ESP from Zo\xEB: $"_ba;
    QTest::newRow("no name") << QString() << u"hello"_s << u"sayButton"_s << QByteArray();
    QTest::newRow("name with a colon") << u"A: B"_s << u"x"_s << u"sayButton"_s << QByteArray();
    QTest::newRow("outside the code page") << u"Bob"_s << u"日本"_s << u"espButton"_s << QByteArray();
}

void RoomWindowTest::speaksAsAnyAvatar()
{
    QFETCH(QString, avatar);
    QFETCH(QString, text);
    QFETCH(QString, button);
    QFETCH(QByteArray, transcript);

    Room room;
    room.find<QLineEdit>("avatarName")->setText(avatar);
    room.find<QLineEdit>("lineText")->setText(text);
    room.window.findChild<QPushButton *>(button)->click();
    QCOMPARE(room.transcript.text(), transcript);
    const bool refused = transcript.isEmpty();
    QCOMPARE(room.find<QLabel>("inputMessage")->text().isEmpty(), !refused);
    // A refused line stays in the box to be corrected; a said one is cleared.
    QCOMPARE(room.find<QLineEdit>("lineText")->text(), refused ? text : QString());
}

void RoomWindowTest::injectsStatusesAndFollowsTheRoom()
{
    Room room;
    auto *code = room.find<QComboBox>("statusCode");
    code->setCurrentIndex(code->findData("10"_ba));
    room.find<QSpinBox>("statusCount")->setValue(3);
    room.find<QPushButton>("injectButton")->click();
    QCOMPARE(room.service.injectedStatuses(), (QList<QByteArray>{"10", "10", "10"}));
    QVERIFY(room.find<QLabel>("injectedStatuses")->text().contains(u"10, 10, 10"_s));
    room.find<QSpinBox>("botCount")->setValue(4);
    QCOMPARE(room.bots.count(), 4);
    room.bots.setCount(2);
    QCOMPARE(room.find<QSpinBox>("botCount")->value(), 2);

    // The view follows the transcript line by line and when it is replaced.
    room.transcript.append("Bob: hi");
    room.transcript.append("ESP from Zo\xEB: $");
    QCOMPARE(room.find<QPlainTextEdit>("transcriptView")->toPlainText(), u"Bob: hi\nESP from Zoë: $"_s);
    room.transcript.replace("A: one\r\nB: two");
    QCOMPARE(room.find<QPlainTextEdit>("transcriptView")->toPlainText(), u"A: one\nB: two"_s);
}
