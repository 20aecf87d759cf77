#include "standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <initializer_list>

void KeepClosedStandardStreamsClosed()
{
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(stream, F_GETFD) == -1 && errno == EBADF) {
            // The lowest free number is the closed stream's: lower ones are open.
            const int held = open("/dev/null", O_RDONLY | O_CLOEXEC);
            if (held != stream && held >= 0) {
                close(held);
            }
        }
    }
}
