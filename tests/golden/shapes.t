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
read 1-3
write 0-22
read 0-22
device unchanged
=== Vendor record: a new serial of the same length changes only its bytes and the board checksum
device: vendor 512
run: korrel BSN ZM18AS099999 | tail -n 1
[exit 0]
files: fru.sh 755 f
read 0-22
read 1-3
write 0-22
read 0-22
-000050 5a 4d 31 38 41 53 30 31  >ZM18AS01<
-000058 32 33 34 35 44 11 b2 2b  >2345D..+<
-000060 33 01 01 81 21 c1 00 08  >3...!...<
+000050 5a 4d 31 38 41 53 30 39  >ZM18AS09<
+000058 39 39 39 39 44 11 b2 2b  >9999D..+<
+000060 33 01 01 81 21 c1 00 ea  >3...!...<
=== Vendor record: an edited 6-bit field becomes 16-bit Unicode text, the product area's language being 1; the other types stay
device: vendor 512
run: korrel MN Supermicro | tail -n 1
[exit 0]
files: fru.sh 755 f
read 0-22
read 1-3
raw 0x0A 0x10 0x00
write 0-23
read 0-23
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
+000068 01 0b 01 d4 53 00 75 00  >....S.u.<
+000070 70 00 65 00 72 00 6d 00  >p.e.r.m.<
+000078 69 00 63 00 72 00 6f 00  >i.c.r.o.<
+000080 cd 53 59 53 2d 31 30 32  >.SYS-102<
+000088 39 55 2d 54 52 54 43 10  >9U-TRTC.<
+000090 29 b8 02 02 01 cf 53 31  >).....S1<
+000098 32 33 34 35 36 58 39 42  >23456X9B<
+0000a0 30 31 32 33 34 86 72 38  >01234.r8<
+0000a8 ae 4d 78 01 01 7f ce 53  >.Mx....S<
+0000b0 65 72 76 69 63 65 20 54  >ervice T<
+0000b8 61 67 20 31 32 c1 00 15  >ag 12...<
=== Vendor record: ONLY_BSN empties the other fields as text and keeps the serial's type
device: vendor 512
run: korrel ONLY_BSN | tail -n 1
[exit 0]
files: fru.sh 755 f
read 0-22
read 1-3
write 0-10
read 0-10
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
=== Zero-padded 8-bit text is written back as read
device: vendor 512
patch: 0x48 00
sum: 0x38 48
run: korrel | sed -n '5p;$p'
Read FRU from BMC ~ Done.
[exit 0]
files: fru.sh 755 f
read 0-22
read 1-3
write 0-22
read 0-22
device unchanged
=== A NUL inside 8-bit text is written back as read
device: vendor 512
patch: 0x40 00
sum: 0x38 48
run: korrel BSN X >/dev/null; cat fru.sh | sed -n '11,12p'
ipmitool raw 0x0A 0x12 0x00 0x38 0x00 0x01 0x05 0x19 0x6A 0x2F 0xC4 0xCA 0x53
ipmitool raw 0x0A 0x12 0x00 0x40 0x00 0x00 0x70 0x65 0x72 0x6D 0x69 0x63 0x72
files: fru.sh 755 f
read 0-22
read 1-3
write 0-21
read 0-21
-000000 01 01 04 07 0d 00 00 e6  >........<
+000000 01 01 04 07 0c 00 00 e7  >........<
-000038 01 06 19 6a 2f c4 ca 53  >...j/..S<
+000038 01 05 19 6a 2f c4 ca 53  >...j/..S<
-000048 6f 85 78 14 91 70 0d cc  >o.x..p..<
-000050 5a 4d 31 38 41 53 30 31  >ZM18AS01<
-000058 32 33 34 35 44 11 b2 2b  >2345D..+<
-000060 33 01 01 81 21 c1 00 7d  >3...!..}<
-000068 01 0a 01 88 73 0d 97 72  >....s..r<
-000070 9b 8e f2 0b cd 53 59 53  >.....SYS<
-000078 2d 31 30 32 39 55 2d 54  >-1029U-T<
-000080 52 54 43 10 29 b8 02 02  >RTC.)...<
-000088 01 cf 53 31 32 33 34 35  >..S12345<
-000090 36 58 39 42 30 31 32 33  >6X9B0123<
-000098 34 86 72 38 ae 4d 78 01  >4.r8.Mx.<
-0000a0 01 7f ce 53 65 72 76 69  >...Servi<
-0000a8 63 65 20 54 61 67 20 31  >ce Tag 1<
+000048 6f 85 78 14 91 70 0d c2  >o.x..p..<
+000050 58 00 44 11 b2 2b 33 01  >X.D..+3.<
+000058 01 81 21 c1 00 00 00 03  >..!.....<
+000060 01 0a 01 88 73 0d 97 72  >....s..r<
+000068 9b 8e f2 0b cd 53 59 53  >.....SYS<
+000070 2d 31 30 32 39 55 2d 54  >-1029U-T<
+000078 52 54 43 10 29 b8 02 02  >RTC.)...<
+000080 01 cf 53 31 32 33 34 35  >..S12345<
+000088 36 58 39 42 30 31 32 33  >6X9B0123<
+000090 34 86 72 38 ae 4d 78 01  >4.r8.Mx.<
+000098 01 7f ce 53 65 72 76 69  >...Servi<
+0000a0 63 65 20 54 61 67 20 31  >ce Tag 1<
+0000a8 32 c1 00 00 00 00 00 dc  >2.......<
=== A NUL in a binary field is written back as read
device: vendor 512
patch: 0x34 00
sum: 0x20 24
run: korrel BSN X | tail -n 1
[exit 0]
files: fru.sh 755 f
read 0-22
read 1-3
write 0-21
read 0-21
-000000 01 01 04 07 0d 00 00 e6  >........<
+000000 01 01 04 07 0c 00 00 e7  >........<
-000038 01 06 19 6a 2f c4 ca 53  >...j/..S<
+000038 01 05 19 6a 2f c4 ca 53  >...j/..S<
-000048 6f 85 78 14 91 70 0d cc  >o.x..p..<
-000050 5a 4d 31 38 41 53 30 31  >ZM18AS01<
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
+000048 6f 85 78 14 91 70 0d c2  >o.x..p..<
+000050 58 00 44 11 b2 2b 33 01  >X.D..+3.<
+000058 01 81 21 c1 00 00 00 8e  >..!.....<
+000060 01 0a 01 88 73 0d 97 72  >....s..r<
+000068 9b 8e f2 0b cd 53 59 53  >.....SYS<
+000070 2d 31 30 32 39 55 2d 54  >-1029U-T<
+000078 52 54 43 10 29 b8 02 02  >RTC.)...<
+000080 01 cf 53 31 32 33 34 35  >..S12345<
+000088 36 58 39 42 30 31 32 33  >6X9B0123<
+000090 34 86 72 38 ae 4d 78 01  >4.r8.Mx.<
+000098 01 7f ce 53 65 72 76 69  >...Servi<
+0000a0 63 65 20 54 61 67 20 31  >ce Tag 1<
+0000a8 32 c1 00 00 00 00 00 dc  >2.......<
=== A newline in a 6-bit field is written back as read
device: vendor 512
patch: 0x24 0a
sum: 0x20 24
run: korrel BSN X | tail -n 1
[exit 0]
files: fru.sh 755 f
read 0-22
read 1-3
write 0-21
read 0-21
-000000 01 01 04 07 0d 00 00 e6  >........<
+000000 01 01 04 07 0c 00 00 e7  >........<
-000038 01 06 19 6a 2f c4 ca 53  >...j/..S<
+000038 01 05 19 6a 2f c4 ca 53  >...j/..S<
-000048 6f 85 78 14 91 70 0d cc  >o.x..p..<
-000050 5a 4d 31 38 41 53 30 31  >ZM18AS01<
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
+000048 6f 85 78 14 91 70 0d c2  >o.x..p..<
+000050 58 00 44 11 b2 2b 33 01  >X.D..+3.<
+000058 01 81 21 c1 00 00 00 8e  >..!.....<
+000060 01 0a 01 88 73 0d 97 72  >....s..r<
+000068 9b 8e f2 0b cd 53 59 53  >.....SYS<
+000070 2d 31 30 32 39 55 2d 54  >-1029U-T<
+000078 52 54 43 10 29 b8 02 02  >RTC.)...<
+000080 01 cf 53 31 32 33 34 35  >..S12345<
+000088 36 58 39 42 30 31 32 33  >6X9B0123<
+000090 34 86 72 38 ae 4d 78 01  >4.r8.Mx.<
+000098 01 7f ce 53 65 72 76 69  >...Servi<
+0000a0 63 65 20 54 61 67 20 31  >ce Tag 1<
+0000a8 32 c1 00 00 00 00 00 dc  >2.......<
=== 16-bit Unicode text in an area whose language is not English is written back as read
device: unicode 512
run: korrel BSN X | tail -n 1
[exit 0]
files: fru.sh 755 f
read 0-13
write 0-13
read 0-13
-000000 01 00 01 04 0a 00 00 f0  >........<
-000008 01 03 17 c5 43 48 2d 31  >....CH-1<
-000010 55 c6 43 53 30 30 30 31  >U.CS0001<
-000018 c0 c1 00 00 00 00 00 44  >.......D<
-000020 01 06 02 6a 2f c4 d4 53  >...j/..S<
-000028 00 75 00 70 00 65 00 72  >.u.p.e.r<
-000030 00 6d 00 69 00 63 00 72  >.m.i.c.r<
-000038 00 6f 00 c3 58 31 31 c5  >.o..X11.<
-000040 55 30 30 30 31 c0 c0 c0  >U0001...<
-000048 c1 00 00 00 00 00 00 44  >.......D<
+000000 01 01 02 05 0a 00 00 ed  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 03 17 c5 43 48 2d 31  >....CH-1<
+000018 55 c6 43 53 30 30 30 31  >U.CS0001<
+000020 c0 c1 00 00 00 00 00 44  >.......D<
+000028 01 05 02 6a 2f c4 d4 53  >...j/..S<
+000030 00 75 00 70 00 65 00 72  >.u.p.e.r<
+000038 00 6d 00 69 00 63 00 72  >.m.i.c.r<
+000040 00 6f 00 c3 58 31 31 c2  >.o..X11.<
+000048 58 00 c0 c0 c0 c1 00 06  >X.......<
=== A multirecord area moves behind the new product area, unchanged
device: multirecord 512
run: korrel BSN X | tail -n 1
[exit 0]
files: fru.sh 755 f
read 0-0
raw 0x0A 0x10 0x00
read 1-16
write 0-17
read 0-17
-000000 01 00 01 04 09 0d 00 e4  >........<
-000008 01 03 17 c5 43 48 2d 31  >....CH-1<
-000010 55 c6 43 53 30 30 30 31  >U.CS0001<
-000018 c0 c1 00 00 00 00 00 44  >.......D<
-000020 01 05 00 6a 2f c4 c7 42  >...j/..B<
-000028 6f 61 72 64 43 6f c4 4d  >oardCo.M<
-000030 42 2d 31 c5 42 30 30 30  >B-1.B000<
-000038 31 c6 4d 42 2d 31 2d 41  >1.MB-1-A<
-000040 c0 c0 c1 00 00 00 00 61  >.......a<
-000048 01 04 00 c5 53 79 73 43  >....SysC<
-000050 6f c5 53 79 73 2d 31 c3  >o.Sys-1.<
-000058 53 2d 31 c1 31 c5 50 30  >S-1.1.P0<
-000060 30 30 31 c0 c0 c0 c1 a6  >001.....<
-000068 00 82 18 de 88 20 03 10  >..... ..<
-000070 27 00 00 00 00 5a 0f e8  >'....Z..<
-000078 03 2c 01 20 03 01 02 03  >.,. ....<
-000080 04 05 06 07 08 00 00 00  >........<
-000088 00 00 00 00 00 00 00 00  >........<
+000000 01 01 02 05 0a 0e 00 df  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 03 17 c5 43 48 2d 31  >....CH-1<
+000018 55 c6 43 53 30 30 30 31  >U.CS0001<
+000020 c0 c1 00 00 00 00 00 44  >.......D<
+000028 01 05 00 6a 2f c4 c7 42  >...j/..B<
+000030 6f 61 72 64 43 6f c4 4d  >oardCo.M<
+000038 42 2d 31 c2 58 00 c6 4d  >B-1.X..M<
+000040 42 2d 31 2d 41 c0 c0 c1  >B-1-A...<
+000048 00 00 00 00 00 00 00 0f  >........<
+000050 01 04 00 c5 53 79 73 43  >....SysC<
+000058 6f c5 53 79 73 2d 31 c3  >o.Sys-1.<
+000060 53 2d 31 c1 31 c5 50 30  >S-1.1.P0<
+000068 30 30 31 c0 c0 c0 c1 a6  >001.....<
+000070 00 82 18 de 88 20 03 10  >..... ..<
+000078 27 00 00 00 00 5a 0f e8  >'....Z..<
+000080 03 2c 01 20 03 01 02 03  >.,. ....<
+000088 04 05 06 07 08 00 00 00  >........<
=== An internal use area between the board and the product area stays there
device: late-internal-use 512
run: korrel BSN X | tail -n 1
[exit 0]
files: fru.sh 755 f
read 0-13
read 9-9
write 0-13
read 0-13
-000030 42 2d 31 c5 42 30 30 30  >B-1.B000<
-000038 31 c6 4d 42 2d 31 2d 41  >1.MB-1-A<
-000040 c0 c0 c1 00 00 00 00 61  >.......a<
+000030 42 2d 31 c2 58 00 c6 4d  >B-1.X..M<
+000038 42 2d 31 2d 41 c0 c0 c1  >B-1-A...<
+000040 00 00 00 00 00 00 00 0f  >........<
=== An internal use area between the chassis and the board area stays there
device: spaced 512
patch: 0x01 02
patch: 0x10 01 02 03 04 05 06 07 08
sum: 0x00 8
run: korrel BSN X | tail -n 1
[exit 0]
files: fru.sh 755 f
read 0-11
read 2-3
write 0-8
read 0-8
-000000 01 02 01 04 0a 00 00 ee  >........<
+000000 01 02 01 04 07 00 00 f1  >........<
-000028 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000030 c0 c0 c0 c1 00 00 00 94  >........<
-000038 00 00 00 00 00 00 00 00  >........<
-000040 00 00 00 00 00 00 00 00  >........<
+000028 42 43 c0 c2 58 00 c0 c0  >BC..X...<
+000030 c0 c1 00 00 00 00 00 40  >.......@<
+000038 01 02 00 c0 c0 c0 c0 c0  >........<
+000040 c0 c0 c0 c1 00 00 00 3c  >.......<<
=== Two areas at one block: internal use and board, chassis and board, chassis and board at block 1
device: vendor 512
patch: 0x01 07
sum: 0x00 8
run: korrel BSN X | sed -n 5p; printf '\x01\x00\x07\x07\x0d\x00\x00\xe4' | dd of=$FRUSIM_IMAGE conv=notrunc status=none; korrel BSN X | sed -n 5p; printf '\x01\x00\x01\x01\x0d\x00\x00\xf0' | dd of=$FRUSIM_IMAGE conv=notrunc status=none; korrel BSN X | sed -n 5p
Read FRU from BMC ~Error!!!Common Header Invalid.
Read FRU from BMC ~Error!!!Common Header Invalid.
Read FRU from BMC ~Error!!!Common Header Invalid.
files:
read 0-0
read 0-0
read 0-0
-000000 01 07 04 07 0d 00 00 e0  >........<
+000000 01 00 01 01 0d 00 00 f0  >........<
=== Growing by a block onto a device exactly large enough
device: vendor 192
run: korrel BSN ZM18AS012345678901 | tail -n 1
[exit 0]
files: fru.sh 755 f
read 0-22
read 1-3
raw 0x0A 0x10 0x00
write 0-23
read 0-23
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
read 1-3
raw 0x0A 0x10 0x00
device unchanged
=== A size request refused once is sent again
device: vendor 512
run: FRUSIM_FAIL_INFO=0 korrel BSN ZM18AS012345678901 | tail -n 1
[exit 0]
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x10 rsp=0xc0): Node busy
files: fru.sh 755 f
read 0-22
read 1-3
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
write 0-23
read 0-23
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
=== A size answer cut short once is asked again
device: vendor 512
run: FRUSIM_INFO_LINE='0: 00' korrel BSN ZM18AS012345678901 | tail -n 1
[exit 0]
files: fru.sh 755 f
read 0-22
read 1-3
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
write 0-23
read 0-23
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
=== Growing onto a device one block too small that claims 512 bytes: the old record is written back
device: vendor 184
run: FRUSIM_INFO_LINE='0: 00 02 00' korrel BSN ZM18AS012345678901 | sed -n '/Execute/,$p'
Execute fru.sh ~Error!!!Write FRU Failed.
The old record was written back and reads as before: the BMC holds it unchanged.
[exit 1]
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc9): Parameter out of range
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc9): Parameter out of range
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc9): Parameter out of range
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc9): Parameter out of range
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc9): Parameter out of range
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc9): Parameter out of range
files: fru.sh 755 f fru.txt 600 f out.txt 600 f
read 0-22
read 1-3
raw 0x0A 0x10 0x00
write 0-23
write 23-23
write 23-23
write 23-23
write 23-23
write 23-23
write 0-0
write 7-7
write 9-9
write 11-22
read 0-22
device unchanged
=== A device that does not tell its size, asked five times, counts as too small
device: vendor 512
run: FRUSIM_FAIL_INFO=0- korrel BSN ZM18AS012345678901 | sed -n '/Parser/,$p'
Parser fru.txt ~ Done.
Error!!!FRU Device too small.
[exit 1]
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x10 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x10 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x10 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x10 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x10 rsp=0xc0): Node busy
files: fru.txt 600 f
read 0-22
read 1-3
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
device unchanged
=== Size answers that are not exactly " LL MM AA" count as no size, each of five tries: two pairs, four pairs, a blank behind, none in front, not hex, garbage
device: vendor 512
run: i=0; for a in ' 00 02' ' 00 02 00 00' ' 00 02 00 ' '00 02 00' ' 00 0x 00' 'Get FRU Inventory Area Info'; do FRUSIM_INFO_LINE=$i-:"$a" korrel BSN ZM18AS012345678901 | tail -n 2; i=$((i + 5)); done
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
read 1-3
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
read 0-22
read 1-3
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
read 0-22
read 1-3
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
read 0-22
read 1-3
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
read 0-22
read 1-3
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
read 0-22
read 1-3
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
device unchanged
=== A good size answer from a request that exited with a failure counts as no size
device: vendor 512
run: mkdir ../bin; printf '#!/bin/sh\n"%s" "$@" || exit\n[ "$3" != 0x10 ]\n' "$(command -v ipmitool)" >../bin/ipmitool; chmod 755 ../bin/ipmitool; PATH=$PWD/../bin:$PATH korrel BSN ZM18AS012345678901 | tail -n 2
Error!!!FRU Device too small.
[exit 1]
files: fru.txt 600 f
read 0-22
read 1-3
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
raw 0x0A 0x10 0x00
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
read 1-3
raw 0x0A 0x10 0x00
read 0-22
read 1-3
raw 0x0A 0x10 0x00
device unchanged
=== Hex of either case and reserved access bits are taken as ipmitool prints them
device: vendor 512
run: FRUSIM_INFO_LINE=0:' c0 00 fe' korrel BSN ZM18AS012345678901 | tail -n 1
[exit 0]
files: fru.sh 755 f
read 0-22
read 1-3
raw 0x0A 0x10 0x00
write 0-23
read 0-23
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
=== Two custom fields in the chassis area, three in the board area with an empty binary one among them
device: customs 512
run: decoded CCI 'REV 2.00'
[exit 0]
5c5
<   FRU Chassis Custom Info: REV 1.02
---
>   FRU Chassis Custom Info: REV 2.00
files: fru.sh 755 f
read 0-26
raw 0x0A 0x10 0x00
write 0-27
read 0-27
-000000 01 00 01 07 11 00 00 e6  >........<
-000008 01 06 17 c8 43 53 45 2d  >....CSE-<
-000010 38 32 39 55 ce 43 38 32  >829U.C82<
-000018 39 30 4c 4b 31 31 41 30  >90LK11A0<
-000020 30 30 31 c8 52 45 56 20  >001.REV <
-000028 31 2e 30 32 06 00 25 90  >1.02..%.<
-000030 fc 1a 2b c1 00 00 00 e8  >..+.....<
-000038 01 0a 19 6a 2f c4 ca 53  >...j/..S<
-000040 75 70 65 72 6d 69 63 72  >upermicr<
-000048 6f c6 58 31 31 44 50 55  >o.X11DPU<
-000050 cc 5a 4d 31 38 41 53 30  >.ZM18AS0<
-000058 31 32 33 34 35 c9 58 31  >12345.X1<
-000060 31 44 50 55 2d 52 31 c0  >1DPU-R1.<
-000068 c8 42 49 4f 53 20 32 2e  >.BIOS 2.<
-000070 31 00 ce 4d 41 43 20 30  >1..MAC 0<
-000078 30 32 35 39 30 33 38 41  >0259038A<
-000080 42 c1 00 00 00 00 00 64  >B......d<
-000088 01 0a 19 ca 53 75 70 65  >....Supe<
-000090 72 6d 69 63 72 6f ce 53  >rmicro.S<
-000098 59 53 2d 31 30 32 39 55  >YS-1029U<
-0000a0 2d 54 52 54 50 c9 53 59  >-TRTP.SY<
-0000a8 53 2d 31 30 32 39 55 c3  >S-1029U.<
-0000b0 31 2e 30 cf 53 31 32 33  >1.0.S123<
-0000b8 34 35 36 58 39 42 30 31  >456X9B01<
-0000c0 32 33 34 c7 41 73 73 65  >234.Asse<
-0000c8 74 20 37 c0 c8 43 4f 4e  >t 7..CON<
-0000d0 46 49 47 20 41 c1 00 4d  >FIG A..M<
-0000d8 00 00 00 00 00 00 00 00  >........<
+000000 01 01 02 08 12 00 00 e2  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 06 17 c8 43 53 45 2d  >....CSE-<
+000018 38 32 39 55 ce 43 38 32  >829U.C82<
+000020 39 30 4c 4b 31 31 41 30  >90LK11A0<
+000028 30 30 31 c8 52 45 56 20  >001.REV <
+000030 32 2e 30 30 06 00 25 90  >2.00..%.<
+000038 fc 1a 2b c1 00 00 00 e9  >..+.....<
+000040 01 0a 19 6a 2f c4 ca 53  >...j/..S<
+000048 75 70 65 72 6d 69 63 72  >upermicr<
+000050 6f c6 58 31 31 44 50 55  >o.X11DPU<
+000058 cc 5a 4d 31 38 41 53 30  >.ZM18AS0<
+000060 31 32 33 34 35 c9 58 31  >12345.X1<
+000068 31 44 50 55 2d 52 31 c0  >1DPU-R1.<
+000070 c8 42 49 4f 53 20 32 2e  >.BIOS 2.<
+000078 31 00 ce 4d 41 43 20 30  >1..MAC 0<
+000080 30 32 35 39 30 33 38 41  >0259038A<
+000088 42 c1 00 00 00 00 00 64  >B......d<
+000090 01 0a 19 ca 53 75 70 65  >....Supe<
+000098 72 6d 69 63 72 6f ce 53  >rmicro.S<
+0000a0 59 53 2d 31 30 32 39 55  >YS-1029U<
+0000a8 2d 54 52 54 50 c9 53 59  >-TRTP.SY<
+0000b0 53 2d 31 30 32 39 55 c3  >S-1029U.<
+0000b8 31 2e 30 cf 53 31 32 33  >1.0.S123<
+0000c0 34 35 36 58 39 42 30 31  >456X9B01<
+0000c8 32 33 34 c7 41 73 73 65  >234.Asse<
+0000d0 74 20 37 c0 c8 43 4f 4e  >t 7..CON<
+0000d8 46 49 47 20 41 c1 00 4d  >FIG A..M<
=== Board, internal use, product: the order is kept, and no chassis area is added
device: board-iu-product 512
run: decoded BSN CN7016385F9999; od -An -tx1 -N8 $FRUSIM_IMAGE
[exit 0]
5c5
<   FRU Board Serial Number: CN7016385F0123
---
>   FRU Board Serial Number: CN7016385F9999
 01 09 00 01 0c 00 00 e9
