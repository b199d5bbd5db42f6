/* An LD_PRELOAD library that makes one I/O call of a program fail, or kills
 * the program just before or just after it, so that a test can try every
 * point of a save in turn. Only calls on paths under FAULT_DIR (and on the
 * descriptors opened there) are counted.
 *
 *   FAULT_DIR      the folder whose files are watched
 *   FAULT_AT       the call (counted from 1) that fails, without being made
 *   FAULT_ERRNO    its error number (default EIO)
 *   CRASH_BEFORE   the call before which the program dies
 *   CRASH_AFTER    the call after which the program dies
 *   FAULT_LOG      a file that receives the name of each call counted, one a
 *                  line, written as the program exits
 *   FAIL_READS_OF  every read of a file whose name ends so fails with EIO, as
 *                  on a failing disk
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <unistd.h>

#define TRACKED 65536
#define LOGGED 4096

static unsigned char tracked[TRACKED], unreadable[TRACKED];
static long counter, failAt, crashBefore, crashAfter;
static int failErrno = EIO;
static const char *folder;
static size_t folderLength;
static const char *logged[LOGGED];

static long number(const char *name) {
    const char *value = getenv(name);
    return value ? atol(value) : 0;
}

__attribute__((constructor)) static void setUp(void) {
    folder = getenv("FAULT_DIR");
    folderLength = folder ? strlen(folder) : 0;
    failAt = number("FAULT_AT");
    crashBefore = number("CRASH_BEFORE");
    crashAfter = number("CRASH_AFTER");
    if (number("FAULT_ERRNO"))
        failErrno = (int)number("FAULT_ERRNO");
}

__attribute__((destructor)) static void writeLog(void) {
    const char *path = getenv("FAULT_LOG");
    if (!path)
        return;
    FILE *log = fopen(path, "w");
    if (!log)
        return;
    for (long i = 0; i < counter && i < LOGGED; ++i)
        fprintf(log, "%s\n", logged[i]);
    fclose(log);
}

static int watchedPath(const char *path) {
    return folder && path && strncmp(path, folder, folderLength) == 0 &&
           (path[folderLength] == '/' || path[folderLength] == '\0');
}

static int watchedFd(int fd) {
    return fd >= 0 && fd < TRACKED && tracked[fd];
}

/* Counts a call: 1 when it must fail; dies when told to. */
static long current;
static int before(const char *name) {
    current = ++counter;
    if (current <= LOGGED)
        logged[current - 1] = name;
    if (current == crashBefore)
        _exit(137);
    return current == failAt;
}

static void after(void) {
    if (current == crashAfter)
        _exit(137);
}

#define REAL(name)                                                                                 \
    static __typeof__(name) *real_##name;                                                          \
    if (!real_##name)                                                                              \
    real_##name = (__typeof__(name) *)dlsym(RTLD_NEXT, #name)

static int endsWith(const char *path, const char *end) {
    const size_t p = strlen(path), e = strlen(end);
    return p >= e && strcmp(path + p - e, end) == 0;
}

static int opened(int fd, const char *path) {
    if (fd >= 0 && fd < TRACKED) {
        const char *bad = getenv("FAIL_READS_OF");
        tracked[fd] = (unsigned char)watchedPath(path);
        unreadable[fd] = (unsigned char)(tracked[fd] && bad && *bad && endsWith(path, bad));
    }
    return fd;
}

#define OPEN_BODY(call)                                                                            \
    mode_t mode = 0;                                                                               \
    if (flags & (O_CREAT | O_TMPFILE)) {                                                           \
        va_list args;                                                                              \
        va_start(args, flags);                                                                     \
        mode = va_arg(args, mode_t);                                                               \
        va_end(args);                                                                              \
    }                                                                                              \
    if (!watchedPath(path))                                                                        \
        return opened(call, path);                                                                 \
    if (before("open")) {                                                                          \
        errno = failErrno;                                                                         \
        return -1;                                                                                 \
    }                                                                                              \
    int fd = opened(call, path);                                                                   \
    after();                                                                                       \
    return fd;

int open(const char *path, int flags, ...) {
    REAL(open);
    OPEN_BODY(real_open(path, flags, mode))
}

int open64(const char *path, int flags, ...) {
    REAL(open64);
    OPEN_BODY(real_open64(path, flags, mode))
}

int openat(int dir, const char *path, int flags, ...) {
    REAL(openat);
    OPEN_BODY(real_openat(dir, path, flags, mode))
}

int openat64(int dir, const char *path, int flags, ...) {
    REAL(openat64);
    OPEN_BODY(real_openat64(dir, path, flags, mode))
}

#define FD_CALL(name, type, call)                                                                  \
    if (!watchedFd(fd))                                                                            \
        return call;                                                                               \
    if (before(name)) {                                                                            \
        errno = failErrno;                                                                         \
        return -1;                                                                                 \
    }                                                                                              \
    type result = call;                                                                            \
    after();                                                                                       \
    return result;

ssize_t read(int fd, void *buffer, size_t size) {
    REAL(read);
    if (watchedFd(fd) && unreadable[fd]) {
        errno = EIO;
        return -1;
    }
    FD_CALL("read", ssize_t, real_read(fd, buffer, size))
}

ssize_t write(int fd, const void *buffer, size_t size) {
    REAL(write);
    FD_CALL("write", ssize_t, real_write(fd, buffer, size))
}

int fsync(int fd) {
    REAL(fsync);
    FD_CALL("fsync", int, real_fsync(fd))
}

int fdatasync(int fd) {
    REAL(fdatasync);
    FD_CALL("fdatasync", int, real_fdatasync(fd))
}

int close(int fd) {
    REAL(close);
    if (!watchedFd(fd))
        return real_close(fd);
    tracked[fd] = 0;
    if (before("close")) {
        /* As on a network share: the descriptor is gone all the same. */
        real_close(fd);
        errno = failErrno;
        return -1;
    }
    int result = real_close(fd);
    after();
    return result;
}

#define PATH_CALL(name, watched, call)                                                             \
    if (!(watched))                                                                                \
        return call;                                                                               \
    if (before(name)) {                                                                            \
        errno = failErrno;                                                                         \
        return -1;                                                                                 \
    }                                                                                              \
    int result = call;                                                                             \
    after();                                                                                       \
    return result;

int rename(const char *from, const char *to) {
    REAL(rename);
    PATH_CALL("rename", watchedPath(from) || watchedPath(to), real_rename(from, to))
}

int renameat(int fromDir, const char *from, int toDir, const char *to) {
    REAL(renameat);
    PATH_CALL("rename", watchedPath(from) || watchedPath(to),
              real_renameat(fromDir, from, toDir, to))
}

int link(const char *from, const char *to) {
    REAL(link);
    PATH_CALL("link", watchedPath(from) || watchedPath(to), real_link(from, to))
}

int unlink(const char *path) {
    REAL(unlink);
    PATH_CALL("unlink", watchedPath(path), real_unlink(path))
}

int unlinkat(int dir, const char *path, int flags) {
    REAL(unlinkat);
    PATH_CALL("unlink", watchedPath(path), real_unlinkat(dir, path, flags))
}
