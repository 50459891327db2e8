#pragma once

#include "core/filestore.h"

#include <QTemporaryDir>

#include <cstdlib>

// The fresh folder a target writes its files into, and the program's file
// store over it, made on first use and kept for the whole run.
inline QTemporaryDir &scratchDir()
{
    static QTemporaryDir dir;
    if (!dir.isValid())
        std::abort();
    return dir;
}

inline FileStore &scratchStore()
{
    static FileStore store(scratchDir().path(), scratchDir().filePath(QStringLiteral("user")));
    if (store.usesFallback())
        std::abort();
    return store;
}
