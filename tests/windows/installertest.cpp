#include "installertest.h"

#include "roomprocess.h"
#include "ui_mainwindow.h"
#include "version.h"
#include "window/mainwindow.h"
#include "window/windowlayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <qt_windows.h>

#include <shlobj.h>

using namespace Qt::StringLiterals;

namespace {

const QString kProduct = u"Corvane's Raffler"_s;

QString knownFolder(int csidl)
{
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, 0, path)))
        return {};
    return QDir::fromNativeSeparators(QString::fromWCharArray(path));
}

struct Shortcut
{
    QString target;
    QString arguments;
};

// What a Start menu shortcut starts, as the shell reads it.
std::optional<Shortcut> readShortcut(const QString &path)
{
    IShellLinkW *link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void **>(&link))))
        return std::nullopt;
    std::optional<Shortcut> shortcut;
    IPersistFile *file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&file)))) {
        const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
        wchar_t target[MAX_PATH] = {};
        wchar_t arguments[1024] = {};
        if (SUCCEEDED(file->Load(name.c_str(), STGM_READ)) && SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, 0))
            && SUCCEEDED(link->GetArguments(arguments, 1024)))
            shortcut = Shortcut{QDir::fromNativeSeparators(QString::fromWCharArray(target)),
                                QString::fromWCharArray(arguments)};
        file->Release();
    }
    link->Release();
    return shortcut;
}

// The version an .exe carries in its resources.
QString fileVersion(const QString &path)
{
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    const DWORD size = GetFileVersionInfoSizeW(name.c_str(), nullptr);
    if (size == 0)
        return {};
    QByteArray data(static_cast<qsizetype>(size), '\0');
    void *value = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoW(name.c_str(), 0, size, data.data())
        || !VerQueryValueW(data.constData(), L"\\StringFileInfo\\040904B0\\FileVersion", &value, &length))
        return {};
    return QString::fromWCharArray(static_cast<const wchar_t *>(value)).trimmed();
}

bool hasIcon(const QString &path)
{
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    return ExtractIconExW(name.c_str(), -1, nullptr, nullptr, 0) > 0;
}

