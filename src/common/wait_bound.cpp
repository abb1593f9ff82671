#include "wait_bound.h"

#include <cstdlib>

namespace korrel {

namespace {

constexpr const char *kWaitLimitVar = "KORREL_WAIT_LIMIT";
constexpr long kMsPerSecond = 1000;
constexpr long kNsPerMs = 1000L * 1000;
constexpr long kNsPerSecond = kMsPerSecond * kNsPerMs;
// Longer than any bound korrel has; a longer limit counts as this, so that
// no number of digits can overflow.
constexpr long kLongestLimitSeconds = 1000000;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The limit in milliseconds, or 0 for none: no text, or text that is not
// digits with an optional fraction.  A sign, an exponent or a blank is not
// taken: a value korrel cannot read leaves every bound as it is rather than
// guess at one.
long limitMs(const char *text)
{
    if (text == nullptr || !isDigit(*text))
        return 0;
    long seconds = 0;
    for (; isDigit(*text); ++text)
        if ((seconds = seconds * 10 + (*text - '0')) > kLongestLimitSeconds)
            seconds = kLongestLimitSeconds;
    long ms = seconds * kMsPerSecond;
    if (*text == '.' && !isDigit(*++text))
        return 0;
    bool rest = false;  // a part of a millisecond, which rounds up
    for (long unit = kMsPerSecond / 10; isDigit(*text); ++text, unit /= 10) {
        ms += unit * (*text - '0');
        rest = rest || (unit == 0 && *text != '0');
    }
    if (*text != '\0')
        return 0;
    return rest || ms == 0 ? ms + 1 : ms;
}

}  // namespace

long waitBoundMs(long defaultMs)
{
    const long limit = limitMs(std::getenv(kWaitLimitVar));
    return limit > 0 && limit < defaultMs ? limit : defaultMs;
}

timespec deadlineAfterMs(long ms)
{
    timespec at;
    clock_gettime(CLOCK_MONOTONIC, &at);
    at.tv_sec += ms / kMsPerSecond;
    at.tv_nsec += ms % kMsPerSecond * kNsPerMs;
    if (at.tv_nsec >= kNsPerSecond) {
        at.tv_sec += 1;
        at.tv_nsec -= kNsPerSecond;
    }
    return at;
}

int msLeft(const timespec &deadline)
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    long ns = (deadline.tv_sec - now.tv_sec) * kNsPerSecond + (deadline.tv_nsec - now.tv_nsec);
    return ns <= 0 ? 0 : static_cast<int>((ns + kNsPerMs - 1) / kNsPerMs);
}

}  // namespace korrel
