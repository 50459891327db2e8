// The reader of Settings.txt, Prizes.txt and macro files on arbitrary bytes:
// whatever it reads must write and read back unchanged.
#include "core/quotedlines.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QuotedLines::Reader reader(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    QStringList values;
    while (const auto value = reader.next())
        values << *value;

    QuotedLines::Reader again(QuotedLines::write(values));
    QStringList reread;
    while (const auto value = again.next())
        reread << *value;
    if (reread != values)
        std::abort();
    return 0;
}
