#include "sky_time.h"

#include "sky_moment.h"

#include <algorithm>

QDateTime SkyTime::StartMoment() const
{
    return IsReal() ? Moment() : std::clamp(SystemClock().toUTC(), EarliestSkyMoment(), LatestSkyMoment());
}

bool SkyTime::SetMoment(const QDateTime& moment)
{
    if (!Clock.SetMoment(moment)) {
        return false;
    }
    FollowingClock = false;
    return true;
}

bool SkyTime::MakeRealNow()
{
    const QDateTime now = SystemClock();
    if (SetMoment(now)) {
        return true;
    }
    Refused(Refusal::ClockOutsideSpan, now.toUTC());
    return false;
}

bool SkyTime::ChooseRate(SkyRate rate, std::uint8_t secondsPerYear)
{
    if (rate == CurrentRate) {
        return true;
    }
    if (rate != SkyRate::SpeedBar && !IsReal() && !MakeRealNow()) {
        return false;
    }
    CurrentRate = rate;
    TimeFactor = RateFactor(rate, secondsPerYear);
    FollowingClock = false;
    return true;
}

bool SkyTime::Now(std::uint8_t secondsPerYear)
{
    if (!MakeRealNow()) {
        return false;
    }
    ChooseRate(SkyRate::RealTime, secondsPerYear);
    RunsBackwards = false;
    IsPaused = false;
    FollowingClock = true;
    return true;
}

void SkyTime::SetPaused(bool paused)
{
    if (paused) {
        FollowingClock = false;
    }
    IsPaused = paused;
}

void SkyTime::SetBackwards(bool backwards)
{
    RunsBackwards = backwards;
    FollowingClock = false;
}

bool SkyTime::Step(CalendarUnit unit, int count)
{
    if (!IsReal() && !MakeRealNow()) {
        return false;
    }
    const CalendarStep step = StepCalendar(Moment(), unit, count);
    SetMoment(step.moment);
    if (step.reachedEdge) {
        StopAtEdge();
    }
    return true;
}

double SkyTime::FrameStep(double elapsed) const
{
    return (RunsBackwards ? -elapsed : elapsed) * TimeFactor;
}

void SkyTime::Advance(double step, std::uint8_t secondsPerYear, bool held)
{
    if (!IsReal() || held) {
        return;
    }
    const bool edge = FollowingClock ? !Clock.SetMoment(SystemClock()) : Clock.Advance(step, secondsPerYear);
    if (edge) {
        StopAtEdge();
    }
}

void SkyTime::StopAtEdge()
{
    SetPaused(true);
    Refused(Refusal::EdgeReached, Moment());
}
