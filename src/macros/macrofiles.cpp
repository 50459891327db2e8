#include "macros/macrofiles.h"

#include "core/atomicfile.h"
#include "core/quotedlines.h"
#include "macros/macrobank.h"

#include <QDir>
#include <QFile>

MacroFiles::MacroFiles(MacroBank &bank, Prompts &prompts, const QString &programDirectory, QObject *parent)
    : QObject(parent)
    , m_bank(bank)
    , m_prompts(prompts)
    , m_programDirectory(programDirectory)
{}

QByteArray MacroFiles::format(const QStringList &texts)
{
    return QuotedLines::write(texts);
}

QStringList MacroFiles::parse(const QByteArray &bytes)
{
    QStringList texts;
    QuotedLines::Reader reader(bytes);
    while (texts.size() < MacroBank::kCount) {
        std::optional<QString> field = reader.next();
        if (!field)
            break;
        texts.append(std::move(*field));
    }
    return texts;
}

Prompts::FileRequest MacroFiles::request(const QString &title, const QString &directory) const
{
    Prompts::FileRequest request;
    request.title = title;
    request.directory = directory;
    request.filterName = QStringLiteral("Macro Files (.mac)");
    request.patterns = {QStringLiteral("*.mac")};
    request.defaultSuffix = QStringLiteral("mac");
    request.detailedView = kDetailedView;
    return request;
}

QString MacroFiles::GetSaveAsName(const QString &initialName, const QString &initialDirectory)
{
    Prompts::FileRequest save = request(QStringLiteral("Save File As..."), initialDirectory);
    save.fileName = initialName;
    QString path = m_prompts.askSaveFileName(save);
    if (!path.isEmpty())
        writeFile(save.title, path, format(m_bank.texts()));
    return path;
}

QString MacroFiles::GetOpenName(const QString &initialDirectory)
{
    const Prompts::FileRequest open = request(QStringLiteral("Open A File"), initialDirectory);
    QString path = m_prompts.askOpenFileName(open);
    if (!path.isEmpty())
        readFile(open.title, path);
    return path;
}

// Written beside the target and renamed over it, so a failed save leaves the
// earlier file whole.
bool MacroFiles::writeFile(const QString &title, const QString &path, const QByteArray &bytes)
{
    const QString problem = writeAtomically(path, bytes);
    if (problem.isEmpty())
        return true;
    m_prompts.showError(title,
                        tr("The macros could not be saved in %1: %2.").arg(QDir::toNativeSeparators(path), problem));
    return false;
}

void MacroFiles::readFile(const QString &title, const QString &path)
{
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.read(kMaxReadBytes);
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        m_prompts.showError(title,
                            tr("The macros could not be read from %1: %2. No macro was changed.")
                                .arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    m_bank.setTexts(parse(bytes));
}
