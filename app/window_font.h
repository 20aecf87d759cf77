#pragma once

// The windows' fonts: Tahoma 8.25 pt, and MS Sans Serif for the picture
// window's button, where the system has them (Debian's fonts-wine). Call it
// once QApplication exists, before any window is built.
void UseWindowFont();
