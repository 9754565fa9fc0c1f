"""A small writer of CharPad projects (.ctm) of versions 5 to 9, from CharPad's descriptions of
its format, for the test files of this folder and of ../malformed. Every number of two bytes is
little-endian; versions 6 to 9 open each block with 0xDA and 0xB0 + the block's number.

A project's content follows from a few numbers, so that the tests can work out what each cell
must read as: character c's row r, its colour, tile t's cell i and colour, and the map's entry at
(x, y) are the functions below."""
import struct

def glyph_row(c, r): return (c * 11 + r * 3 + 1) & 0xFF
def char_colour(c): return (c * 5 + 3) % 16
def tile_char(t, i, chars): return (t * 7 + i * 3) % chars
def tile_colour(t): return (t * 3 + 2) % 16
def map_entry(x, y, count): return (x * 5 + y * 3) % count

GLOBAL, PER_TILE, PER_CHAR = 0, 1, 2
HIRES, MULTICOLOUR, EXTENDED = 0, 1, 2

def word(value): return struct.pack('<H', value)

class Project:
    """screen: 0 hires, 1 multicolour, 2 extended background (7 to 9), 3 and 4 bitmap (8, 9);
    colouring: 0 global, 1 per tile, 2 per character; tiles: (count, width, height) or None;
    expanded: version 5's set of characters laid out tile by tile, with no tile cells kept."""
    def __init__(self, version, screen=HIRES, colouring=GLOBAL, chars=16, tiles=None,
                 expanded=False, map_size=(4, 3), colours=(6, 1, 2, 3, 14), names=True):
        self.version, self.screen, self.colouring = version, screen, colouring
        self.chars, self.tiles, self.expanded = chars, tiles, expanded
        self.map_size, self.colours, self.names = map_size, colours, names

    def glyphs(self):
        return bytes(glyph_row(c, r) for c in range(self.chars) for r in range(8))
    def char_colours(self):
        return bytes(char_colour(c) for c in range(self.chars))
    def tile_cells(self):
        count, width, height = self.tiles
        return b''.join(word(tile_char(t, i, self.chars))
                        for t in range(count) for i in range(width * height))
    def tile_colours(self):
        return bytes(tile_colour(t) for t in range(self.tiles[0]))
    def map_cells(self):
        width, height = self.map_size
        count = self.tiles[0] if self.tiles else self.chars
        return b''.join(word(map_entry(x, y, count)) for y in range(height) for x in range(width))

    def bytes(self):
        return b'CTM' + bytes([self.version]) + (self.version5() if self.version == 5
                                                 else self.blocks())

    def version5(self):
        background, multi1, multi2, _, ink = self.colours
        flags = (1 if self.tiles else 0) | (2 if self.expanded else 0) | (4 if self.screen else 0)
        count, width, height = self.tiles or (1, 1, 1)
        out = bytes([background, multi1, multi2, ink, self.colouring, flags])
        out += word(self.chars - 1) + word(count - 1) + bytes([width, height])
        out += word(self.map_size[0]) + word(self.map_size[1])
        # Attributes: material 3 in the high nibble; the colour only when coloured per character.
        colours = self.char_colours() if self.colouring == PER_CHAR else bytes(self.chars)
        out += self.glyphs() + bytes(0x30 | c for c in colours)
        if self.tiles and not self.expanded: out += self.tile_cells()
        if self.tiles and self.colouring == PER_TILE: out += self.tile_colours()
        return out + self.map_cells()

    def header(self):
        background, multi1, multi2, background3, ink = self.colours
        tiles = 1 if self.tiles else 0
        if self.version == 6:
            return bytes([background, multi1, multi2, ink, self.colouring,
                          (1 if self.screen else 0) | tiles << 1])
        if self.version == 7:
            return bytes([background, multi1, multi2, background3, ink, self.colouring,
                          self.screen, tiles])
        grid = word(40) + word(25) + bytes([0]) if self.version == 9 else b''
        return (bytes([self.screen, self.colouring, tiles]) + grid +
                bytes([background, multi1, multi2, background3, ink, 11, 12]))

    def blocks(self):
        blocks = [word(self.chars - 1) + self.glyphs()]
        later = self.version >= 8
        if later:
            blocks.append(bytes([3] * self.chars)) # materials
            if self.colouring == PER_CHAR: blocks.append(self.char_colours())
        else:
            colours = self.char_colours() if self.colouring == PER_CHAR else bytes(self.chars)
            blocks.append(bytes(0x30 | c for c in colours))
        if self.tiles:
            count, width, height = self.tiles
            blocks.append(word(count - 1) + bytes([width, height]) + self.tile_cells())
            if self.colouring == PER_TILE: blocks.append(self.tile_colours())
            blocks.append(bytes(t % 4 for t in range(count))) # tags
            blocks.append(b''.join(b'tile %d\0' % t if self.names else b'\0'
                                   for t in range(count)))
        blocks.append(word(self.map_size[0]) + word(self.map_size[1]) + self.map_cells())
        return self.header() + b''.join(bytes([0xDA, 0xB0 + n]) + body
                                        for n, body in enumerate(blocks))
