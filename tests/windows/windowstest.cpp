#include "windowstest.h"

#include "about/systeminfotool.h"
#include "core/filestore.h"
#include "support/programfixture.h"
#include "ui_mainwindow.h"
#include "window/widgetprompts.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <qt_windows.h>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

bool isTopMost(const QWidget &window)
{
    const auto hwnd = reinterpret_cast<HWND>(window.winId());
    return (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

QString className(HWND window)
{
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, 256);
    return QString::fromWCharArray(name, length);
}

// A string value under HKEY_LOCAL_MACHINE set for one test and put back as
// it was afterwards; an empty value is removed for the test instead.
class RegistryValue
{
public:
    RegistryValue(const wchar_t *key, const wchar_t *name, const QString &value)
        : m_key(key)
        , m_name(name)
    {
        m_old = read();
        write(value.isEmpty() ? std::nullopt : std::optional<QString>(value));
    }
    ~RegistryValue() { write(m_old); }
    RegistryValue(const RegistryValue &) = delete;
    RegistryValue &operator=(const RegistryValue &) = delete;

private:
    std::optional<QString> read() const
    {
        wchar_t buffer[1024] = {};
        DWORD size = sizeof(buffer) - sizeof(wchar_t);
        if (RegGetValueW(HKEY_LOCAL_MACHINE, m_key, m_name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
            return std::nullopt;
        return QString::fromWCharArray(buffer);
    }
    void write(const std::optional<QString> &value) const
    {
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, m_key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr)
            != ERROR_SUCCESS)
            return;
        if (value) {
            const std::wstring text = value->toStdWString();
            RegSetValueExW(key, m_name, 0, REG_SZ, reinterpret_cast<const BYTE *>(text.c_str()),
                           static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
        } else {
            RegDeleteValueW(key, m_name);
        }
        RegCloseKey(key);
    }

    const wchar_t *m_key;
    const wchar_t *m_name;
    std::optional<QString> m_old;
};

} // namespace

void WindowsTest::startsOnTopAndStayOnTopLetsGo()
{
    ProgramFixture f;
    f.program->window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.program->window()));
    QTRY_VERIFY(isTopMost(f.program->window()));

    f.ui().mnuStay->trigger();
    QVERIFY(!f.ui().mnuStay->isChecked());
    QTRY_VERIFY(!isTopMost(f.program->window()));
    QVERIFY(f.program->window().isVisible());

    f.ui().mnuStay->trigger();
    QVERIFY(f.ui().mnuStay->isChecked());
    QTRY_VERIFY(isTopMost(f.program->window()));
}

void WindowsTest::fileDialogsAreTheSystemsOwn_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("chosen"); // relative to the dialog's folder
    QTest::newRow("save, the suffix added") << true << u"evening"_s << u"evening.mac"_s;
    QTest::newRow("open") << false << u"prizes.mac"_s << u"prizes.mac"_s;
}

