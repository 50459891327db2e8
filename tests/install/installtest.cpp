#include "installtest.h"

#include "version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString kBin = QStringLiteral(INSTALL_BINDIR) + u'/';
const QString kApps = QStringLiteral(INSTALL_DATADIR) + u"/applications/"_s;
const QString kIcons = QStringLiteral(INSTALL_DATADIR) + u"/icons/hicolor/scalable/apps/"_s;
const QString kLibrary = QStringLiteral(INSTALL_PRIVATE_LIBDIR) + u"/libwadapi.so"_s;
const QString kDocs = QStringLiteral(INSTALL_DATADIR) + u"/doc/corvanes-raffler/"_s;
const QString kMetainfo = QStringLiteral(INSTALL_DATADIR) + u"/metainfo/example.corvanes_games.raffler.metainfo.xml"_s;

// Every installed file, relative to the prefix, and whether it is a program.
const QList<std::pair<QString, bool>> kParts = {
    {kBin + u"raffler"_s, true},
    {kBin + u"raffler-chatroom"_s, true},
    {kLibrary, false},
    {kApps + u"example.corvanes_games.raffler.desktop"_s, false},
    {kApps + u"example.corvanes_games.raffler-chatroom.desktop"_s, false},
    {kIcons + u"corvanes-raffler.svg"_s, false},
    {QStringLiteral(INSTALL_MANDIR) + u"/man1/raffler.1.gz"_s, false},
    {QStringLiteral(INSTALL_MANDIR) + u"/man1/raffler-chatroom.1.gz"_s, false},
    {kMetainfo, false},
    {kDocs + u"copyright"_s, false},
    {kDocs + u"changelog.gz"_s, false},
    {kDocs + u"guide.md"_s, false},
    {kDocs + u"images/first-game.png"_s, false},
};

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

void InstallTest::installsEveryPartInItsPlace()
{
    for (const auto &[path, program] : kParts) {
        const QFileInfo file(installed(path));
        QVERIFY2(file.isFile() && file.size() > 0, qPrintable(file.filePath()));
        QCOMPARE(file.isExecutable(), program);
    }
}

void InstallTest::menuEntriesStartInstalledPrograms()
{
    for (const QString &entry :
         {u"example.corvanes_games.raffler.desktop"_s, u"example.corvanes_games.raffler-chatroom.desktop"_s}) {
        QFile file(installed(kApps + entry));
        QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
        QMap<QString, QString> keys;
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (const qsizetype equals = line.indexOf('='); equals > 0)
                keys.insert(QString::fromUtf8(line.left(equals)), QString::fromUtf8(line.mid(equals + 1)));
        }
        // The command is looked up on the PATH, where the prefix's bin folder is.
        const QString command = keys.value(u"Exec"_s).section(u' ', 0, 0);
        QVERIFY2(!command.contains(u'/') && QFileInfo(installed(kBin + command)).isExecutable(), qPrintable(command));
        QVERIFY(QFileInfo::exists(installed(kIcons + keys.value(u"Icon"_s) + u".svg"_s)));
    }
}

void InstallTest::metainfoIsValid()
{
    const QString validator = QStandardPaths::findExecutable(u"appstreamcli"_s);
    if (validator.isEmpty())
        QSKIP("appstreamcli is not installed (Debian package appstream)");
    QVERIFY(run(validator, {u"validate"_s, u"--no-net"_s, installed(kMetainfo)}));
}

void InstallTest::installedProgramFindsItsOwnRoomLibrary()
{
    // The dynamic loader lists what it would load, and from where, instead of
    // starting the program: the installed library, not the build tree's.
    QProcessEnvironment environment = hostEnvironment(m_scratch.filePath(u"home"_s));
    environment.insert(u"LD_TRACE_LOADED_OBJECTS"_s, u"1"_s);
    const auto listing = run(installed(kBin + u"raffler"_s), {}, environment);
    QVERIFY(listing);
    QString found;
    for (const QByteArray &line : listing->split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        // "libwadapi.so => /path/libwadapi.so (0x...)"
        if (fields.size() >= 3 && fields[0] == "libwadapi.so")
            found = QString::fromLocal8Bit(fields[2]);
    }
    QVERIFY2(!found.isEmpty(), listing->constData());
    QCOMPARE(QFileInfo(found).canonicalFilePath(), QFileInfo(installed(kLibrary)).canonicalFilePath());
}

