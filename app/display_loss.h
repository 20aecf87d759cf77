#pragma once

// When the display goes away under the running program (the X server or the
// Wayland compositor stops, the session ends, a remote connection drops), Qt
// and Xlib end the process with lines of their own, on X11 through exit(),
// whose clean-up then runs against a dead connection. This makes every such
// path write one line that names the display and end the process at once
// with status 1. Does nothing on other platforms.
void EndCleanlyOnDisplayLoss();
