# Damaged records are refused before anything is written, never rewritten
# with fresh checksums: each case spoils the nine-block record (header, then
# internal use 1, chassis 2, board 3 to 5, product 6 to 8) in one way.
=== A wrong header checksum
device: nine-block
patch: 0x07 f4
run: korrel BSN X | sed -n 5p
Read FRU from BMC ~Error!!!Common Header Invalid.
files:
read 0-0
device unchanged
=== A header of format version 2
device: nine-block
patch: 0x00 02
sum: 0x00 8
run: korrel BSN X | sed -n 5p
Read FRU from BMC ~Error!!!Common Header Invalid.
files:
read 0-0
device unchanged
=== A blank device of zero bytes has no header
device: nine-block
patch: 0x00 00 00 00 00 00 00 00 00
run: korrel BSN X | sed -n 5p
Read FRU from BMC ~Error!!!Common Header Invalid.
files:
read 0-0
device unchanged
=== A wrong chassis checksum
device: nine-block
patch: 0x17 e7
run: korrel BSN X | sed -n 5p
Read FRU from BMC ~Error!!!Chassis Info checksum invalid.
files:
read 0-8
device unchanged
=== One flipped bit in the board serial number
device: nine-block
patch: 0x27 30
run: korrel BSN X | sed -n 5p
Read FRU from BMC ~Error!!!Board Info checksum invalid.
files:
read 0-8
device unchanged
=== A wrong product checksum
device: nine-block
patch: 0x38 59
run: korrel BSN X | sed -n 5p
Read FRU from BMC ~Error!!!Product Info checksum invalid.
files:
read 0-8
device unchanged
=== A board area of format version 2
device: nine-block
patch: 0x18 02
sum: 0x18 24
run: korrel BSN X | sed -n 5p
Read FRU from BMC ~Error!!!Board Info format invalid.
files:
read 0-3
device unchanged
=== A board area whose length runs into the product area
device: nine-block
patch: 0x19 04
sum: 0x18 24
run: korrel BSN X | sed -n 5p
Read FRU from BMC ~Error!!!Board Info format invalid.
files:
read 0-3
device unchanged
=== A product area of length 0
device: nine-block
patch: 0x31 00
run: korrel BSN X | sed -n 5p
Read FRU from BMC ~Error!!!Product Info format invalid.
files:
read 0-6
device unchanged
=== A custom field whose last byte would be the area's checksum byte
device: nine-block
patch: 0x15 c2 41
sum: 0x10 8
run: korrel BSN X | sed -n 5p
Read FRU from BMC ~Error!!!Chassis Info field past its end.
files:
read 0-8
device unchanged
=== A board area with no fields: its C1 would make the checksum byte a field
device: nine-block
patch: 0x18 01 01 00 2c 1b 0a c1 00
sum: 0x18 8
run: korrel BSN X | sed -n 5p
Read FRU from BMC ~Error!!!Board Info field past its end.
files:
read 0-8
device unchanged
=== A multirecord chain whose last record lacks the end-of-list bit
device: server-oem 512
patch: 0x81 02
sum: 0x80 5
run: korrel BSN X | sed -n 5p
Read FRU from BMC ~Error!!!MultiRecord Info invalid.
files:
read 0-0
raw 0x0A 0x10 0x00
read 1-20
device unchanged
=== A multirecord whose data checksum is wrong
device: server-oem 512
patch: 0x8a 00
run: korrel BSN X | sed -n 5p
Read FRU from BMC ~Error!!!MultiRecord Info invalid.
files:
read 0-0
raw 0x0A 0x10 0x00
read 1-19
device unchanged
=== A multirecord whose header checksum is wrong
device: server-oem 512
patch: 0x84 00
run: korrel BSN X | sed -n 5p
Read FRU from BMC ~Error!!!MultiRecord Info invalid.
files:
read 0-0
raw 0x0A 0x10 0x00
read 1-16
device unchanged
=== A multirecord chain that runs past the device's end
device: picmg 1600
run: korrel BSN X | sed -n 5p
Read FRU from BMC ~Error!!!MultiRecord Info runs past the device's end.
files:
read 0-0
raw 0x0A 0x10 0x00
read 1-178
device unchanged
=== A multirecord area inside the product area
device: server-oem 512
patch: 0x05 0b
sum: 0x00 8
run: korrel BSN X | sed -n 5p
Read FRU from BMC ~Error!!!MultiRecord Info not behind the other areas.
files:
read 0-0
raw 0x0A 0x10 0x00
read 1-10
device unchanged
=== A device that cannot tell its size: the multirecord chain is not followed
device: server-oem 512
run: FRUSIM_FAIL_INFO=0- korrel BSN X | sed -n 5p
Read FRU from BMC ~Error!!!FRU Device too small.
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x10 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x10 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x10 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x10 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x10 rsp=0xc0): Node busy
files:
read 0-0
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
device unchanged
=== A multirecord area in front of the board area whose records run into it
device: mr-first 512
patch: 0x03 02
sum: 0x00 8
run: korrel BSN X | sed -n 5p
Read FRU from BMC ~Error!!!MultiRecord Info not behind the other areas.
files:
read 0-0
raw 0x0A 0x10 0x00
read 1-1
device unchanged
