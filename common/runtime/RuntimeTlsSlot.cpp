// The thread library linked into every DLL (winpthreads) takes a thread-local storage slot the first time it needs
// a thread's data (std::locale's set-up, a function-local static, call_once, a thread_local variable or an
// exception all lead there) and never gives it back, so each load of the DLL would keep one of the process's
// 1,088 slots. The link sends the library's TlsAlloc here
// (--wrap, CMakeLists.txt at the top), and the slot is freed as the DLL unloads; TlsFree clears it in every thread,
// so a fresh load of the DLL starts clean.
#include <windows.h>

// The import's symbol as the linker's --wrap names it: without the leading underscore of 32-bit symbols, which
// comes in front of the __wrap_ and __real_ names instead.
#if defined(_WIN64)
#define ZRT_SYMBOL_PREFIX ""
#define ZRT_IMPORT_NAME "__imp_TlsAlloc"
#else
#define ZRT_SYMBOL_PREFIX "_"
#define ZRT_IMPORT_NAME "_imp__TlsAlloc@0"
#endif

namespace
{
using TlsAllocFunction = DWORD(WINAPI*)();

DWORD g_runtimeSlot = TLS_OUT_OF_INDEXES;
}

extern "C"
{
    extern const TlsAllocFunction g_systemTlsAlloc __asm__(ZRT_SYMBOL_PREFIX "__real_" ZRT_IMPORT_NAME);

    DWORD WINAPI AllocRuntimeTlsSlot()
    {
        const DWORD slot = g_systemTlsAlloc();
        if (slot != TLS_OUT_OF_INDEXES)
            InterlockedCompareExchange(reinterpret_cast<volatile LONG*>(&g_runtimeSlot), static_cast<LONG>(slot),
                                       static_cast<LONG>(TLS_OUT_OF_INDEXES));
        return slot;
    }

    extern const TlsAllocFunction g_runtimeTlsAlloc __asm__(ZRT_SYMBOL_PREFIX "__wrap_" ZRT_IMPORT_NAME);
    const TlsAllocFunction g_runtimeTlsAlloc = AllocRuntimeTlsSlot;
}

// Runs after the static objects of the DLL are destroyed, as the DLL unloads (or the process ends).
__attribute__((destructor)) static void FreeRuntimeTlsSlot()
{
    if (g_runtimeSlot != TLS_OUT_OF_INDEXES)
        TlsFree(g_runtimeSlot);
}
