#include "clientlibrarytest.h"

#include "chat/wadapi.h"
#include "clientlibrary.h"
#include "clientlibrarysetup.h"
#include "librarybitness.h"
#include "support/scriptedprompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Paths compared as the system spells them (under Wine a drive letter comes
// before the build's paths).
QString canonical(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

QString fakeClient(const QString &name)
{
    return canonical(QStringLiteral(FAKE_CLIENTS_DIR) + u'/' + name);
}

// The fake clients whose entry points are all there, one for each way of
// naming them this system knows.
QStringList completeClients()
{
    QStringList names;
    for (const QString &name : {u"plainnames"_s, u"mingwnames"_s, u"msvcnames"_s}) {
        if (QFileInfo::exists(QStringLiteral(FAKE_CLIENTS_DIR) + u'/' + name))
            names.append(name);
    }
    return names;
}

// A Windows library's headers up to its machine field: the DOS header,
// whose last field points at "PE\0\0", and the machine.
QByteArray portableExecutable(quint16 machine, quint32 peOffset = 0x40)
{
    QByteArray bytes(qsizetype(peOffset), '\0');
    bytes[0] = 'M';
    bytes[1] = 'Z';
    for (int i = 0; i < 4; ++i)
        bytes[0x3C + i] = static_cast<char>((peOffset >> (8 * i)) & 0xFF);
    bytes += QByteArray("PE\0\0", 4);
    bytes += static_cast<char>(machine & 0xFF);
    bytes += static_cast<char>(machine >> 8);
    return bytes + QByteArray(64, '\0');
}

QByteArray elf(char bitsClass)
{
    return QByteArray("\x7F"
                      "ELF")
        + bitsClass + QByteArray(60, '\0');
}

QString writeLibrary(const QString &folder, const QByteArray &bytes)
{
    QDir().mkpath(folder);
    QFile file(QDir(folder).filePath(ClientLibrary::fileName()));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return file.fileName();
}

// What the fake client hands back through the callbacks.
QByteArray g_status;
QByteArray g_text;
void WADAPI_CALL onStatus(const char *status)
{
    g_status = status;
}
void WADAPI_CALL onText(const char *text)
{
    g_text = text;
}

int otherBitness()
{
    return LibraryBitness::ofProgram() == 32 ? 64 : 32;
}

} // namespace

void ClientLibraryTest::init()
{
    m_scratch = std::make_unique<QTemporaryDir>();
    QVERIFY(m_scratch->isValid());
}

void ClientLibraryTest::tellsTheBitnessOfALibrary_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<int>("bits");
    QTest::newRow("Windows, x86") << portableExecutable(0x014C) << 32;
    QTest::newRow("Windows, x64") << portableExecutable(0x8664) << 64;
    QTest::newRow("Windows, ARM64") << portableExecutable(0xAA64) << 64;
    QTest::newRow("Windows, a machine it does not know") << portableExecutable(0x01C4) << 0;
    QTest::newRow("Windows, headers far into the file") << portableExecutable(0x8664, 6000) << 64;
    QTest::newRow("a DOS program") << QByteArray("MZ") + QByteArray(100, '\0') << 0;
    QTest::newRow("a PE pointer past the end") << portableExecutable(0x014C).left(0x44) << 0;
    QTest::newRow("ELF, 32-bit") << elf(1) << 32;
    QTest::newRow("ELF, 64-bit") << elf(2) << 64;
    QTest::newRow("text") << QByteArray("InitDDE KillDDE") << 0;
    QTest::newRow("empty") << QByteArray() << 0;
}

void ClientLibraryTest::tellsTheBitnessOfALibrary()
{
    QFETCH(QByteArray, header);
    QFETCH(int, bits);
    const QString path = writeLibrary(scratch(QString::fromLatin1(QTest::currentDataTag())), header);
    QVERIFY(!path.isEmpty());
    QCOMPARE(LibraryBitness::ofFile(path), bits);
    // The program itself is a library of its own kind.
    QCOMPARE(LibraryBitness::ofFile(QCoreApplication::applicationFilePath()), LibraryBitness::ofProgram());
}

void ClientLibraryTest::reachesTheEntryPointsHoweverTheyAreNamed_data()
{
    QTest::addColumn<QString>("client");
    for (const QString &name : completeClients())
        QTest::newRow(qPrintable(name)) << name;
}

