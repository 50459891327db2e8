#pragma once

#include <QLibrary>
#include <QString>
#include <QStringList>

#include <memory>

// The chat client's own automation library, found and loaded while the
// program starts, so that the entry points of wadapi.h reach it. The
// client's library is a file of its own (wadapi.dll on Windows) that the
// program must not depend on at link time: a host whose client is missing
// or elsewhere gets told what to do instead of a loader error.
//
// One library at a time is the one the entry points reach: the last one
// loaded, for as long as it lives.
class ClientLibrary
{
public:
    // The library's file name on this system.
    static QString fileName();

    // Where it is looked for when the host has not chosen a folder, in
    // order: the program's folder, on Windows its system folders, then every
    // folder on the PATH. The current folder is not searched, so a file
    // lying in a download folder cannot stand in for the client's.
    static QStringList usualFolders();

    enum class Problem {
        None,
        Missing,           // in none of the folders
        OtherBitness,      // built for a process of the other bitness
        NotLoadable,       // the system refused it; detail says why
        MissingEntryPoint, // detail names the entry point
    };
    struct Outcome
    {
        Problem problem = Problem::None;
        QString path;   // the file tried (empty when missing)
        QString detail; // the system's reason, or the missing entry point's name
        int bits = 0;   // the file's bitness, when known
    };

    ClientLibrary();
    ~ClientLibrary();
    ClientLibrary(const ClientLibrary &) = delete;
    ClientLibrary &operator=(const ClientLibrary &) = delete;

    // Loads the first file of that name found in the folders and resolves
    // every entry point; on success this library is the one in use.
    Outcome load(const QStringList &folders);
    Outcome loadFile(const QString &path);

    bool isLoaded() const;
    QString path() const;

    struct EntryPoints;

private:
    std::unique_ptr<QLibrary> m_library;
    std::unique_ptr<EntryPoints> m_entryPoints;
};
