// The bounds korrel waits out (the run lock's wait, a request's deadline,
// the pause before a request is sent again) may be shortened, never
// lengthened, by the environment: a test run then need not wait them out,
// and the program keeps one code path.
#pragma once

#include <ctime>

namespace korrel {

// The bound of a wait whose default is defaultMs milliseconds: the default,
// or the limit KORREL_WAIT_LIMIT sets when that is shorter.  The limit is
// seconds written as digits with an optional fraction ("2", "1.5",
// "0.001"), rounded up to whole milliseconds and at least 1; any other
// text, an empty one included, sets none.
long waitBoundMs(long defaultMs);

// The point ms milliseconds from now on the monotonic clock, which a change
// of the wall clock cannot move.
timespec deadlineAfterMs(long ms);

// Milliseconds left until the deadline, rounded up; 0 once it has passed.
int msLeft(const timespec &deadline);

}  // namespace korrel
