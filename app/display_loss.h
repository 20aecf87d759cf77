#pragma once

// When the X display goes away under the running program (the X server
// stops, the session ends, a remote connection drops), both Qt and Xlib end
// the process with exit(), whose clean-up then runs against a dead
// connection. This makes either path write one line that names the display
// and end the process at once with status 1. Does nothing off X11.
void EndCleanlyOnDisplayLoss();
