#pragma once

#include "command_line.h"

namespace XPModule {

// Gives the view settings their start values, fills the catalogue and shows
// the main window as the command line asks (its frame-rate ceiling, the
// moment of the sky it starts from), whose render loop runs until it is
// closed. Returns the
// program's exit status: a failure when the window could not load or its
// loop could not be timed.
int Main(const CommandLineOptions& options);

} // namespace XPModule
