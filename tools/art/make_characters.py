"""Writes every character picture as an SVG into assets/art (run from anywhere)."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
OUT = os.path.normpath(os.path.join(HERE, '..', '..', 'assets', 'art'))

import peng_skate
import peng_fish
import peng_ride
import elf_scenes
import reindeer
import fight
import santa
import mrs_santa
import snowman

MODULES = [peng_skate, peng_fish, peng_ride, elf_scenes, reindeer, fight, santa, mrs_santa, snowman]

if __name__ == '__main__':
    only = sys.argv[1:]
    for m in MODULES:
        if not only or m.__name__ in only:
            m.make(OUT)
