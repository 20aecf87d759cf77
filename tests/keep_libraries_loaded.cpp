// Sanitizer builds only: keeps every shared library loaded until the process
// ends. The OpenGL driver is unloaded when Qt closes its display, and leak
// reports about the driver's own memory would then name no module at all;
// with the driver still loaded they can be told apart from the program's.
// ThreadSanitizer stops the process when a library its suppressions name by
// module is unloaded.
#include <QCoreApplication>

#include <dlfcn.h>
#include <link.h>

namespace {

int KeepLoaded(dl_phdr_info* info, size_t /*size*/, void* /*data*/)
{
    if (info->dlpi_name != nullptr && info->dlpi_name[0] != '\0') {
        // RTLD_NOLOAD touches only libraries already loaded; the returned
        // handle is kept on purpose.
        dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
    }
    return 0;
}

void KeepLibrariesLoaded()
{
    dl_iterate_phdr(KeepLoaded, nullptr);
}

void RegisterAtShutdown()
{
    qAddPostRoutine(KeepLibrariesLoaded);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(RegisterAtShutdown)
