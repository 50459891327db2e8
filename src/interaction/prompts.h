#pragma once

#include <QString>
#include <QStringList>

// The questions and messages the program puts to the host in a window of
// its own. Operations ask through this seam, so tests can answer for the
// host; the window provides the real dialogs.
class Prompts
{
public:
    struct FileRequest
    {
        QString title;         // the dialog's caption
        QString directory;     // where it opens
        QString fileName;      // the initial name (save dialogs)
        QString filterName;    // "Macro Files (.mac)"
        QStringList patterns;  // {"*.mac"}
        QString defaultSuffix; // added to a name typed without one
        bool detailedView = false;
    };

    virtual ~Prompts() = default;

    // A message with an OK button; returns when the host has read it.
    virtual void showMessage(const QString &title, const QString &text) = 0;
    // The same for a failure that stops what the host asked for.
    virtual void showError(const QString &title, const QString &text) = 0;
    // A question the host answers with Yes or No; true for Yes.
    virtual bool askYesNo(const QString &title, const QString &text) = 0;
    // The chosen path, or empty when the host cancels. Saving asks before
    // overwriting a file.
    virtual QString askSaveFileName(const FileRequest &request) = 0;
    virtual QString askOpenFileName(const FileRequest &request) = 0;
};
