#include "view_keys.h"

#include <algorithm>
#include <array>

namespace {

// The keys with Shift come first, so that they win over the plain ones.
constexpr std::array kViewKeys{
    ViewKey{Qt::Key_Left, true, ViewCommand::TurnLeft},
    ViewKey{Qt::Key_Right, true, ViewCommand::TurnRight},
    ViewKey{Qt::Key_Down, false, ViewCommand::PanDown},
    ViewKey{Qt::Key_Up, false, ViewCommand::PanUp},
    ViewKey{Qt::Key_Left, false, ViewCommand::PanLeft},
    ViewKey{Qt::Key_Right, false, ViewCommand::PanRight},
    ViewKey{Qt::Key_PageUp, false, ViewCommand::TiltUp},
    ViewKey{Qt::Key_PageDown, false, ViewCommand::TiltDown},
    ViewKey{Qt::Key_Plus, false, ViewCommand::ZoomIn},
    ViewKey{Qt::Key_Minus, false, ViewCommand::ZoomOut},
    ViewKey{Qt::Key_Greater, false, ViewCommand::Faster},
    ViewKey{Qt::Key_Less, false, ViewCommand::Slower},
    ViewKey{Qt::Key_0, false, ViewCommand::Choose, Sun},
    ViewKey{Qt::Key_1, false, ViewCommand::Choose, Mercury},
    ViewKey{Qt::Key_2, false, ViewCommand::Choose, Venus},
    ViewKey{Qt::Key_3, false, ViewCommand::Choose, Earth},
    ViewKey{Qt::Key_4, false, ViewCommand::Choose, Mars},
    ViewKey{Qt::Key_5, false, ViewCommand::Choose, Jupiter},
    ViewKey{Qt::Key_6, false, ViewCommand::Choose, Saturn},
    ViewKey{Qt::Key_7, false, ViewCommand::Choose, Uranus},
    ViewKey{Qt::Key_8, false, ViewCommand::Choose, Neptune},
    ViewKey{Qt::Key_9, false, ViewCommand::Choose, Pluto},
    ViewKey{Qt::Key_L, false, ViewCommand::Choose, Moon},
    ViewKey{Qt::Key_Return, false, ViewCommand::Follow},
    ViewKey{Qt::Key_Enter, false, ViewCommand::Follow},
    ViewKey{Qt::Key_Home, false, ViewCommand::Home},
    ViewKey{Qt::Key_Escape, false, ViewCommand::Release},
};

} // namespace

std::span<const ViewKey> ViewKeys()
{
    return kViewKeys;
}

std::optional<ViewKey> ViewKeyFor(int key, Qt::KeyboardModifiers modifiers)
{
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const auto* found = std::find_if(kViewKeys.begin(), kViewKeys.end(),
                                     [&](const ViewKey& entry) { return entry.key == key && (shift || !entry.shift); });
    if (found == kViewKeys.end()) {
        return std::nullopt;
    }
    return *found;
}
