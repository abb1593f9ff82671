// Stand-in for `ipmitool raw` talking to a BMC, reduced to what korrel uses:
// Read and Write FRU Data (and Get FRU Inventory Area Info) on the BMC's FRU
// devices. Device 0's bytes live in the file named by FRUSIM_IMAGE, device
// N's (1 to 254) in the file named by FRUSIM_IMAGE_N (FRUSIM_IMAGE_3 for
// device 3); each device is exactly as large as its file, and a device
// whose variable is unset or empty is absent. Its answers, refusals
// included, are those the real ipmitool prints talking to OpenIPMI's
// ipmi_sim, which answers every request to an absent device with completion
// code CCh. It also knows ipmitool's own `fru read N FILE`, `fru write N
// FILE` and `[-v] fru print N`, with which an operator saves, restores and
// looks at a record, as ipmitool 1.8.19 does them against ipmi_sim. Requests
// to every device can be logged to FRUSIM_LOG, and because each run is a
// fresh process, the log is also what lets a test pick "the k-th read" or
// "the k-th write" of a korrel run and make it fail, answer oddly, flip a
// bit, confirm a write it does not store, or never answer.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <unistd.h>

namespace {

constexpr int kNetFnStorage = 0x0A;
constexpr int kCmdFruInfo = 0x10;
constexpr int kCmdReadFruData = 0x11;
constexpr int kCmdWriteFruData = 0x12;
// IPMI reserves FRU device ID 255.
constexpr int kMaxFruDevice = 254;
constexpr int kVariableSize = 32;
// ipmi_sim answers at most this many FRU bytes per read: its response buffer
// holds 36 bytes with the completion code and the count.
constexpr int kMaxReadCount = 34;
// Request data ahead of the FRU bytes: device id, offset LSB, offset MSB.
constexpr int kAddressBytes = 3;
// ipmitool takes at most 256 bytes after "raw": netfn, cmd and the data.
constexpr int kMaxRequestData = 254;
// Bytes printed a line in a response, as ipmitool prints them.
constexpr int kValuesPerLine = 16;
constexpr int kLogLineSize = 4096;
// FRU offsets are 16 bits wide.
constexpr long kMaxDeviceSize = 65536;
constexpr int kBlockSize = 8;
constexpr unsigned char kEndOfFields = 0xC1;
constexpr int kLengthMask = 0x3F;
constexpr int kTypeShift = 6;
constexpr int kTextType = 3;  // 8-bit text, the only type fru print shows here

// Completion codes, with the text real ipmitool prints for each.
struct Refusal {
  int code;
  const char *text;
};
constexpr Refusal kInvalidCommand = {0xC1, "Invalid command"};
constexpr Refusal kBadLength = {0xC7, "Request data length invalid"};
constexpr Refusal kLengthLimit = {0xC8, "Request data field length limit exceeded"};
constexpr Refusal kOutOfRange = {0xC9, "Parameter out of range"};
constexpr Refusal kInvalidField = {0xCC, "Invalid data field in request"};
constexpr Refusal kUnspecified = {0xFF, "Unspecified error"};
constexpr Refusal kInjected = {0xC0, "Node busy"};

enum RequestKind { kOtherRequest, kInfoRequest, kReadRequest, kWriteRequest };

struct Request {
  int netfn;
  int cmd;
  int ndata;
  unsigned char data[kMaxRequestData];
};

// Only a "0x" prefix and one or two hex digits: korrel never sends anything
// else, so accepting more would hide a malformed command line. (ipmitool
// itself also takes decimal and octal numbers and more leading zeros.)
bool parseHexByte(const char *s, int *out) {
  if (s[0] != '0' || (s[1] != 'x' && s[1] != 'X')) return false;
  int value = 0;
  int digits = 0;
  for (const char *p = s + 2; *p; ++p, ++digits) {
    int d;
    if (*p >= '0' && *p <= '9') d = *p - '0';
    else if (*p >= 'a' && *p <= 'f') d = *p - 'a' + 10;
    else if (*p >= 'A' && *p <= 'F') d = *p - 'A' + 10;
    else return false;
    value = value * 16 + d;
  }
  if (digits < 1 || digits > 2) return false;
  *out = value;
  return true;
}

RequestKind kindOf(int netfn, int cmd) {
  if (netfn != kNetFnStorage) return kOtherRequest;
  if (cmd == kCmdFruInfo) return kInfoRequest;
  if (cmd == kCmdReadFruData) return kReadRequest;
  if (cmd == kCmdWriteFruData) return kWriteRequest;
  return kOtherRequest;
}

bool parseRequest(int argc, char **argv, Request *rq) {
  if (argc < 2 || strcmp(argv[1], "raw") != 0) {
    fprintf(stderr, "ipmitool: only 'raw <netfn> <cmd> [data]' and 'fru' are emulated\n");
    return false;
  }
  if (argc < 4) {
    fprintf(stderr, "Not enough parameters given.\n");
    return false;
  }
  if (argc - 4 > kMaxRequestData) {
    fprintf(stderr, "Raw command input limit (256 bytes) exceeded\n");
    return false;
  }
  rq->ndata = argc - 4;
  for (int i = 2; i < argc; ++i) {
    int value;
    if (!parseHexByte(argv[i], &value)) {
      fprintf(stderr, "Given data \"%s\" is invalid.\n", argv[i]);
      return false;
    }
    if (i == 2) rq->netfn = value;
    else if (i == 3) rq->cmd = value;
    else rq->data[i - 4] = static_cast<unsigned char>(value);
  }
  return true;
}

int refuse(const Request &rq, const Refusal &why) {
  fprintf(stderr, "Unable to send RAW command (channel=0x0 netfn=0x%x lun=0x0 cmd=0x%x rsp=0x%x): %s\n",
          rq.netfn, rq.cmd, why.code, why.text);
  return 1;
}

bool logInvocation(const char *path, int argc, char **argv) {
  FILE *f = fopen(path, "a");
  if (!f) {
    fprintf(stderr, "ipmitool: cannot append to FRUSIM_LOG %s\n", path);
    return false;
  }
  for (int i = 1; i < argc; ++i) fprintf(f, "%s%s", i > 1 ? " " : "", argv[i]);
  fputc('\n', f);
  return fclose(f) == 0;
}

RequestKind kindOfLogLine(char *line) {
  const char *raw = strtok(line, " \n");
  const char *netfn = strtok(nullptr, " \n");
  const char *cmd = strtok(nullptr, " \n");
  int n, c;
  if (!raw || !netfn || !cmd || strcmp(raw, "raw") != 0) return kOtherRequest;
  if (!parseHexByte(netfn, &n) || !parseHexByte(cmd, &c)) return kOtherRequest;
  return kindOf(n, c);
}

// The log already holds this invocation, so the request's own 0-based index
// among its kind is one less than the count of that kind.
long indexInLog(const char *path, RequestKind kind) {
  FILE *f = fopen(path, "r");
  if (!f) return -1;
  char line[kLogLineSize];
  long count = 0;
  bool lineStart = true;
  while (fgets(line, sizeof line, f)) {
    bool wasStart = lineStart;
    lineStart = strchr(line, '\n') != nullptr;
    if (wasStart && kindOfLogLine(line) == kind) ++count;
  }
  fclose(f);
  return count - 1;
}

// A fault variable holds "k", "k-" (the k-th request and every later one),
// "k:REST" or "k-:REST"; faultsValid has vetted its shape.
bool faultTargets(const char *name, long index, const char **rest) {
  const char *value = getenv(name);
  if (!value || !*value) return false;
  char *end;
  long k = strtol(value, &end, 10);
  bool onward = *end == '-';
  if (rest) *rest = end + 1 + onward;
  return k == index || (onward && index > k);
}

// ipmitool prints a response's bytes 16 to a line, each line led by a blank.
void printResponse(const unsigned char *bytes, int n) {
  const char *upper = getenv("FRUSIM_UPPERCASE");
  const char *format = upper && strcmp(upper, "1") == 0 ? " %02X" : " %02x";
  for (int i = 0; i < n; ++i) {
    if (i > 0 && i % kValuesPerLine == 0) printf("\n");
    printf(format, bytes[i]);
  }
  printf("\n");
}

// dev is null for an absent device.
int serveInfo(const Request &rq, FILE *dev, long size, long index) {
  if (rq.ndata < 1) return refuse(rq, kBadLength);
  if (!dev) return refuse(rq, kInvalidField);
  if (faultTargets("FRUSIM_FAIL_INFO", index, nullptr)) return refuse(rq, kInjected);
  const char *text;
  if (faultTargets("FRUSIM_INFO_LINE", index, &text)) {
    printf("%s\n", text);
    return 0;
  }
  // Size LSB first, then the access byte: 0, the device is addressed in bytes.
  const unsigned char answer[] = {static_cast<unsigned char>(size & 0xFF),
                                  static_cast<unsigned char>((size >> 8) & 0xFF), 0};
  printResponse(answer, sizeof answer);
  return 0;
}

// Bytes past the request's first four are ignored, as ipmi_sim does.
int serveRead(const Request &rq, FILE *dev, long size, long index) {
  if (rq.ndata < kAddressBytes + 1) return refuse(rq, kBadLength);
  if (!dev) return refuse(rq, kInvalidField);
  if (faultTargets("FRUSIM_FAIL_READ", index, nullptr)) return refuse(rq, kInjected);
  const char *text;
  if (faultTargets("FRUSIM_READ_LINE", index, &text)) {
    printf("%s\n", text);
    return 0;
  }
  long offset = rq.data[1] + 256L * rq.data[2];
  long count = rq.data[3];
  // ipmi_sim cuts the count at the device's end without first checking the
  // offset: from the end up to two bytes past it nothing is left to read
  // and the read fails; further on the count wraps round and is too large.
  if (offset + count > size) count = size - offset;
  if (count < -2 || count > kMaxReadCount) return refuse(rq, kLengthLimit);
  if (count <= 0) return refuse(rq, kUnspecified);
  unsigned char bytes[1 + kMaxReadCount];
  bytes[0] = static_cast<unsigned char>(count);
  if (fseek(dev, offset, SEEK_SET) != 0 || fread(bytes + 1, 1, count, dev) != static_cast<size_t>(count)) {
    fprintf(stderr, "ipmitool: cannot read FRUSIM_IMAGE\n");
    return 1;
  }
  // A bit flipped on the way, a different one in each read: by the read's
  // index, bit index % 8 of data byte index / 8.
  if (faultTargets("FRUSIM_READ_FLIP", index, nullptr))
    bytes[1 + index / kBlockSize % count] ^= static_cast<unsigned char>(1 << index % kBlockSize);
  printResponse(bytes, 1 + static_cast<int>(count));
  return 0;
}

int serveWrite(const Request &rq, FILE *dev, long size, long index) {
  if (rq.ndata < kAddressBytes) return refuse(rq, kBadLength);
  int count = rq.ndata - kAddressBytes;
  if (!dev) return refuse(rq, kInvalidField);
  if (faultTargets("FRUSIM_FAIL_WRITE", index, nullptr)) return refuse(rq, kInjected);
  long offset = rq.data[1] + 256L * rq.data[2];
  // A device whose blocks from FRUSIM_FAIL_WRITE_BLOCK on cannot be written.
  const char *from = getenv("FRUSIM_FAIL_WRITE_BLOCK");
  if (from && *from && offset >= kBlockSize * strtol(from, nullptr, 10)) return refuse(rq, kInjected);
  if (offset >= size) return refuse(rq, kOutOfRange);
  if (offset + count > size) return refuse(rq, kLengthLimit);
  if (count == 0) return refuse(rq, kUnspecified);
  const char *shortCount;
  if (faultTargets("FRUSIM_WRITE_COUNT", index, &shortCount)) {
    long stored = strtol(shortCount, nullptr, 16);
    if (stored > count) {
      fprintf(stderr, "ipmitool: FRUSIM_WRITE_COUNT exceeds the %d bytes of this write\n", count);
      return 1;
    }
    count = static_cast<int>(stored);
  }
  // A write-protected EEPROM behind a BMC that still answers 00h: the write
  // is acknowledged whole and nothing is stored.
  if (faultTargets("FRUSIM_LOSE_WRITE", index, nullptr)) {
    printf(" %02x\n", count);
    return 0;
  }
  if (fseek(dev, offset, SEEK_SET) != 0 || fwrite(rq.data + kAddressBytes, 1, count, dev) != static_cast<size_t>(count) ||
      fflush(dev) != 0) {
    fprintf(stderr, "ipmitool: cannot write FRUSIM_IMAGE\n");
    return 1;
  }
  printf(" %02x\n", count);
  return 0;
}

// A typo in a fault variable must stop the test, not quietly inject nothing.
// Those that pick a request count requests through the log, so they need one.
bool faultsValid(const char *logPath) {
  enum Shape { kIndex, kIndexText, kIndexHex, kNumber };
  struct FaultVar {
    const char *name;
    Shape shape;
  };
  static const FaultVar kFaultVars[] = {{"FRUSIM_FAIL_INFO", kIndex},
                                        {"FRUSIM_FAIL_READ", kIndex},
                                        {"FRUSIM_FAIL_WRITE", kIndex},
                                        {"FRUSIM_LOSE_WRITE", kIndex},
                                        {"FRUSIM_HANG_READ", kIndex},
                                        {"FRUSIM_HANG_WRITE", kIndex},
                                        {"FRUSIM_INFO_LINE", kIndexText},
                                        {"FRUSIM_READ_FLIP", kIndex},
                                        {"FRUSIM_READ_LINE", kIndexText},
                                        {"FRUSIM_WRITE_COUNT", kIndexHex},
                                        {"FRUSIM_FAIL_WRITE_BLOCK", kNumber},
                                        {"FRUSIM_DELAY_MS", kNumber}};
  static const char *const kForms[] = {"k or k-", "k:TEXT or k-:TEXT", "k:NN or k-:NN", "a number"};
  for (const FaultVar &var : kFaultVars) {
    const char *value = getenv(var.name);
    if (!value || !*value) continue;
    char *end;
    strtol(value, &end, 10);
    bool ok = value[0] >= '0' && value[0] <= '9';
    if (var.shape == kIndex) ok = ok && (*end == '\0' || (end[0] == '-' && end[1] == '\0'));
    else if (var.shape == kNumber) ok = ok && *end == '\0';
    else ok = ok && (*end == ':' || (end[0] == '-' && end[1] == ':'));
    if (ok && var.shape == kIndexHex) {
      const char *nn = end + 1 + (*end == '-');
      size_t digits = strspn(nn, "0123456789abcdefABCDEF");
      ok = digits >= 1 && digits <= 2 && nn[digits] == '\0';
    }
    if (!ok || (!logPath && var.shape != kNumber)) {
      fprintf(stderr, "ipmitool: %s=%s needs the form %s and FRUSIM_LOG set\n", var.name, value,
              kForms[var.shape]);
      return false;
    }
  }
  return true;
}

// Device id's file, opened for update, and its size. nullptr with absent set
// for a device the BMC does not have; nullptr after saying why not when the
// file cannot be used. Device 0 is always there: a test that names no
// FRUSIM_IMAGE is broken.
FILE *openDevice(int id, long *size, bool *absent) {
  char name[kVariableSize];
  snprintf(name, sizeof name, id == 0 ? "FRUSIM_IMAGE" : "FRUSIM_IMAGE_%d", id);
  const char *imagePath = id <= kMaxFruDevice ? getenv(name) : nullptr;
  *absent = id != 0 && (!imagePath || !*imagePath);
  if (*absent) return nullptr;
  FILE *dev = imagePath ? fopen(imagePath, "r+b") : nullptr;
  if (!dev) {
    fprintf(stderr, "ipmitool: %s %s cannot be opened\n", name, imagePath ? imagePath : "(unset)");
    return nullptr;
  }
  *size = -1;
  if (fseek(dev, 0, SEEK_END) == 0) *size = ftell(dev);
  if (*size < 0) {
    fprintf(stderr, "ipmitool: cannot size %s %s\n", name, imagePath);
    fclose(dev);
    return nullptr;
  }
  return dev;
}

// A request that never answers: a BMC gone silent, an ipmitool stuck on a
// dead LAN session. It sleeps far longer than korrel waits for a request, and
// is killed by korrel or by the test.
constexpr unsigned kHangSeconds = 600;

int serve(const Request &rq, const char *logPath) {
  RequestKind kind = kindOf(rq.netfn, rq.cmd);
  if (kind == kOtherRequest) return refuse(rq, kInvalidCommand);
  long index = logPath ? indexInLog(logPath, kind) : -1;
  if ((kind == kReadRequest && faultTargets("FRUSIM_HANG_READ", index, nullptr)) ||
      (kind == kWriteRequest && faultTargets("FRUSIM_HANG_WRITE", index, nullptr)))
    sleep(kHangSeconds);
  // A request too short to name its device is refused for its length.
  long size = 0;
  bool absent;
  FILE *dev = openDevice(rq.ndata > 0 ? rq.data[0] : 0, &size, &absent);
  if (!dev && !absent) return 1;
  int status;
  if (kind == kInfoRequest) {
    status = serveInfo(rq, dev, size, index);
  } else if (kind == kReadRequest) {
    status = serveRead(rq, dev, size, index);
  } else {
    status = serveWrite(rq, dev, size, index);
  }
  if (dev && fclose(dev) != 0) status = 1;
  return status;
}

// ipmitool reports a FILE it cannot open, and still exits with status 0.
int openFailed(const char *path) {
  fprintf(stderr, "Error opening file %s\n\n", path);
  return 0;
}

bool loadDevice(FILE *dev, long size, unsigned char *bytes) {
  if (fseek(dev, 0, SEEK_SET) == 0 && fread(bytes, 1, size, dev) == static_cast<size_t>(size)) return true;
  fprintf(stderr, "ipmitool: cannot read FRUSIM_IMAGE\n");
  return false;
}

// The whole device, whatever the record in it.
int fruRead(FILE *dev, long size, const char *path, unsigned char *bytes) {
  printf("Fru Size         : %ld bytes\n", size);
  FILE *out = fopen(path, "wb");
  if (!out) return openFailed(path);
  bool ok = loadDevice(dev, size, bytes) && fwrite(bytes, 1, size, out) == static_cast<size_t>(size);
  if (fclose(out) != 0 || !ok) {
    fprintf(stderr, "ipmitool: cannot write %s\n", path);
    return 1;
  }
  printf("Done\n");
  return 0;
}

// The file from the device's start; what lies past the device's end is left
// out, and a shorter file leaves the rest of the device as it was.
int fruWrite(FILE *dev, long size, const char *path, unsigned char *bytes) {
  FILE *in = fopen(path, "rb");
  if (!in) return openFailed(path);
  size_t n = fread(bytes, 1, size, in);
  bool ok = !ferror(in);
  fclose(in);
  printf("Fru Size         : %ld bytes\nSize to Write    : %zu bytes\n", size, n);
  if (!ok || fseek(dev, 0, SEEK_SET) != 0 || fwrite(bytes, 1, n, dev) != n || fflush(dev) != 0) {
    fprintf(stderr, "ipmitool: cannot write FRUSIM_IMAGE from %s\n", path);
    return 1;
  }
  return 0;
}

constexpr int kMaxAreaFields = 7;  // the product area's

// ipmitool's names for an info area's fields in their order; fields past the
// names are custom fields. The FRU file id is shown only with -v.
struct AreaNames {
  int headerByte;  // the area's offset in the common header
  int firstField;  // behind the version, length and type or date bytes
  int fileIdField;
  const char *names[kMaxAreaFields];
  const char *custom;
};
constexpr AreaNames kAreaNames[] = {
    {2, 3, -1, {"Chassis Part Number", "Chassis Serial"}, "Chassis Extra"},
    {3, 6, 4, {"Board Mfg", "Board Product", "Board Serial", "Board Part Number", "Board FRU ID"}, "Board Extra"},
    {4, 3, 6,
     {"Product Manufacturer", "Product Name", "Product Part Number", "Product Version", "Product Serial",
      "Product Asset Tag", "Product FRU ID"},
     "Product Extra"},
};

// The text fields of the three info areas, as ipmitool prints them; an
// empty field is not shown. The chassis type and the date lines are left
// out: nobody reads them from the stand-in.
int fruPrint(FILE *dev, long size, bool verbose, unsigned char *bytes) {
  if (!loadDevice(dev, size, bytes)) return 1;
  for (const AreaNames &area : kAreaNames) {
    long start = size > area.headerByte ? kBlockSize * bytes[area.headerByte] : 0;
    if (start == 0 || start + 1 >= size) continue;
    long end = start + kBlockSize * bytes[start + 1];
    if (end > size) end = size;
    int field = 0;
    for (long i = start + area.firstField; i < end && bytes[i] != kEndOfFields; ++field) {
      int typeLength = bytes[i];
      int length = typeLength & kLengthMask;
      const unsigned char *text = bytes + i + 1;
      i += 1 + length;
      if (length == 0 || i > end || (field == area.fileIdField && !verbose)) continue;
      if (typeLength >> kTypeShift != kTextType) {
        fprintf(stderr, "ipmitool: only 8-bit text fields are emulated\n");
        return 1;
      }
      const char *name = field < kMaxAreaFields && area.names[field] ? area.names[field] : area.custom;
      printf(" %-22s: %.*s\n", name, length, text);
    }
  }
  return 0;
}

// A FRU device ID as korrel and an operator give it: decimal; -1 otherwise.
int parseDeviceId(const char *text) {
  char *end;
  long id = strtol(text, &end, 10);
  return text[0] >= '0' && text[0] <= '9' && *end == '\0' && id <= kMaxFruDevice ? static_cast<int>(id) : -1;
}

// Against an absent device ipmitool's fru print says so and fails; its fru
// read and fru write print nothing and exit with status 0.
int notPresent(bool print) {
  if (!print) return 0;
  printf(" Device not present (%s)\n", kInvalidField.text);
  return 1;
}

int serveFru(int argc, char **argv, bool verbose) {
  bool print = argc == 3 && strcmp(argv[1], "print") == 0;
  bool copy = argc == 4 && (strcmp(argv[1], "read") == 0 || strcmp(argv[1], "write") == 0);
  int id = print || copy ? parseDeviceId(argv[2]) : -1;
  if (id < 0) {
    fprintf(stderr, "ipmitool: only 'fru read|write N FILE' and 'fru print N' are emulated\n");
    return 1;
  }
  static unsigned char bytes[kMaxDeviceSize];
  long size;
  bool absent;
  FILE *dev = openDevice(id, &size, &absent);
  if (absent) return notPresent(print);
  if (!dev) return 1;
  int status = 1;
  if (size > kMaxDeviceSize) fprintf(stderr, "ipmitool: device %d is larger than a FRU device\n", id);
  else if (print) status = fruPrint(dev, size, verbose, bytes);
  else if (strcmp(argv[1], "read") == 0) status = fruRead(dev, size, argv[3], bytes);
  else status = fruWrite(dev, size, argv[3], bytes);
  if (fclose(dev) != 0) status = 1;
  return status;
}

}  // namespace

int main(int argc, char **argv) {
  const char *logPath = getenv("FRUSIM_LOG");
  if (logPath && !*logPath) logPath = nullptr;
  if (logPath && !logInvocation(logPath, argc, argv)) return 1;
  if (!faultsValid(logPath)) return 1;
  int verbose = 0;
  while (1 + verbose < argc && strcmp(argv[1 + verbose], "-v") == 0) ++verbose;
  if (1 + verbose < argc && strcmp(argv[1 + verbose], "fru") == 0)
    return serveFru(argc - 1 - verbose, argv + 1 + verbose, verbose > 0);
  Request rq;
  if (!parseRequest(argc, argv, &rq)) return 1;
  // A slow BMC, for runs that must overlap.
  const char *delay = getenv("FRUSIM_DELAY_MS");
  if (delay && *delay) usleep(static_cast<useconds_t>(1000 * strtol(delay, nullptr, 10)));
  return serve(rq, logPath);
}