void ClientLibraryTest::reachesTheEntryPointsHoweverTheyAreNamed()
{
    QFETCH(QString, client);
    {
        ClientLibrary library;
        const ClientLibrary::Outcome outcome = library.load({fakeClient(client)});
        QCOMPARE(outcome.problem, ClientLibrary::Problem::None);
        QVERIFY(library.isLoaded());
        QCOMPARE(canonical(library.path()), QDir(fakeClient(client)).filePath(ClientLibrary::fileName()));

        QCOMPARE(InitDDE("raffler", onStatus, nullptr, onText), 0);
        QCOMPARE(DapiRegister("raffler"), 0);
        QCOMPARE(DapiCommunicate("raffler", 0, "Belmor", "Good evening"), 0);
        QCOMPARE(g_status, "Good evening");
        QCOMPARE(DapiCommunicate("raffler", 2, "Avatar Name", "You won"), 0);
        QCOMPARE(g_status, "Avatar Name");
        QCOMPARE(DapiGetAllText("raffler"), 0);
        QCOMPARE(g_text, "raffler");
        QCOMPARE(KillDDE(), 0);
    }
    // Gone with its owner: the program's calls fail as without a client.
    QCOMPARE(InitDDE("raffler", onStatus, nullptr, onText), -1);
    QCOMPARE(DapiGetAllText("raffler"), -1);
}

void ClientLibraryTest::saysWhatIsWrongWithALibrary_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QByteArray>("bytes"); // written there as the library; none for a fake client's folder
    QTest::addColumn<ClientLibrary::Problem>("problem");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QStringList>("said"); // what the host reads, beside the file's path

    const QString program = u"%1-bit"_s.arg(LibraryBitness::ofProgram());
    const QString other = u"%1-bit"_s.arg(otherBitness());
    const QString chooseFolder = u"Choose the folder where the chat client is installed"_s;
    QTest::newRow("missing") << scratch(u"empty"_s) << QByteArray() << ClientLibrary::Problem::Missing << QString()
                             << QStringList{u"was not found in "_s + QDir::toNativeSeparators(scratch(u"empty"_s)),
                                            chooseFolder};
    QTest::newRow("other bitness") << scratch(u"other"_s) << portableExecutable(otherBitness() == 64 ? 0x8664 : 0x014C)
                                   << ClientLibrary::Problem::OtherBitness << QString()
                                   << QStringList{u"is a "_s + other + u" library, and this program is "_s + program,
                                                  u"Choose the folder of a "_s + program + u" chat client"_s};
    QTest::newRow("not a library") << scratch(u"text"_s) << QByteArray("not a library at all")
                                   << ClientLibrary::Problem::NotLoadable << QString()
                                   << QStringList{u"could not be loaded"_s, chooseFolder};
    QTest::newRow("an entry point missing")
        << fakeClient(u"partial"_s) << QByteArray() << ClientLibrary::Problem::MissingEntryPoint << u"DapiGetAllText"_s
        << QStringList{u"has no entry point DapiGetAllText"_s, chooseFolder};
}

void ClientLibraryTest::saysWhatIsWrongWithALibrary()
{
    QFETCH(QString, folder);
    QFETCH(QByteArray, bytes);
    QFETCH(ClientLibrary::Problem, problem);
    QFETCH(QString, detail);
    QFETCH(QStringList, said);
    QDir().mkpath(folder);
    if (!bytes.isEmpty())
        QVERIFY(!writeLibrary(folder, bytes).isEmpty());

    ClientLibrary library;
    const ClientLibrary::Outcome outcome = library.load({folder});
    QCOMPARE(outcome.problem, problem);
    QVERIFY(!library.isLoaded());
    QCOMPARE(InitDDE("raffler", onStatus, nullptr, onText), -1);
    if (!detail.isEmpty())
        QCOMPARE(outcome.detail, detail);
    if (problem == ClientLibrary::Problem::NotLoadable)
        QVERIFY(!outcome.detail.isEmpty()); // the system's reason

    const QString text = ClientLibrarySetup::problemText(outcome, folder);
    if (problem != ClientLibrary::Problem::Missing) {
        QCOMPARE(canonical(outcome.path), canonical(QDir(folder).filePath(ClientLibrary::fileName())));
        QVERIFY2(text.startsWith(outcome.path), qPrintable(text));
    }
    for (const QString &part : said)
        QVERIFY2(text.contains(part), qPrintable(text));
}

