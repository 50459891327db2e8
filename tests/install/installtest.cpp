#include "installtest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

struct Part
{
    QString path; // relative to the prefix
    bool executable;
};

QList<Part> parts()
{
    const QString bin = QStringLiteral(INSTALL_BINDIR) + u'/';
    const QString data = QStringLiteral(INSTALL_DATADIR) + u'/';
    return {
        {bin + u"raffler"_s, true},
        {bin + u"chatroom"_s, true},
        {QStringLiteral(INSTALL_PRIVATE_LIBDIR) + u"/libwadapi.so"_s, false},
        {data + u"applications/corvanes-raffler.desktop"_s, false},
        {data + u"applications/corvanes-raffler-chatroom.desktop"_s, false},
        {data + u"icons/hicolor/scalable/apps/corvanes-raffler.svg"_s, false},
        {data + u"doc/corvanes-raffler/guide.md"_s, false},
        {data + u"doc/corvanes-raffler/images/first-game.png"_s, false},
    };
}

// Runs a tool to its end; its standard output, or nothing when it failed.
std::optional<QByteArray> run(const QString &program, const QStringList &arguments,
                              const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForFinished(240000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qWarning().noquote() << program << arguments.join(u' ') << "failed:" << process.errorString();
        return std::nullopt;
    }
    return process.readAllStandardOutput();
}

// The environment of a host who never built the program: nothing points
// into the build tree, and the per-user folders are the test's own.
QProcessEnvironment hostEnvironment(const QString &home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"LD_LIBRARY_PATH"_s);
    environment.insert(u"HOME"_s, home);
    environment.insert(u"XDG_DATA_HOME"_s, home + u"/.local/share"_s);
    environment.insert(u"XDG_CONFIG_HOME"_s, home + u"/.config"_s);
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    return environment;
}

QList<QJsonObject> logged(const QString &logPath, const QString &call)
{
    QList<QJsonObject> entries;
    QFile file(logPath);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QJsonObject entry = QJsonDocument::fromJson(line).object();
        if (entry.value(u"call").toString() == call)
            entries.append(entry);
    }
    return entries;
}

} // namespace

void InstallTest::initTestCase()
{
    QVERIFY(m_scratch.isValid());
    // CI checks an install made by the Debian package the same way.
    m_prefix = qEnvironmentVariable("RAFFLER_INSTALLED_PREFIX");
    if (!m_prefix.isEmpty())
        return;
    m_prefix = m_scratch.filePath(u"prefix"_s);
    QVERIFY(run(QStringLiteral(CMAKE_PATH), {u"--install"_s, QStringLiteral(BUILD_DIR), u"--prefix"_s, m_prefix}));
}

QString InstallTest::installed(const QString &path) const
{
    return QDir(m_prefix).filePath(path);
}

void InstallTest::installsEveryPartInItsPlace_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");
    for (const Part &part : parts())
        QTest::newRow(qPrintable(part.path)) << part.path << part.executable;
}

void InstallTest::installsEveryPartInItsPlace()
{
    QFETCH(QString, path);
    QFETCH(bool, executable);
    const QFileInfo file(installed(path));
    QVERIFY2(file.isFile(), qPrintable(file.filePath()));
    QVERIFY(file.size() > 0);
    QCOMPARE(file.isExecutable(), executable);
}

void InstallTest::menuEntriesStartInstalledPrograms_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("name"); // the title of the window it opens
    QTest::newRow("the program") << u"corvanes-raffler.desktop"_s << u"Corvane's Raffler"_s;
    QTest::newRow("the stand-in room") << u"corvanes-raffler-chatroom.desktop"_s << u"Chat room (stand-in)"_s;
}

void InstallTest::menuEntriesStartInstalledPrograms()
{
    QFETCH(QString, entry);
    QFETCH(QString, name);
    const QString data = installed(QStringLiteral(INSTALL_DATADIR));
    QFile file(data + u"/applications/"_s + entry);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QMap<QString, QString> keys;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            keys.insert(QString::fromUtf8(line.left(equals)), QString::fromUtf8(line.mid(equals + 1)));
    }
    QCOMPARE(keys.value(u"Type"_s), u"Application"_s);
    QCOMPARE(keys.value(u"Name"_s), name);
    // The command is looked up on the PATH, where the prefix's bin folder is.
    const QString command = keys.value(u"Exec"_s).section(u' ', 0, 0);
    QVERIFY(!command.contains(u'/'));
    QVERIFY(QFileInfo(installed(QStringLiteral(INSTALL_BINDIR) + u'/' + command)).isExecutable());
    const QString icon = keys.value(u"Icon"_s);
    QVERIFY(QFileInfo::exists(data + u"/icons/hicolor/scalable/apps/"_s + icon + u".svg"_s));
}

