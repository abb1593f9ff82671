// The one place where korrel talks to the BMC: every request text it sends
// or writes into fru.sh is made here (network function, command, FRU device
// ID and offset), run through ipmitool, retried while the BMC is busy, and
// its answer checked.
#pragma once

#include <cstdint>

#include "format.h"

namespace korrel {

// The FRU device a run addresses unless --fru-id names another: the BMC's
// own record, the one the server identifies itself by.
constexpr int kFruDevice = 0;
// The highest FRU device ID a request may carry: IPMI reserves 255.
constexpr int kMaxFruDevice = 254;

constexpr int kRequestSize = 255;
constexpr int kAnswerSize = 255;

// One request as ipmitool's command line, ending in a newline.
struct Request {
    char text[kRequestSize];
};

// The Write FRU Data request of one block, as a line of fru.sh; false when
// it does not fit.
bool writeRequest(int device, int block, const uint8_t *bytes, Request &out);

// A write answers with the count of bytes it stored.
constexpr const char *kWrittenLine = " 08\n";

// Reads one block of the device, retried until its answer is sound; false
// when it never was.
bool readBlock(int device, int block, uint8_t *bytes);

// Writes one block, retried until the BMC confirms all eight bytes.
bool writeBlock(int device, int block, const uint8_t *bytes);

// What a block reads back as: the bytes meant (or two reads agreeing),
// others, or nothing sound.
enum class Readback { kept, differs, unreadable };

// Reads a block read before once more, and again until a read agrees with
// an earlier one, within the retry rule: for bytes no checksum covers, so
// that a byte mis-read on the way is not taken for the device's.  bytes
// holds the first read and gets the bytes two reads agree on.
Readback rereadBlock(int device, int block, uint8_t *bytes);

// Reads a block written back.  A BMC may confirm a write it did not store
// (a write-protected EEPROM behind it, a write lost on the way), so a
// confirmation proves nothing: a block that reads back otherwise is
// written again and read again, within the retry rule, as long as the BMC
// takes the write.
Readback readBack(int device, int block, const uint8_t *bytes);

// What a device says of its size: its size in bytes, that it is addressed
// in words, or nothing sound (the request failed, or its answer is not
// exactly three hex pairs).
enum class SizeAnswer { bytes, wordAccess, unsound };
struct DeviceSize {
    SizeAnswer answer;
    int bytes;
};

// Get FRU Inventory Area Info, asked until its answer is sound.
DeviceSize askDeviceSize(int device);

// The first line of a Get FRU Inventory Area Info answer.
DeviceSize parseSizeAnswer(const char *line);

// True when a read answer carries the count 08 and eight hex data bytes.
bool responseIsSound(const char *response);

// Runs one request, its first word found on PATH as the shell would, and
// leaves the first line it prints in line (cleared by the caller).  False
// when it cannot be started, does not exit with status 0 (ipmitool exits
// non-zero when the BMC refused the request, whatever it printed before),
// or has not ended by its deadline, when it is killed with all it started.
// In a file of its own, linked into the program and not the library, so
// that fuzzers and tests can link another in its place.
bool runIpmitool(const char *command, char *line, int size);

// Runs fru.sh the same way, keeping the descriptor keep open for it (the
// run lock, so that the script still holds it should korrel be killed),
// and appends what it prints to out.  Killed when it has printed nothing
// for as long as a request may run: each write it sends prints its answer.
void runScript(const char *command, int keep, int out);

// Pauses before a request is sent again: a BMC still committing a write to
// its EEPROM answers "FRU device busy" (completion code 81h), and the
// requester is to retry after about 30 ms.  It lives with runIpmitool, which
// a test build replaces, so that a test need not wait.
void pauseBeforeRetry();

}  // namespace korrel
