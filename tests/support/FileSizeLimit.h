#pragma once

#include <csignal>
#include <sys/resource.h>

// A full disk for this process, as long as the object lives: no file it writes can grow past `bytes`, and such a
// write fails (EFBIG) instead of raising SIGXFSZ. Unlike a folder without write permission, it holds for root too.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool isActive() const { return m_active; }

private:
    rlimit m_saved {};
    void (*m_savedHandler)(int) = SIG_DFL;
    bool m_active = false;
};
