# Records in the shapes real boards, servers, power supplies and cards come
# in: what korrel does not edit it writes back as it read it, and what it
# cannot carry it refuses before anything is written.
=== Vendor record written back unchanged: internal use data, SubChassis, languages, field types
device: vendor 512
run: korrel | sed -n '5p;$p'
Read FRU from BMC ~ Done.
[exit 0]
files: fru.sh 755 f
read 0-22
write 0-22
device unchanged
=== Vendor record: a new serial of the same length changes only its bytes and the board checksum
device: vendor 512
run: korrel BSN ZM18AS099999 | tail -n 1
[exit 0]
files: fru.sh 755 f
read 0-22
write 0-22
-000050 5a 4d 31 38 41 53 30 31  >ZM18AS01<
-000058 32 33 34 35 44 11 b2 2b  >2345D..+<
-000060 33 01 01 81 21 c1 00 08  >3...!...<
+000050 5a 4d 31 38 41 53 30 39  >ZM18AS09<
+000058 39 39 39 39 44 11 b2 2b  >9999D..+<
+000060 33 01 01 81 21 c1 00 ea  >3...!...<
=== Vendor record: an edited 6-bit field becomes text; the other types stay
device: vendor 512
run: korrel MN Supermicro | tail -n 1
[exit 0]
files: fru.sh 755 f
read 0-22
write 0-22
-000068 01 0a 01 88 73 0d 97 72  >....s..r<
-000070 9b 8e f2 0b cd 53 59 53  >.....SYS<
-000078 2d 31 30 32 39 55 2d 54  >-1029U-T<
-000080 52 54 43 10 29 b8 02 02  >RTC.)...<
-000088 01 cf 53 31 32 33 34 35  >..S12345<
-000090 36 58 39 42 30 31 32 33  >6X9B0123<
-000098 34 86 72 38 ae 4d 78 01  >4.r8.Mx.<
-0000a0 01 7f ce 53 65 72 76 69  >...Servi<
-0000a8 63 65 20 54 61 67 20 31  >ce Tag 1<
-0000b0 32 c1 00 00 00 00 00 dc  >2.......<
+000068 01 0a 01 ca 53 75 70 65  >....Supe<
+000070 72 6d 69 63 72 6f cd 53  >rmicro.S<
+000078 59 53 2d 31 30 32 39 55  >YS-1029U<
+000080 2d 54 52 54 43 10 29 b8  >-TRTC.).<
+000088 02 02 01 cf 53 31 32 33  >....S123<
+000090 34 35 36 58 39 42 30 31  >456X9B01<
+000098 32 33 34 86 72 38 ae 4d  >234.r8.M<
+0000a0 78 01 01 7f ce 53 65 72  >x....Ser<
+0000a8 76 69 63 65 20 54 61 67  >vice Tag<
+0000b0 20 31 32 c1 00 00 00 20  > 12.... <
=== Vendor record: ONLY_BSN empties the other fields as text and keeps the serial's type
device: vendor 512
run: korrel ONLY_BSN | tail -n 1
[exit 0]
files: fru.sh 755 f
read 0-22
write 0-10
-000000 01 01 04 07 0d 00 00 e6  >........<
+000000 01 01 04 05 09 00 00 ec  >........<
-000020 01 03 13 88 e3 5c 36 58  >.....\6X<
-000028 94 d5 f4 0c 45 01 23 b4  >....E.#.<
-000030 56 7a 03 11 22 33 c1 14  >Vz.."3..<
-000038 01 06 19 6a 2f c4 ca 53  >...j/..S<
-000040 75 70 65 72 6d 69 63 72  >upermicr<
-000048 6f 85 78 14 91 70 0d cc  >o.x..p..<
-000050 5a 4d 31 38 41 53 30 31  >ZM18AS01<
+000020 01 01 13 c0 c0 c0 c1 ea  >........<
+000028 01 04 19 bc e3 b9 c0 c0  >........<
+000030 cc 5a 4d 31 38 41 53 30  >.ZM18AS0<
+000038 31 32 33 34 35 c0 c0 c0  >12345...<
+000040 c1 00 00 00 00 00 00 6a  >.......j<
+000048 01 02 01 c0 c0 c0 c0 c0  >........<
+000050 c0 c0 c0 c1 00 00 00 3b  >.......;<
=== Trailing zeros only pad 8-bit text and are dropped
device: vendor 512
patch: 0x48 00
run: korrel | sed -n '5p;$p'
Read FRU from BMC ~ Done.
[exit 0]
files: fru.sh 755 f
read 0-22
write 0-22
-000038 01 06 19 6a 2f c4 ca 53  >...j/..S<
+000038 01 06 19 6a 2f c4 c9 53  >...j/..S<
-000048 00 85 78 14 91 70 0d cc  >..x..p..<
-000050 5a 4d 31 38 41 53 30 31  >ZM18AS01<
-000058 32 33 34 35 44 11 b2 2b  >2345D..+<
-000060 33 01 01 81 21 c1 00 08  >3...!...<
+000048 85 78 14 91 70 0d cc 5a  >.x..p..Z<
+000050 4d 31 38 41 53 30 31 32  >M18AS012<
+000058 33 34 35 44 11 b2 2b 33  >345D..+3<
+000060 01 01 81 21 c1 00 00 78  >...!...x<
=== A NUL inside 8-bit text
device: vendor 512
patch: 0x40 00
run: korrel BSN X
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Read FRU from BMC ~Error!!!BM Value cannot be kept.
[exit 1]
files:
read 0-22
device unchanged
=== A NUL in a binary field
device: vendor 512
patch: 0x34 00
run: korrel BSN X
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Read FRU from BMC ~Error!!!CCI Value cannot be kept.
[exit 1]
files:
read 0-22
device unchanged
=== A newline in a 6-bit field
device: vendor 512
patch: 0x24 0a
run: korrel BSN X
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Read FRU from BMC ~Error!!!CPN Value cannot be kept.
[exit 1]
files:
read 0-22
device unchanged
=== 16-bit Unicode text
device: unicode 512
run: korrel BSN X
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Read FRU from BMC ~Error!!!BM Value cannot be kept.
[exit 1]
files:
read 0-13
device unchanged
=== A multirecord area
device: multirecord 512
run: korrel BSN X
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Read FRU from BMC ~Error!!!MultiRecord Info cannot be kept.
[exit 1]
files:
read 0-0
device unchanged
=== A power supply: product and multirecord areas, no board area
device: psu 512
run: korrel PSN X
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Read FRU from BMC ~Error!!!Board Info missing.
[exit 1]
files:
read 0-0
device unchanged
=== An add-in card: a board area and nothing else
device: card 512
run: korrel BSN X
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Read FRU from BMC ~Error!!!Product Info missing.
[exit 1]
files:
read 0-0
device unchanged
=== An internal use area between the board and the product area
device: late-internal-use 512
run: korrel BSN X
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Read FRU from BMC ~Error!!!Internal Use Info cannot be kept.
[exit 1]
files:
read 0-0
device unchanged
=== An internal use area between the chassis and the board area
device: spaced 512
patch: 0x01 02
run: korrel BSN X | sed -n 5p
Read FRU from BMC ~Error!!!Internal Use Info cannot be kept.
files:
read 0-0
device unchanged
=== Two areas at one block: internal use and board, chassis and board, chassis and board at block 1
device: vendor 512
patch: 0x01 07
run: korrel BSN X | sed -n 5p; printf '\x00\x07' | dd of=$FRUSIM_IMAGE bs=1 seek=1 conv=notrunc status=none; korrel BSN X | sed -n 5p; printf '\x00\x01\x01' | dd of=$FRUSIM_IMAGE bs=1 seek=1 conv=notrunc status=none; korrel BSN X | sed -n 5p
Read FRU from BMC ~Error!!!Common Header Invalid.
Read FRU from BMC ~Error!!!Common Header Invalid.
Read FRU from BMC ~Error!!!Common Header Invalid.
files:
read 0-0
read 0-0
read 0-0
-000000 01 07 04 07 0d 00 00 e6  >........<
+000000 01 00 01 01 0d 00 00 e6  >........<
=== Growing by a block onto a device exactly large enough
device: vendor 192
run: korrel BSN ZM18AS012345678901 | tail -n 1
[exit 0]
files: fru.sh 755 f
read 0-22
raw 0x0A 0x10 0x00
write 0-23
-000000 01 01 04 07 0d 00 00 e6  >........<
+000000 01 01 04 07 0e 00 00 e5  >........<
-000038 01 06 19 6a 2f c4 ca 53  >...j/..S<
+000038 01 07 19 6a 2f c4 ca 53  >...j/..S<
-000048 6f 85 78 14 91 70 0d cc  >o.x..p..<
+000048 6f 85 78 14 91 70 0d d2  >o.x..p..<
-000058 32 33 34 35 44 11 b2 2b  >2345D..+<
-000060 33 01 01 81 21 c1 00 08  >3...!...<
-000068 01 0a 01 88 73 0d 97 72  >....s..r<
-000070 9b 8e f2 0b cd 53 59 53  >.....SYS<
-000078 2d 31 30 32 39 55 2d 54  >-1029U-T<
-000080 52 54 43 10 29 b8 02 02  >RTC.)...<
-000088 01 cf 53 31 32 33 34 35  >..S12345<
-000090 36 58 39 42 30 31 32 33  >6X9B0123<
-000098 34 86 72 38 ae 4d 78 01  >4.r8.Mx.<
-0000a0 01 7f ce 53 65 72 76 69  >...Servi<
-0000a8 63 65 20 54 61 67 20 31  >ce Tag 1<
-0000b0 32 c1 00 00 00 00 00 dc  >2.......<
-0000b8 00 00 00 00 00 00 00 00  >........<
+000058 32 33 34 35 36 37 38 39  >23456789<
+000060 30 31 44 11 b2 2b 33 01  >01D..+3.<
+000068 01 81 21 c1 00 00 00 c2  >..!.....<
+000070 01 0a 01 88 73 0d 97 72  >....s..r<
+000078 9b 8e f2 0b cd 53 59 53  >.....SYS<
+000080 2d 31 30 32 39 55 2d 54  >-1029U-T<
+000088 52 54 43 10 29 b8 02 02  >RTC.)...<
+000090 01 cf 53 31 32 33 34 35  >..S12345<
+000098 36 58 39 42 30 31 32 33  >6X9B0123<
+0000a0 34 86 72 38 ae 4d 78 01  >4.r8.Mx.<
+0000a8 01 7f ce 53 65 72 76 69  >...Servi<
+0000b0 63 65 20 54 61 67 20 31  >ce Tag 1<
+0000b8 32 c1 00 00 00 00 00 dc  >2.......<
=== Growing by a block onto a device one block too small: nothing is written
device: vendor 184
run: korrel BSN ZM18AS012345678901 | sed -n '/Parser/,$p'
Parser fru.txt ~ Done.
Error!!!FRU Device too small.
[exit 1]
files: fru.txt 600 f
read 0-22
raw 0x0A 0x10 0x00
device unchanged
=== A device that does not tell its size counts as too small
device: vendor 512
run: FRUSIM_FAIL_INFO=0 korrel BSN ZM18AS012345678901 | sed -n '/Parser/,$p'
Parser fru.txt ~ Done.
Error!!!FRU Device too small.
[exit 1]
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x10 rsp=0xc0): Node busy
files: fru.txt 600 f
read 0-22
raw 0x0A 0x10 0x00
device unchanged
=== Size answers that are not exactly " LL MM AA" count as no size: two pairs, four pairs, a blank behind, none in front, not hex, garbage
device: vendor 512
run: i=0; for a in ' 00 02' ' 00 02 00 00' ' 00 02 00 ' '00 02 00' ' 00 0x 00' 'Get FRU Inventory Area Info'; do FRUSIM_INFO_LINE=$i:"$a" korrel BSN ZM18AS012345678901 | tail -n 2; i=$((i + 1)); done
Error!!!FRU Device too small.
[exit 1]
Error!!!FRU Device too small.
[exit 1]
Error!!!FRU Device too small.
[exit 1]
Error!!!FRU Device too small.
[exit 1]
Error!!!FRU Device too small.
[exit 1]
Error!!!FRU Device too small.
[exit 1]
files: fru.txt 600 f
read 0-22
raw 0x0A 0x10 0x00
read 0-22
raw 0x0A 0x10 0x00
read 0-22
raw 0x0A 0x10 0x00
read 0-22
raw 0x0A 0x10 0x00
read 0-22
raw 0x0A 0x10 0x00
read 0-22
raw 0x0A 0x10 0x00
device unchanged
=== A good size answer from a request that exited with a failure counts as no size
device: vendor 512
run: mkdir ../bin; printf '#!/bin/sh\n"%s" "$@" || exit\n[ "$3" != 0x10 ]\n' "$(command -v ipmitool)" >../bin/ipmitool; chmod 755 ../bin/ipmitool; PATH=$PWD/../bin:$PATH korrel BSN ZM18AS012345678901 | tail -n 2
Error!!!FRU Device too small.
[exit 1]
files: fru.txt 600 f
read 0-22
raw 0x0A 0x10 0x00
device unchanged
=== A device addressed in 16-bit words is refused, whatever its size
device: vendor 512
run: FRUSIM_INFO_LINE=0:' 00 02 01' korrel BSN ZM18AS012345678901 | tail -n 2; FRUSIM_INFO_LINE=1:' FF FF 03' korrel BSN ZM18AS012345678901 | tail -n 2
Error!!!FRU Device addressed in words.
[exit 1]
Error!!!FRU Device addressed in words.
[exit 1]
files: fru.txt 600 f
read 0-22
raw 0x0A 0x10 0x00
read 0-22
raw 0x0A 0x10 0x00
device unchanged
=== Hex of either case and reserved access bits are taken as ipmitool prints them
device: vendor 512
run: FRUSIM_INFO_LINE=0:' c0 00 fe' korrel BSN ZM18AS012345678901 | tail -n 1
[exit 0]
files: fru.sh 755 f
read 0-22
raw 0x0A 0x10 0x00
write 0-23
-000000 01 01 04 07 0d 00 00 e6  >........<
+000000 01 01 04 07 0e 00 00 e5  >........<
-000038 01 06 19 6a 2f c4 ca 53  >...j/..S<
+000038 01 07 19 6a 2f c4 ca 53  >...j/..S<
-000048 6f 85 78 14 91 70 0d cc  >o.x..p..<
+000048 6f 85 78 14 91 70 0d d2  >o.x..p..<
-000058 32 33 34 35 44 11 b2 2b  >2345D..+<
-000060 33 01 01 81 21 c1 00 08  >3...!...<
-000068 01 0a 01 88 73 0d 97 72  >....s..r<
-000070 9b 8e f2 0b cd 53 59 53  >.....SYS<
-000078 2d 31 30 32 39 55 2d 54  >-1029U-T<
-000080 52 54 43 10 29 b8 02 02  >RTC.)...<
-000088 01 cf 53 31 32 33 34 35  >..S12345<
-000090 36 58 39 42 30 31 32 33  >6X9B0123<
-000098 34 86 72 38 ae 4d 78 01  >4.r8.Mx.<
-0000a0 01 7f ce 53 65 72 76 69  >...Servi<
-0000a8 63 65 20 54 61 67 20 31  >ce Tag 1<
-0000b0 32 c1 00 00 00 00 00 dc  >2.......<
-0000b8 00 00 00 00 00 00 00 00  >........<
+000058 32 33 34 35 36 37 38 39  >23456789<
+000060 30 31 44 11 b2 2b 33 01  >01D..+3.<
+000068 01 81 21 c1 00 00 00 c2  >..!.....<
+000070 01 0a 01 88 73 0d 97 72  >....s..r<
+000078 9b 8e f2 0b cd 53 59 53  >.....SYS<
+000080 2d 31 30 32 39 55 2d 54  >-1029U-T<
+000088 52 54 43 10 29 b8 02 02  >RTC.)...<
+000090 01 cf 53 31 32 33 34 35  >..S12345<
+000098 36 58 39 42 30 31 32 33  >6X9B0123<
+0000a0 34 86 72 38 ae 4d 78 01  >4.r8.Mx.<
+0000a8 01 7f ce 53 65 72 76 69  >...Servi<
+0000b0 63 65 20 54 61 67 20 31  >ce Tag 1<
+0000b8 32 c1 00 00 00 00 00 dc  >2.......<
=== A blank device, every byte zero, has no common header
device: blank 512
run: korrel BSN X | sed -n 5p
Read FRU from BMC ~Error!!!Common Header Invalid.
files:
read 0-0
device unchanged
