#pragma once

#include "events_request.h"

#include <cstdio>

// Finds every kind of the sky's events in the request's period and writes
// them to `out` in its format. Returns the exit status: 0 when all was
// written, 1 when `out` took not all of it (closed, or a reader that went
// away); then it stops writing and says nothing.
int ExportSkyEvents(const EventsRequest& request, std::FILE* out);
