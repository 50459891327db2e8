#pragma once

#include <QtGlobal>

// Windows has no file size limit to fill the disk with.
#ifndef Q_OS_WIN
#define RAFFLER_HAS_FILE_SIZE_LIMIT

#include <csignal>
#include <sys/resource.h>

// Holds the process's file size limit for its lifetime; a write past it
// fails instead of ending the process.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
        : m_oldSignal(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        const rlimit limited{bytes, m_old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldSignal);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_old{};
    void (*m_oldSignal)(int);
};

#endif