files: fru.sh 755 f
read 0-17
read 9-11
write 0-17
read 0-17
-000030 35 46 30 31 32 33 c9 30  >5F0123.0<
+000030 35 46 39 39 39 39 c9 30  >5F9999.0<
-000040 c0 c1 00 00 00 00 00 d4  >........<
+000040 c0 c1 00 00 00 00 00 b6  >........<
=== A chassis value on a record without chassis area adds one in front of the board area
device: board-iu-product 512
run: korrel CSN CS1 | tail -n 1; fru | grep Chassis; od -An -tx1 -N8 $FRUSIM_IMAGE
[exit 0]
  FRU Chassis Type: Rack Mount Chassis
  FRU Chassis Serial Number: CS1
 01 0b 01 03 0e 00 00 e2
files: fru.sh 755 f
read 0-17
read 9-11
raw 0x0A 0x10 0x00
write 0-19
read 0-19
-000000 01 09 00 01 0c 00 00 e9  >........<
-000008 01 08 00 10 20 b5 c9 44  >.... ..D<
-000010 65 6c 6c 20 49 6e 63 2e  >ell Inc.<
-000018 ce 50 6f 77 65 72 45 64  >.PowerEd<
-000020 67 65 20 52 36 34 30 ce  >ge R640.<
-000028 43 4e 37 30 31 36 33 38  >CN701638<
-000030 35 46 30 31 32 33 c9 30  >5F0123.0<
-000038 57 32 33 48 38 41 30 30  >W23H8A00<
-000040 c0 c1 00 00 00 00 00 d4  >........<
-000048 01 40 41 42 43 44 45 46  >.@ABCDEF<
-000050 47 48 49 4a 4b 4c 4d 4e  >GHIJKLMN<
-000058 4f 50 51 52 53 54 55 56  >OPQRSTUV<
-000060 01 06 00 c9 44 65 6c 6c  >....Dell<
-000068 20 49 6e 63 2e ce 50 6f  > Inc..Po<
-000070 77 65 72 45 64 67 65 20  >werEdge <
-000078 52 36 34 30 c0 c0 c7 37  >R640...7<
-000080 58 59 5a 31 32 33 c0 c0  >XYZ123..<
-000088 c1 00 00 00 00 00 00 8b  >........<
-000090 00 00 00 00 00 00 00 00  >........<
-000098 00 00 00 00 00 00 00 00  >........<
+000000 01 0b 01 03 0e 00 00 e2  >........<
+000008 01 02 17 c0 c3 43 53 31  >.....CS1<
+000010 c0 c1 00 00 00 00 00 1b  >........<
+000018 01 08 00 10 20 b5 c9 44  >.... ..D<
+000020 65 6c 6c 20 49 6e 63 2e  >ell Inc.<
+000028 ce 50 6f 77 65 72 45 64  >.PowerEd<
+000030 67 65 20 52 36 34 30 ce  >ge R640.<
+000038 43 4e 37 30 31 36 33 38  >CN701638<
+000040 35 46 30 31 32 33 c9 30  >5F0123.0<
+000048 57 32 33 48 38 41 30 30  >W23H8A00<
+000050 c0 c1 00 00 00 00 00 d4  >........<
+000058 01 40 41 42 43 44 45 46  >.@ABCDEF<
+000060 47 48 49 4a 4b 4c 4d 4e  >GHIJKLMN<
+000068 4f 50 51 52 53 54 55 56  >OPQRSTUV<
+000070 01 06 00 c9 44 65 6c 6c  >....Dell<
+000078 20 49 6e 63 2e ce 50 6f  > Inc..Po<
+000080 77 65 72 45 64 67 65 20  >werEdge <
+000088 52 36 34 30 c0 c0 c7 37  >R640...7<
+000090 58 59 5a 31 32 33 c0 c0  >XYZ123..<
+000098 c1 00 00 00 00 00 00 8b  >........<
=== FRU file ids of one binary byte 00 and zero-padded text are written back as read
device: binary-ids 512
run: decoded PSN QTF0PR0002
[exit 0]
14c14
<   FRU Product Serial Number: QTF0PR0001
---
>   FRU Product Serial Number: QTF0PR0002
files: fru.sh 755 f
read 0-13
raw 0x0A 0x10 0x00
write 0-14
read 0-14
-000000 01 00 01 03 09 00 00 f2  >........<
-000008 01 02 17 c0 c6 43 48 30  >.....CH0<
-000010 30 30 31 c0 c1 00 00 93  >001.....<
-000018 01 06 00 10 20 b5 c6 51  >.... ..Q<
-000020 75 61 6e 74 61 c6 53 35  >uanta.S5<
-000028 53 00 00 00 ca 51 54 46  >S....QTF<
-000030 30 30 30 31 32 33 34 cb  >0001234.<
-000038 33 31 53 35 53 4d 42 30  >31S5SMB0<
-000040 30 30 30 01 00 c0 c1 59  >000....Y<
-000048 01 05 00 c6 51 75 61 6e  >....Quan<
-000050 74 61 c9 44 35 32 42 2d  >ta.D52B-<
-000058 31 55 00 00 c0 c0 ca 51  >1U.....Q<
-000060 54 46 30 50 52 30 30 30  >TF0PR000<
-000068 31 c0 01 00 c0 c1 00 57  >1......W<
-000070 00 00 00 00 00 00 00 00  >........<
+000000 01 01 02 04 0a 00 00 ee  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 02 17 c0 c6 43 48 30  >.....CH0<
+000018 30 30 31 c0 c1 00 00 93  >001.....<
+000020 01 06 00 10 20 b5 c6 51  >.... ..Q<
+000028 75 61 6e 74 61 c6 53 35  >uanta.S5<
+000030 53 00 00 00 ca 51 54 46  >S....QTF<
+000038 30 30 30 31 32 33 34 cb  >0001234.<
+000040 33 31 53 35 53 4d 42 30  >31S5SMB0<
+000048 30 30 30 01 00 c0 c1 59  >000....Y<
+000050 01 05 00 c6 51 75 61 6e  >....Quan<
+000058 74 61 c9 44 35 32 42 2d  >ta.D52B-<
+000060 31 55 00 00 c0 c0 ca 51  >1U.....Q<
+000068 54 46 30 50 52 30 30 30  >TF0PR000<
+000070 32 c0 01 00 c0 c1 00 56  >2......V<
=== Fixed slots with FF between them, a board area with padding blocks: packed, the values kept
device: slots 512
run: decoded BSN BSN0000418
[exit 0]
9c9
<   FRU Board Serial Number: BSN0000417
---
>   FRU Board Serial Number: BSN0000418
files: fru.sh 755 f
read 0-20
write 0-15
read 0-15
-000000 01 00 01 08 10 00 00 e6  >........<
-000008 01 03 17 c6 43 48 53 2d  >....CHS-<
-000010 32 55 c9 43 53 30 30 30  >2U.CS000<
-000018 30 34 31 37 c0 c1 00 51  >0417...Q<
-000020 ff ff ff ff ff ff ff ff  >........<
-000028 ff ff ff ff ff ff ff ff  >........<
-000030 ff ff ff ff ff ff ff ff  >........<
-000038 ff ff ff ff ff ff ff ff  >........<
-000040 01 06 00 10 20 b5 c6 49  >.... ..I<
-000048 6e 73 70 75 72 c8 4e 46  >nspur.NF<
-000050 35 32 38 30 4d 35 ca 42  >5280M5.B<
-000058 53 4e 30 30 30 30 34 31  >SN000041<
-000060 37 ca 59 5a 4d 42 2d 30  >7.YZMB-0<
-000068 30 38 38 32 c0 c0 c1 9b  >0882....<
-000070 ff ff ff ff ff ff ff ff  >........<
-000078 ff ff ff ff ff ff ff ff  >........<
+000000 01 01 02 05 0b 00 00 ec  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 03 17 c6 43 48 53 2d  >....CHS-<
+000018 32 55 c9 43 53 30 30 30  >2U.CS000<
+000020 30 34 31 37 c0 c1 00 51  >0417...Q<
+000028 01 06 00 10 20 b5 c6 49  >.... ..I<
+000030 6e 73 70 75 72 c8 4e 46  >nspur.NF<
+000038 35 32 38 30 4d 35 ca 42  >5280M5.B<
+000040 53 4e 30 30 30 30 34 31  >SN000041<
+000048 38 ca 59 5a 4d 42 2d 30  >8.YZMB-0<
+000050 30 38 38 32 c0 c0 c1 9a  >0882....<
+000058 01 05 00 c6 49 6e 73 70  >....Insp<
+000060 75 72 c8 4e 46 35 32 38  >ur.NF528<
+000068 30 4d 35 c0 c2 30 31 ca  >0M5..01.<
+000070 50 53 4e 30 30 30 30 34  >PSN00004<
+000078 31 37 c0 c0 c0 c1 00 0b  >17......<
=== A product area that ends past byte 512 is written, and read and edited again
device: long-internal-use 1024
run: A=123456789012345678901234567890123456789012345678901234567890123; korrel PN $A | tail -n 1; korrel PSN X | tail -n 1; fru | grep Product; od -An -tx1 -j4 -N1 $FRUSIM_IMAGE
[exit 0]
[exit 0]
  FRU Product Name: 123456789012345678901234567890123456789012345678901234567890123
  FRU Product Serial Number: X
 3e
