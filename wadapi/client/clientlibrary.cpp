#include "clientlibrary.h"

#include "chat/wadapi.h"
#include "librarybitness.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

#include <array>

struct ClientLibrary::EntryPoints
{
    using InitDde = int16_t(WADAPI_CALL *)(const char *, WadapiStatusCallback, WadapiMessageCallback,
                                           WadapiTextCallback);
    using KillDde = int16_t(WADAPI_CALL *)();
    using Register = int16_t(WADAPI_CALL *)(const char *);
    using Communicate = int16_t(WADAPI_CALL *)(const char *, int16_t, const char *, const char *);
    using GetAllText = int16_t(WADAPI_CALL *)(const char *);

    InitDde initDde = nullptr;
    KillDde killDde = nullptr;
    Register dapiRegister = nullptr;
    Communicate dapiCommunicate = nullptr;
    GetAllText dapiGetAllText = nullptr;
};

namespace {

// The library whose entry points the program's calls reach.
const ClientLibrary::EntryPoints *g_inUse = nullptr;

// A 32-bit Windows library may export a __stdcall function under its plain
// name, as Microsoft's compiler decorates it ("_InitDDE@16") or as MinGW's
// does ("InitDDE@16"); the number is the bytes of its arguments.
QFunctionPointer resolve(QLibrary &library, const char *name, int argumentBytes)
{
    const QByteArray plain(name);
    const QByteArray decorated = plain + '@' + QByteArray::number(argumentBytes);
    for (const QByteArray &symbol : {plain, '_' + decorated, decorated}) {
        if (QFunctionPointer function = library.resolve(symbol.constData()))
            return function;
    }
    return nullptr;
}

// Resolves one entry point; the first one missing is noted.
template<typename Function>
void resolveInto(QLibrary &library, Function &function, const char *name, int argumentBytes, QString &missing)
{
    function = reinterpret_cast<Function>(resolve(library, name, argumentBytes));
    if (!function && missing.isEmpty())
        missing = QString::fromLatin1(name);
}

QStringList systemFolders()
{
#ifdef Q_OS_WIN
    QStringList folders;
    std::array<wchar_t, MAX_PATH + 1> buffer{};
    if (const UINT length = GetSystemDirectoryW(buffer.data(), MAX_PATH); length > 0 && length <= MAX_PATH)
        folders.append(QString::fromWCharArray(buffer.data(), static_cast<qsizetype>(length)));
    if (const UINT length = GetWindowsDirectoryW(buffer.data(), MAX_PATH); length > 0 && length <= MAX_PATH)
        folders.append(QString::fromWCharArray(buffer.data(), static_cast<qsizetype>(length)));
    return folders;
#else
    return {};
#endif
}

// The client's library may need other files of the client beside it.
void searchDependenciesBeside(const QString &path)
{
#ifdef Q_OS_WIN
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    SetDllDirectoryW(reinterpret_cast<const wchar_t *>(folder.utf16()));
#else
    Q_UNUSED(path);
#endif
}

} // namespace

QString ClientLibrary::fileName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("wadapi.dll");
#else
    return QStringLiteral("libwadapi.so");
#endif
}

QStringList ClientLibrary::usualFolders()
{
    QStringList folders{QCoreApplication::applicationDirPath()};
    folders.append(systemFolders());
    for (const QString &folder : qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts))
        folders.append(folder);
    return folders;
}

ClientLibrary::ClientLibrary() = default;

ClientLibrary::~ClientLibrary()
{
    if (g_inUse == m_entryPoints.get())
        g_inUse = nullptr;
}

ClientLibrary::Outcome ClientLibrary::load(const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(fileName());
        if (QFileInfo(path).isFile())
            return loadFile(path);
    }
    return {Problem::Missing, {}, {}, 0};
}

ClientLibrary::Outcome ClientLibrary::loadFile(const QString &path)
{
    Outcome outcome{
        Problem::None, QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()), {}, LibraryBitness::ofFile(path)};
    if (outcome.bits != 0 && outcome.bits != LibraryBitness::ofProgram()) {
        outcome.problem = Problem::OtherBitness;
        return outcome;
    }

    auto library = std::make_unique<QLibrary>(QFileInfo(path).absoluteFilePath());
    searchDependenciesBeside(path);
    if (!library->load()) {
        outcome.problem = Problem::NotLoadable;
        outcome.detail = library->errorString();
        return outcome;
    }
    auto entryPoints = std::make_unique<EntryPoints>();
    QString missing;
    // Arguments are 4 bytes each on the stack of a 32-bit process, the
    // 16-bit mode included.
    resolveInto(*library, entryPoints->initDde, "InitDDE", 16, missing);
    resolveInto(*library, entryPoints->killDde, "KillDDE", 0, missing);
    resolveInto(*library, entryPoints->dapiRegister, "DapiRegister", 4, missing);
    resolveInto(*library, entryPoints->dapiCommunicate, "DapiCommunicate", 16, missing);
    resolveInto(*library, entryPoints->dapiGetAllText, "DapiGetAllText", 4, missing);
    if (!missing.isEmpty()) {
        library->unload();
        outcome.problem = Problem::MissingEntryPoint;
        outcome.detail = missing;
        return outcome;
    }

    if (g_inUse == m_entryPoints.get())
        g_inUse = nullptr;
    m_library = std::move(library);
    m_entryPoints = std::move(entryPoints);
    g_inUse = m_entryPoints.get();
    return outcome;
}

bool ClientLibrary::isLoaded() const
{
    return m_entryPoints != nullptr;
}

QString ClientLibrary::path() const
{
    return m_library ? QDir::toNativeSeparators(m_library->fileName()) : QString();
}

// The program's calls, passed on to the library in use; without one, every
// call fails as a library that cannot reach its client would.
extern "C" {

int16_t WADAPI_CALL InitDDE(const char *appName, WadapiStatusCallback onStatus, WadapiMessageCallback onMessage,
                            WadapiTextCallback onText)
{
    return g_inUse ? g_inUse->initDde(appName, onStatus, onMessage, onText) : -1;
}

int16_t WADAPI_CALL KillDDE(void)
{
    return g_inUse ? g_inUse->killDde() : -1;
}

int16_t WADAPI_CALL DapiRegister(const char *appName)
{
    return g_inUse ? g_inUse->dapiRegister(appName) : -1;
}

int16_t WADAPI_CALL DapiCommunicate(const char *appName, int16_t mode, const char *target, const char *text)
{
    return g_inUse ? g_inUse->dapiCommunicate(appName, mode, target, text) : -1;
}

int16_t WADAPI_CALL DapiGetAllText(const char *appName)
{
    return g_inUse ? g_inUse->dapiGetAllText(appName) : -1;
}
}
