#include "window/widgetprompts.h"

#include "support/nextdialog.h"
#include "windowtests.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

Prompts::FileRequest macroRequest(const QString &title, const QString &directory, const QString &name = {})
{
    return {title, directory, name, u"Macro Files (.mac)"_s, {u"*.mac"_s}, u"mac"_s, true};
}

// Types a name into the dialog and presses its accept button.
void choose(QFileDialog *dialog, const QString &name)
{
    dialog->findChild<QLineEdit *>(u"fileNameEdit"_s)->setText(name);
    static_cast<QDialog *>(dialog)->accept();
}

} // namespace

// The window waits while the program speaks; its dialogs must still take
// input. The save dialog opens as asked, in detail; a name typed without
// extension gets the suffix, and an existing file is overwritten only after a
// "Yes". The open dialog takes only a file that exists.
void WindowTest::dialogsAskAsRequestedOverADisabledWindow()
{
    QTemporaryDir dir;
    QFile existing(dir.filePath(u"friday.mac"_s));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    QWidget window;
    window.show();
    window.setEnabled(false);
    WidgetPrompts prompts(&window);

    bool messageEnabled = false;
    whenDialogOpens<QMessageBox>(&window, [&messageEnabled](QMessageBox *box) {
        messageEnabled = box->isEnabled();
        box->done(QMessageBox::Ok); // answered even when the host could not
    });
    prompts.showMessage(u"Title"_s, u"Text"_s);
    QVERIFY(messageEnabled);

    QStringList asked; // what the dialog shows, then the questions it puts
    bool stayedOpen = false;
    whenDialogOpens<QFileDialog>(&window, [&window, &asked, &stayedOpen](QFileDialog *dialog) {
        asked << dialog->windowTitle() << dialog->directory().path()
              << dialog->findChild<QLineEdit *>(u"fileNameEdit"_s)->text()
              << dialog->findChild<QComboBox *>(u"fileTypeCombo"_s)->currentText()
              << (dialog->viewMode() == QFileDialog::Detail ? u"detail"_s : u"list"_s)
              << (dialog->isEnabled() ? u"enabled"_s : u"disabled"_s);
        const auto answer = [&asked](QMessageBox::StandardButton button) {
            return [&asked, button](QMessageBox *box) {
                asked << box->text().section(u' ', 0, 0);
                box->button(button)->click();
            };
        };
        whenDialogOpens<QMessageBox>(&window, answer(QMessageBox::No));
        choose(dialog, u"friday"_s);
        stayedOpen = dialog->isVisible();
        whenDialogOpens<QMessageBox>(&window, answer(QMessageBox::Yes));
        choose(dialog, u"friday"_s);
    });
    const QString chosen = prompts.askSaveFileName(macroRequest(u"Save File As..."_s, dir.path(), u"This File Name"_s));

    QCOMPARE(asked,
             (QStringList{u"Save File As..."_s, QDir(dir.path()).canonicalPath(), u"This File Name"_s,
                          u"Macro Files (.mac)"_s, u"detail"_s, u"enabled"_s, u"friday.mac"_s, u"friday.mac"_s}));
    QVERIFY(stayedOpen); // "No" goes back to the dialog
    QCOMPARE(QFileInfo(chosen).canonicalFilePath(), QFileInfo(existing).canonicalFilePath());

    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    whenDialogOpens<QFileDialog>(&window, [&mode](QFileDialog *dialog) {
        mode = dialog->fileMode();
        choose(dialog, u"friday.mac"_s);
    });
    QCOMPARE(QFileInfo(prompts.askOpenFileName(macroRequest(u"Open A File"_s, dir.path()))).canonicalFilePath(),
             QFileInfo(existing).canonicalFilePath());
    QCOMPARE(mode, QFileDialog::ExistingFile);
}
