// Reading the FRU record from the BMC, one 8-byte block per request, and
// decoding the chassis, board and product areas into the field values.
#pragma once

#include "runstate.h"

namespace korrel {

// A response line reads " 08 b0 b1 ... b7": the count at positions 1 and 2,
// data byte k at positions 3k+4 and 3k+5.
constexpr int kCountPos = 1;
constexpr int dataPos(int k)
{
    return 3 * k + 4;
}

// Data byte k of a response line that passed the response check.
uint8_t dataByte(const char *response, int k);

// The read phase.  Returns false after printing its message when the run
// must end.
bool readFruFromBmc(RunState &st);

// Runs one read command and leaves the first line it prints in response
// (cleared by the caller).  Returns false when the command cannot be started
// or does not exit with status 0.
// It is the one place that talks to ipmitool on the read side, in a file of
// its own so that fuzzers and tests can link another in its place.
bool runReadCommand(const char *command, char *response, int size);

// True when a response line carries the count 08 and eight hex data bytes.
bool responseIsSound(const char *response);

// What a device says of its size: its size in bytes, that it is addressed
// in words, or nothing sound (the request failed, or its answer is not
// exactly three hex pairs).
enum class SizeAnswer { bytes, wordAccess, unsound };
struct DeviceSize {
    SizeAnswer answer;
    int bytes;
};

// Reads the first line of a Get FRU Inventory Area Info answer.
DeviceSize parseSizeAnswer(const char *line);

// True when the new image fits the device.  The blocks read are known to
// exist; for an image that goes past them the device is asked its size, and
// one that cannot tell counts as too small, since a write stopped at the
// device's end would leave a new header over a cut-off record, and one
// addressed in words is refused.  Prints its
// message when it returns false.
bool deviceHoldsImage(RunState &st);

// Decodes one block of the record; the cursor is at data byte 0.  Returns
// false after printing the area's message when an area lacks its end marker.
bool decodeFruBlock(RunState &st, int block, const char *response);

}  // namespace korrel
