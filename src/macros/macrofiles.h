#pragma once

#include "interaction/prompts.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

class MacroBank;

// Macro files (*.mac): the twenty texts, macro 0 first, in the quoted-line
// format, saved and loaded wherever the host picks in a file dialog. A file
// that cannot be read or written changes no macro, and the host is told.
class MacroFiles : public QObject
{
    Q_OBJECT

public:
    // Only the start of a larger file is read: a macro file is a few lines.
    static constexpr qint64 kMaxReadBytes = qint64{16} * 1024 * 1024;

    MacroFiles(MacroBank &bank, Prompts &prompts, const QString &programDirectory, QObject *parent = nullptr);

    QString programDirectory() const { return m_programDirectory; }

    // "Change File View" (ckUseHook), which is always on: the dialogs open
    // with their file list in detail.
    static constexpr bool kDetailedView = true;

    // Asks where to save and writes the file there; the path, or empty when
    // the host cancelled.
    QString GetSaveAsName(const QString &initialName, const QString &initialDirectory);
    // Asks for a file and reads it into the bank; the path, or empty when
    // the host cancelled.
    QString GetOpenName(const QString &initialDirectory);

    // The bytes of a macro file for the given texts.
    static QByteArray format(const QStringList &texts);
    // At most twenty texts read from a file's bytes, fewer when it is short.
    static QStringList parse(const QByteArray &bytes);

private:
    Prompts::FileRequest request(const QString &title, const QString &directory) const;
    bool writeFile(const QString &title, const QString &path, const QByteArray &bytes);
    void readFile(const QString &title, const QString &path);

    MacroBank &m_bank;
    Prompts &m_prompts;
    QString m_programDirectory;
};
