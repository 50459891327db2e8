#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

// The program's command line. It is read before QApplication, which needs a
// display: --help, --version, --verify and a mistake are answered on any
// terminal, and none of them opens a window or the chat link.
class CommandLine
{
public:
    enum class Request { Run, Help, Version, Verify, Mistake };

    // The arguments as main gets them, the program's name first.
    explicit CommandLine(const QStringList &arguments);

    Request request() const { return m_request; }

    // What to tell on the terminal, whether on standard error, and the exit
    // status: the help, the version, a journal's check (0 when it holds, 1
    // when not), or the mistake (2).
    struct Reply
    {
        QString text;
        bool isError = false;
        int exitStatus = 0;
    };
    Reply reply() const;

    // The folder to load the chat client's library from for this run only,
    // or empty for the usual search.
    QString chatClientFolder() const { return m_chatClientFolder; }

private:
    QCommandLineParser m_parser;
    Request m_request = Request::Run;
    QString m_mistake;
    QString m_journal;
    QStringList m_otherRuns;
    QString m_chatClientFolder;
};