void ClientLibraryTest::takesTheFirstFolderThatHoldsTheLibrary()
{
    const QStringList clients = completeClients();
    QVERIFY(!clients.isEmpty());
    const QString good = fakeClient(clients.constFirst());
    const QString partial = fakeClient(u"partial"_s);
    const QString empty = scratch(u"empty"_s);
    QVERIFY(QDir().mkpath(empty));

    ClientLibrary library;
    QCOMPARE(library.load({empty, good, partial}).problem, ClientLibrary::Problem::None);
    QVERIFY(canonical(library.path()).startsWith(good));
    // The first library found is the one the host gets word of, even when a
    // later folder would have served.
    ClientLibrary other;
    QCOMPARE(other.load({partial, good}).problem, ClientLibrary::Problem::MissingEntryPoint);
}

void ClientLibraryTest::startsFromTheRememberedFolderOrTheOneForThisRun()
{
    const QString good = fakeClient(completeClients().constFirst());
    const QString partial = fakeClient(u"partial"_s);
    QSettings settings(scratch(u"remembered.ini"_s), QSettings::IniFormat);
    ScriptedPrompts prompts;

    settings.setValue(QLatin1String(ClientLibrarySetup::kFolderKey), good);
    ClientLibrary remembered;
    QVERIFY(ClientLibrarySetup(remembered, prompts, settings, {partial}).run());
    QVERIFY(canonical(remembered.path()).startsWith(good));

    // A folder named for this run comes first and is not remembered.
    settings.setValue(QLatin1String(ClientLibrarySetup::kFolderKey), partial);
    ClientLibrary forThisRun;
    QVERIFY(ClientLibrarySetup(forThisRun, prompts, settings, {partial}).run(good));
    QVERIFY(canonical(forThisRun.path()).startsWith(good));
    QCOMPARE(settings.value(QLatin1String(ClientLibrarySetup::kFolderKey)).toString(), partial);

    QVERIFY(prompts.questions.isEmpty());
    QVERIFY(prompts.requests.isEmpty());
}

void ClientLibraryTest::letsTheHostChooseTheFolderUntilOneWorks()
{
    const QString good = fakeClient(completeClients().constFirst());
    const QString partial = fakeClient(u"partial"_s);
    const QString empty = scratch(u"empty"_s);
    QVERIFY(QDir().mkpath(empty));
    QSettings settings(scratch(u"remembered.ini"_s), QSettings::IniFormat);
    ScriptedPrompts prompts;
    prompts.answers = QStringList{QDir(partial).filePath(ClientLibrary::fileName()),
                                  QDir(good).filePath(ClientLibrary::fileName())};

    ClientLibrary library;
    QVERIFY(ClientLibrarySetup(library, prompts, settings, {empty}).run());
    QVERIFY(library.isLoaded());
    QVERIFY(canonical(library.path()).startsWith(good));
    QCOMPARE(settings.value(QLatin1String(ClientLibrarySetup::kFolderKey)).toString(), good);

    QCOMPARE(prompts.questions.size(), 2);
    QVERIFY2(prompts.questions[0].text.contains(u"was not found"_s), qPrintable(prompts.questions[0].text));
    QVERIFY2(prompts.questions[1].text.contains(u"DapiGetAllText"_s), qPrintable(prompts.questions[1].text));
    QCOMPARE(prompts.requests.size(), 2);
    QCOMPARE(prompts.requests[0].patterns, QStringList{ClientLibrary::fileName()});
    // The second search starts where the refused library was.
    QCOMPARE(canonical(prompts.requests[1].directory), partial);
}

void ClientLibraryTest::aHostWhoGivesUpEndsTheStart_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("requests");
    QTest::newRow("answers no") << false << 0;
    QTest::newRow("cancels the file dialog") << true << 1;
}

void ClientLibraryTest::aHostWhoGivesUpEndsTheStart()
{
    QFETCH(bool, yes);
    QFETCH(int, requests);
    const QString empty = scratch(u"empty"_s);
    QVERIFY(QDir().mkpath(empty));
    QSettings settings(scratch(u"remembered.ini"_s), QSettings::IniFormat);
    ScriptedPrompts prompts;
    prompts.yes = yes;

    ClientLibrary library;
    QVERIFY(!ClientLibrarySetup(library, prompts, settings, {empty}).run());
    QVERIFY(!library.isLoaded());
    QCOMPARE(prompts.questions.size(), 1);
    QCOMPARE(prompts.requests.size(), requests);
    QVERIFY(!settings.contains(QLatin1String(ClientLibrarySetup::kFolderKey)));
}
