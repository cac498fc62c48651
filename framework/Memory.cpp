// The program's heap operators. The program is built without exceptions, so a failed
// allocation cannot throw: the plain forms end the process, the nothrow forms return null
// for the caller to handle. Defining them here also keeps the C++ runtime's exception
// machinery, which its own operators pull in, out of the executable.
#include <stdlib.h>

#include <new>

void* operator new(size_t nSize) {
    void* p = malloc(nSize ? nSize : 1);
    if (!p)
        abort();
    return p;
}

void* operator new[](size_t nSize) { return operator new(nSize); }

void* operator new(size_t nSize, const std::nothrow_t&) noexcept {
    return malloc(nSize ? nSize : 1);
}

void* operator new[](size_t nSize, const std::nothrow_t&) noexcept {
    return malloc(nSize ? nSize : 1);
}

void operator delete(void* p) noexcept { free(p); }

void operator delete[](void* p) noexcept { free(p); }

void operator delete(void* p, size_t) noexcept { free(p); }

void operator delete[](void* p, size_t) noexcept { free(p); }

void operator delete(void* p, const std::nothrow_t&) noexcept { free(p); }

void operator delete[](void* p, const std::nothrow_t&) noexcept { free(p); }
