#pragma once

// A seam to the outside world: the program calls `Interface::instance()`, which is the real implementation unless a
// test has installed its own double with `setInstance`. Each seam derives from Seam<itself> and defines `real()`.
template <typename Interface>
class Seam
{
public:
    static Interface& instance()
    {
        if (s_installed) {
            return *s_installed;
        }
        return real();
    }

    // nullptr restores the real implementation; the caller keeps ownership of what it installs.
    static void setInstance(Interface* implementation) { s_installed = implementation; }

    // What a test installed, or nullptr.
    static Interface* installed() { return s_installed; }

private:
    static Interface& real();

    static inline Interface* s_installed = nullptr;
};
