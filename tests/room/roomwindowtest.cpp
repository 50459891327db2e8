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
    QTest::addColumn<QByteArray>("transcript");

    QTest::newRow("say") << QStringLiteral("Bob") << QStringLiteral("hello") << QStringLiteral("sayButton")
                         << QByteArray("Bob: hello");
    QTest::newRow("esp the host") << QString::fromUtf8(" Zoë ") << QStringLiteral("$") << QStringLiteral("espButton")
                                  << QByteArray("ESP from Zo\xEB: $");
    QTest::newRow("no name") << QString() << QStringLiteral("hello") << QStringLiteral("sayButton") << QByteArray();
    QTest::newRow("name with a colon") << QStringLiteral("A: B") << QStringLiteral("x") << QStringLiteral("sayButton")
                                       << QByteArray();
    QTest::newRow("outside the code page") << QStringLiteral("Bob") << QString::fromUtf8("日本")
                                           << QStringLiteral("espButton") << QByteArray();
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
    code->setCurrentIndex(code->findData(QByteArray("10")));
    room.find<QSpinBox>("statusCount")->setValue(3);
    room.find<QPushButton>("injectButton")->click();
    QCOMPARE(room.service.injectedStatuses(), (QList<QByteArray>{"10", "10", "10"}));
    QVERIFY(room.find<QLabel>("injectedStatuses")->text().contains(QStringLiteral("10, 10, 10")));

    room.find<QSpinBox>("botCount")->setValue(4);
    QCOMPARE(room.bots.count(), 4);
    room.bots.setCount(2);
    QCOMPARE(room.find<QSpinBox>("botCount")->value(), 2);

    auto *view = room.find<QPlainTextEdit>("transcriptView");
    room.transcript.append("Bob: hi");
    room.transcript.append("ESP from Zo\xEB: $");
    QCOMPARE(view->toPlainText(), QString::fromUtf8("Bob: hi\nESP from Zoë: $"));
    room.transcript.replace("A: one\r\nB: two");
    QCOMPARE(view->toPlainText(), QStringLiteral("A: one\nB: two"));
}