void InstallTest::installedProgramHostsAgainstInstalledRoom()
{
    // The closing of the link on termination is the room end-to-end test's
    // job; here the installed pieces must find each other.
    QProcessEnvironment environment = hostEnvironment(m_scratch.filePath(u"home"_s));
    const QString logPath = m_scratch.filePath(u"calls.log"_s);
    const QString socket = u"raffler-install-test-"_s + QString::number(QCoreApplication::applicationPid());
    QProcess room;
    room.setProcessEnvironment(environment);
    room.start(installed(kBin + u"raffler-chatroom"_s), {u"--headless"_s, u"--socket"_s, socket, u"--log"_s, logPath});
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += room.readAllStandardOutput()).contains("ready\n"), 20000);

    environment.insert(u"WADAPI_ROOM"_s, socket);
    QProcess raffler;
    raffler.setProcessEnvironment(environment);
    raffler.setProcessChannelMode(QProcess::ForwardedChannels);
    raffler.start(installed(kBin + u"raffler"_s), {});
    const auto initialized = [&logPath] {
        QFile log(logPath);
        // Nothing but the program calls the room, so its hello is the first entry.
        return log.open(QIODevice::ReadOnly)
            && QJsonDocument::fromJson(log.readLine()).object().value(u"call") == u"InitDDE"_s;
    };
    QTRY_VERIFY_WITH_TIMEOUT(initialized(), 20000);
    raffler.terminate();
    QVERIFY(raffler.waitForFinished(20000));
    QCOMPARE(raffler.exitStatus(), QProcess::NormalExit);
    QCOMPARE(raffler.exitCode(), 0);
    room.write("quit\n");
    QVERIFY(room.waitForFinished(20000));
}

void InstallTest::commandLines_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("said"); // on standard output when all went well, else on standard error

    const QString room = u"raffler-chatroom"_s;
    const QString version = u" (Corvane's Raffler) %1\n"_s.arg(QStringLiteral(RAFFLER_VERSION));
    QTest::newRow("raffler help") << u"raffler"_s << QStringList{u"--help"_s} << 0
                                  << QStringList{u"--help"_s, u"--version"_s};
    QTest::newRow("raffler version") << u"raffler"_s << QStringList{u"-v"_s} << 0
                                     << QStringList{u"raffler"_s + version};
    QTest::newRow("Qt's own options pass") << u"raffler"_s << QStringList{u"-platform"_s, u"xcb"_s, u"--version"_s} << 0
                                           << QStringList{u"raffler"_s + version};
    QTest::newRow("raffler unknown") << u"raffler"_s << QStringList{u"--bogus"_s} << 2
                                     << QStringList{u"raffler: Unknown option 'bogus'"_s, u"--help"_s};
    QTest::newRow("raffler no value") << u"raffler"_s << QStringList{u"-style"_s} << 2
                                      << QStringList{u"Missing value after '-style'"_s};
    QTest::newRow("raffler argument") << u"raffler"_s << QStringList{u"Settings.txt"_s} << 2
                                      << QStringList{u"'Settings.txt'"_s};
    QTest::newRow("raffler verify, no such journal") << u"raffler"_s << QStringList{u"--verify"_s, u"missing.jsonl"_s}
                                                     << 1 << QStringList{u"The journal cannot be read"_s};
    QTest::newRow("room help") << room << QStringList{u"-h"_s} << 0
                               << QStringList{u"--socket <NAME>"_s,     u"--host <NAME>"_s,      u"--log <FILE>"_s,
                                              u"--transcript <FILE>"_s, u"--bots <N>"_s,         u"--headless"_s,
                                              u"--version"_s,           u"status CODE [COUNT]"_s};
    QTest::newRow("room version") << room << QStringList{u"--version"_s} << 0 << QStringList{room + version};
    QTest::newRow("room unknown") << room << QStringList{u"--help-all"_s} << 2
                                  << QStringList{u"Unknown option 'help-all'"_s};
    QTest::newRow("room no value") << room << QStringList{u"--headless"_s, u"--bots"_s} << 2
                                   << QStringList{u"Missing value after '--bots'"_s};
    QTest::newRow("room bad value") << room << QStringList{u"--headless"_s, u"--bots"_s, u"101"_s} << 2
                                    << QStringList{u"--bots: expected a whole number from 0 to 100"_s};
}

