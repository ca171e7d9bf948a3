/* Linked into every shipped program. The compiler's run-time (libgcc,
   libstdc++, the mingw C run-time) calls three UTF-16 functions of
   kernel32 that Windows 95, 98 and Me only have as stubs that fail:
   CreateSemaphoreW (the run-time's locks), GetModuleHandleW and
   LoadLibraryW (lookups in msvcrt.dll and advapi32.dll). The run-time
   calls them through their import pointers; defining those pointers here
   points the calls at the ANSI functions, which every 32-bit Windows has,
   and keeps the UTF-16 ones out of the import table. */
#include <windows.h>

/* Names reach the ANSI functions through the ANSI code page; a name that
   does not convert fails as a missing one would. */
static int toAnsi(LPCWSTR wide, char* ansi, int size)
{
    return WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi, size, NULL, NULL) > 0;
}

static HANDLE WINAPI createSemaphore(LPSECURITY_ATTRIBUTES security, LONG initial, LONG maximum, LPCWSTR name)
{
    char ansi[MAX_PATH];
    if (!name)
        return CreateSemaphoreA(security, initial, maximum, NULL);
    if (!toAnsi(name, ansi, sizeof ansi)) {
        SetLastError(ERROR_INVALID_NAME);
        return NULL;
    }
    return CreateSemaphoreA(security, initial, maximum, ansi);
}

static HMODULE WINAPI getModuleHandle(LPCWSTR name)
{
    char ansi[MAX_PATH];
    if (!name)
        return GetModuleHandleA(NULL);
    if (!toAnsi(name, ansi, sizeof ansi)) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return NULL;
    }
    return GetModuleHandleA(ansi);
}

static HMODULE WINAPI loadLibrary(LPCWSTR name)
{
    char ansi[MAX_PATH];
    if (!name || !toAnsi(name, ansi, sizeof ansi)) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return NULL;
    }
    return LoadLibraryA(ansi);
}

/* The import pointers' link names: decorated on i386, plain on x86-64. */
#ifdef _WIN64
#define IMPORT_POINTER(name, bytes) "__imp_" #name
#else
#define IMPORT_POINTER(name, bytes) "__imp__" #name "@" #bytes
#endif

void* lvCreateSemaphoreW __asm__(IMPORT_POINTER(CreateSemaphoreW, 16)) = (void*)createSemaphore;
void* lvGetModuleHandleW __asm__(IMPORT_POINTER(GetModuleHandleW, 4)) = (void*)getModuleHandle;
void* lvLoadLibraryW __asm__(IMPORT_POINTER(LoadLibraryW, 4)) = (void*)loadLibrary;
