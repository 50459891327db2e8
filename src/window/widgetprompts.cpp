#include "window/widgetprompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

QString askFileName(QWidget *parent, const Prompts::FileRequest &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title, request.directory);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The list shows the filter's name alone, as the host is used to.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setNameFilter(request.filterName + u' ' + u'(' + request.patterns.join(u' ') + u')');
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (request.detailedView)
        dialog.setViewMode(QFileDialog::Detail);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

WidgetPrompts::WidgetPrompts(QWidget *parent)
    : m_parent(parent)
{}

void WidgetPrompts::showMessage(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void WidgetPrompts::showError(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool WidgetPrompts::askYesNo(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString WidgetPrompts::askSaveFileName(const FileRequest &request)
{
    return askFileName(m_parent, request, QFileDialog::AcceptSave);
}

QString WidgetPrompts::askOpenFileName(const FileRequest &request)
{
    return askFileName(m_parent, request, QFileDialog::AcceptOpen);
}
