#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The operating system's system information tool, which the About box
// offers to start. On Windows it is msinfo32, found through the registry;
// elsewhere the first of a few known tools that stands on the search path.
class SystemInfoTool
{
public:
    // Starts a program on its own, in a normal window; false when it could not.
    using Starter = std::function<bool(const QString &program)>;

    SystemInfoTool();

    // Tools tried in order, by executable name, where there is no registry.
    static QStringList defaultCandidates();

    void setCandidates(const QStringList &names) { m_candidates = names; }
    // Folders searched for them; empty means the PATH of the environment.
    void setSearchPath(const QStringList &folders) { m_searchPath = folders; }
    void setStarter(Starter starter) { m_starter = std::move(starter); }

    // The program that would be started, or empty when none is known.
    QString find() const;
    // Starts it; false when there is none or it could not be started.
    bool start() const;

private:
    QStringList m_candidates;
    QStringList m_searchPath;
    Starter m_starter;
};