void InstallTest::installedProgramFindsItsOwnRoomLibrary()
{
    // The dynamic loader lists what it would load, and from where, instead of
    // starting the program.
    QProcessEnvironment environment = hostEnvironment(m_scratch.filePath(u"home"_s));
    environment.insert(u"LD_TRACE_LOADED_OBJECTS"_s, u"1"_s);
    const auto listing = run(installed(QStringLiteral(INSTALL_BINDIR) + u"/raffler"_s), {}, environment);
    QVERIFY(listing);
    QString found;
    for (const QByteArray &line : listing->split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        // "libwadapi.so => /path/libwadapi.so (0x...)"
        if (fields.size() >= 3 && fields[0] == "libwadapi.so")
            found = QString::fromLocal8Bit(fields[2]);
    }
    QVERIFY2(!found.isEmpty(), listing->constData());
    QCOMPARE(QFileInfo(found).canonicalFilePath(),
             QFileInfo(installed(QStringLiteral(INSTALL_PRIVATE_LIBDIR) + u"/libwadapi.so"_s))
                 .canonicalFilePath());
}

void InstallTest::installedProgramHostsAgainstInstalledRoom()
{
    const QString bin = installed(QStringLiteral(INSTALL_BINDIR));
    const QString home = m_scratch.filePath(u"home"_s);
    const QString logPath = m_scratch.filePath(u"calls.log"_s);
    const QString socket = u"raffler-install-test-"_s + QString::number(QCoreApplication::applicationPid());
    const QProcessEnvironment environment = hostEnvironment(home);

    QProcess room;
    room.setProcessEnvironment(environment);
    room.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    room.start(bin + u"/chatroom"_s, {u"--headless"_s, u"--socket"_s, socket, u"--log"_s, logPath});
    QVERIFY2(room.waitForStarted(10000), qPrintable(room.errorString()));
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += room.readAllStandardOutput()).contains("ready\n"), 20000);

    QProcessEnvironment withRoom = environment;
    withRoom.insert(u"WADAPI_ROOM"_s, socket);
    QProcess raffler;
    raffler.setProcessEnvironment(withRoom);
    raffler.setProcessChannelMode(QProcess::ForwardedChannels);
    raffler.start(bin + u"/raffler"_s, {});
    QVERIFY(raffler.waitForStarted(10000));
    QTRY_COMPARE_WITH_TIMEOUT(logged(logPath, u"InitDDE"_s).size(), 1, 20000);
    // Closing the link once on termination is the room end-to-end test's
    // job; here the installed pieces must find each other and part cleanly.
    raffler.terminate();
    QVERIFY(raffler.waitForFinished(20000));
    QCOMPARE(raffler.exitStatus(), QProcess::NormalExit);
    QCOMPARE(raffler.exitCode(), 0);
    room.write("quit\n");
    QVERIFY(room.waitForFinished(20000));
}

void InstallTest::packageHoldsTheInstall()
{
    QTemporaryDir out;
    QVERIFY(run(QStringLiteral(CPACK_PATH), {u"-G"_s, u"DEB"_s, u"--config"_s,
                                            QStringLiteral(BUILD_DIR) + u"/CPackConfig.cmake"_s, u"-B"_s, out.path()}));
    const QStringList debs = QDir(out.path())
                                 .entryList({QStringLiteral(PACKAGE_NAME) + u'_' + QStringLiteral(PACKAGE_VERSION)
                                             + u"_*.deb"_s},
                                            QDir::Files);
    QCOMPARE(debs.size(), 1);
    const QString deb = out.filePath(debs.constFirst());

    const auto listing = run(u"dpkg-deb"_s, {u"--contents"_s, deb});
    QVERIFY(listing);
    QMap<QString, QString> modes; // path in the package -> permissions
    for (const QByteArray &line : listing->split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 6)
            modes.insert(QString::fromUtf8(fields.last()), QString::fromUtf8(fields.first()));
    }
    for (const Part &part : parts()) {
        const QString path = u"./usr/"_s + part.path;
        QVERIFY2(modes.contains(path), qPrintable(path));
        QCOMPARE(modes.value(path).startsWith(u"-rwx"_s), part.executable);
    }

    const auto field = [&deb](const QString &name) {
        const auto value = run(u"dpkg-deb"_s, {u"--field"_s, deb, name});
        return value ? QString::fromUtf8(value->trimmed()) : QString();
    };
    QCOMPARE(field(u"Package"_s), QStringLiteral(PACKAGE_NAME));
    QCOMPARE(field(u"Version"_s), QStringLiteral(PACKAGE_VERSION));
    const QStringList depends = field(u"Depends"_s).split(u", "_s);
    for (const QString &needed : {u"libqt6widgets6"_s, u"libqt6network6"_s, u"fonts-liberation2"_s}) {
        QVERIFY2(std::any_of(depends.begin(), depends.end(),
                             [&needed](const QString &d) { return d.section(u' ', 0, 0) == needed; }),
                 qPrintable(depends.join(u", "_s)));
    }
}
