#pragma once

#include "about/systeminfotool.h"
#include "interaction/busyguard.h"

#include <QDialog>

#include <memory>
#include <optional>

class Prompts;
class WindowInput;
namespace Ui {
class AboutBox;
}

// The About box: the program's title and version and a way to the system
// information tool. The main window takes no input while it is open; closing
// it in any way gives the input back.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    AboutBox(const QString &title, WindowInput &input, Prompts &prompts, QWidget *parent = nullptr);
    ~AboutBox() override;

    SystemInfoTool &systemInfoTool() { return m_tool; }

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();

    // "Version 1.0.7" for the build's project version.
    static QString versionText();

    void done(int result) override;

private:
    void Form_Load(const QString &title);

    std::unique_ptr<Ui::AboutBox> m_ui;
    // The main window waits while the box is open.
    std::optional<BusyGuard> m_busy;
    Prompts &m_prompts;
    QString m_title;
    SystemInfoTool m_tool;
};
