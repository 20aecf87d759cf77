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

// The moons of the planets, numbered on from the bodies so that a moon's
// number can serve as a selection name beside theirs; a type of its own, so
// that nothing indexed or switched by body id meets them.
enum MoonId : std::uint8_t {
    Io = Pluto + 1,
    Europa,
    Ganymede,
    Callisto,
    Mimas,
    Enceladus,
    Tethys,
    Dione,
    Rhea,
    Titan,
    Hyperion,
    Iapetus,
    Phobos,
    Deimos,
    Triton,
    Charon,
};
inline constexpr MoonId kFirstMoon = Io;
inline constexpr int kMoonCount = Charon - Io + 1;

// Every id of a body or a moon is below this: the size of what is indexed
// by either.
inline constexpr int kSceneBodyCount = kFirstMoon + kMoonCount;

// Whether a selection name or an id (a body's or a moon's) is a moon's.
constexpr bool IsMoonId(int id)
{
    return id >= kFirstMoon && id < kSceneBodyCount;
}
