#!/usr/bin/env python3
"""Writes the PNG pictures of this folder: one of each colour type and depth the reader turns into
8-bit colour, an interlaced one, one too wide to be read and one cut short."""
import pathlib, struct, zlib

here = pathlib.Path(__file__).parent

def chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))

def png(width, height, depth, colour_type, scanlines, extra=b'', interlaced=0):
    header = struct.pack('>IIBBBBB', width, height, depth, colour_type, 0, 0, interlaced)
    raw = b''.join(b'\0' + line for line in scanlines)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + extra
            + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))

# Two pixels each; the test names the colours they must give.
pictures = {
    'rgb-8': png(2, 1, 8, 2, [bytes([0x12, 0x34, 0x56, 0xFF, 0x00, 0x80])]),
    'palette-2': png(2, 1, 2, 3, [bytes([0b01000000])], chunk(b'PLTE', bytes([1, 2, 3, 200, 100, 50]))),
    'grey-1': png(2, 1, 1, 0, [bytes([0b10000000])]),
    'grey-16': png(2, 1, 16, 0, [bytes([0xAB, 0xAB, 0x01, 0x01])]),
    'grey-alpha-8': png(2, 1, 8, 4, [bytes([0x77, 0x00, 0x88, 0x80])]),
    'rgba-8': png(2, 1, 8, 6, [bytes([10, 20, 30, 0, 40, 50, 60, 255])]),
    'wide': png(4097, 1, 8, 0, [bytes(4097)]),
}
pictures['cut-short'] = pictures['rgb-8'][:50]

# 3 x 3, interlaced: the pixel at (x, y) is (16x + 1, 16y + 2, 0x99); Adam7's seven passes in order.
def pixel(x, y):
    return bytes([16 * x + 1, 16 * y + 2, 0x99])
passes = [[[(0, 0)]], [[(2, 0)]], [[(0, 2), (2, 2)]], [[(1, 0)], [(1, 2)]], [[(0, 1), (1, 1), (2, 1)]]]
scanlines = [b''.join(pixel(x, y) for x, y in row) for rows in passes for row in rows]
pictures['interlaced'] = png(3, 3, 8, 2, scanlines, interlaced=1)

for name, data in pictures.items():
    (here / (name + '.png')).write_bytes(data)
