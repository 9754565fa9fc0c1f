#!/usr/bin/env python3
"""Writes the CharPad projects of this folder, which tests/files/charpad_file_test.cpp reads with
the same numbers, and a few small ones as the fuzz target's seeds in tests/fuzz-corpus/charpad.
Between them they hold every version from 5 to 9, tiles, each colouring method, a map larger
than gridlet's largest and a set of more than 256 characters."""
import pathlib, sys
sys.dont_write_bytecode = True
from ctm import Project, GLOBAL, PER_TILE, PER_CHAR, HIRES, MULTICOLOUR, EXTENDED

here = pathlib.Path(__file__).parent
seeds = here.parent.parent / 'fuzz-corpus' / 'charpad'

projects = {
    'v5-hires-global': Project(5, HIRES, GLOBAL, chars=40, map_size=(40, 25)),
    'v5-multicolour-tiles-per-character':
        Project(5, MULTICOLOUR, PER_CHAR, chars=64, tiles=(10, 2, 2), map_size=(16, 12)),
    'v5-expanded-tiles-per-tile':
        Project(5, HIRES, PER_TILE, chars=36, tiles=(6, 2, 3), expanded=True, map_size=(20, 8)),
    'v6-multicolour-tiles-per-tile':
        Project(6, MULTICOLOUR, PER_TILE, chars=100, tiles=(12, 4, 4), map_size=(10, 6)),
    'v6-hires-per-character': Project(6, HIRES, PER_CHAR, chars=256, map_size=(40, 24)),
    'v6-per-tile-without-tiles': Project(6, HIRES, PER_TILE, chars=20, map_size=(32, 24)),
    'v7-extended-background': Project(7, EXTENDED, GLOBAL, chars=64, map_size=(32, 24)),
    'v7-multicolour-tiles-per-character':
        Project(7, MULTICOLOUR, PER_CHAR, chars=80, tiles=(9, 3, 3), map_size=(21, 10)),
    'v8-hires-per-character': Project(8, HIRES, PER_CHAR, chars=200, map_size=(40, 25)),
    'v8-multicolour-tiles-per-tile':
        Project(8, MULTICOLOUR, PER_TILE, chars=50, tiles=(7, 2, 2), map_size=(20, 12)),
    'v8-300-characters': Project(8, HIRES, PER_CHAR, chars=300, map_size=(40, 25)),
    'v9-hires-tiles-global-large-map':
        Project(9, HIRES, GLOBAL, chars=30, tiles=(5, 3, 3), map_size=(30, 20)),
    'v9-multicolour-tiles-per-character':
        Project(9, MULTICOLOUR, PER_CHAR, chars=40, tiles=(8, 2, 2), map_size=(16, 12)),
}
for name, project in projects.items():
    (here / (name + '.ctm')).write_bytes(project.bytes())

seeds.mkdir(parents=True, exist_ok=True)
small = {
    'v5-per-character': Project(5, MULTICOLOUR, PER_CHAR, chars=8, map_size=(5, 3)),
    'v5-expanded-tiles': Project(5, HIRES, PER_TILE, chars=8, tiles=(2, 2, 2), expanded=True),
    'v6-tiles-per-tile': Project(6, MULTICOLOUR, PER_TILE, chars=6, tiles=(3, 2, 1)),
    'v7-extended-tiles': Project(7, EXTENDED, GLOBAL, chars=5, tiles=(2, 1, 2)),
    'v8-per-character': Project(8, HIRES, PER_CHAR, chars=9, map_size=(3, 3)),
    'v9-tiles-per-character': Project(9, MULTICOLOUR, PER_CHAR, chars=7, tiles=(2, 2, 2)),
}
for name, project in small.items():
    (seeds / name).write_bytes(project.bytes())
