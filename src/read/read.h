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
// It is the one place where korrel itself talks to ipmitool (its own writes
// after a stopped fru.sh included), in a file of its own so that fuzzers and
// tests can link another in its place.
bool runReadCommand(const char *command, char *response, int size);

// Pauses before a request is sent again: a BMC still committing a write to
// its EEPROM answers "FRU device busy" (completion code 81h), and the
// requester is to retry after about 30 ms.  It lives with runReadCommand,
// which a test build replaces, so that a test need not wait.
void pauseBeforeRetry();

// Runs command until isSound accepts its first line, five times at most
// with a pause between: a busy BMC or a lost LAN packet must not end an
// edit that would work a moment later.  Leaves the last line in response.
bool requestUntilSound(const char *command, char *response, int size,
                       bool (*isSound)(const char *response));

// True when a response line carries the count 08 and eight hex data bytes.
bool responseIsSound(const char *response);

// Reads one block of the device into the run state's response line, retried
// as above; false when it never gave a sound answer.
bool requestBlock(RunState &st, int block);

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
// exist; for an image that goes past them the device is asked its size
// (unless the read already did), and one that cannot tell counts as too
// small, since a write stopped at the device's end would leave a new header
// over a cut-off record; one addressed in words is refused.  Prints its
// message when it returns false.
bool deviceHoldsImage(RunState &st);

// The device's size (Get FRU Inventory Area Info), asked until its answer
// is sound, five times at most.
DeviceSize askDeviceSize(RunState &st);

// Decodes the info areas of the record read, whose versions and lengths
// the read has checked: each must sum to zero and hold its fields and end
// marker before its checksum byte.
// Returns false after printing the area's message when one is not sound.
bool decodeFruRecord(RunState &st);

}  // namespace korrel
