#pragma once

#include "body_ids.h"
#include "scene_state.h"

#include <GL/gl.h>

#include <array>
#include <memory>

class QOpenGLShaderProgram;

// Draws the Earth and the Moon of the true sky with their day and night and
// the shadows of eclipses: each point of the drawn sphere stands for the
// point of the real body, and is lit by the share of the Sun's disc that the
// other body leaves it. The program is compiled at its first use, in the
// current context; where it cannot be, the bodies are drawn as before and
// one line on standard error says so.
class EclipseShading {
public:
    EclipseShading();
    ~EclipseShading();
    EclipseShading(const EclipseShading&) = delete;
    EclipseShading& operator=(const EclipseShading&) = delete;

    // Notes the current model-view matrix as the scene frame's.
    void MarkSceneFrame();

    // Binds the program for the Earth or the Moon, drawn in the current
    // model-view frame; false, with nothing bound, where there is none.
    bool Begin(const SkyPlacement& real, BodyId body);
    void End();

private:
    bool Compile();
    std::unique_ptr<QOpenGLShaderProgram> Program;
    bool Failed = false;
    std::array<GLdouble, 16> SceneFrame{};
};
