#include "clientlibrarysetup.h"

#include "interaction/prompts.h"
#include "librarybitness.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace {

const QString kParagraph = u"\n\n"_s;

QString tr(const char *text)
{
    return QCoreApplication::translate("ClientLibrarySetup", text);
}

QString bitsName(int bits)
{
    return bits == 64 ? tr("64-bit") : tr("32-bit");
}

} // namespace

ClientLibrarySetup::ClientLibrarySetup(ClientLibrary &library, Prompts &prompts, QSettings &settings,
                                       const QStringList &usualFolders)
    : m_library(library)
    , m_prompts(prompts)
    , m_settings(settings)
    , m_usualFolders(usualFolders)
{}

bool ClientLibrarySetup::run(const QString &folderForThisRun)
{
    QString folder = folderForThisRun.isEmpty() ? m_settings.value(QLatin1String(kFolderKey)).toString()
                                                : folderForThisRun;
    QStringList folders = m_usualFolders;
    if (!folder.isEmpty())
        folders.prepend(folder);
    ClientLibrary::Outcome outcome = m_library.load(folders);
    while (outcome.problem != ClientLibrary::Problem::None) {
        const QString title = QCoreApplication::applicationName();
        if (!m_prompts.askYesNo(title,
                                problemText(outcome, folder) + kParagraph + tr("Choose the chat client's folder now?")))
            return false;
        const QString startIn = outcome.path.isEmpty() ? folder : QFileInfo(outcome.path).absolutePath();
        folder = askForFolder(startIn);
        if (folder.isEmpty())
            return false;
        // Only the chosen folder: the usual places have had their turn.
        outcome = m_library.load({folder});
        if (outcome.problem == ClientLibrary::Problem::None)
            m_settings.setValue(QLatin1String(kFolderKey), folder);
    }
    return true;
}

QString ClientLibrarySetup::askForFolder(const QString &startIn)
{
    Prompts::FileRequest request;
    request.title = tr("The chat client's folder: choose its %1").arg(ClientLibrary::fileName());
    request.directory = startIn;
    request.filterName = tr("The chat client's library");
    request.patterns = QStringList{ClientLibrary::fileName()};
    const QString file = m_prompts.askOpenFileName(request);
    return file.isEmpty() ? QString() : QFileInfo(file).absolutePath();
}

QString ClientLibrarySetup::problemText(const ClientLibrary::Outcome &outcome, const QString &chosenFolder)
{
    const QString name = ClientLibrary::fileName();
    const QString what = tr("Choose the folder where the chat client is installed, so that the program can use "
                            "its %1.")
                             .arg(name);
    switch (outcome.problem) {
    case ClientLibrary::Problem::Missing: {
        const QString where = chosenFolder.isEmpty()
            ? tr("beside the program, in the system folders or on the PATH")
            : tr("in %1, beside the program, in the system folders or on the PATH")
                  .arg(QDir::toNativeSeparators(chosenFolder));
        return tr("The chat client's automation library, %1, was not found %2.").arg(name, where) + kParagraph + what;
    }
    case ClientLibrary::Problem::OtherBitness:
        return tr("%1 is a %2 library, and this program is %3: a library can be loaded only into a program of "
                  "the same kind.")
                   .arg(outcome.path, bitsName(outcome.bits), bitsName(LibraryBitness::ofProgram()))
            + kParagraph
            + tr("Choose the folder of a %1 chat client, or use the %2 build of the program.")
                  .arg(bitsName(LibraryBitness::ofProgram()), bitsName(outcome.bits));
    case ClientLibrary::Problem::NotLoadable:
        return tr("%1 could not be loaded: %2").arg(outcome.path, outcome.detail) + kParagraph + what;
    case ClientLibrary::Problem::MissingEntryPoint:
        return tr("%1 has no entry point %2, so it is not the chat client's automation library, or not a version "
                  "this program knows.")
                   .arg(outcome.path, outcome.detail)
            + kParagraph + what;
    case ClientLibrary::Problem::None:
        break;
    }
    return {};
}
