#pragma once

#include "interaction/prompts.h"

#include <QList>

// Answers the program's questions for the host and remembers what it was told.
class ScriptedPrompts final : public Prompts
{
public:
    struct Message
    {
        bool error;
        QString title;
        QString text;
    };

    void showMessage(const QString &title, const QString &text) override { messages.append({false, title, text}); }
    void showError(const QString &title, const QString &text) override { messages.append({true, title, text}); }
    bool askYesNo(const QString &title, const QString &text) override
    {
        questions.append({false, title, text});
        return yes;
    }
    QString askSaveFileName(const FileRequest &request) override
    {
        requests.append(request);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QString askOpenFileName(const FileRequest &request) override
    {
        requests.append(request);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    QList<Message> messages;
    QList<Message> questions;
    bool yes = true; // the host's answer to every question
    QList<FileRequest> requests;
    QStringList answers; // the paths the host picks, in order; empty means cancel
};