files: fru.sh 755 f
read 0-63
read 1-59
raw 0x0A 0x10 0x00
write 0-71
read 0-71
read 0-71
read 1-59
write 0-71
read 0-71
-0001f0 01 02 00 c0 c0 c0 c0 c0  >........<
-0001f8 c0 c0 c0 c1 00 00 00 3c  >.......<<
-000200 00 00 00 00 00 00 00 00  >........<
-000208 00 00 00 00 00 00 00 00  >........<
-000210 00 00 00 00 00 00 00 00  >........<
-000218 00 00 00 00 00 00 00 00  >........<
-000220 00 00 00 00 00 00 00 00  >........<
-000228 00 00 00 00 00 00 00 00  >........<
-000230 00 00 00 00 00 00 00 00  >........<
-000238 00 00 00 00 00 00 00 00  >........<
+0001f0 01 0a 00 c0 ff 31 32 33  >.....123<
+0001f8 34 35 36 37 38 39 30 31  >45678901<
+000200 32 33 34 35 36 37 38 39  >23456789<
+000208 30 31 32 33 34 35 36 37  >01234567<
+000210 38 39 30 31 32 33 34 35  >89012345<
+000218 36 37 38 39 30 31 32 33  >67890123<
+000220 34 35 36 37 38 39 30 31  >45678901<
+000228 32 33 34 35 36 37 38 39  >23456789<
+000230 30 31 32 33 c0 c0 c2 58  >0123...X<
+000238 00 c0 c0 c0 c1 00 00 b7  >........<
=== A server record with an OEM multirecord: one size request, the blocks' reads and writes, the record moved unchanged
device: server-oem 512
run: decoded BSN BS0417-NEW
[exit 0]
9c9
<   FRU Board Serial Number: BS0417
---
>   FRU Board Serial Number: BS0417-NEW
files: fru.sh 755 f
read 0-0
raw 0x0A 0x10 0x00
read 1-19
write 0-20
read 0-20
-000000 01 00 01 04 0a 10 00 e0  >........<
-000008 01 03 17 ca 43 48 2d 53  >....CH-S<
-000010 32 36 30 30 57 46 c6 43  >2600WF.C<
-000018 53 30 34 31 37 c0 c1 02  >S0417...<
-000020 01 06 00 10 20 b5 c5 49  >.... ..I<
-000028 6e 74 65 6c c7 53 32 36  >ntel.S26<
-000030 30 30 57 46 c6 42 53 30  >00WF.BS0<
-000038 34 31 37 ca 50 4e 2d 53  >417.PN-S<
-000040 32 36 30 30 57 46 c0 c0  >2600WF..<
-000048 c1 00 00 00 00 00 00 1f  >........<
-000050 01 06 00 c5 49 6e 74 65  >....Inte<
-000058 6c c7 53 32 36 30 30 57  >l.S2600W<
-000060 46 c9 4d 2d 53 32 36 30  >F.M-S260<
-000068 30 57 46 c2 41 31 c6 50  >0WF.A1.P<
-000070 53 30 34 31 37 c0 c0 c0  >S0417...<
-000078 c1 00 00 00 00 00 00 54  >.......T<
-000080 c0 82 19 a7 fe 57 01 00  >.....W..<
-000088 01 02 10 11 12 13 14 15  >........<
-000090 16 17 18 19 1a 1b 1c 1d  >........<
-000098 1e 1f 20 21 22 23 00 00  >.. !"#..<
-0000a0 00 00 00 00 00 00 00 00  >........<
+000000 01 01 02 05 0b 11 00 db  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 03 17 ca 43 48 2d 53  >....CH-S<
+000018 32 36 30 30 57 46 c6 43  >2600WF.C<
+000020 53 30 34 31 37 c0 c1 02  >S0417...<
+000028 01 06 00 10 20 b5 c5 49  >.... ..I<
+000030 6e 74 65 6c c7 53 32 36  >ntel.S26<
+000038 30 30 57 46 ca 42 53 30  >00WF.BS0<
+000040 34 31 37 2d 4e 45 57 ca  >417-NEW.<
+000048 50 4e 2d 53 32 36 30 30  >PN-S2600<
+000050 57 46 c0 c0 c1 00 00 04  >WF......<
+000058 01 06 00 c5 49 6e 74 65  >....Inte<
+000060 6c c7 53 32 36 30 30 57  >l.S2600W<
+000068 46 c9 4d 2d 53 32 36 30  >F.M-S260<
+000070 30 57 46 c2 41 31 c6 50  >0WF.A1.P<
+000078 53 30 34 31 37 c0 c0 c0  >S0417...<
+000080 c1 00 00 00 00 00 00 54  >.......T<
+000088 c0 82 19 a7 fe 57 01 00  >.....W..<
+000090 01 02 10 11 12 13 14 15  >........<
+000098 16 17 18 19 1a 1b 1c 1d  >........<
+0000a0 1e 1f 20 21 22 23 00 00  >.. !"#..<
=== A system UUID record is kept
device: uuid 512
run: decoded PSN PS0418-NEW
[exit 0]
16c16
<   FRU Product Serial Number: PS0418
---
>   FRU Product Serial Number: PS0418-NEW
files: fru.sh 755 f
read 0-0
raw 0x0A 0x10 0x00
read 1-16
write 0-18
read 0-18
-000000 01 00 01 04 09 0e 00 e3  >........<
-000008 01 03 17 c8 43 48 2d 53  >....CH-S<
-000010 52 36 35 30 c6 43 53 30  >R650.CS0<
-000018 34 31 38 c0 c1 00 00 7b  >418....{<
-000020 01 05 00 10 20 b5 c6 4c  >.... ..L<
-000028 65 6e 6f 76 6f c5 53 52  >enovo.SR<
-000030 36 35 30 c6 42 53 30 34  >650.BS04<
-000038 31 38 c8 50 4e 2d 53 52  >18.PN-SR<
-000040 36 35 30 c0 c0 c1 00 9b  >650.....<
-000048 01 05 00 c6 4c 65 6e 6f  >....Leno<
-000050 76 6f c5 53 52 36 35 30  >vo.SR650<
-000058 c7 4d 2d 53 52 36 35 30  >.M-SR650<
-000060 c2 41 31 c6 50 53 30 34  >.A1.PS04<
-000068 31 38 c0 c0 c0 c1 00 d0  >18......<
-000070 03 82 11 f8 72 07 4c 4c  >....r.LL<
-000078 45 44 00 4a 37 10 80 4c  >ED.J7..L<
-000080 b4 c0 4f 4b 43 32 00 00  >..OKC2..<
-000088 00 00 00 00 00 00 00 00  >........<
-000090 00 00 00 00 00 00 00 00  >........<
+000000 01 01 02 05 0a 10 00 dd  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 03 17 c8 43 48 2d 53  >....CH-S<
+000018 52 36 35 30 c6 43 53 30  >R650.CS0<
+000020 34 31 38 c0 c1 00 00 7b  >418....{<
+000028 01 05 00 10 20 b5 c6 4c  >.... ..L<
+000030 65 6e 6f 76 6f c5 53 52  >enovo.SR<
+000038 36 35 30 c6 42 53 30 34  >650.BS04<
+000040 31 38 c8 50 4e 2d 53 52  >18.PN-SR<
+000048 36 35 30 c0 c0 c1 00 9b  >650.....<
+000050 01 06 00 c6 4c 65 6e 6f  >....Leno<
+000058 76 6f c5 53 52 36 35 30  >vo.SR650<
+000060 c7 4d 2d 53 52 36 35 30  >.M-SR650<
+000068 c2 41 31 ca 50 53 30 34  >.A1.PS04<
+000070 31 38 2d 4e 45 57 c0 c0  >18-NEW..<
+000078 c0 c1 00 00 00 00 00 b4  >........<
+000080 03 82 11 f8 72 07 4c 4c  >....r.LL<
+000088 45 44 00 4a 37 10 80 4c  >ED.J7..L<
+000090 b4 c0 4f 4b 43 32 00 00  >..OKC2..<
=== A power supply with board and product areas: its power supply, DC output and DC load records are kept
device: psu-board 512
run: decoded BSN BS0419-NEW
[exit 0]
5c5
<   FRU Board Serial Number: BS0419
---
>   FRU Board Serial Number: BS0419-NEW
files: fru.sh 755 f
read 0-0
raw 0x0A 0x10 0x00
read 1-21
write 0-23
read 0-23
-000000 01 00 00 01 07 0d 00 ea  >........<
-000008 01 06 00 10 20 b5 c5 44  >.... ..D<
-000010 65 6c 74 61 ca 44 50 53  >elta.DPS<
-000018 2d 31 36 30 30 41 42 c6  >-1600AB.<
-000020 42 53 30 34 31 39 cd 50  >BS0419.P<
-000028 4e 2d 44 50 53 2d 31 36  >N-DPS-16<
-000030 30 30 41 42 c0 c0 c1 dd  >00AB....<
-000038 01 06 00 c5 44 65 6c 74  >....Delt<
-000040 61 ca 44 50 53 2d 31 36  >a.DPS-16<
-000048 30 30 41 42 cc 4d 2d 44  >00AB.M-D<
-000050 50 53 2d 31 36 30 30 41  >PS-1600A<
-000058 42 c2 41 31 c6 50 53 30  >B.A1.PS0<
-000060 34 31 39 c0 c0 c0 c1 12  >419.....<
-000068 00 02 18 de 08 20 03 10  >..... ..<
-000070 27 00 00 00 00 5a 0f e8  >'....Z..<
-000078 03 2c 01 20 03 01 02 03  >.,. ....<
-000080 04 05 06 07 08 01 02 0d  >........<
-000088 cb 25 01 b0 04 f4 01 f4  >.%......<
-000090 01 32 00 00 00 64 00 02  >.2...d..<
-000098 82 0d d9 96 01 b0 04 4c  >.......L<
-0000a0 04 14 05 32 00 00 00 d0  >...2....<
-0000a8 07 00 00 00 00 00 00 00  >........<
-0000b0 00 00 00 00 00 00 00 00  >........<
-0000b8 00 00 00 00 00 00 00 00  >........<
+000000 01 01 00 02 09 0f 00 e4  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 07 00 10 20 b5 c5 44  >.... ..D<
+000018 65 6c 74 61 ca 44 50 53  >elta.DPS<
+000020 2d 31 36 30 30 41 42 ca  >-1600AB.<
+000028 42 53 30 34 31 39 2d 4e  >BS0419-N<
+000030 45 57 cd 50 4e 2d 44 50  >EW.PN-DP<
+000038 53 2d 31 36 30 30 41 42  >S-1600AB<
+000040 c0 c0 c1 00 00 00 00 c1  >........<
+000048 01 06 00 c5 44 65 6c 74  >....Delt<
+000050 61 ca 44 50 53 2d 31 36  >a.DPS-16<
+000058 30 30 41 42 cc 4d 2d 44  >00AB.M-D<
+000060 50 53 2d 31 36 30 30 41  >PS-1600A<
+000068 42 c2 41 31 c6 50 53 30  >B.A1.PS0<
+000070 34 31 39 c0 c0 c0 c1 12  >419.....<
+000078 00 02 18 de 08 20 03 10  >..... ..<
+000080 27 00 00 00 00 5a 0f e8  >'....Z..<
+000088 03 2c 01 20 03 01 02 03  >.,. ....<
+000090 04 05 06 07 08 01 02 0d  >........<
+000098 cb 25 01 b0 04 f4 01 f4  >.%......<
+0000a0 01 32 00 00 00 64 00 02  >.2...d..<
+0000a8 82 0d d9 96 01 b0 04 4c  >.......L<
+0000b0 04 14 05 32 00 00 00 d0  >...2....<
+0000b8 07 00 00 00 00 00 00 00  >........<
=== An AdvancedTCA board past 1.5 KiB: internal use area of 256 bytes, PICMG and OEM records, an edit that moves them a block on
device: picmg 2048
run: decoded PN ATCA-7480-REV2-EXTENDED; od -An -tx1 -N8 $FRUSIM_IMAGE
[exit 0]
13c13
<   FRU Product Name: ATCA-7480
---
>   FRU Product Name: ATCA-7480-REV2-EXTENDED
 01 01 21 25 2c 35 00 57
files: fru.sh 755 f
read 0-0
raw 0x0A 0x10 0x00
read 1-208
read 1-32
write 0-210
read 0-210
-000000 01 01 21 25 2c 33 00 59  >..!%,3.Y<
+000000 01 01 21 25 2c 35 00 57  >..!%,5.W<
-000160 01 07 00 cc 50 69 67 65  >....Pige<
+000160 01 09 00 cc 50 69 67 65  >....Pige<
-000170 c9 41 54 43 41 2d 37 34  >.ATCA-74<
-000178 38 30 cb 4d 2d 41 54 43  >80.M-ATC<
-000180 41 2d 37 34 38 30 c2 41  >A-7480.A<
-000188 31 c6 50 53 30 34 32 30  >1.PS0420<
-000190 c0 c0 c0 c1 00 00 00 fc  >........<
-000198 c0 02 06 2d 0b 5a 31 00  >...-.Z1.<
-0001a0 16 00 32 c0 02 10 25 09  >..2...%.<
-0001a8 5a 31 00 19 00 00 80 01  >Z1......<
-0001b0 20 88 f1 00 21 00 00 fc  > ...!...<
-0001b8 c0 02 f0 56 f8 57 01 00  >...V.W..<
-0001c0 00 00 01 02 03 04 05 06  >........<
-0001c8 07 08 09 0a 0b 0c 0d 0e  >........<
-0001d0 0f 10 11 12 13 14 15 16  >........<
-0001d8 17 18 19 1a 1b 1c 1d 1e  >........<
-0001e0 1f 20 21 22 23 24 25 26  >. !"#$%&<
-0001e8 27 28 29 2a 2b 2c 2d 2e  >'()*+,-.<
-0001f0 2f 30 31 32 33 34 35 36  >/0123456<
-0001f8 37 38 39 3a 3b 3c 3d 3e  >789:;<=><
-000200 3f 40 41 42 43 44 45 46  >?@ABCDEF<
-000208 47 48 49 4a 4b 4c 4d 4e  >GHIJKLMN<
-000210 4f 50 51 52 53 54 55 56  >OPQRSTUV<
-000218 57 58 59 5a 5b 5c 5d 5e  >WXYZ[\]^<
-000220 5f 60 61 62 63 64 65 66  >_`abcdef<
-000228 67 68 69 6a 6b 6c 6d 6e  >ghijklmn<
-000230 6f 70 71 72 73 74 75 76  >opqrstuv<
-000238 77 78 79 7a 7b 7c 7d 7e  >wxyz{|}~<
-000240 7f 80 81 82 83 84 85 86  >........<
-000248 87 88 89 8a 8b 8c 8d 8e  >........<
-000250 8f 90 91 92 93 94 95 96  >........<
-000258 97 98 99 9a 9b 9c 9d 9e  >........<
-000260 9f a0 a1 a2 a3 a4 a5 a6  >........<
-000268 a7 a8 a9 aa ab ac ad ae  >........<
-000270 af b0 b1 b2 b3 b4 b5 b6  >........<
-000278 b7 b8 b9 ba bb bc bd be  >........<
-000280 bf c0 c1 c2 c3 c4 c5 c6  >........<
-000288 c7 c8 c9 ca cb cc cd ce  >........<
-000290 cf d0 d1 d2 d3 d4 d5 d6  >........<
-000298 d7 d8 d9 da db dc dd de  >........<
-0002a0 df e0 e1 e2 e3 e4 e5 e6  >........<
-0002a8 e7 e8 e9 ea eb c0 02 f0  >........<
-0002b0 e1 6d 57 01 00 01 07 08  >.mW.....<
-0002b8 09 0a 0b 0c 0d 0e 0f 10  >........<
-0002c0 11 12 13 14 15 16 17 18  >........<
-0002c8 19 1a 1b 1c 1d 1e 1f 20  >....... <
-0002d0 21 22 23 24 25 26 27 28  >!"#$%&'(<
-0002d8 29 2a 2b 2c 2d 2e 2f 30  >)*+,-./0<
-0002e0 31 32 33 34 35 36 37 38  >12345678<
-0002e8 39 3a 3b 3c 3d 3e 3f 40  >9:;<=>?@<
-0002f0 41 42 43 44 45 46 47 48  >ABCDEFGH<
-0002f8 49 4a 4b 4c 4d 4e 4f 50  >IJKLMNOP<
-000300 51 52 53 54 55 56 57 58  >QRSTUVWX<
-000308 59 5a 5b 5c 5d 5e 5f 60  >YZ[\]^_`<
-000310 61 62 63 64 65 66 67 68  >abcdefgh<
-000318 69 6a 6b 6c 6d 6e 6f 70  >ijklmnop<
-000320 71 72 73 74 75 76 77 78  >qrstuvwx<
-000328 79 7a 7b 7c 7d 7e 7f 80  >yz{|}~..<
-000330 81 82 83 84 85 86 87 88  >........<
-000338 89 8a 8b 8c 8d 8e 8f 90  >........<
-000340 91 92 93 94 95 96 97 98  >........<
-000348 99 9a 9b 9c 9d 9e 9f a0  >........<
-000350 a1 a2 a3 a4 a5 a6 a7 a8  >........<
-000358 a9 aa ab ac ad ae af b0  >........<
-000360 b1 b2 b3 b4 b5 b6 b7 b8  >........<
-000368 b9 ba bb bc bd be bf c0  >........<
-000370 c1 c2 c3 c4 c5 c6 c7 c8  >........<
-000378 c9 ca cb cc cd ce cf d0  >........<
-000380 d1 d2 d3 d4 d5 d6 d7 d8  >........<
-000388 d9 da db dc dd de df e0  >........<
-000390 e1 e2 e3 e4 e5 e6 e7 e8  >........<
-000398 e9 ea eb ec ed ee ef f0  >........<
-0003a0 f1 f2 c0 02 f0 6c e2 57  >.....l.W<
-0003a8 01 00 02 0e 0f 10 11 12  >........<
-0003b0 13 14 15 16 17 18 19 1a  >........<
-0003b8 1b 1c 1d 1e 1f 20 21 22  >..... !"<
-0003c0 23 24 25 26 27 28 29 2a  >#$%&'()*<
-0003c8 2b 2c 2d 2e 2f 30 31 32  >+,-./012<
-0003d0 33 34 35 36 37 38 39 3a  >3456789:<
-0003d8 3b 3c 3d 3e 3f 40 41 42  >;<=>?@AB<
-0003e0 43 44 45 46 47 48 49 4a  >CDEFGHIJ<
-0003e8 4b 4c 4d 4e 4f 50 51 52  >KLMNOPQR<
-0003f0 53 54 55 56 57 58 59 5a  >STUVWXYZ<
-0003f8 5b 5c 5d 5e 5f 60 61 62  >[\]^_`ab<
-000400 63 64 65 66 67 68 69 6a  >cdefghij<
-000408 6b 6c 6d 6e 6f 70 71 72  >klmnopqr<
-000410 73 74 75 76 77 78 79 7a  >stuvwxyz<
-000418 7b 7c 7d 7e 7f 80 81 82  >{|}~....<
-000420 83 84 85 86 87 88 89 8a  >........<
-000428 8b 8c 8d 8e 8f 90 91 92  >........<
-000430 93 94 95 96 97 98 99 9a  >........<
-000438 9b 9c 9d 9e 9f a0 a1 a2  >........<
-000440 a3 a4 a5 a6 a7 a8 a9 aa  >........<
-000448 ab ac ad ae af b0 b1 b2  >........<
-000450 b3 b4 b5 b6 b7 b8 b9 ba  >........<
-000458 bb bc bd be bf c0 c1 c2  >........<
-000460 c3 c4 c5 c6 c7 c8 c9 ca  >........<
-000468 cb cc cd ce cf d0 d1 d2  >........<
-000470 d3 d4 d5 d6 d7 d8 d9 da  >........<
-000478 db dc dd de df e0 e1 e2  >........<
-000480 e3 e4 e5 e6 e7 e8 e9 ea  >........<
-000488 eb ec ed ee ef f0 f1 f2  >........<
-000490 f3 f4 f5 f6 f7 f8 f9 c0  >........<
-000498 02 f0 f7 57 57 01 00 03  >...WW...<
-0004a0 15 16 17 18 19 1a 1b 1c  >........<
-0004a8 1d 1e 1f 20 21 22 23 24  >... !"#$<
-0004b0 25 26 27 28 29 2a 2b 2c  >%&'()*+,<
-0004b8 2d 2e 2f 30 31 32 33 34  >-./01234<
-0004c0 35 36 37 38 39 3a 3b 3c  >56789:;<<
-0004c8 3d 3e 3f 40 41 42 43 44  >=>?@ABCD<
-0004d0 45 46 47 48 49 4a 4b 4c  >EFGHIJKL<
-0004d8 4d 4e 4f 50 51 52 53 54  >MNOPQRST<
-0004e0 55 56 57 58 59 5a 5b 5c  >UVWXYZ[\<
-0004e8 5d 5e 5f 60 61 62 63 64  >]^_`abcd<
-0004f0 65 66 67 68 69 6a 6b 6c  >efghijkl<
-0004f8 6d 6e 6f 70 71 72 73 74  >mnopqrst<
-000500 75 76 77 78 79 7a 7b 7c  >uvwxyz{|<
-000508 7d 7e 7f 80 81 82 83 84  >}~......<
-000510 85 86 87 88 89 8a 8b 8c  >........<
-000518 8d 8e 8f 90 91 92 93 94  >........<
-000520 95 96 97 98 99 9a 9b 9c  >........<
-000528 9d 9e 9f a0 a1 a2 a3 a4  >........<
-000530 a5 a6 a7 a8 a9 aa ab ac  >........<
-000538 ad ae af b0 b1 b2 b3 b4  >........<
-000540 b5 b6 b7 b8 b9 ba bb bc  >........<
-000548 bd be bf c0 c1 c2 c3 c4  >........<
-000550 c5 c6 c7 c8 c9 ca cb cc  >........<
-000558 cd ce cf d0 d1 d2 d3 d4  >........<
-000560 d5 d6 d7 d8 d9 da db dc  >........<
-000568 dd de df e0 e1 e2 e3 e4  >........<
-000570 e5 e6 e7 e8 e9 ea eb ec  >........<
-000578 ed ee ef f0 f1 f2 f3 f4  >........<
-000580 f5 f6 f7 f8 f9 fa fb fc  >........<
-000588 fd fe ff 00 c0 82 f0 82  >........<
-000590 4c 57 01 00 04 1c 1d 1e  >LW......<
-000598 1f 20 21 22 23 24 25 26  >. !"#$%&<
-0005a0 27 28 29 2a 2b 2c 2d 2e  >'()*+,-.<
-0005a8 2f 30 31 32 33 34 35 36  >/0123456<
-0005b0 37 38 39 3a 3b 3c 3d 3e  >789:;<=><
-0005b8 3f 40 41 42 43 44 45 46  >?@ABCDEF<
-0005c0 47 48 49 4a 4b 4c 4d 4e  >GHIJKLMN<
-0005c8 4f 50 51 52 53 54 55 56  >OPQRSTUV<
-0005d0 57 58 59 5a 5b 5c 5d 5e  >WXYZ[\]^<
-0005d8 5f 60 61 62 63 64 65 66  >_`abcdef<
-0005e0 67 68 69 6a 6b 6c 6d 6e  >ghijklmn<
-0005e8 6f 70 71 72 73 74 75 76  >opqrstuv<
-0005f0 77 78 79 7a 7b 7c 7d 7e  >wxyz{|}~<
-0005f8 7f 80 81 82 83 84 85 86  >........<
-000600 87 88 89 8a 8b 8c 8d 8e  >........<
-000608 8f 90 91 92 93 94 95 96  >........<
-000610 97 98 99 9a 9b 9c 9d 9e  >........<
-000618 9f a0 a1 a2 a3 a4 a5 a6  >........<
-000620 a7 a8 a9 aa ab ac ad ae  >........<
-000628 af b0 b1 b2 b3 b4 b5 b6  >........<
-000630 b7 b8 b9 ba bb bc bd be  >........<
-000638 bf c0 c1 c2 c3 c4 c5 c6  >........<
-000640 c7 c8 c9 ca cb cc cd ce  >........<
-000648 cf d0 d1 d2 d3 d4 d5 d6  >........<
-000650 d7 d8 d9 da db dc dd de  >........<
-000658 df e0 e1 e2 e3 e4 e5 e6  >........<
-000660 e7 e8 e9 ea eb ec ed ee  >........<
-000668 ef f0 f1 f2 f3 f4 f5 f6  >........<
-000670 f7 f8 f9 fa fb fc fd fe  >........<
-000678 ff 00 01 02 03 04 05 06  >........<
-000680 07 00 00 00 00 00 00 00  >........<
-000688 00 00 00 00 00 00 00 00  >........<
-000690 00 00 00 00 00 00 00 00  >........<
+000170 d7 41 54 43 41 2d 37 34  >.ATCA-74<
+000178 38 30 2d 52 45 56 32 2d  >80-REV2-<
+000180 45 58 54 45 4e 44 45 44  >EXTENDED<
+000188 cb 4d 2d 41 54 43 41 2d  >.M-ATCA-<
+000190 37 34 38 30 c2 41 31 c6  >7480.A1.<
+000198 50 53 30 34 32 30 c0 c0  >PS0420..<
+0001a0 c0 c1 00 00 00 00 00 22  >......."<
+0001a8 c0 02 06 2d 0b 5a 31 00  >...-.Z1.<
+0001b0 16 00 32 c0 02 10 25 09  >..2...%.<
+0001b8 5a 31 00 19 00 00 80 01  >Z1......<
+0001c0 20 88 f1 00 21 00 00 fc  > ...!...<
+0001c8 c0 02 f0 56 f8 57 01 00  >...V.W..<
+0001d0 00 00 01 02 03 04 05 06  >........<
+0001d8 07 08 09 0a 0b 0c 0d 0e  >........<
+0001e0 0f 10 11 12 13 14 15 16  >........<
+0001e8 17 18 19 1a 1b 1c 1d 1e  >........<
+0001f0 1f 20 21 22 23 24 25 26  >. !"#$%&<
+0001f8 27 28 29 2a 2b 2c 2d 2e  >'()*+,-.<
+000200 2f 30 31 32 33 34 35 36  >/0123456<
+000208 37 38 39 3a 3b 3c 3d 3e  >789:;<=><
+000210 3f 40 41 42 43 44 45 46  >?@ABCDEF<
+000218 47 48 49 4a 4b 4c 4d 4e  >GHIJKLMN<
+000220 4f 50 51 52 53 54 55 56  >OPQRSTUV<
+000228 57 58 59 5a 5b 5c 5d 5e  >WXYZ[\]^<
+000230 5f 60 61 62 63 64 65 66  >_`abcdef<
+000238 67 68 69 6a 6b 6c 6d 6e  >ghijklmn<
+000240 6f 70 71 72 73 74 75 76  >opqrstuv<
+000248 77 78 79 7a 7b 7c 7d 7e  >wxyz{|}~<
+000250 7f 80 81 82 83 84 85 86  >........<
+000258 87 88 89 8a 8b 8c 8d 8e  >........<
+000260 8f 90 91 92 93 94 95 96  >........<
+000268 97 98 99 9a 9b 9c 9d 9e  >........<
+000270 9f a0 a1 a2 a3 a4 a5 a6  >........<
+000278 a7 a8 a9 aa ab ac ad ae  >........<
+000280 af b0 b1 b2 b3 b4 b5 b6  >........<
+000288 b7 b8 b9 ba bb bc bd be  >........<
+000290 bf c0 c1 c2 c3 c4 c5 c6  >........<
+000298 c7 c8 c9 ca cb cc cd ce  >........<
+0002a0 cf d0 d1 d2 d3 d4 d5 d6  >........<
+0002a8 d7 d8 d9 da db dc dd de  >........<
+0002b0 df e0 e1 e2 e3 e4 e5 e6  >........<
+0002b8 e7 e8 e9 ea eb c0 02 f0  >........<
+0002c0 e1 6d 57 01 00 01 07 08  >.mW.....<
+0002c8 09 0a 0b 0c 0d 0e 0f 10  >........<
+0002d0 11 12 13 14 15 16 17 18  >........<
+0002d8 19 1a 1b 1c 1d 1e 1f 20  >....... <
+0002e0 21 22 23 24 25 26 27 28  >!"#$%&'(<
+0002e8 29 2a 2b 2c 2d 2e 2f 30  >)*+,-./0<
+0002f0 31 32 33 34 35 36 37 38  >12345678<
+0002f8 39 3a 3b 3c 3d 3e 3f 40  >9:;<=>?@<
+000300 41 42 43 44 45 46 47 48  >ABCDEFGH<
+000308 49 4a 4b 4c 4d 4e 4f 50  >IJKLMNOP<
+000310 51 52 53 54 55 56 57 58  >QRSTUVWX<
+000318 59 5a 5b 5c 5d 5e 5f 60  >YZ[\]^_`<
+000320 61 62 63 64 65 66 67 68  >abcdefgh<
+000328 69 6a 6b 6c 6d 6e 6f 70  >ijklmnop<
+000330 71 72 73 74 75 76 77 78  >qrstuvwx<
+000338 79 7a 7b 7c 7d 7e 7f 80  >yz{|}~..<
+000340 81 82 83 84 85 86 87 88  >........<
+000348 89 8a 8b 8c 8d 8e 8f 90  >........<
+000350 91 92 93 94 95 96 97 98  >........<
+000358 99 9a 9b 9c 9d 9e 9f a0  >........<
+000360 a1 a2 a3 a4 a5 a6 a7 a8  >........<
+000368 a9 aa ab ac ad ae af b0  >........<
+000370 b1 b2 b3 b4 b5 b6 b7 b8  >........<
+000378 b9 ba bb bc bd be bf c0  >........<
+000380 c1 c2 c3 c4 c5 c6 c7 c8  >........<
+000388 c9 ca cb cc cd ce cf d0  >........<
+000390 d1 d2 d3 d4 d5 d6 d7 d8  >........<
+000398 d9 da db dc dd de df e0  >........<
+0003a0 e1 e2 e3 e4 e5 e6 e7 e8  >........<
+0003a8 e9 ea eb ec ed ee ef f0  >........<
+0003b0 f1 f2 c0 02 f0 6c e2 57  >.....l.W<
+0003b8 01 00 02 0e 0f 10 11 12  >........<
+0003c0 13 14 15 16 17 18 19 1a  >........<
+0003c8 1b 1c 1d 1e 1f 20 21 22  >..... !"<
+0003d0 23 24 25 26 27 28 29 2a  >#$%&'()*<
+0003d8 2b 2c 2d 2e 2f 30 31 32  >+,-./012<
+0003e0 33 34 35 36 37 38 39 3a  >3456789:<
+0003e8 3b 3c 3d 3e 3f 40 41 42  >;<=>?@AB<
+0003f0 43 44 45 46 47 48 49 4a  >CDEFGHIJ<
+0003f8 4b 4c 4d 4e 4f 50 51 52  >KLMNOPQR<
+000400 53 54 55 56 57 58 59 5a  >STUVWXYZ<
+000408 5b 5c 5d 5e 5f 60 61 62  >[\]^_`ab<
+000410 63 64 65 66 67 68 69 6a  >cdefghij<
+000418 6b 6c 6d 6e 6f 70 71 72  >klmnopqr<
+000420 73 74 75 76 77 78 79 7a  >stuvwxyz<
+000428 7b 7c 7d 7e 7f 80 81 82  >{|}~....<
+000430 83 84 85 86 87 88 89 8a  >........<
+000438 8b 8c 8d 8e 8f 90 91 92  >........<
+000440 93 94 95 96 97 98 99 9a  >........<
+000448 9b 9c 9d 9e 9f a0 a1 a2  >........<
+000450 a3 a4 a5 a6 a7 a8 a9 aa  >........<
+000458 ab ac ad ae af b0 b1 b2  >........<
+000460 b3 b4 b5 b6 b7 b8 b9 ba  >........<
+000468 bb bc bd be bf c0 c1 c2  >........<
+000470 c3 c4 c5 c6 c7 c8 c9 ca  >........<
+000478 cb cc cd ce cf d0 d1 d2  >........<
+000480 d3 d4 d5 d6 d7 d8 d9 da  >........<
+000488 db dc dd de df e0 e1 e2  >........<
+000490 e3 e4 e5 e6 e7 e8 e9 ea  >........<
+000498 eb ec ed ee ef f0 f1 f2  >........<
+0004a0 f3 f4 f5 f6 f7 f8 f9 c0  >........<
+0004a8 02 f0 f7 57 57 01 00 03  >...WW...<
+0004b0 15 16 17 18 19 1a 1b 1c  >........<
+0004b8 1d 1e 1f 20 21 22 23 24  >... !"#$<
+0004c0 25 26 27 28 29 2a 2b 2c  >%&'()*+,<
+0004c8 2d 2e 2f 30 31 32 33 34  >-./01234<
+0004d0 35 36 37 38 39 3a 3b 3c  >56789:;<<
+0004d8 3d 3e 3f 40 41 42 43 44  >=>?@ABCD<
+0004e0 45 46 47 48 49 4a 4b 4c  >EFGHIJKL<
+0004e8 4d 4e 4f 50 51 52 53 54  >MNOPQRST<
+0004f0 55 56 57 58 59 5a 5b 5c  >UVWXYZ[\<
+0004f8 5d 5e 5f 60 61 62 63 64  >]^_`abcd<
+000500 65 66 67 68 69 6a 6b 6c  >efghijkl<
+000508 6d 6e 6f 70 71 72 73 74  >mnopqrst<
+000510 75 76 77 78 79 7a 7b 7c  >uvwxyz{|<
+000518 7d 7e 7f 80 81 82 83 84  >}~......<
+000520 85 86 87 88 89 8a 8b 8c  >........<
+000528 8d 8e 8f 90 91 92 93 94  >........<
+000530 95 96 97 98 99 9a 9b 9c  >........<
+000538 9d 9e 9f a0 a1 a2 a3 a4  >........<
+000540 a5 a6 a7 a8 a9 aa ab ac  >........<
+000548 ad ae af b0 b1 b2 b3 b4  >........<
+000550 b5 b6 b7 b8 b9 ba bb bc  >........<
+000558 bd be bf c0 c1 c2 c3 c4  >........<
+000560 c5 c6 c7 c8 c9 ca cb cc  >........<
+000568 cd ce cf d0 d1 d2 d3 d4  >........<
+000570 d5 d6 d7 d8 d9 da db dc  >........<
+000578 dd de df e0 e1 e2 e3 e4  >........<
+000580 e5 e6 e7 e8 e9 ea eb ec  >........<
+000588 ed ee ef f0 f1 f2 f3 f4  >........<
+000590 f5 f6 f7 f8 f9 fa fb fc  >........<
+000598 fd fe ff 00 c0 82 f0 82  >........<
+0005a0 4c 57 01 00 04 1c 1d 1e  >LW......<
+0005a8 1f 20 21 22 23 24 25 26  >. !"#$%&<
+0005b0 27 28 29 2a 2b 2c 2d 2e  >'()*+,-.<
+0005b8 2f 30 31 32 33 34 35 36  >/0123456<
+0005c0 37 38 39 3a 3b 3c 3d 3e  >789:;<=><
+0005c8 3f 40 41 42 43 44 45 46  >?@ABCDEF<
+0005d0 47 48 49 4a 4b 4c 4d 4e  >GHIJKLMN<
+0005d8 4f 50 51 52 53 54 55 56  >OPQRSTUV<
+0005e0 57 58 59 5a 5b 5c 5d 5e  >WXYZ[\]^<
+0005e8 5f 60 61 62 63 64 65 66  >_`abcdef<
+0005f0 67 68 69 6a 6b 6c 6d 6e  >ghijklmn<
+0005f8 6f 70 71 72 73 74 75 76  >opqrstuv<
+000600 77 78 79 7a 7b 7c 7d 7e  >wxyz{|}~<
+000608 7f 80 81 82 83 84 85 86  >........<
+000610 87 88 89 8a 8b 8c 8d 8e  >........<
+000618 8f 90 91 92 93 94 95 96  >........<
+000620 97 98 99 9a 9b 9c 9d 9e  >........<
+000628 9f a0 a1 a2 a3 a4 a5 a6  >........<
+000630 a7 a8 a9 aa ab ac ad ae  >........<
+000638 af b0 b1 b2 b3 b4 b5 b6  >........<
+000640 b7 b8 b9 ba bb bc bd be  >........<
+000648 bf c0 c1 c2 c3 c4 c5 c6  >........<
+000650 c7 c8 c9 ca cb cc cd ce  >........<
+000658 cf d0 d1 d2 d3 d4 d5 d6  >........<
+000660 d7 d8 d9 da db dc dd de  >........<
+000668 df e0 e1 e2 e3 e4 e5 e6  >........<
+000670 e7 e8 e9 ea eb ec ed ee  >........<
+000678 ef f0 f1 f2 f3 f4 f5 f6  >........<
+000680 f7 f8 f9 fa fb fc fd fe  >........<
+000688 ff 00 01 02 03 04 05 06  >........<
+000690 07 00 00 00 00 00 00 00  >........<
=== An internal use area behind the last area is refused: nothing tells where it ends
device: spaced 512
patch: 0x01 0c
sum: 0x00 8
run: korrel BSN X | sed -n 5p
Read FRU from BMC ~Error!!!Internal Use Info cannot be kept.
files:
read 0-0
device unchanged
=== ONLY_BSN empties every custom field, those behind the first dropped
device: customs 512
run: korrel ONLY_BSN >/dev/null; fru

  FRU Chassis Type: Rack Mount Chassis

  FRU Board Manufacturing Date/Time: 03/01/19 - 01:00:00
  FRU Board Serial Number: ZM18AS012345

files: fru.sh 755 f
read 0-26
write 0-8
read 0-8
-000000 01 00 01 07 11 00 00 e6  >........<
-000008 01 06 17 c8 43 53 45 2d  >....CSE-<
-000010 38 32 39 55 ce 43 38 32  >829U.C82<
-000018 39 30 4c 4b 31 31 41 30  >90LK11A0<
-000020 30 30 31 c8 52 45 56 20  >001.REV <
-000028 31 2e 30 32 06 00 25 90  >1.02..%.<
-000030 fc 1a 2b c1 00 00 00 e8  >..+.....<
-000038 01 0a 19 6a 2f c4 ca 53  >...j/..S<
-000040 75 70 65 72 6d 69 63 72  >upermicr<
+000000 01 01 02 03 07 00 00 f2  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 01 17 c0 c0 c0 c1 e6  >........<
+000018 01 04 19 bc e3 b9 c0 c0  >........<
+000020 cc 5a 4d 31 38 41 53 30  >.ZM18AS0<
+000028 31 32 33 34 35 c0 c0 c0  >12345...<
+000030 c1 00 00 00 00 00 00 6a  >.......j<
+000038 01 02 19 c0 c0 c0 c0 c0  >........<
+000040 c0 c0 c0 c1 00 00 00 23  >.......#<
=== Shape: FMC mezzanine, board and multirecord areas (DC load, DC output), no product area: a bare korrel keeps them
device: fmc 512
run: decoded
[exit 0]
ipmi-fru: as before
files: fru.sh 755 f
read 0-0
raw 0x0A 0x10 0x00
read 1-19
write 0-20
read 0-20
-000000 01 00 00 01 00 08 00 f6  >........<
-000008 01 07 00 40 8c bb cc 41  >...@...A<
-000010 6e 61 6c 6f 67 20 50 61  >nalog Pa<
-000018 72 74 73 c9 46 4d 43 2d  >rts.FMC-<
-000020 41 44 43 31 36 ca 46 4d  >ADC16.FM<
-000028 43 30 30 30 31 32 33 34  >C0001234<
-000030 cb 46 4d 43 2d 41 44 43  >.FMC-ADC<
-000038 31 36 2d 41 c0 c1 00 48  >16-A...H<
-000040 02 02 0d f9 f6 00 b4 00  >........<
-000048 ab 00 bd 00 14 00 00 00  >........<
-000050 d0 07 02 02 0d 47 a8 01  >.....G..<
-000058 4a 01 3a 01 5a 01 14 00  >J.:.Z...<
-000060 00 00 b8 0b 02 02 0d c5  >........<
-000068 2a 02 b0 04 74 04 ec 04  >*...t...<
-000070 32 00 00 00 e8 03 01 02  >2.......<
-000078 0d ab 45 03 b4 00 09 00  >..E.....<
-000080 09 00 0a 00 00 00 7e 04  >......~.<
-000088 01 82 0d 89 e7 04 5a 00  >......Z.<
-000090 05 00 05 00 05 00 00 00  >........<
-000098 0a 00 00 00 00 00 00 00  >........<
-0000a0 00 00 00 00 00 00 00 00  >........<
+000000 01 01 00 02 00 09 00 f3  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 07 00 40 8c bb cc 41  >...@...A<
+000018 6e 61 6c 6f 67 20 50 61  >nalog Pa<
+000020 72 74 73 c9 46 4d 43 2d  >rts.FMC-<
+000028 41 44 43 31 36 ca 46 4d  >ADC16.FM<
+000030 43 30 30 30 31 32 33 34  >C0001234<
+000038 cb 46 4d 43 2d 41 44 43  >.FMC-ADC<
+000040 31 36 2d 41 c0 c1 00 48  >16-A...H<
+000048 02 02 0d f9 f6 00 b4 00  >........<
+000050 ab 00 bd 00 14 00 00 00  >........<
+000058 d0 07 02 02 0d 47 a8 01  >.....G..<
+000060 4a 01 3a 01 5a 01 14 00  >J.:.Z...<
+000068 00 00 b8 0b 02 02 0d c5  >........<
+000070 2a 02 b0 04 74 04 ec 04  >*...t...<
+000078 32 00 00 00 e8 03 01 02  >2.......<
+000080 0d ab 45 03 b4 00 09 00  >..E.....<
+000088 09 00 0a 00 00 00 7e 04  >......~.<
+000090 01 82 0d 89 e7 04 5a 00  >......Z.<
+000098 05 00 05 00 05 00 00 00  >........<
+0000a0 0a 00 00 00 00 00 00 00  >........<
=== Shape: FMC mezzanine: a new board serial
device: fmc 512
run: decoded BSN FMC0009999
[exit 0]
5c5
<   FRU Board Serial Number: FMC0001234
---
>   FRU Board Serial Number: FMC0009999
files: fru.sh 755 f
read 0-0
raw 0x0A 0x10 0x00
read 1-19
write 0-20
read 0-20
-000000 01 00 00 01 00 08 00 f6  >........<
-000008 01 07 00 40 8c bb cc 41  >...@...A<
-000010 6e 61 6c 6f 67 20 50 61  >nalog Pa<
-000018 72 74 73 c9 46 4d 43 2d  >rts.FMC-<
-000020 41 44 43 31 36 ca 46 4d  >ADC16.FM<
-000028 43 30 30 30 31 32 33 34  >C0001234<
-000030 cb 46 4d 43 2d 41 44 43  >.FMC-ADC<
-000038 31 36 2d 41 c0 c1 00 48  >16-A...H<
-000040 02 02 0d f9 f6 00 b4 00  >........<
-000048 ab 00 bd 00 14 00 00 00  >........<
-000050 d0 07 02 02 0d 47 a8 01  >.....G..<
-000058 4a 01 3a 01 5a 01 14 00  >J.:.Z...<
-000060 00 00 b8 0b 02 02 0d c5  >........<
-000068 2a 02 b0 04 74 04 ec 04  >*...t...<
-000070 32 00 00 00 e8 03 01 02  >2.......<
-000078 0d ab 45 03 b4 00 09 00  >..E.....<
-000080 09 00 0a 00 00 00 7e 04  >......~.<
-000088 01 82 0d 89 e7 04 5a 00  >......Z.<
-000090 05 00 05 00 05 00 00 00  >........<
-000098 0a 00 00 00 00 00 00 00  >........<
-0000a0 00 00 00 00 00 00 00 00  >........<
+000000 01 01 00 02 00 09 00 f3  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 07 00 40 8c bb cc 41  >...@...A<
+000018 6e 61 6c 6f 67 20 50 61  >nalog Pa<
+000020 72 74 73 c9 46 4d 43 2d  >rts.FMC-<
+000028 41 44 43 31 36 ca 46 4d  >ADC16.FM<
+000030 43 30 30 30 39 39 39 39  >C0009999<
+000038 cb 46 4d 43 2d 41 44 43  >.FMC-ADC<
+000040 31 36 2d 41 c0 c1 00 2e  >16-A....<
+000048 02 02 0d f9 f6 00 b4 00  >........<
+000050 ab 00 bd 00 14 00 00 00  >........<
+000058 d0 07 02 02 0d 47 a8 01  >.....G..<
+000060 4a 01 3a 01 5a 01 14 00  >J.:.Z...<
+000068 00 00 b8 0b 02 02 0d c5  >........<
+000070 2a 02 b0 04 74 04 ec 04  >*...t...<
+000078 32 00 00 00 e8 03 01 02  >2.......<
+000080 0d ab 45 03 b4 00 09 00  >..E.....<
+000088 09 00 0a 00 00 00 7e 04  >......~.<
+000090 01 82 0d 89 e7 04 5a 00  >......Z.<
+000098 05 00 05 00 05 00 00 00  >........<
+0000a0 0a 00 00 00 00 00 00 00  >........<
=== Shape: FMC mezzanine: a product value adds a product area in front of the multirecord area
device: fmc 512
run: decoded PN FMC-ADC16-KIT; od -An -tx1 -N8 $FRUSIM_IMAGE
[exit 0]
7a8,9
>   FRU Product Name: FMC-ADC16-KIT
> 
 01 01 00 02 09 0d 00 e6
files: fru.sh 755 f
read 0-0
raw 0x0A 0x10 0x00
read 1-19
write 0-24
read 0-24
-000000 01 00 00 01 00 08 00 f6  >........<
-000008 01 07 00 40 8c bb cc 41  >...@...A<
-000010 6e 61 6c 6f 67 20 50 61  >nalog Pa<
-000018 72 74 73 c9 46 4d 43 2d  >rts.FMC-<
-000020 41 44 43 31 36 ca 46 4d  >ADC16.FM<
-000028 43 30 30 30 31 32 33 34  >C0001234<
-000030 cb 46 4d 43 2d 41 44 43  >.FMC-ADC<
-000038 31 36 2d 41 c0 c1 00 48  >16-A...H<
-000040 02 02 0d f9 f6 00 b4 00  >........<
-000048 ab 00 bd 00 14 00 00 00  >........<
-000050 d0 07 02 02 0d 47 a8 01  >.....G..<
-000058 4a 01 3a 01 5a 01 14 00  >J.:.Z...<
-000060 00 00 b8 0b 02 02 0d c5  >........<
-000068 2a 02 b0 04 74 04 ec 04  >*...t...<
-000070 32 00 00 00 e8 03 01 02  >2.......<
-000078 0d ab 45 03 b4 00 09 00  >..E.....<
-000080 09 00 0a 00 00 00 7e 04  >......~.<
-000088 01 82 0d 89 e7 04 5a 00  >......Z.<
-000090 05 00 05 00 05 00 00 00  >........<
-000098 0a 00 00 00 00 00 00 00  >........<
-0000a0 00 00 00 00 00 00 00 00  >........<
-0000a8 00 00 00 00 00 00 00 00  >........<
-0000b0 00 00 00 00 00 00 00 00  >........<
-0000b8 00 00 00 00 00 00 00 00  >........<
-0000c0 00 00 00 00 00 00 00 00  >........<
+000000 01 01 00 02 09 0d 00 e6  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 07 00 40 8c bb cc 41  >...@...A<
+000018 6e 61 6c 6f 67 20 50 61  >nalog Pa<
+000020 72 74 73 c9 46 4d 43 2d  >rts.FMC-<
+000028 41 44 43 31 36 ca 46 4d  >ADC16.FM<
+000030 43 30 30 30 31 32 33 34  >C0001234<
+000038 cb 46 4d 43 2d 41 44 43  >.FMC-ADC<
+000040 31 36 2d 41 c0 c1 00 48  >16-A...H<
+000048 01 04 00 c0 cd 46 4d 43  >.....FMC<
+000050 2d 41 44 43 31 36 2d 4b  >-ADC16-K<
+000058 49 54 c0 c0 c0 c0 c0 c0  >IT......<
+000060 c1 00 00 00 00 00 00 e6  >........<
+000068 02 02 0d f9 f6 00 b4 00  >........<
+000070 ab 00 bd 00 14 00 00 00  >........<
+000078 d0 07 02 02 0d 47 a8 01  >.....G..<
+000080 4a 01 3a 01 5a 01 14 00  >J.:.Z...<
+000088 00 00 b8 0b 02 02 0d c5  >........<
+000090 2a 02 b0 04 74 04 ec 04  >*...t...<
+000098 32 00 00 00 e8 03 01 02  >2.......<
+0000a0 0d ab 45 03 b4 00 09 00  >..E.....<
+0000a8 09 00 0a 00 00 00 7e 04  >......~.<
+0000b0 01 82 0d 89 e7 04 5a 00  >......Z.<
+0000b8 05 00 05 00 05 00 00 00  >........<
+0000c0 0a 00 00 00 00 00 00 00  >........<
=== Shape: power supply, product and power supply multirecord, no board area: a bare korrel keeps them
device: psu 512
run: decoded
[exit 0]
ipmi-fru: as before
files: fru.sh 755 f
read 0-0
raw 0x0A 0x10 0x00
read 1-11
write 0-12
read 0-12
-000000 01 00 00 00 01 08 00 f6  >........<
-000008 01 07 00 c7 50 6f 77 65  >....Powe<
-000010 72 43 6f cc 50 57 53 2d  >rCo.PWS-<
-000018 31 4b 32 31 41 2d 31 52  >1K21A-1R<
-000020 c9 50 57 53 2d 31 4b 32  >.PWS-1K2<
-000028 31 41 c3 31 2e 31 cc 50  >1A.1.1.P<
-000030 31 4b 32 31 30 34 41 42  >1K2104AB<
-000038 31 32 33 c0 c0 c0 c1 d3  >123.....<
-000040 00 82 18 de 88 20 03 10  >..... ..<
-000048 27 00 00 00 00 5a 0f e8  >'....Z..<
-000050 03 2c 01 20 03 01 02 03  >.,. ....<
-000058 04 05 06 07 08 00 00 00  >........<
-000060 00 00 00 00 00 00 00 00  >........<
+000000 01 01 00 00 02 09 00 f3  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 07 00 c7 50 6f 77 65  >....Powe<
+000018 72 43 6f cc 50 57 53 2d  >rCo.PWS-<
+000020 31 4b 32 31 41 2d 31 52  >1K21A-1R<
+000028 c9 50 57 53 2d 31 4b 32  >.PWS-1K2<
+000030 31 41 c3 31 2e 31 cc 50  >1A.1.1.P<
+000038 31 4b 32 31 30 34 41 42  >1K2104AB<
+000040 31 32 33 c0 c0 c0 c1 d3  >123.....<
+000048 00 82 18 de 88 20 03 10  >..... ..<
+000050 27 00 00 00 00 5a 0f e8  >'....Z..<
+000058 03 2c 01 20 03 01 02 03  >.,. ....<
+000060 04 05 06 07 08 00 00 00  >........<
=== Shape: power supply: a board serial adds a board area, date unspecified, in front of the product area
device: psu 512
run: decoded BSN PWS0009999; od -An -tx1 -N8 $FRUSIM_IMAGE
[exit 0]
1a2,4
>   FRU Board Manufacturing Date/Time: 01/01/96 - 00:00:00
>   FRU Board Serial Number: PWS0009999
> 
 01 01 00 02 05 0c 00 eb
files: fru.sh 755 f
read 0-0
raw 0x0A 0x10 0x00
read 1-11
write 0-15
read 0-15
-000000 01 00 00 00 01 08 00 f6  >........<
-000008 01 07 00 c7 50 6f 77 65  >....Powe<
-000010 72 43 6f cc 50 57 53 2d  >rCo.PWS-<
-000018 31 4b 32 31 41 2d 31 52  >1K21A-1R<
-000020 c9 50 57 53 2d 31 4b 32  >.PWS-1K2<
-000028 31 41 c3 31 2e 31 cc 50  >1A.1.1.P<
-000030 31 4b 32 31 30 34 41 42  >1K2104AB<
-000038 31 32 33 c0 c0 c0 c1 d3  >123.....<
-000040 00 82 18 de 88 20 03 10  >..... ..<
-000048 27 00 00 00 00 5a 0f e8  >'....Z..<
-000050 03 2c 01 20 03 01 02 03  >.,. ....<
-000058 04 05 06 07 08 00 00 00  >........<
-000060 00 00 00 00 00 00 00 00  >........<
-000068 00 00 00 00 00 00 00 00  >........<
-000070 00 00 00 00 00 00 00 00  >........<
-000078 00 00 00 00 00 00 00 00  >........<
+000000 01 01 00 02 05 0c 00 eb  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 03 00 00 00 00 c0 c0  >........<
+000018 ca 50 57 53 30 30 30 39  >.PWS0009<
+000020 39 39 39 c0 c0 c0 c1 43  >999....C<
+000028 01 07 00 c7 50 6f 77 65  >....Powe<
+000030 72 43 6f cc 50 57 53 2d  >rCo.PWS-<
+000038 31 4b 32 31 41 2d 31 52  >1K21A-1R<
+000040 c9 50 57 53 2d 31 4b 32  >.PWS-1K2<
+000048 31 41 c3 31 2e 31 cc 50  >1A.1.1.P<
+000050 31 4b 32 31 30 34 41 42  >1K2104AB<
+000058 31 32 33 c0 c0 c0 c1 d3  >123.....<
+000060 00 82 18 de 88 20 03 10  >..... ..<
+000068 27 00 00 00 00 5a 0f e8  >'....Z..<
+000070 03 2c 01 20 03 01 02 03  >.,. ....<
+000078 04 05 06 07 08 00 00 00  >........<
=== Shape: DIMM, a product area only: a bare korrel keeps it
device: dimm 512
run: decoded
[exit 0]
ipmi-fru: as before
files: fru.sh 755 f
read 0-8
raw 0x0A 0x10 0x00
write 0-9
read 0-9
-000000 01 00 00 00 01 00 00 fe  >........<
-000008 01 08 00 c5 4d 65 6d 43  >....MemC<
-000010 6f d4 33 32 47 42 20 44  >o.32GB D<
-000018 44 52 34 2d 33 32 30 30  >DR4-3200<
-000020 20 52 44 49 4d 4d d0 4d  > RDIMM.M<
-000028 33 39 33 41 34 4b 34 30  >393A4K40<
-000030 44 42 33 2d 43 57 45 c2  >DB3-CWE.<
-000038 41 30 c8 34 31 41 32 42  >A0.41A2B<
-000040 33 43 34 c0 c0 c1 00 41  >3C4....A<
-000048 00 00 00 00 00 00 00 00  >........<
+000000 01 01 00 00 02 00 00 fc  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 08 00 c5 4d 65 6d 43  >....MemC<
+000018 6f d4 33 32 47 42 20 44  >o.32GB D<
+000020 44 52 34 2d 33 32 30 30  >DR4-3200<
+000028 20 52 44 49 4d 4d d0 4d  > RDIMM.M<
+000030 33 39 33 41 34 4b 34 30  >393A4K40<
+000038 44 42 33 2d 43 57 45 c2  >DB3-CWE.<
+000040 41 30 c8 34 31 41 32 42  >A0.41A2B<
+000048 33 43 34 c0 c0 c1 00 41  >3C4....A<
=== Shape: DIMM: a board serial adds a board area in front of the product area
device: dimm 512
run: decoded BSN 41A2B3C5; od -An -tx1 -N8 $FRUSIM_IMAGE
[exit 0]
1a2,4
>   FRU Board Manufacturing Date/Time: 01/01/96 - 00:00:00
>   FRU Board Serial Number: 41A2B3C5
> 
 01 01 00 02 05 00 00 f7
files: fru.sh 755 f
read 0-8
raw 0x0A 0x10 0x00
write 0-12
read 0-12
-000000 01 00 00 00 01 00 00 fe  >........<
-000008 01 08 00 c5 4d 65 6d 43  >....MemC<
-000010 6f d4 33 32 47 42 20 44  >o.32GB D<
-000018 44 52 34 2d 33 32 30 30  >DR4-3200<
-000020 20 52 44 49 4d 4d d0 4d  > RDIMM.M<
-000028 33 39 33 41 34 4b 34 30  >393A4K40<
-000030 44 42 33 2d 43 57 45 c2  >DB3-CWE.<
-000038 41 30 c8 34 31 41 32 42  >A0.41A2B<
-000040 33 43 34 c0 c0 c1 00 41  >3C4....A<
-000048 00 00 00 00 00 00 00 00  >........<
-000050 00 00 00 00 00 00 00 00  >........<
-000058 00 00 00 00 00 00 00 00  >........<
-000060 00 00 00 00 00 00 00 00  >........<
+000000 01 01 00 02 05 00 00 f7  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 03 00 00 00 00 c0 c0  >........<
+000018 c8 34 31 41 32 42 33 43  >.41A2B3C<
+000020 35 c0 c0 c0 c1 00 00 ee  >5.......<
+000028 01 08 00 c5 4d 65 6d 43  >....MemC<
+000030 6f d4 33 32 47 42 20 44  >o.32GB D<
+000038 44 52 34 2d 33 32 30 30  >DR4-3200<
+000040 20 52 44 49 4d 4d d0 4d  > RDIMM.M<
+000048 33 39 33 41 34 4b 34 30  >393A4K40<
+000050 44 42 33 2d 43 57 45 c2  >DB3-CWE.<
+000058 41 30 c8 34 31 41 32 42  >A0.41A2B<
+000060 33 43 34 c0 c0 c1 00 41  >3C4....A<
=== Shape: DIMM: ONLY_BSN adds no board area
device: dimm 512
run: korrel ONLY_BSN | tail -n 1; fru; od -An -tx1 -N8 $FRUSIM_IMAGE
[exit 0]

 01 01 00 00 02 00 00 fc
files: fru.sh 755 f
read 0-8
write 0-3
read 0-3
-000000 01 00 00 00 01 00 00 fe  >........<
-000008 01 08 00 c5 4d 65 6d 43  >....MemC<
-000010 6f d4 33 32 47 42 20 44  >o.32GB D<
-000018 44 52 34 2d 33 32 30 30  >DR4-3200<
+000000 01 01 00 00 02 00 00 fc  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 02 00 c0 c0 c0 c0 c0  >........<
+000018 c0 c0 c1 00 00 00 00 fc  >........<
=== Shape: BMC card, a board area only: a bare korrel keeps it
device: bmc-card 512
run: decoded
[exit 0]
ipmi-fru: as before
files: fru.sh 755 f
read 0-10
raw 0x0A 0x10 0x00
write 0-11
read 0-11
-000000 01 00 00 01 00 00 00 fe  >........<
-000008 01 0a 00 00 5e c4 c9 42  >....^..B<
-000010 4d 43 20 57 6f 72 6b 73  >MC Works<
-000018 cd 42 4d 43 2d 41 53 54  >.BMC-AST<
-000020 32 36 30 30 2d 4d cd 42  >2600-M.B<
-000028 4d 43 32 33 30 31 30 30  >MC230100<
-000030 30 31 32 33 cd 39 30 2d  >0123.90-<
-000038 42 4d 43 32 36 30 30 2d  >BMC2600-<
-000040 30 31 c5 76 31 2e 30 32  >01.v1.02<
-000048 c8 48 57 20 72 65 76 20  >.HW rev <
-000050 42 c1 00 00 00 00 00 03  >B.......<
-000058 00 00 00 00 00 00 00 00  >........<
+000000 01 01 00 02 00 00 00 fc  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 0a 00 00 5e c4 c9 42  >....^..B<
+000018 4d 43 20 57 6f 72 6b 73  >MC Works<
+000020 cd 42 4d 43 2d 41 53 54  >.BMC-AST<
+000028 32 36 30 30 2d 4d cd 42  >2600-M.B<
+000030 4d 43 32 33 30 31 30 30  >MC230100<
+000038 30 31 32 33 cd 39 30 2d  >0123.90-<
+000040 42 4d 43 32 36 30 30 2d  >BMC2600-<
+000048 30 31 c5 76 31 2e 30 32  >01.v1.02<
+000050 c8 48 57 20 72 65 76 20  >.HW rev <
+000058 42 c1 00 00 00 00 00 03  >B.......<
=== Shape: BMC card: a new board serial
device: bmc-card 512
run: decoded BSN BMC2301009999
[exit 0]
5c5
<   FRU Board Serial Number: BMC2301000123
---
>   FRU Board Serial Number: BMC2301009999
files: fru.sh 755 f
read 0-10
raw 0x0A 0x10 0x00
write 0-11
read 0-11
-000000 01 00 00 01 00 00 00 fe  >........<
-000008 01 0a 00 00 5e c4 c9 42  >....^..B<
-000010 4d 43 20 57 6f 72 6b 73  >MC Works<
-000018 cd 42 4d 43 2d 41 53 54  >.BMC-AST<
-000020 32 36 30 30 2d 4d cd 42  >2600-M.B<
-000028 4d 43 32 33 30 31 30 30  >MC230100<
-000030 30 31 32 33 cd 39 30 2d  >0123.90-<
-000038 42 4d 43 32 36 30 30 2d  >BMC2600-<
-000040 30 31 c5 76 31 2e 30 32  >01.v1.02<
-000048 c8 48 57 20 72 65 76 20  >.HW rev <
-000050 42 c1 00 00 00 00 00 03  >B.......<
-000058 00 00 00 00 00 00 00 00  >........<
+000000 01 01 00 02 00 00 00 fc  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 0a 00 00 5e c4 c9 42  >....^..B<
+000018 4d 43 20 57 6f 72 6b 73  >MC Works<
+000020 cd 42 4d 43 2d 41 53 54  >.BMC-AST<
+000028 32 36 30 30 2d 4d cd 42  >2600-M.B<
+000030 4d 43 32 33 30 31 30 30  >MC230100<
+000038 39 39 39 39 cd 39 30 2d  >9999.90-<
+000040 42 4d 43 32 36 30 30 2d  >BMC2600-<
+000048 30 31 c5 76 31 2e 30 32  >01.v1.02<
+000050 c8 48 57 20 72 65 76 20  >.HW rev <
+000058 42 c1 00 00 00 00 00 e5  >B.......<
=== Shape: a header naming only an internal use area is refused, edit or not: nothing tells where the area ends
device: iu-only 512
run: korrel BSN X | sed -n 5p; korrel | sed -n 5p
Read FRU from BMC ~Error!!!Internal Use Info cannot be kept.
Read FRU from BMC ~Error!!!Internal Use Info cannot be kept.
files:
read 0-0
read 0-0
device unchanged
=== Shape: no info area, internal use and multirecord areas: a bare korrel keeps them
device: iu-mr 512
run: decoded
[exit 0]
ipmi-fru: as before
files: fru.sh 755 f
read 0-0
raw 0x0A 0x10 0x00
read 1-5
read 1-2
write 0-5
read 0-5
device unchanged
=== Shape: no info area: a board serial adds a board area between the internal use and the multirecord area
device: iu-mr 512
run: decoded BSN SYS0009999; od -An -tx1 -N8 $FRUSIM_IMAGE
[exit 0]
1a2,4
>   FRU Board Manufacturing Date/Time: 01/01/96 - 00:00:00
>   FRU Board Serial Number: SYS0009999
> 
 01 01 00 03 00 06 00 f5
files: fru.sh 755 f
read 0-0
raw 0x0A 0x10 0x00
read 1-5
read 1-2
write 0-8
read 0-8
-000000 01 01 00 00 00 03 00 fb  >........<
+000000 01 01 00 03 00 06 00 f5  >........<
-000018 03 82 11 06 64 07 4c 4c  >....d.LL<
-000020 45 44 00 35 10 36 80 53  >ED.5.6.S<
-000028 c4 c0 4f 4d 32 32 00 00  >..OM22..<
-000030 00 00 00 00 00 00 00 00  >........<
-000038 00 00 00 00 00 00 00 00  >........<
-000040 00 00 00 00 00 00 00 00  >........<
+000018 01 03 00 00 00 00 c0 c0  >........<
+000020 ca 53 59 53 30 30 30 39  >.SYS0009<
+000028 39 39 39 c0 c0 c0 c1 3e  >999....><
+000030 03 82 11 06 64 07 4c 4c  >....d.LL<
+000038 45 44 00 35 10 36 80 53  >ED.5.6.S<
+000040 c4 c0 4f 4d 32 32 00 00  >..OM22..<
=== Shape: a header with every offset 0: a bare korrel writes the header alone, no internal use block with nothing behind it
device: iu-only 512
patch: 0x01 00
sum: 0x00 8
run: decoded
[exit 0]
ipmi-fru: as before
files: fru.sh 755 f
read 0-0
write 0-0
read 0-0
device unchanged
=== Shape: a header with every offset 0: a board serial adds a board area
device: iu-only 512
patch: 0x01 00
sum: 0x00 8
run: decoded BSN X1; od -An -tx1 -N8 $FRUSIM_IMAGE
[exit 0]
0a1,3
> 
>   FRU Board Manufacturing Date/Time: 01/01/96 - 00:00:00
>   FRU Board Serial Number: X1
 01 01 00 02 00 00 00 fc
files: fru.sh 755 f
read 0-0
raw 0x0A 0x10 0x00
write 0-3
read 0-3
-000000 01 00 00 00 00 00 00 ff  >........<
-000008 01 4f 45 4d 43 46 47 02  >.OEMCFG.<
-000010 10 00 5a a5 00 00 00 00  >..Z.....<
-000018 00 00 00 00 00 00 00 00  >........<
+000000 01 01 00 02 00 00 00 fc  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 02 00 00 00 00 c0 c0  >........<
+000018 c2 58 31 c0 c0 c0 c1 31  >.X1....1<
=== Shape: a multirecord area in front of the board area stays there; the block of FF behind it belongs to no area
device: mr-first 512
run: decoded; od -An -tx1 -N8 $FRUSIM_IMAGE
[exit 0]
ipmi-fru: as before
 01 01 00 04 0b 02 00 ed
files: fru.sh 755 f
read 0-0
raw 0x0A 0x10 0x00
read 1-17
write 0-17
read 0-17
-000000 01 00 00 04 0b 01 00 ef  >........<
-000008 c0 82 09 43 72 57 01 00  >...CrW..<
-000010 11 22 33 44 55 66 00 00  >."3DUf..<
-000018 ff ff ff ff ff ff ff ff  >........<
+000000 01 01 00 04 0b 02 00 ed  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 c0 82 09 43 72 57 01 00  >...CrW..<
+000018 11 22 33 44 55 66 00 00  >."3DUf..<
=== Shape: a multirecord area in front of the board area: a new board serial
device: mr-first 512
run: decoded BSN SB22A0009999
[exit 0]
5c5
<   FRU Board Serial Number: SB22A0004711
---
>   FRU Board Serial Number: SB22A0009999
files: fru.sh 755 f
read 0-0
raw 0x0A 0x10 0x00
read 1-17
write 0-17
read 0-17
-000000 01 00 00 04 0b 01 00 ef  >........<
-000008 c0 82 09 43 72 57 01 00  >...CrW..<
-000010 11 22 33 44 55 66 00 00  >."3DUf..<
-000018 ff ff ff ff ff ff ff ff  >........<
+000000 01 01 00 04 0b 02 00 ed  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 c0 82 09 43 72 57 01 00  >...CrW..<
+000018 11 22 33 44 55 66 00 00  >."3DUf..<
-000040 34 37 31 31 ca 53 42 2d  >4711.SB-<
+000040 39 39 39 39 ca 53 42 2d  >9999.SB-<
-000050 c1 00 00 00 00 00 00 13  >........<
+000050 c1 00 00 00 00 00 00 fc  >........<
=== Shape: a multirecord area between the board and the product area stays there
device: mr-between 512
run: decoded
[exit 0]
ipmi-fru: as before
files: fru.sh 755 f
read 0-0
raw 0x0A 0x10 0x00
read 1-19
read 1-1
write 0-19
read 0-19
device unchanged
=== Shape: a multirecord area between the board and the product area: a new board serial
device: mr-between 512
run: decoded BSN PB9999
[exit 0]
5c5
<   FRU Board Serial Number: PB0420
---
>   FRU Board Serial Number: PB9999
files: fru.sh 755 f
read 0-0
raw 0x0A 0x10 0x00
read 1-19
read 1-1
write 0-19
read 0-19
-000028 30 c6 50 42 30 34 32 30  >0.PB0420<
+000028 30 c6 50 42 39 39 39 39  >0.PB9999<
-000038 38 30 30 c0 c1 00 00 57  >800....W<
+000038 38 30 30 c0 c1 00 00 39  >800....9<
=== Shape: a product area with 400 bytes of fields: a bare korrel keeps it
device: long-area 512
run: decoded
[exit 0]
ipmi-fru: as before
files: fru.sh 755 f
read 0-60
read 1-1
write 0-60
read 0-60
device unchanged
=== Shape: a product area with 400 bytes of fields: a new board serial
device: long-area 512
run: decoded BSN BIMB9999
[exit 0]
5c5
<   FRU Board Serial Number: BIMB0042
---
>   FRU Board Serial Number: BIMB9999
files: fru.sh 755 f
read 0-60
read 1-1
write 0-60
read 0-60
-000030 30 c8 42 49 4d 42 30 30  >0.BIMB00<
-000038 34 32 cc 42 49 2d 4d 42  >42.BI-MB<
+000030 30 c8 42 49 4d 42 39 39  >0.BIMB99<
+000038 39 39 cc 42 49 2d 4d 42  >99.BI-MB<
-000048 c1 00 00 00 00 00 00 e4  >........<
+000048 c1 00 00 00 00 00 00 c6  >........<
=== Shape: a record without internal use area that fills its device: korrel's internal use block is left out
device: exact-fit 112
run: decoded
[exit 0]
ipmi-fru: as before
files: fru.sh 755 f
read 0-13
raw 0x0A 0x10 0x00
write 0-13
read 0-13
device unchanged
=== Shape: a record that fills its device: a board serial of the same length, written without the internal use block
device: exact-fit 112
run: decoded BSN EB0009999
[exit 0]
9c9
<   FRU Board Serial Number: EB0000815
---
>   FRU Board Serial Number: EB0009999
files: fru.sh 755 f
read 0-13
raw 0x0A 0x10 0x00
write 0-13
read 0-13
-000038 30 38 31 35 c6 45 42 2d  >0815.EB-<
-000040 31 2d 41 c0 c1 00 00 37  >1-A....7<
+000038 39 39 39 39 c6 45 42 2d  >9999.EB-<
+000040 31 2d 41 c0 c1 00 00 21  >1-A....!<
=== Shape: a record that fills its device: a board serial a block longer does not fit, block or not
device: exact-fit 112
run: korrel BSN EB0000815-REV-B | tail -n 2
Error!!!FRU Device too small.
[exit 1]
files: fru.txt 600 f
read 0-13
raw 0x0A 0x10 0x00
device unchanged
=== Shape: the same record on a device one block larger gets korrel's internal use block
device: exact-fit 120
run: decoded; od -An -tx1 -N16 $FRUSIM_IMAGE
[exit 0]
ipmi-fru: as before
 01 01 02 05 0a 00 00 ed 01 00 01 04 00 00 03 f7
files: fru.sh 755 f
read 0-13
raw 0x0A 0x10 0x00
write 0-14
read 0-14
-000000 01 00 01 04 09 00 00 f1  >........<
-000008 01 03 17 c8 43 48 2d 32  >....CH-2<
-000010 55 2d 31 32 c7 43 53 30  >U-12.CS0<
-000018 30 30 34 37 c0 c1 00 75  >0047...u<
-000020 01 05 00 10 20 b5 c6 45  >.... ..E<
-000028 64 67 65 43 6f c4 45 42  >dgeCo.EB<
-000030 2d 31 c9 45 42 30 30 30  >-1.EB000<
-000038 30 38 31 35 c6 45 42 2d  >0815.EB-<
-000040 31 2d 41 c0 c1 00 00 37  >1-A....7<
-000048 01 05 00 c6 45 64 67 65  >....Edge<
-000050 43 6f c6 45 44 47 45 2d  >Co.EDGE-<
-000058 31 c4 45 31 2d 41 c1 31  >1.E1-A.1<
-000060 c9 45 44 30 30 30 30 38  >.ED00008<
-000068 31 35 c0 c0 c1 00 00 49  >15.....I<
-000070 00 00 00 00 00 00 00 00  >........<
+000000 01 01 02 05 0a 00 00 ed  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 03 17 c8 43 48 2d 32  >....CH-2<
+000018 55 2d 31 32 c7 43 53 30  >U-12.CS0<
+000020 30 30 34 37 c0 c1 00 75  >0047...u<
+000028 01 05 00 10 20 b5 c6 45  >.... ..E<
+000030 64 67 65 43 6f c4 45 42  >dgeCo.EB<
+000038 2d 31 c9 45 42 30 30 30  >-1.EB000<
+000040 30 38 31 35 c6 45 42 2d  >0815.EB-<
+000048 31 2d 41 c0 c1 00 00 37  >1-A....7<
+000050 01 05 00 c6 45 64 67 65  >....Edge<
+000058 43 6f c6 45 44 47 45 2d  >Co.EDGE-<
+000060 31 c4 45 31 2d 41 c1 31  >1.E1-A.1<
+000068 c9 45 44 30 30 30 30 38  >.ED00008<
+000070 31 35 c0 c0 c1 00 00 49  >15.....I<
=== Shape: a multirecord area alone that fills its device is kept, without korrel's internal use block
device: uuid-only 32
run: decoded
[exit 0]
ipmi-fru: as before
files: fru.sh 755 f
read 0-0
raw 0x0A 0x10 0x00
read 1-3
write 0-3
read 0-3
device unchanged
=== Shape: a board area in language 19 with 16-bit Unicode text: a bare korrel keeps it (ipmi-fru decodes English areas only)
device: unicode19 512
run: decoded
[exit 0]
ipmi-fru: as before
files: fru.sh 755 f
read 0-21
raw 0x0A 0x10 0x00
write 0-22
read 0-22
-000000 01 00 00 01 0f 00 00 ef  >........<
-000008 01 0e 13 90 1d c4 e0 0c  >........<
-000010 01 65 00 73 00 6b 00 e1  >.e.s.k..<
-000018 00 20 00 44 00 65 00 73  >. .D.e.s<
-000020 00 6b 00 61 00 20 00 61  >.k.a. .a<
-000028 00 2e 00 73 00 2e 00 d4  >...s....<
-000030 58 01 61 00 64 00 69 00  >X.a.d.i.<
-000038 0d 01 20 00 52 00 58 00  >.. .R.X.<
-000040 2d 00 32 00 ce 53 00 4e  >-.2..S.N<
-000048 00 2d 00 30 00 30 00 30  >.-.0.0.0<
-000050 00 31 00 c7 43 44 2d 31  >.1..CD-1<
-000058 30 30 41 c0 d4 4f 00 76  >00A..O.v<
-000060 00 1b 01 59 01 65 00 6e  >...Y.e.n<
-000068 00 6f 00 20 00 3d d8 27  >.o. .=.'<
-000070 dd c1 00 00 00 00 00 bd  >........<
-000078 01 07 00 ca 43 65 73 6b  >....Cesk<
-000080 61 44 65 73 6b 61 cb 52  >aDeska.R<
-000088 58 2d 32 20 53 65 72 76  >X-2 Serv<
-000090 65 72 c5 52 58 32 2d 41  >er.RX2-A<
-000098 c3 31 2e 30 c8 50 53 4e  >.1.0.PSN<
-0000a0 2d 30 30 30 31 c0 c0 c1  >-0001...<
-0000a8 00 00 00 00 00 00 00 ab  >........<
-0000b0 00 00 00 00 00 00 00 00  >........<
+000000 01 01 00 02 10 00 00 ec  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 0e 13 90 1d c4 e0 0c  >........<
+000018 01 65 00 73 00 6b 00 e1  >.e.s.k..<
+000020 00 20 00 44 00 65 00 73  >. .D.e.s<
+000028 00 6b 00 61 00 20 00 61  >.k.a. .a<
+000030 00 2e 00 73 00 2e 00 d4  >...s....<
+000038 58 01 61 00 64 00 69 00  >X.a.d.i.<
+000040 0d 01 20 00 52 00 58 00  >.. .R.X.<
+000048 2d 00 32 00 ce 53 00 4e  >-.2..S.N<
+000050 00 2d 00 30 00 30 00 30  >.-.0.0.0<
+000058 00 31 00 c7 43 44 2d 31  >.1..CD-1<
+000060 30 30 41 c0 d4 4f 00 76  >00A..O.v<
+000068 00 1b 01 59 01 65 00 6e  >...Y.e.n<
+000070 00 6f 00 20 00 3d d8 27  >.o. .=.'<
+000078 dd c1 00 00 00 00 00 bd  >........<
+000080 01 07 00 ca 43 65 73 6b  >....Cesk<
+000088 61 44 65 73 6b 61 cb 52  >aDeska.R<
+000090 58 2d 32 20 53 65 72 76  >X-2 Serv<
+000098 65 72 c5 52 58 32 2d 41  >er.RX2-A<
+0000a0 c3 31 2e 30 c8 50 53 4e  >.1.0.PSN<
+0000a8 2d 30 30 30 31 c0 c0 c1  >-0001...<
+0000b0 00 00 00 00 00 00 00 ab  >........<
=== Shape: language 19: the new board serial is written as 16-bit Unicode, d4 and S N - Č D - 0 0 0 2 in two bytes each, least significant first (ipmi-fru decodes no other language than English)
device: unicode19 512
run: decoded BSN SN-ČD-0002
[exit 0]
ipmi-fru: as before
files: fru.sh 755 f
read 0-21
raw 0x0A 0x10 0x00
write 0-23
read 0-23
-000000 01 00 00 01 0f 00 00 ef  >........<
-000008 01 0e 13 90 1d c4 e0 0c  >........<
-000010 01 65 00 73 00 6b 00 e1  >.e.s.k..<
-000018 00 20 00 44 00 65 00 73  >. .D.e.s<
-000020 00 6b 00 61 00 20 00 61  >.k.a. .a<
-000028 00 2e 00 73 00 2e 00 d4  >...s....<
-000030 58 01 61 00 64 00 69 00  >X.a.d.i.<
-000038 0d 01 20 00 52 00 58 00  >.. .R.X.<
-000040 2d 00 32 00 ce 53 00 4e  >-.2..S.N<
-000048 00 2d 00 30 00 30 00 30  >.-.0.0.0<
-000050 00 31 00 c7 43 44 2d 31  >.1..CD-1<
-000058 30 30 41 c0 d4 4f 00 76  >00A..O.v<
-000060 00 1b 01 59 01 65 00 6e  >...Y.e.n<
-000068 00 6f 00 20 00 3d d8 27  >.o. .=.'<
-000070 dd c1 00 00 00 00 00 bd  >........<
-000078 01 07 00 ca 43 65 73 6b  >....Cesk<
-000080 61 44 65 73 6b 61 cb 52  >aDeska.R<
-000088 58 2d 32 20 53 65 72 76  >X-2 Serv<
-000090 65 72 c5 52 58 32 2d 41  >er.RX2-A<
-000098 c3 31 2e 30 c8 50 53 4e  >.1.0.PSN<
-0000a0 2d 30 30 30 31 c0 c0 c1  >-0001...<
-0000a8 00 00 00 00 00 00 00 ab  >........<
-0000b0 00 00 00 00 00 00 00 00  >........<
-0000b8 00 00 00 00 00 00 00 00  >........<
+000000 01 01 00 02 11 00 00 eb  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 0f 13 90 1d c4 e0 0c  >........<
+000018 01 65 00 73 00 6b 00 e1  >.e.s.k..<
+000020 00 20 00 44 00 65 00 73  >. .D.e.s<
+000028 00 6b 00 61 00 20 00 61  >.k.a. .a<
+000030 00 2e 00 73 00 2e 00 d4  >...s....<
+000038 58 01 61 00 64 00 69 00  >X.a.d.i.<
+000040 0d 01 20 00 52 00 58 00  >.. .R.X.<
+000048 2d 00 32 00 d4 53 00 4e  >-.2..S.N<
+000050 00 2d 00 0c 01 44 00 2d  >.-...D.-<
+000058 00 30 00 30 00 30 00 32  >.0.0.0.2<
+000060 00 c7 43 44 2d 31 30 30  >..CD-100<
+000068 41 c0 d4 4f 00 76 00 1b  >A..O.v..<
+000070 01 59 01 65 00 6e 00 6f  >.Y.e.n.o<
+000078 00 20 00 3d d8 27 dd c1  >. .=.'..<
+000080 00 00 00 00 00 00 00 37  >.......7<
+000088 01 07 00 ca 43 65 73 6b  >....Cesk<
+000090 61 44 65 73 6b 61 cb 52  >aDeska.R<
+000098 58 2d 32 20 53 65 72 76  >X-2 Serv<
+0000a0 65 72 c5 52 58 32 2d 41  >er.RX2-A<
+0000a8 c3 31 2e 30 c8 50 53 4e  >.1.0.PSN<
+0000b0 2d 30 30 30 31 c0 c0 c1  >-0001...<
+0000b8 00 00 00 00 00 00 00 ab  >........<
=== Shape: language 19: a value of 31 characters fits, one of 32 does not, nor one that is no UTF-8; fru.txt shows the area's 16-bit text as UTF-8, and text that is none as far as it reads
device: unicode19 512
run: korrel BSN 1234567890123456789012345678901 | tail -n 1; korrel BSN $'\xc4' | tail -n 2; korrel BSN 12345678901234567890123456789012 | tail -n 2; sed -n 4,10p fru.txt
[exit 0]
Error!!!Value not writable as 16-bit Unicode.
[exit 1]
Error!!!Value not writable as 16-bit Unicode.
[exit 1]
MFG Date Time:C41D90
Board manufacturer:Česká Deska a.s.
Board Product Name:Řadič RX-2
Board Serial Number:12345678901234567890123456789012
Board Part Number:䑃ㄭ〰
FRU File IDS:
Custom MFG:Ověřeno 🔧
files: fru.sh 755 f fru.txt 600 f
read 0-21
raw 0x0A 0x10 0x00
write 0-28
read 0-28
read 0-28
read 1-1
read 0-28
read 1-1
-000000 01 00 00 01 0f 00 00 ef  >........<
-000008 01 0e 13 90 1d c4 e0 0c  >........<
-000010 01 65 00 73 00 6b 00 e1  >.e.s.k..<
-000018 00 20 00 44 00 65 00 73  >. .D.e.s<
-000020 00 6b 00 61 00 20 00 61  >.k.a. .a<
-000028 00 2e 00 73 00 2e 00 d4  >...s....<
-000030 58 01 61 00 64 00 69 00  >X.a.d.i.<
-000038 0d 01 20 00 52 00 58 00  >.. .R.X.<
-000040 2d 00 32 00 ce 53 00 4e  >-.2..S.N<
-000048 00 2d 00 30 00 30 00 30  >.-.0.0.0<
-000050 00 31 00 c7 43 44 2d 31  >.1..CD-1<
-000058 30 30 41 c0 d4 4f 00 76  >00A..O.v<
-000060 00 1b 01 59 01 65 00 6e  >...Y.e.n<
-000068 00 6f 00 20 00 3d d8 27  >.o. .=.'<
-000070 dd c1 00 00 00 00 00 bd  >........<
-000078 01 07 00 ca 43 65 73 6b  >....Cesk<
-000080 61 44 65 73 6b 61 cb 52  >aDeska.R<
-000088 58 2d 32 20 53 65 72 76  >X-2 Serv<
-000090 65 72 c5 52 58 32 2d 41  >er.RX2-A<
-000098 c3 31 2e 30 c8 50 53 4e  >.1.0.PSN<
-0000a0 2d 30 30 30 31 c0 c0 c1  >-0001...<
-0000a8 00 00 00 00 00 00 00 ab  >........<
-0000b0 00 00 00 00 00 00 00 00  >........<
-0000b8 00 00 00 00 00 00 00 00  >........<
-0000c0 00 00 00 00 00 00 00 00  >........<
-0000c8 00 00 00 00 00 00 00 00  >........<
-0000d0 00 00 00 00 00 00 00 00  >........<
-0000d8 00 00 00 00 00 00 00 00  >........<
-0000e0 00 00 00 00 00 00 00 00  >........<
+000000 01 01 00 02 16 00 00 e6  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 14 13 90 1d c4 e0 0c  >........<
+000018 01 65 00 73 00 6b 00 e1  >.e.s.k..<
+000020 00 20 00 44 00 65 00 73  >. .D.e.s<
+000028 00 6b 00 61 00 20 00 61  >.k.a. .a<
+000030 00 2e 00 73 00 2e 00 d4  >...s....<
+000038 58 01 61 00 64 00 69 00  >X.a.d.i.<
+000040 0d 01 20 00 52 00 58 00  >.. .R.X.<
+000048 2d 00 32 00 fe 31 00 32  >-.2..1.2<
+000050 00 33 00 34 00 35 00 36  >.3.4.5.6<
+000058 00 37 00 38 00 39 00 30  >.7.8.9.0<
+000060 00 31 00 32 00 33 00 34  >.1.2.3.4<
+000068 00 35 00 36 00 37 00 38  >.5.6.7.8<
+000070 00 39 00 30 00 31 00 32  >.9.0.1.2<
+000078 00 33 00 34 00 35 00 36  >.3.4.5.6<
+000080 00 37 00 38 00 39 00 30  >.7.8.9.0<
+000088 00 31 00 c7 43 44 2d 31  >.1..CD-1<
+000090 30 30 41 c0 d4 4f 00 76  >00A..O.v<
+000098 00 1b 01 59 01 65 00 6e  >...Y.e.n<
+0000a0 00 6f 00 20 00 3d d8 27  >.o. .=.'<
+0000a8 dd c1 00 00 00 00 00 be  >........<
+0000b0 01 07 00 ca 43 65 73 6b  >....Cesk<
+0000b8 61 44 65 73 6b 61 cb 52  >aDeska.R<
+0000c0 58 2d 32 20 53 65 72 76  >X-2 Serv<
+0000c8 65 72 c5 52 58 32 2d 41  >er.RX2-A<
+0000d0 c3 31 2e 30 c8 50 53 4e  >.1.0.PSN<
+0000d8 2d 30 30 30 31 c0 c0 c1  >-0001...<
+0000e0 00 00 00 00 00 00 00 ab  >........<
=== Shape: language 19: values that are no UTF-8 are refused (overlong, a surrogate, past U+10FFFF, a stray or missing continuation byte, a five-byte form), and so is one that takes 64 bytes as 16-bit Unicode by a surrogate pair; 62 bytes and U+10FFFF are written
device: unicode19 512
run: for v in $'\xc0\xaf' $'\xed\xa0\x80' $'\xf4\x90\x80\x80' $'\x80' $'\xe4\xb8' $'\xf8\x88\x80\x80\x80' 123456789012345678901234567890$'\xf0\x9f\x94\xa7'; do korrel BSN "$v" | tail -n 2 | head -n 1; done; korrel BSN 12345678901234567890123456789$'\xf0\x9f\x94\xa7' | tail -n 1; korrel BSN $'\xf4\x8f\xbf\xbf' | tail -n 1
Error!!!Value not writable as 16-bit Unicode.
Error!!!Value not writable as 16-bit Unicode.
Error!!!Value not writable as 16-bit Unicode.
Error!!!Value not writable as 16-bit Unicode.
Error!!!Value not writable as 16-bit Unicode.
Error!!!Value not writable as 16-bit Unicode.
Error!!!Value not writable as 16-bit Unicode.
[exit 0]
[exit 0]
files: fru.sh 755 f
read 0-21
read 0-21
read 0-21
read 0-21
read 0-21
read 0-21
read 0-21
read 0-21
raw 0x0A 0x10 0x00
write 0-28
read 0-28
read 0-28
read 1-1
write 0-21
read 0-21
-000000 01 00 00 01 0f 00 00 ef  >........<
-000008 01 0e 13 90 1d c4 e0 0c  >........<
-000010 01 65 00 73 00 6b 00 e1  >.e.s.k..<
-000018 00 20 00 44 00 65 00 73  >. .D.e.s<
-000020 00 6b 00 61 00 20 00 61  >.k.a. .a<
-000028 00 2e 00 73 00 2e 00 d4  >...s....<
-000030 58 01 61 00 64 00 69 00  >X.a.d.i.<
-000038 0d 01 20 00 52 00 58 00  >.. .R.X.<
-000040 2d 00 32 00 ce 53 00 4e  >-.2..S.N<
-000048 00 2d 00 30 00 30 00 30  >.-.0.0.0<
-000050 00 31 00 c7 43 44 2d 31  >.1..CD-1<
-000058 30 30 41 c0 d4 4f 00 76  >00A..O.v<
-000060 00 1b 01 59 01 65 00 6e  >...Y.e.n<
-000068 00 6f 00 20 00 3d d8 27  >.o. .=.'<
-000070 dd c1 00 00 00 00 00 bd  >........<
+000000 01 01 00 02 0f 00 00 ed  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 0d 13 90 1d c4 e0 0c  >........<
+000018 01 65 00 73 00 6b 00 e1  >.e.s.k..<
+000020 00 20 00 44 00 65 00 73  >. .D.e.s<
+000028 00 6b 00 61 00 20 00 61  >.k.a. .a<
+000030 00 2e 00 73 00 2e 00 d4  >...s....<
+000038 58 01 61 00 64 00 69 00  >X.a.d.i.<
+000040 0d 01 20 00 52 00 58 00  >.. .R.X.<
+000048 2d 00 32 00 c4 ff db ff  >-.2.....<
+000050 df c7 43 44 2d 31 30 30  >..CD-100<
+000058 41 c0 d4 4f 00 76 00 1b  >A..O.v..<
+000060 01 59 01 65 00 6e 00 6f  >.Y.e.n.o<
+000068 00 20 00 3d d8 27 dd c1  >. .=.'..<
+000070 00 00 00 00 00 00 00 9f  >........<
-0000b0 00 00 00 00 00 00 00 00  >........<
-0000b8 00 00 00 00 00 00 00 00  >........<
-0000c0 00 00 00 00 00 00 00 00  >........<
-0000c8 00 00 00 00 00 00 00 00  >........<
-0000d0 00 00 00 00 00 00 00 00  >........<
-0000d8 00 00 00 00 00 00 00 00  >........<
-0000e0 00 00 00 00 00 00 00 00  >........<
+0000b0 01 07 00 ca 43 65 73 6b  >....Cesk<
+0000b8 61 44 65 73 6b 61 cb 52  >aDeska.R<
+0000c0 58 2d 32 20 53 65 72 76  >X-2 Serv<
+0000c8 65 72 c5 52 58 32 2d 41  >er.RX2-A<
+0000d0 c3 31 2e 30 c8 50 53 4e  >.1.0.PSN<
+0000d8 2d 30 30 30 31 c0 c0 c1  >-0001...<
+0000e0 00 00 00 00 00 00 00 ab  >........<
=== Shape: language 19: 16-bit text that fru.txt cannot carry whole is shown as far as it goes, and written back as read (the product name's line holds the value refused)
device: unicode-kept 512
run: korrel BPN $'\xc0\xaf' | tail -n 2; sed -n 4,10p fru.txt; korrel | tail -n 1
Error!!!Value not writable as 16-bit Unicode.
[exit 1]
MFG Date Time:C41D90
Board manufacturer:A
Board Product Name:��
Board Serial Number:中中中中中中中中中中中中中中中中中中中中中
Board Part Number:中中中中中中中中中中中中中中中中中中中中中
FRU File IDS:
Custom MFG:🔧
[exit 0]
files: fru.sh 755 f
read 0-17
read 1-1
read 0-17
read 1-1
write 0-17
read 0-17
device unchanged
=== Shape: a product area of 255 blocks, the longest there is, is edited; one byte more is refused, and so are fields past the 2040 bytes an area holds
device: big-area 4096
run: korrel PN 'BigCo Storage Array Controller 4U 48 TiB' | tail -n 1; korrel PN 'BigCo Storage Array Controller 4U 192 TiB' | tail -n 2; korrel PN 'BigCo Storage Array Controller 4U 192 TiB, 2 x 48 disks, 2 PSU' | tail -n 2
[exit 0]
Error!!!Data too long.
[exit 1]
Error!!!Data too long.
[exit 1]
files: fru.sh 755 f fru.txt 600 f
read 0-259
read 1-1
write 0-259
read 0-259
read 0-259
read 1-1
read 0-259
read 1-1
-000050 20 34 55 20 39 36 20 54  > 4U 96 T<
+000050 20 34 55 20 34 38 20 54  > 4U 48 T<
-000818 44 44 44 44 44 44 c1 98  >DDDDDD..<
+000818 44 44 44 44 44 44 c1 9b  >DDDDDD..<
