#pragma once

#include <QDateTime>

// The platform's system-time record: a date and a time of day in UTC.
struct SystemTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int milliseconds = 0;
    friend bool operator==(const SystemTime &, const SystemTime &) = default;
};

// The computer's clock: read in local time, set in UTC. Windows get the real
// one; tests give their own.
class SystemClock {
public:
    virtual ~SystemClock() = default;
    virtual QDateTime currentDateTime() const = 0;
    // Returns false when the platform refused the time or the right to set it.
    virtual bool setUtc(const SystemTime &utc) = 0;
};
