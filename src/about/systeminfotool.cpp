#include "about/systeminfotool.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <QDir>
#include <qt_windows.h>
#endif

#ifdef Q_OS_WIN
namespace {

// A string value under HKEY_LOCAL_MACHINE. The key is opened for reading
// only: asking for more fails for a host without administrator rights.
bool GetKeyValue(HKEY root, const wchar_t *keyName, const wchar_t *valueName, QString &value)
{
    value.clear();
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, keyName, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    wchar_t buffer[1024] = {};
    DWORD type = 0;
    DWORD size = sizeof(buffer) - sizeof(wchar_t); // room for a terminating NUL the value may lack
    const LONG result = RegQueryValueExW(key, valueName, nullptr, &type, reinterpret_cast<LPBYTE>(buffer), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return false;
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        qsizetype length = static_cast<qsizetype>(size / sizeof(wchar_t));
        while (length > 0 && buffer[length - 1] == L'\0')
            --length;
        value = QString::fromWCharArray(buffer, length);
    }
    return true;
}

QString registeredTool()
{
    QString path;
    if (GetKeyValue(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", L"PATH", path))
        return path;
    if (GetKeyValue(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Shared Tools Location", L"MSINFO", path)) {
        const QString program = QDir::fromNativeSeparators(path) + QStringLiteral("/MSINFO32.EXE");
        if (QFileInfo::exists(program))
            return program;
    }
    return {};
}
} // namespace
#endif

QStringList SystemInfoTool::candidates()
{
#ifdef Q_OS_WIN
    return {}; // the registry names the tool
#else
    // System profilers first, then the desktops' own information centres.
    return {QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"), QStringLiteral("gnome-system-monitor")};
#endif
}

QString SystemInfoTool::find() const
{
#ifdef Q_OS_WIN
    if (m_searchPath.isEmpty()) {
        if (const QString registered = registeredTool(); !registered.isEmpty())
            return registered;
    }
#endif
    for (const QString &name : candidates()) {
        QString program = QStandardPaths::findExecutable(name, m_searchPath);
        if (!program.isEmpty())
            return program;
    }
    return {};
}

bool SystemInfoTool::start() const
{
    const QString program = find();
    return !program.isEmpty() && QProcess::startDetached(program, {});
}
