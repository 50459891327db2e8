// Reading an arbitrary Recover.bak, as the "Recover" buttons do: whatever
// comes back must save and read back unchanged.
#include "core/recovery.h"

#include "core/playerlists.h"
#include "fuzzcheck.h"
#include "scratchstore.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    scratchStore();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    PlayerLists lists;
    for (const auto &[list, entry] : Recovery::parse(bytes)) {
        check(!entry.contains(QStringLiteral("\r\n")));
        lists.all()[list]->add(entry);
    }

    PlayerLists again;
    for (const auto &[list, entry] : Recovery::parse(Recovery::format(lists)))
        again.all()[list]->add(entry);
    for (std::size_t i = 0; i < lists.all().size(); ++i)
        check(lists.all()[i]->names() == again.all()[i]->names());

    // The same bytes through the file, into lists that held something before.
    QFile file(scratchDir().filePath(QString::fromUtf16(Recovery::kFileName)));
    check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    PlayerLists restored;
    restored.queue.add(QStringLiteral("Old"));
    Recovery recovery(restored, scratchStore());
    check(recovery.ReadRecovery());
    for (std::size_t i = 0; i < lists.all().size(); ++i)
        check(restored.all()[i]->names() == lists.all()[i]->names());
    return 0;
}
