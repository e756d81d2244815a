/*
 * TransTarquoIB.exe: the Windows face of the Linux converter, for a Windows
 * timetabling program running under Wine.
 *
 * Wine's CreateProcess does start a Linux executable, but detached: the caller
 * gets no process handle, cannot wait for the run and reads "Velarix.ini"
 * before the converter has written it. This launcher is a real Windows
 * process that the caller can wait for: it starts the Linux program of its own
 * name without ".exe", in its own folder, with the same arguments and working
 * folder, waits for it and ends with its exit status.
 *
 * How it reaches Linux: under Wine a Windows program is a Linux process, so
 * it asks Wine for the Linux names of its own path and of its working folder
 * (wine_get_unix_file_name, exported by Wine's kernel32), then forks, changes
 * folder and executes the Linux program through Linux system calls, and waits
 * for it with wait4. The child runs only system calls between fork and
 * execve, on buffers prepared before the fork, so nothing of Wine runs in it.
 * The Linux program gets the Linux environment that Wine was started with
 * (/proc/self/environ): Wine's Windows environment holds Windows paths.
 *
 * Started with two parameters (the timetabling program's driven start), it
 * first writes "Transformado" 0 into "Velarix.ini" beside itself, keeping the
 * file's other sections and keys: the converter writes the real outcome when
 * its run ends, and a converter that dies before that (no display, a missing
 * library, a crash) must not leave an earlier run's 1 for the caller to read
 * as this one's. When it cannot write that 0 it does not start the run.
 *
 * When the Linux program cannot be started the launcher says why in a message
 * box and ends with status 127, as a shell does. With TRANSTARQUOIB_NO_BOX set
 * in the environment it writes the message to standard error instead: the
 * automated test has no one to close a box.
 */
#include <windows.h>

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

enum {
    sysRead = 0,
    sysWrite = 1,
    sysOpen = 2,
    sysClose = 3,
    sysFork = 57,
    sysExecve = 59,
    sysExit = 60,
    sysWait4 = 61,
    sysChdir = 80,
    sysPipe2 = 293,
};
enum { linuxEintr = 4, linuxEnoent = 2, linuxOCloexec = 02000000 };
enum { startFailed = 127 };

/* A Linux system call on x86-64; returns the result, or minus the error number.
   Its words are 64 bits wide, where a Windows long has 32. */
typedef long long Word;

static Word linuxCall(Word number, Word a1, Word a2, Word a3, Word a4)
{
    Word result;
    register Word r10 __asm__("r10") = a4;
    __asm__ volatile("syscall"
                     : "=a"(result)
                     : "a"(number), "D"(a1), "S"(a2), "d"(a3), "r"(r10)
                     : "rcx", "r11", "memory");
    return result;
}

/* "Velarix.ini" beside this launcher, where the converter leaves its outcome;
   empty until the launcher knows its own path. */
static wchar_t resultFile[MAX_PATH * 4 + 16];

/* The result file is in the launcher's own folder, as the converter's is in its own. */
static void locateResultFile(const wchar_t *self)
{
    const wchar_t *folderEnd = wcsrchr(self, L'\\');
    const size_t folderLength = folderEnd ? (size_t)(folderEnd - self) + 1 : 0;
    if (folderLength && folderLength + wcslen(L"Velarix.ini") < sizeof resultFile / sizeof *resultFile) {
        wmemcpy(resultFile, self, folderLength);
        wcscpy(resultFile + folderLength, L"Velarix.ini");
    }
}

/* Why Linux refused to start a program, in the user's words. */
static const wchar_t *linuxReason(Word error)
{
    switch (error) {
    case 1: return L"el sistema no lo permite";
    case 2: return L"no existe";
    case 7: return L"sus argumentos son demasiado largos";
    case 8: return L"no es un programa que Linux pueda ejecutar";
    case 12: return L"no queda memoria suficiente";
    case 13: return L"no tiene permiso de ejecución";
    case 20: return L"una parte de su ruta no es una carpeta";
    case 26: return L"otro programa lo está escribiendo";
    case 36: return L"su ruta es demasiado larga";
    case 40: return L"su ruta tiene demasiados enlaces simbólicos";
    default: return L"el sistema no lo ha podido iniciar";
    }
}

