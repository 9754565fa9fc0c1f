#!/usr/bin/env python3
"""Writes the damaged and foreign session files of this folder, each refused with a reason; a
whole session of version 1, which is still read; and the fuzzer's seeds of versions 2 to 5."""
import pathlib, struct

here = pathlib.Path(__file__).parent

def adler(data):
    a, b = 1, 0
    for byte in data:
        a = (a + byte) % 65521
        b = (b + a) % 65521
    return b << 16 | a

# The colour mode, the machine colours (C64 $D021 $D022 $D023, Atari COLBK COLPF0-3, C64 ink,
# Spectrum attribute), a colour byte for each of the 81 x 51 cells and the pen: version 2 on.
def colours(mode=2, machine=(6, 1, 2, 0x00, 0x28, 0xCA, 0x94, 0x46, 13, 0x38), pen=3):
    return bytes([mode, *machine]) + bytes(i % 256 for i in range(81 * 51)) + bytes([pen])

# Whether the set names its own characters, the character of each of the 256 codes, and the
# extra characters with their codes: version 3 on.
def characters(table=None, extra=((ord('^'), 94),)):
    table = table or [c if 32 <= c < 127 else 0 for c in range(256)]
    return (bytes([1]) + b''.join(struct.pack('<I', c) for c in table)
            + struct.pack('<H', len(extra)) + b''.join(struct.pack('<IB', c, code) for c, code in extra))

# The glyphs' height and the set's bytes past the first 2048: version 5 on.
def tall(height=8, rows=bytes(6144)):
    return bytes([height]) + rows

# The C64's border colour: version 4 on.
def session(version=5, width=40, height=24, tail=None, charset=bytes(2048)):
    if tail is None:
        tail = {1: b'', 2: colours(), 3: colours() + characters(),
                4: colours() + characters() + bytes([14])}.get(
            version, colours() + characters() + bytes([14]) + tall())
    body = (b'GRIDLETS' + struct.pack('<I', version) + charset + bytes(81 * 51)
            + bytes([width, height]) + struct.pack('<II', 0, 0xFFFFFF) + bytes([65, 0, 0, 0, 1]) + tail)
    return body + struct.pack('<I', adler(body))

whole = session()
(here / 'empty').write_bytes(b'')
(here / 'truncated').write_bytes(whole[:3000])
(here / 'one-byte-too-long').write_bytes(whole + b'\0')
(here / 'other-version').write_bytes(session(version=6))
(here / 'damaged').write_bytes(whole[:100] + b'\x55' + whole[101:])
(here / 'unknown-map-size').write_bytes(session(width=33))
(here / 'foreign').write_bytes(b'\x89PNG\r\n\x1a\n' + bytes(6000))
(here / 'garbage').write_bytes(bytes((i * 7919) % 251 for i in range(6208)))
(here / 'colours-cut-short').write_bytes(session(version=2, tail=colours()[:-1]))
(here / 'characters-cut-short').write_bytes(session(version=3, tail=colours() + characters()[:-1]))
(here / 'surrogate-character').write_bytes(
    session(version=3, tail=colours() + characters(table=[0xD800] + [65] * 255)))
(here / 'version-1-with-colours').write_bytes(session(version=1, tail=colours()))
(here / 'unknown-colour-mode').write_bytes(session(version=3, tail=colours(mode=5) + characters()))
(here / 'pen-beyond-3').write_bytes(session(version=3, tail=colours(pen=4) + characters()))
(here / 'c64-colour-beyond-15').write_bytes(
    session(version=3, tail=colours(machine=(6, 1, 16, 0x00, 0x28, 0xCA, 0x94, 0x46, 13, 0x38)) + characters()))
(here / 'border-beyond-15').write_bytes(session(version=4, tail=colours() + characters() + bytes([16])))
(here / 'glyph-height-beyond-32').write_bytes(
    session(tail=colours() + characters() + bytes([14]) + tall(height=33)))
# Glyphs of 16 rows fill 4096 bytes; one beyond them is set.
(here / 'rows-past-the-glyphs').write_bytes(
    session(tail=colours() + characters() + bytes([14]) + tall(16, bytes(2048) + b'\x01' + bytes(4095))))

# Read by the tests: a kept glyph, an 80 x 50 map and no colours.
(here.parent / 'session-version-1').write_bytes(
    session(version=1, width=80, height=50, charset=bytes([0x3C]) + bytes(2047)))
corpus = here.parent.parent / 'fuzz-corpus' / 'session'
(corpus / 'whole-version-2').write_bytes(session(version=2))
(corpus / 'whole-version-3').write_bytes(session(version=3))
(corpus / 'whole-version-4').write_bytes(session(version=4))
(corpus / 'whole-version-5').write_bytes(whole)
(corpus / 'whole-glyphs-of-16-rows').write_bytes(
    session(charset=bytes(i % 251 for i in range(2048)),
            tail=colours() + characters() + bytes([14]) + tall(16, bytes(i % 7 for i in range(2048)) + bytes(4096))))