void InstallTest::commandLines()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, said);

    // No display and no chat room: a program that opened a window would end
    // on a signal, and raffler reaches the room only after its window exists.
    QProcessEnvironment environment = hostEnvironment(m_scratch.filePath(u"home"_s));
    for (const QString &name : {u"QT_QPA_PLATFORM"_s, u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s})
        environment.remove(name);
    environment.insert(u"WADAPI_ROOM"_s, u"raffler-install-test-nobody"_s);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(installed(kBin + program), arguments);
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
    const QString error = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE((status == 0 ? error : out), QString());
    for (const QString &text : said)
        QVERIFY2((status == 0 ? out : error).contains(text), qPrintable(out + error));
}

void InstallTest::packageHoldsTheInstall()
{
    QTemporaryDir out;
    QVERIFY(run(
        QStringLiteral(CPACK_PATH),
        {u"-G"_s, u"DEB"_s, u"--config"_s, QStringLiteral(BUILD_DIR) + u"/CPackConfig.cmake"_s, u"-B"_s, out.path()}));
    const QStringList debs = QDir(out.path())
                                 .entryList({u"%1_%2_*.deb"_s.arg(QStringLiteral(PACKAGE_NAME),
                                                                  QStringLiteral(RAFFLER_VERSION))},
                                            QDir::Files);
    QCOMPARE(debs.size(), 1);
    const QString deb = out.filePath(debs.first());
    const auto dpkg = [&](const QStringList &arguments) {
        return QString::fromUtf8(run(u"dpkg-deb"_s, arguments).value_or("<failed>").trimmed());
    };
    const QString contents = dpkg({u"--contents"_s, deb});
    QMap<QString, QString> modes; // path in the package -> permissions
    for (const QString &line : contents.split(u'\n')) {
        const QStringList fields = line.simplified().split(u' ');
        if (fields.size() >= 6)
            modes.insert(fields.last(), fields.first());
    }
    for (const auto &[path, program] : kParts) {
        QVERIFY2(modes.contains(u"./usr/"_s + path), qPrintable(path));
        QCOMPARE(modes.value(u"./usr/"_s + path).startsWith(u"-rwx"_s), program);
    }
    // The private room library needs no ldconfig, and nothing else needs a
    // maintainer script either.
    QVERIFY(run(u"dpkg-deb"_s, {u"--control"_s, deb, out.filePath(u"control"_s)}));
    QCOMPARE(QDir(out.filePath(u"control"_s)).entryList(QDir::Files), QStringList({u"control"_s, u"md5sums"_s}));
    QCOMPARE(dpkg({u"--field"_s, deb, u"Package"_s, u"Version"_s}),
             u"Package: %1\nVersion: %2"_s.arg(QStringLiteral(PACKAGE_NAME), QStringLiteral(RAFFLER_VERSION)));
    QStringList depends = dpkg({u"--field"_s, deb, u"Depends"_s}).split(u", "_s);
    for (QString &dependency : depends)
        dependency = dependency.section(u' ', 0, 0); // without its version
    for (const QString &needed : {u"libqt6widgets6"_s, u"libqt6network6"_s, u"fonts-liberation2"_s})
        QVERIFY2(depends.contains(needed), qPrintable(needed));
}
