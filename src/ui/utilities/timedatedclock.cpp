#include "utilities/timedatedclock.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QTimeZone>

#include <ctime>

namespace {

// The authorisation prompt waits for the user: give it time.
constexpr int promptTimeoutMs = 120000;

bool setWithTimedated(qint64 microseconds) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("/org/freedesktop/timedate1"),
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("SetTime"));
    call << QVariant::fromValue(microseconds) << false << true; // absolute, interactive
    call.setInteractiveAuthorizationAllowed(true);
    const QDBusMessage reply = bus.call(call, QDBus::Block, promptTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage;
}

bool setDirectly(qint64 microseconds) {
    timespec ts{};
    ts.tv_sec = time_t(microseconds / 1000000);
    ts.tv_nsec = long(microseconds % 1000000) * 1000;
    return clock_settime(CLOCK_REALTIME, &ts) == 0;
}

} // namespace

QDateTime TimedatedClock::currentDateTime() const {
    return QDateTime::currentDateTime();
}

bool TimedatedClock::setUtc(const SystemTime &utc) {
    const QDateTime when(QDate(utc.year, utc.month, utc.day),
                         QTime(utc.hour, utc.minute, utc.second, utc.milliseconds),
                         QTimeZone::utc());
    if (!when.isValid())
        return false;
    const qint64 microseconds = when.toMSecsSinceEpoch() * 1000;
    return setWithTimedated(microseconds) || setDirectly(microseconds);
}

TimedatedClock &TimedatedClock::instance() {
    static TimedatedClock clock;
    return clock;
}
