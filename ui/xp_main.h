#pragma once

namespace XPModule {

// Gives the view settings their start values, fills the catalogue and shows
// the main window, whose render loop runs until it is closed. Returns the
// program's exit status: a failure when the window could not load or its
// loop could not be timed.
int Main();

} // namespace XPModule
