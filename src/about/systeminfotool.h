#pragma once

#include <QString>
#include <QStringList>

// The operating system's system information tool, which the About box
// offers to start. On Windows it is msinfo32, found through the registry;
// elsewhere the first of a few known tools that stands on the search path.
class SystemInfoTool
{
public:
    // Tools tried in order, by executable name, where there is no registry.
    static QStringList candidates();

    // Folders searched for them; empty means the PATH of the environment.
    void setSearchPath(const QStringList &folders) { m_searchPath = folders; }

    // The program that would be started, or empty when none is known.
    QString find() const;
    // Starts it on its own, in a normal window; false when there is none or
    // it could not be started.
    bool start() const;

private:
    QStringList m_searchPath;
};
