// Reading an arbitrary Recover.bak: whatever comes back must save and read
// back unchanged.
#include "core/playerlists.h"
#include "core/recovery.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    PlayerLists lists;
    for (const auto &[list, entry] : Recovery::parse(bytes))
        lists.all()[list]->add(entry);

    PlayerLists again;
    for (const auto &[list, entry] : Recovery::parse(Recovery::format(lists)))
        again.all()[list]->add(entry);
    for (std::size_t i = 0; i < lists.all().size(); ++i) {
        if (lists.all()[i]->names() != again.all()[i]->names())
            std::abort();
    }
    return 0;
}
