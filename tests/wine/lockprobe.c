/*
 * A Windows program that tries to take a file as a dBase engine takes a table:
 * it opens it for reading and writing with share mode 0 and locks it with
 * LockFile, once over the whole range a table's records can use and once on
 * the byte far past the end where dBase engines put their table lock. Run
 * under Wine by the tests (tests/support/WineLockProbe.h), built by
 * scripts/wine-check.
 *
 *   lockprobe.exe PATH
 *
 * prints one line per attempt and ends with status 0 when the open and at
 * least one lock succeeded, 1 when the open or every lock was refused, 2 on
 * bad usage or any other error.
 */
#include <windows.h>

#include <stdio.h>
#include <wchar.h>

enum { canLock = 0, refused = 1, otherError = 2 };

static int isRefusal(DWORD error)
{
    return error == ERROR_LOCK_VIOLATION || error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
}

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2) {
        fwprintf(stderr, L"usage: lockprobe.exe PATH\n");
        return otherError;
    }
    const HANDLE file = CreateFileW(argv[1], GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        wprintf(L"open: refused, error %lu\n", error);
        return isRefusal(error) ? refused : otherError;
    }
    wprintf(L"open: granted\n");

    static const struct {
        const wchar_t *name;
        DWORD offset, length;
    } ranges[] = {
        {L"whole range 0+0x7FFFFFFE", 0, 0x7FFFFFFE},
        {L"past the end 0xEFFFFFFF+1", 0xEFFFFFFF, 1},
    };
    int locked = 0, unexpected = 0;
    for (size_t i = 0; i < sizeof ranges / sizeof *ranges; ++i) {
        if (LockFile(file, ranges[i].offset, 0, ranges[i].length, 0)) {
            wprintf(L"lock %ls: granted\n", ranges[i].name);
            UnlockFile(file, ranges[i].offset, 0, ranges[i].length, 0);
            ++locked;
        } else {
            const DWORD error = GetLastError();
            wprintf(L"lock %ls: refused, error %lu\n", ranges[i].name, error);
            unexpected += !isRefusal(error);
        }
    }
    CloseHandle(file);
    return locked ? canLock : unexpected ? otherError : refused;
}
