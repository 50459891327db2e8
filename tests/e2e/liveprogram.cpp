#include "liveprogram.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QTest>

bool LiveProgram::start(const QStringList &roomOptions)
{
    if (!room.start(roomOptions))
        return false;
    qputenv("WADAPI_ROOM", room.socketName().toLocal8Bit());
    return restart();
}

bool LiveProgram::restart()
{
    stop();
    program = std::make_unique<Program>(realTime ? static_cast<Clock &>(realClock) : clock,
                                        Program::Places{dir.path(), dir.path() + QStringLiteral("/user")}, &prompts);
    if (!program->Draw_Load())
        return false;
    // Lines follow each other without waiting; only the virtual clock moves.
    program->session().settings.setItem(HostSettings::Delay, QStringLiteral("0"));
    program->window().show();
    return true;
}

void LiveProgram::stop()
{
    if (program)
        program->window().close();
    program.reset();
}

void LiveProgram::click(const char *control)
{
    const QString name = QString::fromLatin1(control);
    if (auto *button = program->window().findChild<QAbstractButton *>(name))
        button->click();
    else if (auto *action = program->window().findChild<QAction *>(name))
        action->trigger();
}

bool LiveProgram::takeIn(const char *getReg, int count)
{
    // The bots answer in their own time.
    return QTest::qWaitFor(
        [&] {
            click(getReg);
            return program->session().lists.queue.count() >= count;
        },
        30000);
}

QList<QJsonObject> LiveProgram::callsSinceMark() const
{
    return room.log().mid(m_marked);
}

QStringList LiveProgram::linesSinceMark() const
{
    QStringList lines;
    for (const QJsonObject &call : callsSinceMark()) {
        if (call.value(u"call").toString() != u"DapiCommunicate")
            continue;
        const QString text = call.value(u"text").toString();
        lines << (call.value(u"mode").toInt() == 0
                      ? QStringLiteral("say: ") + text
                      : QStringLiteral("esp ") + call.value(u"target").toString() + QStringLiteral(": ") + text);
    }
    return lines;
}

QByteArray LiveProgram::recoveryFile() const
{
    QFile file(dir.filePath(QStringLiteral("Recover.bak")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}
