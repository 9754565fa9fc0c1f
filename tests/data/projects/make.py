#!/usr/bin/env python3
"""Writes the damaged and foreign project files of this folder, each refused with a reason, and
the fuzzer's seeds: a whole project and a damaged one."""
import pathlib, struct

here = pathlib.Path(__file__).parent

def adler(data):
    a, b = 1, 0
    for byte in data:
        a = (a + byte) % 65521
        b = (b + a) % 65521
    return b << 16 | a

# Version 2 on: whether the set names its own characters, the character of each code (here the
# C64's screen codes: 1 is 'A'), and the extra characters with their codes.
def characters(table=None, extra=((0x2663, 88),)):
    table = table or [c + 64 if c < 27 else c if 32 <= c < 64 else 0 for c in range(256)]
    return (bytes([1]) + b''.join(struct.pack('<I', c) for c in table)
            + struct.pack('<H', len(extra)) + b''.join(struct.pack('<IB', c, code) for c, code in extra))

def project(mark=b'GRIDLETP', version=4, width=40, height=24, mode=2, pen=3,
            machine=(6, 1, 2, 0x00, 0x28, 0xCA, 0x94, 0x46, 13, 0x38), encoding=None, border=14,
            glyph_height=8, rows=bytes(6144)):
    body = (mark + struct.pack('<I', version) + bytes(i * 3 % 256 for i in range(2048))
            + bytes(i % 256 for i in range(81 * 51)) + bytes([width, height])
            + struct.pack('<II', 0, 0xFFFFFF) + bytes([65, 0, 0, 0, 1])
            + bytes([mode, *machine]) + bytes(i * 7 % 256 for i in range(81 * 51)) + bytes([pen]))
    if version >= 2:
        body += characters() if encoding is None else encoding
    # Version 3 on: the C64's border colour.
    if version >= 3:
        body += bytes([border])
    # Version 4 on: the glyphs' height and the set's bytes past the first 2048.
    if version >= 4:
        body += bytes([glyph_height]) + rows
    return body + struct.pack('<I', adler(body))

whole = project()
(here / 'empty').write_bytes(b'')
(here / 'foreign').write_bytes(b'\x89PNG\r\n\x1a\n' + bytes(len(whole) - 8))
(here / 'kept-session').write_bytes(project(mark=b'GRIDLETS', version=2))
(here / 'other-version').write_bytes(project(version=5))
(here / 'truncated').write_bytes(whole[:5000])
(here / 'one-byte-too-long').write_bytes(whole + b'\0')
(here / 'damaged').write_bytes(whole[:3000] + bytes([whole[3000] ^ 0x10]) + whole[3001:])
(here / 'unknown-map-size').write_bytes(project(width=41))
(here / 'unknown-colour-mode').write_bytes(project(mode=5))
(here / 'pen-beyond-3').write_bytes(project(pen=4))
(here / 'c64-colour-beyond-15').write_bytes(
    project(machine=(6, 1, 2, 0x00, 0x28, 0xCA, 0x94, 0x46, 16, 0x38)))
(here / 'border-beyond-15').write_bytes(project(border=16))
(here / 'character-beyond-unicode').write_bytes(
    project(encoding=characters(extra=((0x110000, 1),))))
(here / 'characters-cut-short').write_bytes(project(encoding=characters()[:-3]))
(here / 'glyph-height-0').write_bytes(project(glyph_height=0))

# Read by the tests: a project of the first version, whose set's characters are ASCII and Latin-1.
(here.parent / 'project-version-1').write_bytes(project(version=1))

corpus = here.parent.parent / 'fuzz-corpus' / 'project'
(corpus / 'whole').write_bytes(whole)
(corpus / 'damaged').write_bytes((here / 'damaged').read_bytes())
