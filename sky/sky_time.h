#pragma once

#include "planet_track.h"
#include "sky_calendar_step.h"
#include "sky_clock.h"
#include "sky_rates.h"

#include <QDateTime>

#include <cstdint>
#include <functional>

// The sky's time and its controls: the moment the planets show, whether it
// runs, backwards or at a rate of its own, "Adesso" (the system clock's
// moment, live), and the calendar steps. It knows nothing of widgets: the
// window shows its state and reports the two refusals it names.
class SkyTime {
public:
    // Why time did not do what was asked, and the moment concerned.
    enum class Refusal : std::uint8_t {
        ClockOutsideSpan, // the system clock's moment, outside the computable span
        EdgeReached,      // time stopped at this edge of the span, and paused
    };

    // The clock that "now" reads (tests put a fixed moment here).
    std::function<QDateTime()> SystemClock = &QDateTime::currentDateTimeUtc;
    // Told of each refusal as it happens.
    std::function<void(Refusal, const QDateTime&)> Refused = [](Refusal, const QDateTime&) {};

    bool IsReal() const { return Clock.IsSet(); }
    double JulianDay() const { return Clock.JulianDay(); }
    QDateTime Moment() const { return Clock.Moment(); }
    SkyRate Rate() const { return CurrentRate; }
    bool Paused() const { return IsPaused; }
    bool Backwards() const { return RunsBackwards; }
    bool FollowsSystemClock() const { return FollowingClock; }
    // Where the dialogs of time start: the sky's moment when it is real, else
    // the system clock's, kept within the span.
    QDateTime StartMoment() const;

    // Makes the sky real at `moment`, standing on its own clock from there;
    // outside the span nothing changes and the answer is false.
    bool SetMoment(const QDateTime& moment);
    // The same at the system clock's moment; refused when it lies outside.
    bool MakeRealNow();
    // Time runs at `rate` from the next frame on. A rate other than the bar's
    // makes the sky real now if it is not yet; false when that was refused.
    bool ChooseRate(SkyRate rate, std::uint8_t secondsPerYear);
    // "Adesso": the system clock's moment, forwards, running, in real time,
    // and every frame then takes the clock's moment again.
    bool Now(std::uint8_t secondsPerYear);
    // Pausing ends "Adesso": on resuming, time runs on from where it stood.
    void SetPaused(bool paused);
    void SetBackwards(bool backwards);
    // Jumps `count` calendar days, months or years, from now when the sky is
    // not real yet; running or paused as it was.
    bool Step(CalendarUnit unit, int count);

    // Seconds of animation for a frame of `elapsed` seconds: negative
    // backwards, scaled by the rate.
    double FrameStep(double elapsed) const;
    // Moves the moment by a frame's `step`, or to the system clock's moment
    // under "Adesso"; `held` (a body is picked) keeps it where it stands.
    void Advance(double step, std::uint8_t secondsPerYear, bool held);

    // The planets' places along the clock.
    PlanetTrack Track;

private:
    void StopAtEdge();

    SkyClock Clock;
    SkyRate CurrentRate = SkyRate::SpeedBar;
    double TimeFactor = 1; // the frame time's factor for the rate
    bool IsPaused = false;
    bool RunsBackwards = false;
    bool FollowingClock = false;
};
