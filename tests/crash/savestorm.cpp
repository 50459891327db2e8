// Saves as fast as it can, until it is killed: registrations, draws and
// macro clicks rewrite Recover.bak, the settings "Ok" rewrites Settings.txt
// and the prize scroll bar Prizes.txt. Round k writes texts that carry k in
// several places, so a file mixed from two rounds shows. It prints "saved K"
// once start-up is over, K the round the files hold, and after every round.
// With --freeze-at-winner N it draws every round and, the moment the N-th
// winner's line reaches the room, prints "heard NAME" and stops there, so
// that a kill lands right after the room heard a winner.
#include "core/numbertext.h"
#include "scriptedwadapi.h"
#include "support/fakeclock.h"
#include "support/scriptedprompts.h"
#include "ui_mainwindow.h"
#include "window/program.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    FakeClock clock;
    ScriptedPrompts prompts;
    const QString dir = QString::fromLocal8Bit(argv[1]);
    Program program(clock, {dir, dir + QStringLiteral("/user")}, &prompts);
    if (!program.Draw_Load())
        return 1;
    Ui::MainWindow &ui = program.window().ui();
    HostSettings &settings = program.session().settings;
    settings.setItem(HostSettings::Delay, QStringLiteral("0"));
    settings.setChecked(HostSettings::Check::SayPrizes, true);

    // Go on from the round the files of the last run reached.
    qint64 round = NumberText::roundHalfEven(
        NumberText::leadingNumber(settings.item(HostSettings::WelcomeLine).mid(8)));
    // A crowded room, so that every save of the lists is a file worth tearing;
    // the long evening's crowd, so that the first round, which takes them all
    // in and journals them, leaves time for many more before a kill.
    QByteArray transcript = "Host: Corvane's Hoster";
    for (int i = 0; i < 2000; ++i)
        transcript += "\r\nESP from P" + QByteArray::number(1000000 + i) + ": $";
    const bool freezing = argc > 3 && QByteArrayView(argv[2]) == "--freeze-at-winner";
    if (freezing) {
        ScriptedWadapi::setObserver([heard = 0, last = std::atoi(argv[3])](const ScriptedWadapi::Call &call) mutable {
            static constexpr QByteArrayView kWinner = "and the winner is ";
            if (call.function != u"DapiCommunicate" || !call.text.startsWith(kWinner) || ++heard < last)
                return;
            std::printf("heard %s\n", call.text.sliced(kWinner.size()).constData());
            std::fflush(stdout);
            for (;;)
                std::this_thread::sleep_for(std::chrono::hours(1));
        });
    }
    // Tell the test that start-up is over: from here on, every moment saves.
    std::printf("saved %lld\n", static_cast<long long>(round));
    std::fflush(stdout);
    for (;;) {
        ++round;
        const QString k = QString::number(round);
        transcript += "\r\nESP from P" + k.toLatin1() + ": $";
        ScriptedWadapi::setTranscript(transcript);
        ui.cmdGetText->click();
        if (freezing || round % 3 == 0)
            ui.Command3->click();
        ui.cmdCommunicate_0->click();

        settings.setItem(HostSettings::WelcomeLine, QStringLiteral("Welcome ") + k);
        settings.setItem(HostSettings::FirstLineOnList, QStringLiteral("That won ") + k);
        ui.Command17->click();

        program.session().prizes.setPrize(0, QStringLiteral("First prize ") + k);
        program.session().prizes.setPrize(9, QStringLiteral("Last prize ") + k);
        ui.VScroll1->setValue(ui.VScroll1->value() == 0 ? 1 : 0);
        QCoreApplication::processEvents();
        // Every file of this round is written: the test may count on it.
        std::printf("saved %lld\n", static_cast<long long>(round));
        std::fflush(stdout);
    }
}
