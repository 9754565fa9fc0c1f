#!/usr/bin/env python3
"""Writes the malformed font files of this folder: each gives a message and changes nothing."""
import struct, zlib, pathlib

here = pathlib.Path(__file__).parent

def write(name, data):
    (here / name).write_bytes(data if isinstance(data, bytes) else data.encode())

def psf2(width=8, height=8, length=256, header=32, glyph_bytes=None):
    size = glyph_bytes if glyph_bytes is not None else height * ((width + 7) // 8)
    return struct.pack('<4sIIIIIII', b'\x72\xb5\x4a\x86', 0, header, 0, length, size, height, width)

def png(width, height, rows=None, cut=None):
    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))
    raw = b''.join(b'\0' + bytes(3 * width) for _ in range(height)) if rows is None else rows
    data = (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw)) + chunk(b'IEND', b''))
    return data[:cut] if cut else data

def bmp(width, height, bits=24, compression=0, cut=None):
    row = (width * bits // 8 + 3) // 4 * 4
    size = (row * height) & 0xFFFFFFFF
    header = struct.pack('<2sIHHIIiiHHIIiiII', b'BM', (54 + size) & 0xFFFFFFFF, 0, 0, 54, 40, width,
                         height, 1, bits, compression, size, 0, 0, 0, 0)
    data = header + bytes(row * height if width * height < 10000 else 16)
    return data[:cut] if cut else data

BDF_HEAD = 'STARTFONT 2.1\nFONT test\nSIZE 8 75 75\nFONTBOUNDINGBOX {}\nCHARS 1\n'
def bdf(box='8 8 0 -1', glyph_box='8 8 0 -1', bitmap='3C\n' * 8, code=65):
    return (BDF_HEAD.format(box) + 'STARTCHAR a\nENCODING {}\nBBX {}\nBITMAP\n{}ENDCHAR\nENDFONT\n'
            .format(code, glyph_box, bitmap))

write('empty.psf', b'')
write('not-a-console-font.psf', bytes(range(256)) * 8)
write('psf1-8x40.psf', b'\x36\x04\x00\x28' + bytes(40 * 256))
write('psf1-truncated.psf', b'\x36\x04\x00\x08' + bytes(100))
write('psf2-9x16.psf', psf2(width=9, height=16) + bytes(8192))
write('psf2-huge-length.psf', psf2(length=0xFFFFFFFF) + bytes(2048))
write('psf2-damaged-header.psf', psf2(header=4) + bytes(2048))
write('psf2-no-glyphs.psf', psf2(length=0))
write('bdf-16x16-cells.bdf', bdf(box='16 16 0 -2', glyph_box='16 16 0 -2'))
write('bdf-glyph-larger-than-its-cell.bdf', bdf(glyph_box='9 8 0 -1'))
write('bdf-glyph-before-the-box.bdf', 'STARTFONT 2.1\nSTARTCHAR a\nENCODING 65\nENDCHAR\n')
write('bdf-damaged-bitmap.bdf', bdf(bitmap='ZZ\n'))
write('bdf-no-glyph.bdf', BDF_HEAD.format('8 8 0 -1') + 'ENDFONT\n')
write('bdf-codes-beyond-255.bdf', bdf(code=300))
write('bdf-huge-numbers.bdf', bdf(glyph_box='99999999999 8 0 -1'))
write('bdf-missing-rows.bdf', bdf(bitmap='3C\n' * 2))
write('bdf-cut-in-bitmap.bdf', bdf()[:-20])
write('bdf-no-endchar.bdf', bdf().replace('ENDCHAR\n', 'STARTCHAR b\nENCODING 66\nBBX 0 0 0 0\nBITMAP\nENDCHAR\n'))
write('psf1-no-mode.psf', b'\x36\x04\x36\x08' + bytes(4092))
write('c64-address-only.64c', b'\x00\x38')
write('png-truncated.png', png(128, 128, cut=60))
write('png-huge.png', png(100000, 100000, rows=b'', cut=None))
# A text chunk that claims two gigabytes, of which the file holds a few bytes.
write('png-chunk-past-the-end.png',
      png(128, 16)[:33] + struct.pack('>I', 0x7F000000) + b'tEXtgridlet\0rows: 16')
write('png-neither-sheet-nor-strip.png', png(100, 37))
write('png-damaged-data.png', png(128, 16, rows=b'\xff' * 40))
write('bmp-truncated.bmp', bmp(256, 256, cut=1000))
write('bmp-compressed.bmp', bmp(128, 16, bits=8, compression=1))
write('bmp-huge.bmp', bmp(100000, 100000))
write('bmp-of-16-bits.bmp', bmp(128, 16, bits=16))

def vchar64(version=3, chars=256, tile=1, interleave=1, color_mode=1, map_size=(40, 25), cut=None):
    header = (b'VChar' + bytes([version, 0, 1, 2, 5, 0]) + struct.pack('<H', chars)
              + bytes([tile, tile, interleave, color_mode]) + struct.pack('<HH', *map_size))
    data = header.ljust(32, b'\0') + bytes(8 * chars) + bytes(256) + bytes(map_size[0] * map_size[1])
    return data[:cut] if cut else data

PETMATE_SCREEN = ('{{"width":{w},"height":{h},"backgroundColor":{bg},"borderColor":0,"charset":"upper",'
                  '"framebuf":[{rows}]}}')
def petmate(w=2, h=1, bg=0, cells=None, version=2):
    row = '[' + ','.join(cells or ['{"code":1,"color":1}'] * w) + ']'
    screen = PETMATE_SCREEN.format(w=w, h=h, bg=bg, rows=','.join([row] * h))
    return '{{"version":{},"screens":[0],"framebufs":[{}],"customFonts":{{}}}}'.format(version, screen)

write('vchar64-header-only.vchar64proj', vchar64(cut=20))
write('vchar64-unknown-version.vchar64proj', vchar64(version=9))
write('vchar64-cut-in-map.vchar64proj', vchar64(cut=3000))
write('vchar64-9x9-tiles.vchar64proj', vchar64(tile=9))
write('vchar64-huge-map.vchar64proj', vchar64(tile=8, map_size=(65535, 65535), cut=4000))
write('petmate-not-json.petmate', '{"version":2,"framebufs":[')
write('petmate-no-screens.petmate', '{"version":2,"framebufs":[]}')
write('petmate-row-too-short.petmate', petmate(w=3, cells=['{"code":1,"color":1}'] * 2))
write('petmate-code-beyond-255.petmate', petmate(cells=['{"code":300,"color":1}'] * 2))
write('petmate-no-c64-background.petmate', petmate(bg=16))
write('petmate-too-deep.petmate', '[' * 100000 + ']' * 100000)

# CharPad projects that are damaged, of versions not read, or of absurd sizes; each is refused.
import sys
sys.dont_write_bytecode = True
sys.path.insert(0, str(here.parent / 'charpad'))
from ctm import Project, word, PER_TILE, PER_CHAR, MULTICOLOUR
def ctm(name, data):
    write('charpad-' + name + '.ctm', data)
ctm('version-4', b'CTM\x04' + bytes(20))
ctm('version-10', Project(9).bytes()[:3] + b'\x0a' + Project(9).bytes()[4:])
ctm('header-cut-short', Project(5).bytes()[:12])
ctm('mark-only', b'CTM')
ctm('map-cut-short', Project(6, tiles=(3, 2, 2)).bytes()[:-5])
ctm('characters-cut-short', Project(8, chars=40).bytes()[:200])
# 65,536 characters and a map of 65,535 x 65,535 promised by a file of a few hundred bytes.
ctm('huge-counts', b'CTM\x05' + bytes([6, 1, 2, 14, 0, 0]) + word(0xFFFF) + word(0) + bytes([1, 1])
    + word(0xFFFF) + word(0xFFFF) + bytes(300))
# Version 5's expanded tiles of 255 x 255 characters: a 9 x 9 map of them is 2,295 x 2,295.
ctm('huge-tiles', b'CTM\x05' + bytes([6, 1, 2, 14, 0, 3]) + word(0) + word(0) + bytes([255, 255])
    + word(9) + word(9) + bytes(8) + bytes(1) + bytes(2 * 81))
ctm('damaged-block-mark', Project(8, colouring=PER_CHAR).bytes().replace(b'\xda\xb2', b'\xda\xb7', 1))
ctm('unknown-colouring', Project(6).bytes()[:8] + b'\x03' + Project(6).bytes()[9:])
ctm('bitmap-mode', Project(8, screen=3).bytes())
ctm('unknown-screen-mode', Project(7, screen=5).bytes())
ctm('tile-beyond-set', Project(7, tiles=(3, 1, 1)).bytes()[:-2] + word(3))
ctm('character-beyond-set', Project(9, chars=4).bytes()[:-2] + word(4))
ctm('tiles-of-no-cells', Project(6, MULTICOLOUR, PER_TILE, tiles=(2, 0, 3)).bytes())
ctm('names-unended', Project(6, tiles=(2, 1, 1)).bytes().split(b'tile 1')[0] + b'tile 1')
