#!/usr/bin/env python3
"""Writes the damaged and foreign session files of this folder: each is refused with a reason."""
import pathlib, struct

here = pathlib.Path(__file__).parent

def adler(data):
    a, b = 1, 0
    for byte in data:
        a = (a + byte) % 65521
        b = (b + a) % 65521
    return b << 16 | a

def session(version=1, width=40, height=24, tail=b''):
    body = (b'GRIDLETS' + struct.pack('<I', version) + bytes(2048) + bytes(81 * 51)
            + bytes([width, height]) + struct.pack('<II', 0, 0xFFFFFF) + bytes([65, 0, 0, 0, 1]) + tail)
    return body + struct.pack('<I', adler(body))

whole = session()
(here / 'empty').write_bytes(b'')
(here / 'truncated').write_bytes(whole[:3000])
(here / 'one-byte-too-long').write_bytes(whole + b'\0')
(here / 'other-version').write_bytes(session(version=2))
(here / 'damaged').write_bytes(whole[:100] + b'\x55' + whole[101:])
(here / 'unknown-map-size').write_bytes(session(width=33))
(here / 'foreign').write_bytes(b'\x89PNG\r\n\x1a\n' + bytes(6000))
(here / 'garbage').write_bytes(bytes((i * 7919) % 251 for i in range(6208)))
