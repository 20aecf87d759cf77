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
    const auto x = static_cast<float>(position.x());
    const auto y = static_cast<float>(position.y());
    if (!Owner.glView1_MouseDrag(x, y, event->buttons().testFlag(Qt::LeftButton))) {
        Owner.glView1_MouseMove(x, y);
    }
}

void GlView::mousePressEvent(QMouseEvent* event)
{
    if (Container != nullptr) {
        Container->setFocus(Qt::MouseFocusReason);
    }
    if (event->button() == Qt::LeftButton) {
        const QPointF position = event->position();
        Owner.glView1_MouseDown(static_cast<float>(position.x()), static_cast<float>(position.y()));
    }
    QWindow::mousePressEvent(event);
}

void GlView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QPointF position = event->position();
        Owner.glView1_MouseUp(static_cast<float>(position.x()), static_cast<float>(position.y()));
    }
    QWindow::mouseReleaseEvent(event);
}

void GlView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QPointF position = event->position();
        Owner.glView1_DblClick(static_cast<float>(position.x()), static_cast<float>(position.y()));
    }
    QWindow::mouseDoubleClickEvent(event);
}

void GlView::keyPressEvent(QKeyEvent* event)
{
    if (!Owner.glView1_KeyDown(event->key(), event->modifiers())) {
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
