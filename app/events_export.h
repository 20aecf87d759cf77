#pragma once

#include "events_request.h"

#include <cstdio>

// Finds every kind of the sky's events in the request's period, writes them
// to `out` in its format and closes it. Returns the exit status: 0 when all
// was written, 1 when `out` took not all of it. Then it stops writing and says
// why in one line on standard error (a full disk), except where no one reads
// (a closed standard output, a reader that went away), where it says nothing.
int ExportSkyEvents(const EventsRequest& request, std::FILE* out);
