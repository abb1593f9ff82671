// The console protocol: every text korrel prints, and the two ways it prints
// them.  Progress texts and a few messages are written exactly; everything
// else is written as a line, with one newline added even where the text
// already ends in one.  Standard output is never flushed by hand, so output
// interleaves with child processes exactly as stdio buffering dictates.
#pragma once

namespace korrel {

namespace msg {
// Banner and closing banner.
inline constexpr char kOwner[] = "korrel FRU editor - Copyright (c) 2026 the korrel developers";
inline constexpr char kRule[] = "------------------------";
inline constexpr char kVersion[] = "Version 0.2 (2017/OCT/23)";
inline constexpr char kCompleted[] = "Command is completely!";

// Progress texts, written exactly; %s is a file name.
inline constexpr char kReadFru[] = "Read FRU from BMC ~";
inline constexpr char kModifyFru[] = "Modify FRU ~";
inline constexpr char kGot[] = "\nGot %s\n";
inline constexpr char kWriteFile[] = "Write %s ~";
inline constexpr char kParseFile[] = "Parser %s ~";
inline constexpr char kExecute[] = "Execute %s ~";
inline constexpr char kDeleteFiles[] = "Delete files ~";
inline constexpr char kDone[] = " Done.";

// Edit commands, written as lines.
inline constexpr char kRunCommand[] = "\n\n ---Run user's command--- \n";
inline constexpr char kWrongCommand[] =
    "\n\n ---wrong user's command, pls input data as below--- \n";
inline constexpr char kNoCommand[] =
    "\n\n ---without or wrong user's command, pls input data as below--- \n";
inline constexpr char kUsage[] = "usage: KORREL [Options...] <Data>\n";
inline constexpr char kOptions[] = "Options : ";
inline constexpr char kOnlyBsnDate[] =
    "\nChange MFG date to Fri Mar  1 09:00:00 2019,and keep BSN";

// Failures.  Those marked "exact" are written with nothing added.
inline constexpr char kReadFailed[] = "Error!!!Read FRU Failed.";  // exact
inline constexpr char kBadHeader[] = "Error!!!Common Header Invalid.";
inline constexpr char kInternalUse[] = "Error!!!Internal Use Info cannot be kept.";
inline constexpr char kInternalUseMisread[] = "Error!!!Internal Use Info not read the same twice.";
// An info area that fails its checks; %s is Chassis, Board or Product.
inline constexpr char kAreaFormat[] = "Error!!!%s Info format invalid.\n";      // exact
inline constexpr char kAreaChecksum[] = "Error!!!%s Info checksum invalid.\n";  // exact
inline constexpr char kNoEndOfFields[] = "Error!!!%s Info no EoF.\n";        // exact
inline constexpr char kFieldPastEnd[] = "Error!!!%s Info field past its end.\n";  // exact
inline constexpr char kMultiRecordInvalid[] = "Error!!!MultiRecord Info invalid.";
inline constexpr char kMultiRecordPlace[] = "Error!!!MultiRecord Info not behind the other areas.";
inline constexpr char kMultiRecordPastDevice[] = "Error!!!MultiRecord Info runs past the device's end.";
inline constexpr char kMultiRecordTooLong[] = "Error!!!MultiRecord Info runs past 4096 bytes.";
inline constexpr char kDeviceTooSmall[] = "Error!!!FRU Device too small.";
inline constexpr char kWordAccess[] = "Error!!!FRU Device addressed in words.";
inline constexpr char kSharedDir[] = "Error!!!Working Directory writable by others.";
inline constexpr char kForeignDir[] = "Error!!!Working Directory owned by another user.";
inline constexpr char kStateDir[] = "Error!!!State Directory %s unusable.\n";  // exact
inline constexpr char kLockBusy[] = "Error!!!Another korrel run did not end within 60 s.";
inline constexpr char kLockUnusable[] = "Error!!!Run Lock File unusable.";
inline constexpr char kDataTooLong[] = "Error!!!Data too long.";
// An edited value in an area whose language is not English, which must
// become 16-bit Unicode: not UTF-8, or more than 63 bytes so.
inline constexpr char kNotUnicode[] = "Error!!!Value not writable as 16-bit Unicode.";
inline constexpr char kUnknownCommand[] = "\nError!!!unknown command.\n";
inline constexpr char kInputFile[] = "Input File %s Error!!!\n";          // exact
inline constexpr char kFormat[] = "Input File %s Format Error!!!";        // exact
inline constexpr char kDateFormat[] = "MFG Date Time Format Error!!!";    // exact
inline constexpr char kValueTooLong[] = "Value Longer Than 63 Bytes!!!";  // exact
inline constexpr char kOutputFile[] = "Output File %s Error!!!\n";        // exact
// The FRU device named by --fru-id: not an ID, or nothing answers as it.
inline constexpr char kBadFruId[] = "Error!!!FRU Device ID must be a decimal from 0 to 254.";
inline constexpr char kNoFruDevice[] = "Error!!!FRU Device %s not found.\n";  // exact
inline constexpr char kWriteFailed[] = "Error!!!Write FRU Failed.";
inline constexpr char kNotKept[] = "Error!!!FRU Device did not keep the data written.";
// After a failed write, one of these lines says what the BMC holds.
inline constexpr char kOldRestored[] =
    "The old record was written back and reads as before: the BMC holds it unchanged.";
inline constexpr char kPartOldPartNew[] =
    "The record is left part old, part new. Fix the cause, then run korrel again: it\n"
    "reads the record first, and finishes this write or says how to (README, Safety).";
// %s is the first block that could not be read back.
inline constexpr char kRestoreUnknown[] =
    "The old record was written back, but could not be read back from block %s on:\n"
    "what the BMC holds is not known. Fix the cause, then run korrel again: it reads\n"
    "the record first, and finishes or drops this write (README, Safety).\n";  // exact
// The journal of a write; %s is its path.
inline constexpr char kFinishEarlier[] = "Finish an earlier run's write ~";
inline constexpr char kJournalStale[] =
    "The journal of an earlier write matches neither record on the device: stale, kept aside as %s.\n";  // exact
inline constexpr char kJournalDamaged[] =
    "Error!!!FRU Record damaged; restore old.bin or new.bin of the journal %s.\n";  // exact
inline constexpr char kJournalUnusable[] = "Error!!!Journal %s unusable.\n";          // exact
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
void putFormat(const char *format, int number);        // %s filled in decimal
// A format naming its area is written exactly, any other message as a line.
void putProblem(const Problem &problem);

}  // namespace korrel
