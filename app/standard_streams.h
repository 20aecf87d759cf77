#pragma once

// A standard stream that the program was started without (its descriptor
// closed) stays closed to the program's writes: its number is taken by
// /dev/null opened for reading only, where a write fails as on a closed
// descriptor. Otherwise the next file opened (by Qt: its event loop's
// descriptors, a translation) would take the number and receive what was
// meant for the stream. Called first, before anything opens a file.
void KeepClosedStandardStreamsClosed();
