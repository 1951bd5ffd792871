/* A write-fault shim for the tests, loaded with LD_PRELOAD. While the
 * environment variable PELLMORE_FAULT holds "mode:text", writes to files
 * whose path contains text misbehave:
 *   eio     every write fails with EIO
 *   enospc  the first write stores half its bytes, the next fails with ENOSPC
 *   short   every write stores at most 7 bytes (a correct writer goes on)
 *   fsync   writes succeed, fsync fails with EIO
 *   noread  reads fail with EACCES (a file that cannot be read)
 *   notemp  no new file can be made beside the file (a folder without
 *           write permission): creating any other path holding text fails
 * Without the variable every call goes straight to the C library. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static int matches(int fd, char *mode, size_t modeSize)
{
    const char *fault = getenv("PELLMORE_FAULT");
    if (!fault || !*fault)
        return 0;
    const char *colon = strchr(fault, ':');
    if (!colon || (size_t)(colon - fault) >= modeSize)
        return 0;
    char link[64], path[4096];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, path, sizeof path - 1);
    if (n <= 0)
        return 0;
    path[n] = '\0';
    /* A temporary file made with O_TMPFILE has no name until it is linked:
     * it shows as "<folder>/#<inode> (deleted)" and counts as the file's. */
    const int anonymous = strstr(path, "/#") && strstr(path, " (deleted)");
    if (!strstr(path, colon + 1) && !anonymous)
        return 0;
    memcpy(mode, fault, (size_t)(colon - fault));
    mode[colon - fault] = '\0';
    return 1;
}

static int halfDone; /* enospc: the half write has happened */

ssize_t write(int fd, const void *buf, size_t count)
{
    static ssize_t (*real)(int, const void *, size_t);
    if (!real)
        real = (ssize_t(*)(int, const void *, size_t))dlsym(RTLD_NEXT, "write");
    char mode[16];
    if (count == 0 || !matches(fd, mode, sizeof mode))
        return real(fd, buf, count);
    if (strcmp(mode, "eio") == 0) {
        errno = EIO;
        return -1;
    }
    if (strcmp(mode, "enospc") == 0) {
        if (halfDone) {
            errno = ENOSPC;
            return -1;
        }
        halfDone = 1;
        return real(fd, buf, count / 2 > 0 ? count / 2 : 1);
    }
    if (strcmp(mode, "short") == 0)
        return real(fd, buf, count < 7 ? count : 7);
    return real(fd, buf, count);
}

int fsync(int fd)
{
    static int (*real)(int);
    if (!real)
        real = (int (*)(int))dlsym(RTLD_NEXT, "fsync");
    char mode[16];
    if (matches(fd, mode, sizeof mode) && strcmp(mode, "fsync") == 0) {
        errno = EIO;
        return -1;
    }
    return real(fd);
}

ssize_t read(int fd, void *buf, size_t count)
{
    static ssize_t (*real)(int, void *, size_t);
    if (!real)
        real = (ssize_t(*)(int, void *, size_t))dlsym(RTLD_NEXT, "read");
    char mode[16];
    if (count > 0 && matches(fd, mode, sizeof mode) && strcmp(mode, "noread") == 0) {
        errno = EACCES;
        return -1;
    }
    return real(fd, buf, count);
}

/* notemp: a path that holds the text but does not end with it is a new
 * file beside the watched one. */
static int refusedCreate(const char *path, int flags)
{
    const char *fault = getenv("PELLMORE_FAULT");
    if (!fault || strncmp(fault, "notemp:", 7) != 0 || !(flags & O_CREAT) || !path)
        return 0;
    const char *text = fault + 7;
    const char *at = strstr(path, text);
    return at && strcmp(at, text) != 0;
}

#define OPEN_SHIM(name, ...)                                                                                  \
    {                                                                                                         \
        static int (*real)();                                                                                 \
        if (!real)                                                                                            \
            real = (int (*)())dlsym(RTLD_NEXT, name);                                                         \
        mode_t mode = 0;                                                                                      \
        if (flags & (O_CREAT | O_TMPFILE)) {                                                                  \
            va_list ap;                                                                                       \
            va_start(ap, flags);                                                                              \
            mode = va_arg(ap, mode_t);                                                                        \
            va_end(ap);                                                                                       \
        }                                                                                                     \
        if (refusedCreate(path, flags)) {                                                                     \
            errno = EACCES;                                                                                   \
            return -1;                                                                                        \
        }                                                                                                     \
        return real(__VA_ARGS__, flags, mode);                                                                \
    }

int open(const char *path, int flags, ...) OPEN_SHIM("open", path)
int open64(const char *path, int flags, ...) OPEN_SHIM("open64", path)
int openat(int dir, const char *path, int flags, ...) OPEN_SHIM("openat", dir, path)
int openat64(int dir, const char *path, int flags, ...) OPEN_SHIM("openat64", dir, path)

/* The test starts a new fault: the enospc half write may happen again. */
void pellmore_fault_reset(void)
{
    halfDone = 0;
}
