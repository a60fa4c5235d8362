#pragma once

// Where a test called a helper from, so that the helper's failure points at the test's line. Taken as a default
// argument, `CallSite where = CallSite()` holds the caller's file and line: GCC and Clang evaluate these builtins at
// the call site. (std::source_location does the same, but the Clang 14 of the static analysis cannot compile it.)
struct CallSite
{
    constexpr CallSite(const char* callerFile = __builtin_FILE(), int callerLine = __builtin_LINE())
        : file(callerFile)
        , line(callerLine)
    {
    }

    const char* file;
    int line;
};
