#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

// The program's command line. It is read before QApplication, which needs a
// display: --help, --version and a mistake are answered on any terminal, and
// none of them opens a window or the chat link.
class CommandLine
{
public:
    enum class Request { Run, Help, Version, Mistake };

    // The arguments as main gets them, the program's name first.
    explicit CommandLine(const QStringList &arguments);

    Request request() const { return m_request; }
    // What to tell on the terminal: the help, the version or the mistake.
    QString answer() const;
    // The exit status that goes with the answer.
    int exitStatus() const { return m_request == Request::Mistake ? 2 : 0; }

private:
    QCommandLineParser m_parser;
    Request m_request = Request::Run;
    QString m_mistake;
};
