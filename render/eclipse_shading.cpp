#include "eclipse_shading.h"

#include "eclipse_figures.h"
#include "texts_app.h"

#include <QMatrix3x3>
#include <QMatrix4x4>
#include <QOpenGLShaderProgram>

#include <cstdio>

namespace {

// Sphere normals into the scene frame, and the map's coordinates through.
constexpr const char* kVertexShader = R"(#version 120
uniform mat3 sceneFromModel;
varying vec3 normalInScene;
void main()
{
    normalInScene = sceneFromModel * gl_Normal;
    gl_TexCoord[0] = gl_MultiTexCoord0;
    gl_FrontColor = gl_Color;
    gl_Position = ftransform();
}
)";

// Distances in Earth radii, from the Earth's centre, in the scene frame.
// The Sun's light at a point of the body is the share of its disc that the
// blocker (the Moon for the Earth, the Earth widened by its air for the
// Moon) leaves uncovered; the light bent through the Earth's air reddens
// what its full shadow covers.
constexpr const char* kFragmentShader = R"(#version 120
uniform sampler2D map;
uniform vec3 centre;
uniform float radius;
uniform vec3 sun;
uniform float sunRadius;
uniform vec3 blocker;
uniform float blockerRadius;
uniform vec3 shadowGlow;
varying vec3 normalInScene;

// The share of a disc of angular radius a that one of radius b, their
// centres d apart, covers.
float Covered(float a, float b, float d)
{
    if (d >= a + b) {
        return 0.0;
    }
    if (d <= abs(a - b)) {
        return min(b * b / (a * a), 1.0);
    }
    float alpha = acos(clamp((d * d + a * a - b * b) / (2.0 * d * a), -1.0, 1.0));
    float beta = acos(clamp((d * d + b * b - a * a) / (2.0 * d * b), -1.0, 1.0));
    float lens = a * a * (alpha - 0.5 * sin(2.0 * alpha)) + b * b * (beta - 0.5 * sin(2.0 * beta));
    return lens / (3.14159265 * a * a);
}

void main()
{
    vec3 n = normalize(normalInScene);
    vec3 ground = centre + n * radius;
    vec3 toSun = sun - ground;
    vec3 toBlocker = blocker - ground;
    float sunDistance = length(toSun);
    float blockerDistance = length(toBlocker);
    vec3 sunWay = toSun / sunDistance;
    float sunDisc = asin(sunRadius / sunDistance);
    float blockerDisc = asin(min(blockerRadius / blockerDistance, 1.0));
    float apart = 2.0 * asin(min(0.5 * length(sunWay - toBlocker / blockerDistance), 1.0));
    float sunlight = 1.0 - Covered(sunDisc, blockerDisc, apart);
    float day = max(dot(n, sunWay), 0.0);
    vec3 light = vec3(0.15) + 1.05 * day * (vec3(sunlight) + (1.0 - sunlight) * shadowGlow);
    vec4 texel = texture2D(map, gl_TexCoord[0].st);
    gl_FragColor = vec4(texel.rgb * gl_Color.rgb * light, 1.0);
}
)";

constexpr double kSunRadius = kSunRadiusKm / kEarthRadiusKm;
constexpr double kMoonRadius = kMoonRadiusKm / kEarthRadiusKm;
constexpr double kEarthShadowRadius = kEarthShadowEnlargement;

QVector3D Single(const Vector3& v)
{
    return {static_cast<float>(v[0]), static_cast<float>(v[1]), static_cast<float>(v[2])};
}

// The turn from a frame of model-view matrix `model` into the scene frame
// of model-view matrix `scene` (both without scaling).
QMatrix3x3 TurnInto(const std::array<GLdouble, 16>& scene, const std::array<GLdouble, 16>& model)
{
    const auto single = [](const std::array<GLdouble, 16>& m) {
        QMatrix4x4 matrix;
        for (int i = 0; i < 16; ++i) {
            matrix.data()[i] = static_cast<float>(m[static_cast<std::size_t>(i)]);
        }
        return matrix;
    };
    return (single(scene).inverted() * single(model)).toGenericMatrix<3, 3>();
}

} // namespace

EclipseShading::EclipseShading() = default;
EclipseShading::~EclipseShading() = default;

void EclipseShading::MarkSceneFrame()
{
    glGetDoublev(GL_MODELVIEW_MATRIX, SceneFrame.data());
}

bool EclipseShading::Compile()
{
    auto program = std::make_unique<QOpenGLShaderProgram>();
    if (!program->addShaderFromSourceCode(QOpenGLShader::Vertex, kVertexShader) ||
        !program->addShaderFromSourceCode(QOpenGLShader::Fragment, kFragmentShader) || !program->link()) {
        std::fputs(qPrintable(MessageText::NoEclipseShadows(program->log().trimmed())), stderr);
        return false;
    }
    Program = std::move(program);
    return true;
}

bool EclipseShading::Begin(const SkyPlacement& real, BodyId body)
{
    if (!Program && !Failed) {
        Failed = !Compile();
    }
    if (!Program || !Program->bind()) {
        return false;
    }
    std::array<GLdouble, 16> model{};
    glGetDoublev(GL_MODELVIEW_MATRIX, model.data());
    const bool earth = body == Earth;
    Program->setUniformValue("sceneFromModel", TurnInto(SceneFrame, model));
    Program->setUniformValue("map", 0);
    Program->setUniformValue("centre", earth ? QVector3D() : Single(real.moonFromEarth));
    Program->setUniformValue("radius", static_cast<GLfloat>(earth ? 1 : kMoonRadius));
    Program->setUniformValue("sun", Single(real.sunFromEarth));
    Program->setUniformValue("sunRadius", static_cast<GLfloat>(kSunRadius));
    Program->setUniformValue("blocker", earth ? Single(real.moonFromEarth) : QVector3D());
    Program->setUniformValue("blockerRadius", static_cast<GLfloat>(earth ? kMoonRadius : kEarthShadowRadius));
    Program->setUniformValue("shadowGlow", earth ? QVector3D() : QVector3D(0.32F, 0.08F, 0.03F));
    return true;
}

void EclipseShading::End()
{
    Program->release();
}