/* Why Windows could not write a file, in the user's words. */
static const wchar_t *windowsReason(DWORD error)
{
    switch (error) {
    case ERROR_ACCESS_DENIED: return L"no tiene permiso para escribirlo";
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return L"no existe la carpeta";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return L"otro programa lo tiene abierto";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return L"no queda espacio en el disco";
    case ERROR_WRITE_PROTECT: return L"el disco está protegido contra escritura";
    default: return L"Windows no lo ha podido escribir";
    }
}

static void fail(const wchar_t *format, const wchar_t *argument, const wchar_t *reason)
{
    wchar_t text[2048];
    const size_t capacity = sizeof text / sizeof *text;
    _snwprintf(text, capacity - 1, format, argument, reason);
    text[capacity - 1] = L'\0';
    if (_wgetenv(L"TRANSTARQUOIB_NO_BOX"))
        fwprintf(stderr, L"TransTarquoIB.exe: %ls\n", text);
    else
        MessageBoxW(NULL, text, L"TransTarquoIB", MB_OK | MB_ICONERROR);
    ExitProcess(startFailed);
}

typedef char *(CDECL *UnixFileName)(const wchar_t *);

/* The Linux path of a Windows path, or NULL; Wine allocates it on the process heap. */
static char *unixPath(const wchar_t *windowsPath)
{
    static UnixFileName convert;
    if (!convert)
        convert = (UnixFileName)(void *)GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name");
    return convert ? convert(windowsPath) : NULL;
}

static char *utf8(const wchar_t *text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, NULL, 0, NULL, NULL);
    char *result = malloc(size);
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result, size, NULL, NULL);
    return result;
}

/* The Linux environment as a NULL-terminated list, read from /proc/self/environ.
   WINESERVERSOCKET names a descriptor of this Wine process and means nothing to
   the Linux program. */
static char **linuxEnvironment(void)
{
    size_t size = 0, capacity = 1 << 16;
    char *data = malloc(capacity);
    const Word fd = linuxCall(sysOpen, (intptr_t)"/proc/self/environ", 0, 0, 0);
    for (Word n = 1; fd >= 0 && n > 0;) {
        if (size + 1 >= capacity)
            data = realloc(data, capacity *= 2);
        n = linuxCall(sysRead, fd, (intptr_t)(data + size), (intptr_t)(capacity - size - 1), 0);
        if (n > 0)
            size += (size_t)n;
    }
    if (fd >= 0)
        linuxCall(sysClose, fd, 0, 0, 0);
    data[size] = '\0';

    size_t count = 0;
    for (size_t i = 0; i < size; i += strlen(data + i) + 1)
        ++count;
    char **environment = calloc(count + 1, sizeof *environment);
    count = 0;
    for (size_t i = 0; i < size; i += strlen(data + i) + 1) {
        if (strncmp(data + i, "WINESERVERSOCKET=", 17) != 0)
            environment[count++] = data + i;
    }
    return environment;
}

/* Starts `program` with `arguments` in `folder` (NULL: this process's own) and
   waits for it; returns its exit status, or minus the error number when it
   could not be started. */
