#include "TimeLeft.h"

#include <cmath>

void FileTimeLeft::Start(unsigned long long nowMs) {
    *this = FileTimeLeft();
    m_started = true;
    m_startMs = nowMs;
    m_lastUpdateMs = nowMs;
}

void FileTimeLeft::Update(int permille, unsigned long long nowMs) {
    if (!m_started || nowMs < m_startMs)
        return;
    if (permille > 1000)
        permille = 1000;
    m_permille = permille;
    if (permille < kFirstEstimatePermille) {
        m_lastUpdateMs = nowMs;
        return;
    }
    // At the pace kept since the start, the rest takes this long.
    const double elapsed = (nowMs - m_startMs) / 1000.0;
    const double raw = elapsed * (1000 - permille) / permille;
    if (!m_hasEstimate) {
        m_secondsLeft = raw;
        m_hasEstimate = true;
    } else {
        double predicted = m_secondsLeft - (nowMs - m_lastUpdateMs) / 1000.0;
        if (predicted < 0)
            predicted = 0;
        m_secondsLeft = predicted + kSmoothing * (raw - predicted);
    }
    m_lastUpdateMs = nowMs;
}

double FileTimeLeft::WallPerMediaSecond(long long durationSeconds) const {
    if (!m_hasEstimate || durationSeconds <= 0 || m_permille <= 0)
        return 0.0;
    const double mediaDone = durationSeconds * (m_permille / 1000.0);
    const double elapsed = (m_lastUpdateMs - m_startMs) / 1000.0;
    return mediaDone > 0 ? elapsed / mediaDone : 0.0;
}

CString TimeLeftText(double seconds) {
    long long whole = seconds > 0 ? static_cast<long long>(std::floor(seconds + 0.5)) : 0;
    CString text;
    if (whole >= 3600)
        text.Format(L"%lld:%02lld:%02lld", whole / 3600, whole / 60 % 60, whole % 60);
    else
        text.Format(L"%02lld:%02lld", whole / 60, whole % 60);
    return text;
}

long long DurationTextSeconds(const CString& text) {
    int hours = 0, minutes = 0, seconds = 0;
    wchar_t rest = 0;
    if (swscanf(text.GetString(), L"%d:%d:%d%lc", &hours, &minutes, &seconds, &rest) != 3 || hours < 0 ||
        minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59)
        return -1;
    return (static_cast<long long>(hours) * 60 + minutes) * 60 + seconds;
}
