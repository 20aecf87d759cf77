#pragma once

// ΔT, dynamical time less universal time, in seconds, at a Julian day of
// universal time. Up to 2000 it is libnova's table; from 2000 it follows the
// values observed by the IERS to 2026, then rises linearly to the 93 s that
// Espenak and Meeus's polynomial gives for 2050 and follows that polynomial
// beyond. (libnova's own values jump by 46 s at 2011 and run a minute ahead
// of the observed ones since.)
double DeltaTSeconds(double julianDay);
