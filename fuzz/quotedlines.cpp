// The readers of Settings.txt, Prizes.txt and macro files on arbitrary bytes:
// whatever they read must write and read back unchanged, and the settings
// reader must hand out single-line values only.
#include "core/quotedlines.h"

#include "fuzzcheck.h"
#include "macros/macrobank.h"
#include "macros/macrofiles.h"
#include "scratchstore.h"
#include "settings/valuefile.h"

#include <QCoreApplication>
#include <QFile>

namespace {

QStringList readAll(const QByteArray &bytes)
{
    QuotedLines::Reader reader(bytes);
    QStringList values;
    while (const auto value = reader.next())
        values << *value;
    return values;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    scratchStore();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QStringList values = readAll(bytes);
    check(readAll(QuotedLines::write(values)) == values);

    // A macro file: the first twenty fields, and a saved set loads back whole.
    const QStringList macros = MacroFiles::parse(bytes);
    check(macros == values.mid(0, MacroBank::kCount));
    check(MacroFiles::parse(MacroFiles::format(macros)) == macros);

    // Settings.txt as the program reads it at start-up.
    QFile file(scratchDir().filePath(QStringLiteral("Settings.txt")));
    check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    const QStringList settings = ValueFile::read(scratchStore(), QStringLiteral("Settings.txt"), 20);
    check(settings.size() == std::min<qsizetype>(values.size(), 20));
    for (qsizetype i = 0; i < settings.size(); ++i) {
        const QString &value = settings[i];
        check(!value.contains(u'\r') && !value.contains(u'\n') && !value.contains(QChar(u'\0')));
        const QString &raw = values[i];
        if (!raw.contains(u'\r') && !raw.contains(u'\n') && !raw.contains(QChar(u'\0')))
            check(value == raw);
    }
    check(readAll(QuotedLines::write(settings)) == settings);
    return 0;
}
