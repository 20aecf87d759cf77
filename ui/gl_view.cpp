#include "gl_view.h"

#include "ogl_module.h"
#include "ogl_win.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

GlView::GlView(OGLWin& owner) : Owner(owner)
{
    setSurfaceType(QSurface::OpenGLSurface);
    setFormat(OGLModule::ViewSurfaceFormat());
}

void GlView::exposeEvent(QExposeEvent* /*event*/)
{
    if (isExposed()) {
        Owner.glView1_Paint();
    }
}

void GlView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF position = event->position();
    Owner.glView1_MouseMove(static_cast<float>(position.x()), static_cast<float>(position.y()));
}

void GlView::mousePressEvent(QMouseEvent* event)
{
    Owner.glView1Container->setFocus(Qt::MouseFocusReason);
    QWindow::mousePressEvent(event);
}

void GlView::keyPressEvent(QKeyEvent* event)
{
    if (!Owner.glView1_KeyDown(event->key())) {
        QWindow::keyPressEvent(event);
    }
}

void GlView::wheelEvent(QWheelEvent* event)
{
    const int notches = Wheel.Add(event->angleDelta().y());
    if (notches != 0) {
        Owner.glView1_MouseWheel(notches);
    }
}