// arguments as the command line has them: NSIS reads its own unquoted.
bool runToEnd(const QString &program, const QString &arguments)
{
    QProcess process;
    process.setProgram(program);
    process.setNativeArguments(arguments);
    process.start();
    return process.waitForFinished(180000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// The program's main window among the top-level windows of a process.
struct WindowSearch
{
    DWORD processId;
    HWND found;
};

BOOL CALLBACK matchMainWindow(HWND window, LPARAM parameter)
{
    auto *search = reinterpret_cast<WindowSearch *>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    if (owner == search->processId && IsWindowVisible(window) && QString::fromWCharArray(title) == kProduct) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND mainWindowOf(qint64 processId)
{
    WindowSearch search{static_cast<DWORD>(processId), nullptr};
    EnumWindows(matchMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A click of the host's on a button of the window, at the button's middle.
void click(HWND window, QPoint at)
{
    const LPARAM where = MAKELPARAM(at.x(), at.y());
    PostMessageW(window, WM_MOUSEMOVE, 0, where);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageW(window, WM_LBUTTONUP, 0, where);
}

// Clicks until the click has its effect: a click that comes while the
// window is still busy with the operation before is lost, as a host's is.
template<typename Effect>
bool press(HWND window, QPoint at, Effect effect)
{
    for (int attempt = 0; attempt < 6; ++attempt) {
        click(window, at);
        if (QTest::qWaitFor(effect, 10000))
            return true;
    }
    return false;
}

bool said(const RoomProcess &room, const QString &start)
{
    for (const QJsonObject &entry : room.log(u"DapiCommunicate"_s)) {
        if (entry.value(u"text").toString().startsWith(start))
            return true;
    }
    return false;
}

QString hostsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace

void InstallerTest::initTestCase()
{
    const QString installer = QStringLiteral(INSTALLER_PATH);
    QVERIFY2(QFileInfo::exists(installer), "the installer is built by `make windows`");
    QVERIFY(SUCCEEDED(CoInitialize(nullptr)));

    // A 32-bit program on 64-bit Windows sees the x86 Program Files here.
    m_folder = QDir::fromNativeSeparators(qEnvironmentVariable("ProgramFiles")) + u'/' + kProduct;
    m_menu = knownFolder(CSIDL_COMMON_PROGRAMS) + u'/' + kProduct;
    QDir(hostsFolder()).removeRecursively();
    QVERIFY(runToEnd(installer, u"/S"_s));
}

void InstallerTest::installsEveryPartAndItsShortcuts()
{
    for (const QString &part : {u"raffler.exe"_s, u"raffler-chatroom.exe"_s, u"uninstall.exe"_s, u"Qt6Core.dll"_s,
                                u"Qt6Widgets.dll"_s, u"libstdc++-6.dll"_s, u"platforms/qwindows.dll"_s,
                                u"styles/qwindowsvistastyle.dll"_s, u"stand-in/wadapi.dll"_s, u"doc/guide.md"_s,
                                u"licences/third-party.txt"_s, u"licences/qt/LGPL-3.0-only.txt"_s})
        QVERIFY2(QFileInfo(m_folder + u'/' + part).size() > 0, qPrintable(part));
    // Where the usual search would take it for the chat client's.
    QVERIFY(!QFileInfo::exists(m_folder + u"/wadapi.dll"_s));

    for (const QString &program : {u"raffler.exe"_s, u"raffler-chatroom.exe"_s, u"uninstall.exe"_s}) {
        if (program != u"uninstall.exe"_s)
            QCOMPARE(fileVersion(m_folder + u'/' + program), QStringLiteral(RAFFLER_VERSION));
        QVERIFY2(hasIcon(m_folder + u'/' + program), qPrintable(program));
    }

    const QString standIn = QDir::toNativeSeparators(m_folder + u"/stand-in"_s);
    const QList<std::tuple<QString, QString, QString>> shortcuts = {
        {kProduct, u"raffler.exe"_s, QString()},
        {u"Chat room (stand-in)"_s, u"raffler-chatroom.exe"_s, QString()},
        {kProduct + u" (stand-in room)"_s, u"raffler.exe"_s, u"--chat-client \""_s + standIn + u'"'},
        {u"Uninstall "_s + kProduct, u"uninstall.exe"_s, QString()},
    };
    for (const auto &[name, program, arguments] : shortcuts) {
        const auto shortcut = readShortcut(m_menu + u'/' + name + u".lnk"_s);
        QVERIFY2(shortcut, qPrintable(name));
        QCOMPARE(QFileInfo(shortcut->target).canonicalFilePath(),
                 QFileInfo(m_folder + u'/' + program).canonicalFilePath());
        QCOMPARE(shortcut->arguments, arguments);
    }
}

void InstallerTest::installedProgramHostsAGameAgainstTheStandIn()
{
    RoomProcess room;
    room.process().setProgram(m_folder + u"/raffler-chatroom.exe"_s);
    QVERIFY(room.start());

    // As the stand-in's shortcut starts it, on a real window the test clicks.
    const auto shortcut = readShortcut(m_menu + u'/' + kProduct + u" (stand-in room).lnk"_s);
    QVERIFY(shortcut);
    QProcess raffler;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"WADAPI_ROOM"_s, room.socketName());
    raffler.setProcessEnvironment(environment);
    raffler.setNativeArguments(shortcut->arguments + u" -platform windows"_s);
    raffler.start(shortcut->target, {});
    QVERIFY(raffler.waitForStarted());
    HWND window = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((window = mainWindowOf(raffler.processId())) != nullptr, 60000);
    QTRY_VERIFY_WITH_TIMEOUT(!room.log(u"InitDDE"_s).isEmpty(), 20000);

    // Where the buttons are: the same window, built here.
    WindowLayout layout;
    MainWindow same(layout);
    same.show();
    QVERIFY(QTest::qWaitForWindowExposed(&same));
    const auto middleOf = [&same](const QWidget *button) { return button->mapTo(&same, button->rect().center()); };
    const QPoint start = middleOf(same.ui().cmdStart);
    const QPoint getReg = middleOf(same.ui().cmdGetText);
    const QPoint draw = middleOf(same.ui().Command3);
    same.hide();

    QVERIFY(press(window, start, [&room] { return said(room, u"Please send me "_s); }));
    QVERIFY(room.command("esp Alice: $\nesp Bob: $\nesp Carol: $"));

    const QString recovery = hostsFolder() + u"/Recover.bak"_s;
    const auto registered = [&recovery] {
        QFile file(recovery);
        return file.open(QIODevice::ReadOnly) && file.readAll().contains("Carol");
    };
    QVERIFY(press(window, getReg, registered));
    QVERIFY(press(window, draw, [&room] { return said(room, u"and the winner is "_s); }));

    PostMessageW(window, WM_CLOSE, 0, 0);
    QVERIFY(raffler.waitForFinished(30000));
    QCOMPARE(raffler.exitCode(), 0);
    QCOMPARE(room.log().constLast().value(u"call").toString(), u"KillDDE"_s);
    QVERIFY(room.quit());
}

void InstallerTest::uninstallingLeavesTheHostsFiles()
{
    // A macro file the host saved beside the program.
    QFile macros(m_folder + u"/evening.mac"_s);
    QVERIFY(macros.open(QIODevice::WriteOnly));
    macros.write("\"Good evening!\"\r\n");
    macros.close();

    // In place, so that the test waits for it to end; the folder goes last
    // and unquoted, spaces and all.
    QVERIFY(runToEnd(m_folder + u"/uninstall.exe"_s, u"/S _?="_s + QDir::toNativeSeparators(m_folder)));

    for (const QString &part :
         {u"raffler.exe"_s, u"raffler-chatroom.exe"_s, u"Qt6Core.dll"_s, u"platforms"_s, u"stand-in"_s, u"doc"_s})
        QVERIFY2(!QFileInfo::exists(m_folder + u'/' + part), qPrintable(part));
    QVERIFY(!QFileInfo::exists(m_menu));
    QVERIFY(QFileInfo::exists(macros.fileName()));
    QVERIFY(QFileInfo::exists(hostsFolder() + u"/Recover.bak"_s));
    QVERIFY(QFileInfo(hostsFolder() + u"/Journal"_s).isDir());
    // Running in place, the uninstaller could not remove itself.
    QFile::remove(m_folder + u"/uninstall.exe"_s);
    QFile::remove(macros.fileName());
    QDir().rmdir(m_folder);
}
