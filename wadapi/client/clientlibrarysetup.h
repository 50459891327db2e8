#pragma once

#include "clientlibrary.h"

#include <QString>
#include <QStringList>

class Prompts;
class QSettings;

// The host's side of finding the chat client's library at start-up. The
// folder comes from the command line for this run only, else from the
// host's last choice, else from the usual places. When the library cannot
// be used the host is told which file and why, and may point the program at
// the client's folder by picking its library there; a choice that works is
// remembered for the next start.
class ClientLibrarySetup
{
public:
    static constexpr const char *kFolderKey = "ChatClient/folder";

    // usualFolders: where to look after the chosen folder.
    ClientLibrarySetup(ClientLibrary &library, Prompts &prompts, QSettings &settings,
                       const QStringList &usualFolders = ClientLibrary::usualFolders());

    // True once the library is loaded; false when the host gave up.
    bool run(const QString &folderForThisRun = {});

    // What the host reads about an outcome that is not a success: the file,
    // what is wrong with it, and what to do.
    static QString problemText(const ClientLibrary::Outcome &outcome, const QString &chosenFolder);

private:
    QString askForFolder(const QString &startIn);

    ClientLibrary &m_library;
    Prompts &m_prompts;
    QSettings &m_settings;
    QStringList m_usualFolders;
};
