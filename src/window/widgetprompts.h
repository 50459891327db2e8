#pragma once

#include "interaction/prompts.h"

class QWidget;

// The host's answers through the platform's dialogs, over the main window.
class WidgetPrompts final : public Prompts
{
public:
    explicit WidgetPrompts(QWidget *parent);

    void showMessage(const QString &title, const QString &text) override;
    void showError(const QString &title, const QString &text) override;
    bool askYesNo(const QString &title, const QString &text) override;
    QString askSaveFileName(const FileRequest &request) override;
    QString askOpenFileName(const FileRequest &request) override;

private:
    QWidget *m_parent;
};
