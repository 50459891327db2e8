#include "liveprogram.h"

#include "window/controlguide.h"

#include <QAbstractButton>
#include <QAbstractProxyModel>
#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The item a path of captions ("Color > Red") leads to from these actions, if it can be chosen.
QAction *follow(const QList<QAction *> &actions, QStringList path)
{
    const QString first = path.takeFirst();
    for (QAction *action : actions) {
        if (action->isVisible() && action->isEnabled() && spokenCaption(action->text()) == first)
            return path.isEmpty() ? action : action->menu() ? follow(action->menu()->actions(), path) : nullptr;
    }
    return nullptr;
}

// The one control found; the test fails when there is none or more than one.
template<typename T>
T *theOne(const QList<T *> &found, const QString &what)
{
    if (found.size() != 1)
        QTest::qFail(qPrintable(u"%1 of %2 to use"_s.arg(found.size()).arg(what)), __FILE__, __LINE__);
    return found.size() == 1 ? found.constFirst() : nullptr;
}

// RAFFLER_KEEP_JOURNALS names a folder for copies of the journals written
// in this one, for the check of docs/journal.md's verifier (journal-doc).
void keepJournals(const QString &folder)
{
    const QString keep = qEnvironmentVariable("RAFFLER_KEEP_JOURNALS");
    if (keep.isEmpty() || !QDir().mkpath(keep))
        return;
    QDirIterator found(folder, {u"*.jsonl"_s}, QDir::Files, QDirIterator::Subdirectories);
    while (found.hasNext()) {
        const QFileInfo journal = found.nextFileInfo();
        const QString copy = QDir(keep).filePath(u"%1-%2-%3"_s.arg(QString::fromLatin1(QTest::currentTestFunction()),
                                                                   QDir(folder).dirName(), journal.fileName()));
        QFile::remove(copy);
        QFile::copy(journal.filePath(), copy);
    }
}

} // namespace

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
    keepJournals(dir.path());
}

void LiveProgram::press(QStringView caption, QWidget *in)
{
    QWidget &window = in ? *in : program->window();
    QList<QAbstractButton *> found = window.findChildren<QAbstractButton *>();
    found.removeIf([&](const QAbstractButton *button) {
        return button->window() != &window || !button->isVisible() || !button->isEnabled()
            || spokenCaption(button->text()) != caption
            || !window.rect().contains(QRect(button->mapTo(&window, QPoint()), button->size()));
    });
    if (QAbstractButton *button = theOne(found, u"button %1"_s.arg(caption)))
        button->click();
}

void LiveProgram::choose(QStringView path)
{
    QAction *item = follow(program->window().menuBar()->actions(), path.toString().split(u" > "_s));
    if (theOne(item ? QList{item} : QList<QAction *>(), u"menu item %1"_s.arg(path)))
        item->trigger();
}

void LiveProgram::chooseOver(QStringView list, QStringView path)
{
    QList<QListView *> found = program->window().findChildren<QListView *>();
    found.removeIf([list](const QListView *view) { return !view->isVisible() || view->accessibleName() != list; });
    QAction *item = nullptr;
    if (QListView *view = theOne(found, u"list %1"_s.arg(list))) {
        const auto *shown = qobject_cast<QAbstractProxyModel *>(view->model());
        const int selected = qobject_cast<PlayerList *>(shown->sourceModel())->selected();
        QTest::mouseClick(view->viewport(), Qt::RightButton, {},
                          view->visualRect(view->model()->index(selected, 0)).center());
        QWidget *menu = QApplication::activePopupWidget();
        item = menu ? follow(menu->actions(), path.toString().split(u" > "_s)) : nullptr;
        if (menu)
            menu->close();
    }
    if (theOne(item ? QList{item} : QList<QAction *>(), u"%1 over %2"_s.arg(path, list)))
        item->trigger();
}

bool LiveProgram::takeIn(int count)
{
    // The bots answer in their own time.
    return QTest::qWaitFor(
        [&] {
            press(u"Get Reg");
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
