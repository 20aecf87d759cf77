#pragma once

#include <cstdint>

// Each body's number: the index of its angles in the scene state, its OpenGL
// selection name and the value of the main window's selection.
enum BodyId : std::uint8_t {
    NoBody = 0,
    Sun = 1,
    Mercury = 2,
    Venus = 3,
    Earth = 4,
    Moon = 5,
    Mars = 6,
    Jupiter = 7,
    Saturn = 8,
    Uranus = 9,
    Neptune = 10,
    Pluto = 11,
};
