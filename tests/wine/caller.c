/*
 * A Windows program that drives the converter as the timetabling program does:
 * it deletes "Velarix.ini", starts the converter with its arguments, waits for
 * it to end and reads "Transformado" back. Run under Wine by scripts/wine-check.
 *
 *   caller.exe [--keep-ini] PROGRAM INI FOLDER [ARGUMENT...]
 *
 * starts PROGRAM (a Windows path) in the working folder FOLDER with the
 * ARGUMENTs, and prints one line for the script to check (with --keep-ini it
 * leaves INI as it finds it, as a caller that does not delete it would):
 *
 *   exit=STATUS transformado=VALUE waited_ms=MILLISECONDS
 *
 * with VALUE -99 when INI holds no "Transformado".
 */
#include <windows.h>

#include <stdio.h>
#include <wchar.h>

/* Appends `argument` to `line` quoted so that the started program's command-line split gives it back. */
static void appendQuoted(wchar_t *line, size_t capacity, const wchar_t *argument)
{
    size_t at = wcslen(line);
    if (at > 0 && at + 1 < capacity)
        line[at++] = L' ';
    if (at + 1 < capacity)
        line[at++] = L'"';
    for (const wchar_t *c = argument; *c && at + 3 < capacity; ++c) {
        if (*c == L'"')
            line[at++] = L'\\';
        line[at++] = *c;
    }
    if (at + 1 < capacity)
        line[at++] = L'"';
    line[at] = L'\0';
}

int wmain(int argc, wchar_t **argv)
{
    const int keepIni = argc > 1 && wcscmp(argv[1], L"--keep-ini") == 0;
    if (argc - keepIni < 4) {
        fwprintf(stderr, L"usage: caller.exe [--keep-ini] PROGRAM INI FOLDER [ARGUMENT...]\n");
        return 2;
    }
    wchar_t **rest = argv + keepIni;
    const wchar_t *program = rest[1], *ini = rest[2], *folder = rest[3];
    if (!keepIni)
        DeleteFileW(ini);

    wchar_t line[8192] = L"";
    appendQuoted(line, sizeof line / sizeof *line, program);
    for (int i = 4; i < argc - keepIni; ++i)
        appendQuoted(line, sizeof line / sizeof *line, rest[i]);

    STARTUPINFOW startup = {.cb = sizeof startup};
    PROCESS_INFORMATION process = {0};
    const ULONGLONG started = GetTickCount64();
    if (!CreateProcessW(program, line, NULL, NULL, FALSE, 0, NULL, folder, &startup, &process)) {
        fwprintf(stderr, L"CreateProcess failed: error %lu\n", GetLastError());
        return 3;
    }
    if (WaitForSingleObject(process.hProcess, INFINITE) != WAIT_OBJECT_0) {
        fwprintf(stderr, L"WaitForSingleObject failed: error %lu\n", GetLastError());
        return 4;
    }
    const ULONGLONG waited = GetTickCount64() - started;
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);

    const int transformado = (int)GetPrivateProfileIntW(L"Transformadores", L"Transformado", -99, ini);
    wprintf(L"exit=%lu transformado=%d waited_ms=%llu\n", status, transformado, waited);
    return 0;
}
