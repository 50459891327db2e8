#include "widgetpromptstest.h"

#include "support/nextdialog.h"
#include "window/widgetprompts.h"

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

Prompts::FileRequest macroRequest(const QString &title, const QString &directory)
{
    Prompts::FileRequest request;
    request.title = title;
    request.directory = directory;
    request.filterName = u"Macro Files (.mac)"_s;
    request.patterns = {u"*.mac"_s};
    request.defaultSuffix = u"mac"_s;
    request.detailedView = true;
    return request;
}

void typeName(QFileDialog *dialog, const QString &name)
{
    dialog->findChild<QLineEdit *>(u"fileNameEdit"_s)->setText(name);
}

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

void WidgetPromptsTest::theSaveDialogAsksAsRequested()
{
    QTemporaryDir dir;
    QWidget window;
    WidgetPrompts prompts(&window);
    Prompts::FileRequest request = macroRequest(u"Save File As..."_s, dir.path());
    request.fileName = u"This File Name"_s;

    struct Seen
    {
        QString title, directory, name, filter, suffix;
        QFileDialog::ViewMode view = QFileDialog::List;
        bool confirms = false;
    } seen;
    whenDialogOpens<QFileDialog>(this, [&seen](QFileDialog *dialog) {
        seen = {dialog->windowTitle(),
                dialog->directory().path(),
                dialog->findChild<QLineEdit *>(u"fileNameEdit"_s)->text(),
                dialog->findChild<QComboBox *>(u"fileTypeCombo"_s)->currentText(),
                dialog->defaultSuffix(),
                dialog->viewMode(),
                !dialog->testOption(QFileDialog::DontConfirmOverwrite)};
        dialog->reject();
    });
    QCOMPARE(prompts.askSaveFileName(request), QString());

    QCOMPARE(seen.title, u"Save File As..."_s);
    QCOMPARE(seen.directory, QDir(dir.path()).canonicalPath());
    QCOMPARE(seen.name, u"This File Name"_s);
    QCOMPARE(seen.filter, u"Macro Files (.mac)"_s);
    QCOMPARE(seen.suffix, u"mac"_s);
    QCOMPARE(seen.view, QFileDialog::Detail);
    QVERIFY(seen.confirms);
}

void WidgetPromptsTest::aNameWithoutExtensionGetsTheSuffix()
{
    QTemporaryDir dir;
    QWidget window;
    WidgetPrompts prompts(&window);
    whenDialogOpens<QFileDialog>(this, [](QFileDialog *dialog) {
        typeName(dialog, u"friday"_s);
        static_cast<QDialog *>(dialog)->accept();
    });
    const QString chosen = prompts.askSaveFileName(macroRequest(u"Save File As..."_s, dir.path()));
    QCOMPARE(QFileInfo(chosen).fileName(), u"friday.mac"_s);
    QCOMPARE(QFileInfo(chosen).dir().canonicalPath(), QDir(dir.path()).canonicalPath());
}

void WidgetPromptsTest::overwritingAsksFirst()
{
    QTemporaryDir dir;
    touch(dir.filePath(u"friday.mac"_s));
    QWidget window;
    WidgetPrompts prompts(&window);

    QStringList questions;
    whenDialogOpens<QFileDialog>(this, [this, &questions](QFileDialog *dialog) {
        typeName(dialog, u"friday"_s);
        const auto answer = [&questions](QMessageBox::StandardButton button) {
            return [&questions, button](QMessageBox *box) {
                questions << box->text();
                box->button(button)->click();
            };
        };
        whenDialogOpens<QMessageBox>(this, answer(QMessageBox::No));
        static_cast<QDialog *>(dialog)->accept(); // asks, and stays open on "No"
        QVERIFY(dialog->isVisible());
        whenDialogOpens<QMessageBox>(this, answer(QMessageBox::Yes));
        static_cast<QDialog *>(dialog)->accept();
    });
    const QString chosen = prompts.askSaveFileName(macroRequest(u"Save File As..."_s, dir.path()));
    QCOMPARE(QFileInfo(chosen).fileName(), u"friday.mac"_s);
    QCOMPARE(questions.size(), 2);
    QVERIFY(questions[0].contains(u"friday.mac"_s));
}

void WidgetPromptsTest::theOpenDialogTakesOnlyExistingFiles()
{
    QTemporaryDir dir;
    touch(dir.filePath(u"here.mac"_s));
    QWidget window;
    WidgetPrompts prompts(&window);

    QString title;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    whenDialogOpens<QFileDialog>(this, [&](QFileDialog *dialog) {
        title = dialog->windowTitle();
        mode = dialog->fileMode();
        typeName(dialog, u"here.mac"_s);
        static_cast<QDialog *>(dialog)->accept();
    });
    const QString chosen = prompts.askOpenFileName(macroRequest(u"Open A File"_s, dir.path()));
    QCOMPARE(QFileInfo(chosen).canonicalFilePath(), QFileInfo(dir.filePath(u"here.mac"_s)).canonicalFilePath());
    QCOMPARE(title, u"Open A File"_s);
    QCOMPARE(mode, QFileDialog::ExistingFile);
}

void WidgetPromptsTest::dialogsOverADisabledWindowTakeInput()
{
    QTemporaryDir dir;
    QWidget window;
    window.show();
    window.setEnabled(false);
    WidgetPrompts prompts(&window);

    bool messageEnabled = false;
    whenDialogOpens<QMessageBox>(this, [&messageEnabled](QMessageBox *box) {
        messageEnabled = box->isEnabled();
        box->done(QMessageBox::Ok); // answered even when the host could not
    });
    prompts.showMessage(u"Title"_s, u"Text"_s);
    QVERIFY(messageEnabled);

    bool dialogEnabled = false;
    whenDialogOpens<QFileDialog>(this, [&dialogEnabled](QFileDialog *dialog) {
        dialogEnabled = dialog->isEnabled();
        dialog->reject();
    });
    prompts.askOpenFileName(macroRequest(u"Open A File"_s, dir.path()));
    QVERIFY(dialogEnabled);
}
