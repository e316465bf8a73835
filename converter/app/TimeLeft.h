// How long a conversion has left, estimated from the encoder's position and
// the wall clock: for the file being converted (shown beside its percentage)
// and for the whole batch (the progress bar's tip). Pure arithmetic over
// times in milliseconds, so that it can be checked without a clock.
#pragma once

#include <afx.h>

#include <string>

class FileTimeLeft {
public:
    // No estimate before this much of the file is done: the encoder's start
    // and its first status lines say little about its pace.
    static constexpr int kFirstEstimatePermille = 20;
    // Share of a new reading taken into the shown estimate; the rest is the
    // previous estimate counted down by the time that passed. Keeps the
    // figure from jumping with every status line.
    static constexpr double kSmoothing = 0.25;

    // The file's encoder starts now.
    void Start(unsigned long long nowMs);
    // The position reached (permille of the file) at nowMs.
    void Update(int permille, unsigned long long nowMs);
    bool Started() const { return m_started; }
    bool HasEstimate() const { return m_hasEstimate; }
    // The smoothed estimate as of the last Update, in seconds.
    double SecondsLeft() const { return m_secondsLeft; }
    // Wall seconds the encoder needs per second of the file, once known.
    double WallPerMediaSecond(long long durationSeconds) const;

private:
    bool m_started = false;
    bool m_hasEstimate = false;
    unsigned long long m_startMs = 0;
    unsigned long long m_lastUpdateMs = 0;
    int m_permille = 0;
    double m_secondsLeft = 0.0;
};

// Seconds as "mm:ss" (minutes beyond 59 as "h:mm:ss"), rounded to the
// nearest second; negative values count as 0.
CString TimeLeftText(double seconds);

// A duration text "hh:mm:ss" (the list's "Duration" column) in seconds; -1
// when it is not of that form.
long long DurationTextSeconds(const CString& text);
