#pragma once

#include "fake_counter.h"
#include "frame_timer.h"
#include "message_box.h"
#include "scoped_settings.h"
#include "window_parts.h"
#include "xp_module.h"

#include <QImage>
#include <QObject>
#include <QPointF>
#include <QStringList>

#include <functional>
#include <memory>

// The real main window, loaded and shown, on a frame timer driven by a fake
// counter, with message boxes recorded instead of shown.
// Whether `named`, a frame read back at `ratio` device pixels a logical one,
// shows a name's text right of `from` (logical pixels) where `bare` has
// none, at the screen's pixels: as many bright pixels per logical pixel as
// the scale factor asks.
bool NameShownAt(const QImage& named, const QImage& bare, QPointF from, double ratio);

// The Sun's orange, as drawn on the view.
inline bool IsSunOrange(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) > 60 && qGreen(pixel) < 210 && qBlue(pixel) < 90;
}

class MainWindowFixture {
public:
    static constexpr std::int64_t kTicksPerSecond = 1'000'000;

    // `beforeLoad` runs on the new window before it is loaded, the place of
    // start options.
    explicit MainWindowFixture(const std::function<void(OGLWin&)>& beforeLoad = {});
    ~MainWindowFixture();

    OGLWin& Window() { return *window; }
    bool Loaded() const { return loaded; }

    // Lets `seconds` pass on the counter, then runs one pass of the loop.
    void Pass(double seconds = 0);

    // Where a point of the scene frame (the Sun is at its origin) lies on the
    // view, in the logical pixels of mouse events.
    QPointF ViewPointOf(double x, double y, double z);

    // Where the last frame that noted the places (with the names on, say)
    // drew a body, in the view's logical pixels, y down.
    QPointF DrawnAt(std::uint8_t id);

    // Moves the pointer over the view, as the window system would.
    void PointAt(QPointF position);

    // Summed brightness (r + g + b) of the square of `radius` device pixels
    // round `position` (logical pixels of the view) in a frame drawn now and
    // read back before it is shown.
    long BrightnessAt(QPointF position, int radius);

    FakeCounter counter{kTicksPerSecond};
    QStringList messages;
    ScopedSettings settings; // each window starts from no settings

private:
    MessageBoxHandler previousHandler;
    std::unique_ptr<OGLWin> window;
    bool loaded = false;
};

// A test program of the main window: each test function gets a freshly
// loaded window, which showed no message, with the pointer out of its way.
class LoadedWindowTest : public QObject {
    Q_OBJECT

protected:
    // What a test program does to each window once it is loaded.
    virtual void WindowLoaded() {}

    std::unique_ptr<MainWindowFixture> fixture;

private slots:
    void init();
    void cleanup() { fixture.reset(); }
};
