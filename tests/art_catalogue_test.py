#!/usr/bin/env python3
"""Checks the built pictures against the catalogue the scene loads.

Every catalogue file must exist in the asset output, decode, have the size its SVG source gives,
and be stored the way the saver keys it: keyed pictures as 32-bit BMPs whose alpha channel
really is transparent somewhere, opaque ones (the backdrop) as 24-bit BMPs. Problems are
reported per file, with the missing files listed together so an unfinished set reads clearly.
"""

import argparse
import re
import struct
import subprocess
import sys
from pathlib import Path

# Pictures whose size is fixed by the screen or dialog they fill, not only by their SVG.
FIXED_SIZES = {"bg3.bmp": (800, 567), "banner.bmp": (619, 65)}
# Pictures outside the scene catalogue that the build also makes.
EXTRA_OPAQUE = ["banner.bmp"]


def read_catalogue(path):
    entries = []
    for number, line in enumerate(path.read_text().splitlines(), 1):
        line = line.split("#", 1)[0].strip()
        if not line:
            continue
        fields = line.split()
        if len(fields) != 2 or fields[1] not in ("-1", "-2"):
            sys.exit(f"{path}:{number}: expected '<file>.bmp <key mode -1|-2>', got {line!r}")
        entries.append((fields[0], int(fields[1])))
    return entries


def svg_size(svg):
    """Width and height from the root element, in pixels."""
    text = svg.read_text(errors="replace")
    root = re.search(r"<svg\b[^>]*>", text, re.S)
    if not root:
        return None
    size = []
    for attr in ("width", "height"):
        m = re.search(rf'\s{attr}\s*=\s*"([0-9.]+)(px)?"', root.group(0))
        if not m:
            return None
        size.append(round(float(m.group(1))))
    return tuple(size)


def bmp_header(path):
    """Bits per pixel and alpha mask (0 when the header has none) of a BMP file."""
    data = path.read_bytes()[:122]
    if len(data) < 34 or data[:2] != b"BM":
        return None
    header_size = struct.unpack_from("<I", data, 14)[0]
    bits = struct.unpack_from("<H", data, 28)[0]
    compression = struct.unpack_from("<I", data, 30)[0]
    alpha_mask = 0
    if header_size >= 108 and compression == 3 and len(data) >= 70:
        alpha_mask = struct.unpack_from("<I", data, 66)[0]
    return bits, alpha_mask


def identify(tool, path):
    """Decoded width, height and the alpha range (0..1) as ImageMagick sees the file."""
    result = subprocess.run(
        [tool, "-regard-warnings", "-format", "%w %h %[channels]\n", str(path)],
        capture_output=True, text=True)
    if result.returncode != 0:
        return None, result.stderr.strip() or "identify failed"
    width, height, channels = result.stdout.split()[:3]
    alpha = None
    if "a" in channels:
        stats = subprocess.run(
            [tool, "-channel", "alpha", "-format", "%[fx:minima.a] %[fx:maxima.a]", str(path)],
            capture_output=True, text=True)
        if stats.returncode == 0 and stats.stdout.split():
            alpha = tuple(float(v) for v in stats.stdout.split()[:2])
    return (int(width), int(height), alpha), None


def check_picture(name, key_mode, args):
    """Returns the problems of one built picture, or None when it is missing."""
    path = args.pictures / name
    if not path.is_file():
        return None
    problems = []
    decoded, error = identify(args.identify, path)
    if decoded is None:
        return [f"does not decode: {error}"]
    width, height, alpha = decoded

    svg = args.sources / (Path(name).stem + ".svg")
    expected = FIXED_SIZES.get(name) or (svg_size(svg) if svg.is_file() else None)
    if not svg.is_file():
        problems.append(f"no source {svg.name}")
    elif svg_size(svg) is None:
        problems.append(f"{svg.name} has no pixel width/height on its root element")
    if expected and (width, height) != expected:
        problems.append(f"is {width}x{height}, expected {expected[0]}x{expected[1]}")

    header = bmp_header(path)
    if header is None:
        problems.append("is not a BMP file")
    elif key_mode == -2:
        if header[0] != 24:
            problems.append(f"is {header[0]}-bit, an opaque picture must be 24-bit")
    else:
        bits, alpha_mask = header
        if bits != 32 or not alpha_mask:
            problems.append(f"is {bits}-bit without an alpha mask, a keyed picture needs 32-bit alpha")
        elif alpha is None:
            problems.append("decodes without an alpha channel")
        elif alpha[0] >= 1.0:
            problems.append("alpha channel is opaque everywhere, nothing would be keyed out")
        elif alpha[1] <= 0.0:
            problems.append("alpha channel is transparent everywhere, nothing would be drawn")
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--catalogue", type=Path, required=True)
    parser.add_argument("--sources", type=Path, required=True, help="folder of the SVG sources")
    parser.add_argument("--pictures", type=Path, required=True, help="folder of the built BMPs")
    parser.add_argument("--identify", default="identify")
    args = parser.parse_args()

    entries = read_catalogue(args.catalogue)
    names = [name for name, _ in entries]
    duplicates = sorted({n for n in names if names.count(n) > 1})
    failures = []
    if duplicates:
        failures.append(f"catalogue lists twice: {', '.join(duplicates)}")

    extras = [(name, -2) for name in EXTRA_OPAQUE
              if (args.sources / (Path(name).stem + ".svg")).is_file()]
    missing = []
    checked = 0
    for name, key_mode in entries + extras:
        problems = check_picture(name, key_mode, args)
        if problems is None:
            missing.append(name)
            continue
        checked += 1
        failures.extend(f"{name}: {p}" for p in problems)

    # A source the catalogue does not know is usually a misspelt name (the loader is case-exact).
    known = {Path(n).stem for n in names} | {Path(n).stem for n, _ in extras}
    for svg in sorted(args.sources.glob("*.svg")):
        if not svg.name.startswith("_") and svg.stem not in known:
            failures.append(f"{svg.name}: source of a picture the scene never loads")

    print(f"{checked} of {len(entries) + len(extras)} pictures checked in {args.pictures}")
    if missing:
        print(f"MISSING ({len(missing)}): {' '.join(missing)}")
    for failure in failures:
        print(f"FAIL {failure}")
    return 1 if missing or failures else 0


if __name__ == "__main__":
    sys.exit(main())
