// The console protocol: every text korrel prints, and the two ways it prints
// them.  Progress texts and a few messages are written exactly; everything
// else is written as a line, with one newline added even where the text
// already ends in one.  Standard output is never flushed by hand, so output
// interleaves with child processes exactly as stdio buffering dictates.
#pragma once

namespace korrel {

namespace msg {
// Banner and closing banner.
constexpr const char *kOwner = "korrel FRU editor - Copyright (c) 2026 the korrel developers";
constexpr const char *kRule = "------------------------";
constexpr const char *kVersion = "Version 0.2 (2017/OCT/23)";
constexpr const char *kCompleted = "Command is completely!";

// Progress texts, written exactly; %s is a file name.
constexpr const char *kReadFru = "Read FRU from BMC ~";
constexpr const char *kModifyFru = "Modify FRU ~";
constexpr const char *kGot = "\nGot %s\n";
constexpr const char *kWriteFile = "Write %s ~";
constexpr const char *kParseFile = "Parser %s ~";
constexpr const char *kExecute = "Execute %s ~";
constexpr const char *kDeleteFiles = "Delete files ~";
constexpr const char *kDone = " Done.";

// Edit commands, written as lines.
constexpr const char *kRunCommand = "\n\n ---Run user's command--- \n";
constexpr const char *kWrongCommand =
    "\n\n ---wrong user's command, pls input data as below--- \n";
constexpr const char *kNoCommand =
    "\n\n ---without or wrong user's command, pls input data as below--- \n";
constexpr const char *kUsage = "usage: KORREL [Options...] <Data>\n";
constexpr const char *kOptions = "Options : ";
constexpr const char *kOnlyBsnDate =
    "\nChange MFG date to Fri Mar  1 09:00:00 2019,and keep BSN";

// Failures.  Those marked "exact" are written with nothing added.
constexpr const char *kReadFailed = "Error!!!Read FRU Failed.";  // exact
constexpr const char *kBadHeader = "Error!!!Common Header Invalid.";
constexpr const char *kInternalUse = "Error!!!Internal Use Info cannot be kept.";
// An info area that fails its checks; %s is Chassis, Board or Product.
constexpr const char *kAreaFormat = "Error!!!%s Info format invalid.\n";      // exact
constexpr const char *kAreaChecksum = "Error!!!%s Info checksum invalid.\n";  // exact
constexpr const char *kNoEndOfFields = "Error!!!%s Info no EoF.\n";        // exact
constexpr const char *kFieldPastEnd = "Error!!!%s Info field past its end.\n";  // exact
constexpr const char *kMultiRecordInvalid = "Error!!!MultiRecord Info invalid.";
constexpr const char *kMultiRecordPlace = "Error!!!MultiRecord Info not behind the other areas.";
constexpr const char *kMultiRecordPastDevice = "Error!!!MultiRecord Info runs past the device's end.";
constexpr const char *kMultiRecordTooLong = "Error!!!MultiRecord Info runs past 4096 bytes.";
constexpr const char *kDeviceTooSmall = "Error!!!FRU Device too small.";
constexpr const char *kWordAccess = "Error!!!FRU Device addressed in words.";
constexpr const char *kSharedDir = "Error!!!Working Directory writable by others.";
constexpr const char *kForeignDir = "Error!!!Working Directory owned by another user.";
constexpr const char *kLockBusy = "Error!!!Another korrel run did not end within 60 s.";
constexpr const char *kLockUnusable = "Error!!!Run Lock File unusable.";
constexpr const char *kDataTooLong = "Error!!!Data too long.";
// An edited value in an area whose language is not English, which must
// become 16-bit Unicode: not UTF-8, or more than 63 bytes so.
constexpr const char *kNotUnicode = "Error!!!Value not writable as 16-bit Unicode.";
constexpr const char *kUnknownCommand = "\nError!!!unknown command.\n";
constexpr const char *kInputFile = "Input File %s Error!!!\n";          // exact
constexpr const char *kFormat = "Input File %s Format Error!!!";        // exact
constexpr const char *kDateFormat = "MFG Date Time Format Error!!!";    // exact
constexpr const char *kValueTooLong = "Value Longer Than 63 Bytes!!!";  // exact
constexpr const char *kOutputFile = "Output File %s Error!!!\n";        // exact
constexpr const char *kWriteFailed = "Error!!!Write FRU Failed.";
// After a failed write, one of these two lines says what the BMC holds.
constexpr const char *kOldRestored =
    "The old record was written back and reads as before: the BMC holds it unchanged.";
constexpr const char *kPartOldPartNew =
    "The record is left part old, part new: do not run korrel on it. Fix the cause,\n"
    "then run sh -e ./fru.sh again or restore your saved copy (README, Safety).";
}  // namespace msg

// Why a run cannot go on: a message, and the area it names when the
// message is a format with %s; no message when nothing is wrong.
struct Problem {
    const char *message;
    const char *area;
};

void putText(const char *text);  // exactly
void putLine(const char *text);  // with one newline added
void putDone();                  // ends a progress line
void putFormat(const char *format, const char *text);  // exactly, %s filled
// A format naming its area is written exactly, any other message as a line.
void putProblem(const Problem &problem);

}  // namespace korrel