static Word runLinux(const char *program, char **arguments, char **environment, const char *folder)
{
    int report[2]; /* the child writes the error of execve here; closed by a successful execve */
    if (linuxCall(sysPipe2, (intptr_t)report, linuxOCloexec, 0, 0) < 0)
        return -linuxEnoent;
    const Word pid = linuxCall(sysFork, 0, 0, 0, 0);
    if (pid == 0) {
        linuxCall(sysClose, report[0], 0, 0, 0);
        if (folder)
            linuxCall(sysChdir, (intptr_t)folder, 0, 0, 0);
        Word error = -linuxCall(sysExecve, (intptr_t)program, (intptr_t)arguments, (intptr_t)environment, 0);
        linuxCall(sysWrite, report[1], (intptr_t)&error, sizeof error, 0);
        linuxCall(sysExit, startFailed, 0, 0, 0);
    }
    linuxCall(sysClose, report[1], 0, 0, 0);
    if (pid < 0) {
        linuxCall(sysClose, report[0], 0, 0, 0);
        return pid;
    }
    Word error = 0;
    Word got;
    while ((got = linuxCall(sysRead, report[0], (intptr_t)&error, sizeof error, 0)) == -linuxEintr) {
    }
    linuxCall(sysClose, report[0], 0, 0, 0);

    int status = 0;
    while (linuxCall(sysWait4, pid, (intptr_t)&status, 0, 0) == -linuxEintr) {
    }
    if (got == sizeof error)
        return -error;
    if ((status & 0x7f) == 0)
        return (status >> 8) & 0xff;
    return 128 + (status & 0x7f); /* ended by a signal, told as a shell does */
}

int wmain(int argc, wchar_t **argv)
{
    wchar_t self[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(NULL, self, sizeof self / sizeof *self);
    if (length == 0 || length >= sizeof self / sizeof *self)
        fail(L"No se puede saber dónde está TransTarquoIB.exe.%ls%ls", L"", L"");
    locateResultFile(self);
    /* Two parameters: the driven start, whose caller reads "Transformado". */
    if (argc == 3 && !WritePrivateProfileStringW(L"Transformadores", L"Transformado", L"0", resultFile))
        fail(L"No se puede escribir el resultado en \"%ls\": %ls.\n\rNo se ha iniciado la transformación.",
             resultFile, windowsReason(GetLastError()));

    /* The Linux program: this launcher's path without ".exe", as Windows and Linux name it. */
    wchar_t programWindows[MAX_PATH * 4];
    wcscpy(programWindows, self);
    if (length > 4 && _wcsicmp(programWindows + length - 4, L".exe") == 0)
        programWindows[length - 4] = L'\0';
    char *program = unixPath(self);
    if (!program)
        fail(L"TransTarquoIB.exe sólo funciona bajo Wine, junto al programa de Linux TransTarquoIB.%ls%ls", L"", L"");
    const size_t programLength = strlen(program);
    if (programLength > 4 && _stricmp(program + programLength - 4, ".exe") == 0)
        program[programLength - 4] = '\0';

    char **arguments = calloc((size_t)argc + 1, sizeof *arguments);
    arguments[0] = program;
    for (int i = 1; i < argc; ++i)
        arguments[i] = utf8(argv[i]);

    wchar_t workingFolder[MAX_PATH * 4];
    const DWORD workingLength = GetCurrentDirectoryW(sizeof workingFolder / sizeof *workingFolder, workingFolder);
    const char *workingLinux =
        workingLength && workingLength < sizeof workingFolder / sizeof *workingFolder ? unixPath(workingFolder) : NULL;

    const Word status = runLinux(program, arguments, linuxEnvironment(), workingLinux);
    if (status == -linuxEnoent)
        fail(L"No se encuentra el programa de Linux \"%ls\".%ls\n\rTransTarquoIB.exe debe estar en la misma carpeta "
             L"que el programa TransTarquoIB.",
             programWindows, L"");
    if (status < 0)
        fail(L"No se puede iniciar el programa de Linux \"%ls\": %ls.", programWindows, linuxReason(-status));
    /* 127 is what the dynamic loader ends with when a library is missing: the
       converter, which never ends so, did not run. */
    if (status == startFailed)
        fail(L"El programa de Linux \"%ls\" no ha podido arrancar%ls: puede que le falte alguna biblioteca.",
             programWindows, L"");
    return (int)status;
}
