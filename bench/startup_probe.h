#pragma once

#include "probe.h"

// The benchmark's option that makes it this probe, followed by the probe's
// arguments.
inline constexpr char kStartupProbeOption[] = "--startup-probe";

// The probe for the real program: the main window's start-up as the program
// runs it (view settings, catalogue, loading, the render loop), in this
// process. Needs the QApplication. Returns the process's exit status.
int RunStartupProbe(const ProbeArguments& arguments);
