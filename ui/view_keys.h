#pragma once

#include "body_ids.h"

#include <Qt>

#include <cstdint>
#include <optional>
#include <span>

// What a key on the view does.
enum class ViewCommand : std::uint8_t {
    PanDown, // the way the arrow points: "Quadro"'s buttons
    PanUp,
    PanLeft,
    PanRight,
    TiltUp, // "Prospettiva"'s buttons
    TiltDown,
    ZoomIn, // "Zoom" one step narrower, which magnifies
    ZoomOut,
    Faster, // "Velocità" one step
    Slower,
    Choose,    // a body, as the pointer would
    Follow,    // the chosen body
    Home,      // "Vista iniziale"
    Release,   // lets a body chosen from the keyboard go
    TurnLeft,  // the scene about the orbits' axis, in a glide
    TurnRight,
};

struct ViewKey {
    int key;
    bool shift; // only with Shift held; the others whatever the modifiers
    ViewCommand command;
    std::uint8_t body = NoBody; // for Choose
};

// The view's key map, in the order it is searched.
std::span<const ViewKey> ViewKeys();

// The view's key map: the command of `key` with `modifiers`, none when it is
// not one of the view's keys.
std::optional<ViewKey> ViewKeyFor(int key, Qt::KeyboardModifiers modifiers);