void WindowsTest::fileDialogsAreTheSystemsOwn()
{
    QFETCH(bool, save);
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QFile existing(folder.filePath(u"prizes.mac"_s));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();

    Prompts::FileRequest request;
    request.title = save ? u"Save Macros"_s : u"Load Macros"_s;
    request.directory = folder.path();
    request.filterName = u"Macro Files (.mac)"_s;
    request.patterns = QStringList{u"*.mac"_s};
    request.defaultSuffix = u"mac"_s;
    request.detailedView = true;

    // The host types a name into the system's dialog and presses Enter.
    QString dialogClass;
    QTimer host;
    host.setInterval(100);
    QObject::connect(&host, &QTimer::timeout, &host, [&] {
        const std::wstring title = request.title.toStdWString();
        const HWND dialog = FindWindowW(nullptr, title.c_str());
        const HWND focus = GetFocus();
        if (!dialog || !focus || !IsChild(dialog, focus))
            return;
        host.stop();
        dialogClass = className(dialog);
        const std::wstring name = typed.toStdWString();
        SendMessageW(focus, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    host.start();

    WidgetPrompts prompts(nullptr);
    const QString answer = save ? prompts.askSaveFileName(request) : prompts.askOpenFileName(request);
    QCOMPARE(dialogClass, u"#32770"_s); // a dialog of the system's, not one Qt draws
    QCOMPARE(QDir::cleanPath(answer), QDir::cleanPath(folder.filePath(chosen)));
}

void WindowsTest::findsTheSystemInformationToolInTheRegistry_data()
{
    QTest::addColumn<QString>("path");   // HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO, PATH
    QTest::addColumn<bool>("location");  // HKLM\SOFTWARE\Microsoft\Shared Tools Location, MSINFO: a folder
    QTest::addColumn<bool>("toolThere"); // MSINFO32.EXE in that folder
    QTest::addColumn<bool>("found");
    QTest::newRow("neither value") << QString() << false << false << false;
    QTest::newRow("the tool's path") << u"C:\\Tools\\msinfo32.exe"_s << false << false << true;
    QTest::newRow("the tools' folder") << QString() << true << true << true;
    QTest::newRow("the tools' folder without the tool") << QString() << true << false << false;
}

void WindowsTest::findsTheSystemInformationToolInTheRegistry()
{
    QFETCH(QString, path);
    QFETCH(bool, location);
    QFETCH(bool, toolThere);
    QFETCH(bool, found);
    QTemporaryDir tools;
    QVERIFY(tools.isValid());
    if (toolThere) {
        QFile tool(tools.filePath(u"MSINFO32.EXE"_s));
        QVERIFY(tool.open(QIODevice::WriteOnly));
    }
    const RegistryValue toolPath(L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", L"PATH", path);
    const RegistryValue toolsFolder(L"SOFTWARE\\Microsoft\\Shared Tools Location", L"MSINFO",
                                    location ? QDir::toNativeSeparators(tools.path()) : QString());

    const QString program = SystemInfoTool().find();
    if (!found)
        QCOMPARE(program, QString());
    else if (!path.isEmpty())
        QCOMPARE(program, path);
    else
        QCOMPARE(QDir::cleanPath(program), QDir::cleanPath(tools.filePath(u"MSINFO32.EXE"_s)));
}

void WindowsTest::keepsFilesPerUserWhenInstalledForEveryone_data()
{
    QTest::addColumn<QString>(
        "programs"); // a variable naming where the program is, or empty for a folder of the host's
    QTest::addColumn<bool>("perUser");
    // For a 32-bit program on 64-bit Windows, ProgramFiles names the x86 folder.
    QTest::newRow("this program's Program Files") << u"ProgramFiles"_s << true;
    QTest::newRow("64-bit Program Files") << u"ProgramW6432"_s << true;
    QTest::newRow("a folder of the host's") << QString() << false;
}

void WindowsTest::keepsFilesPerUserWhenInstalledForEveryone()
{
    QFETCH(QString, programs);
    QFETCH(bool, perUser);
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    if (!programs.isEmpty() && qEnvironmentVariableIsEmpty(programs.toLatin1().constData()))
        QSKIP("no such folder on this system");
    const QString folder = programs.isEmpty()
        ? scratch.filePath(u"Raffler"_s)
        : QDir::fromNativeSeparators(qEnvironmentVariable(programs.toLatin1().constData()))
            + u"/Corvane's Raffler (test)"_s;
    // Wine lets anybody write there: the folder's place decides, not its rights.
    QVERIFY(QDir().mkpath(folder));
    const QString fallback = scratch.filePath(u"user"_s);

    const FileStore store(folder, fallback);
    QCOMPARE(store.usesFallback(), perUser);
    QCOMPARE(store.directory(), perUser ? fallback : folder);
    if (perUser)
        QVERIFY2(store.notice().contains(u"shared by every user"_s), qPrintable(store.notice()));
    QDir(folder).removeRecursively();

    // The per-user folder is the host's roaming application data.
    QVERIFY2(QDir::fromNativeSeparators(FileStore::defaultFallbackDirectory())
                 .endsWith(u"/AppData/Roaming/Corvane/Corvane's Raffler"_s),
             qPrintable(FileStore::defaultFallbackDirectory()));
}
