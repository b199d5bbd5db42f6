#pragma once

#include "utilities/systemclock.h"

// The computer's real clock. Setting it asks systemd-timedated over D-Bus,
// which checks the user's right through the desktop's authorisation prompt;
// when that is not available the time is set directly, which only a
// privileged process may do.
class TimedatedClock : public SystemClock {
public:
    QDateTime currentDateTime() const override;
    bool setUtc(const SystemTime &utc) override;

    static TimedatedClock &instance();
};
