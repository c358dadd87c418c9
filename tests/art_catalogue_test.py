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
# Pictures outside the scene catalogue that the build also makes (all opaque).
EXTRA_OPAQUE = ["banner.bmp"]


def read_catalogue(path):
    entries = []
    for number, line in enumerate(path.read_text().splitlines(), 1):
        fields = line.split("#", 1)[0].split()
        if fields and (len(fields) != 2 or fields[1] not in ("-1", "-2")):
            sys.exit(f"{path}:{number}: expected '<file>.bmp <key mode -1|-2>', got {line!r}")
        if fields:
            entries.append((fields[0], int(fields[1])))
    return entries


def svg_size(svg):
    """Width and height in pixels from the root element, or None."""
    root = re.search(r"<svg\b[^>]*>", svg.read_text(errors="replace"), re.S)
    sizes = [root and re.search(rf'\s{attr}\s*=\s*"([0-9.]+)(px)?"', root.group(0)) for attr in ("width", "height")]
    return tuple(round(float(m.group(1))) for m in sizes) if all(sizes) else None


def bmp_header(path):
    """Bits per pixel and alpha mask (0 when the header has none) of a BMP file, or None."""
    data = path.read_bytes()[:122]
    if len(data) < 34 or data[:2] != b"BM":
        return None
    header_size, = struct.unpack_from("<I", data, 14)
    bits, compression = struct.unpack_from("<HI", data, 28)
    has_mask = header_size >= 108 and compression == 3 and len(data) >= 70
    return bits, struct.unpack_from("<I", data, 66)[0] if has_mask else 0


def identify(tool, path, fmt, *options):
    """ImageMagick's answer as words, or the error it gave as one string."""
    result = subprocess.run([tool, *options, "-format", fmt, str(path)], capture_output=True, text=True)
    return result.stdout.split() if result.returncode == 0 else (result.stderr.strip() or "identify failed")


def check_picture(name, key_mode, args):
    """The problems of one built picture, or None when it is missing."""
    path = args.pictures / name
    if not path.is_file():
        return None
    decoded = identify(args.identify, path, "%w %h %[channels]\n", "-regard-warnings")
    if isinstance(decoded, str):
        return [f"does not decode: {decoded}"]
    width, height = int(decoded[0]), int(decoded[1])
    problems = []
    svg = args.sources / (Path(name).stem + ".svg")
    if not svg.is_file():
        problems.append(f"no source {svg.name}")
    elif svg_size(svg) is None:
        problems.append(f"{svg.name} has no pixel width/height on its root element")
    expected = FIXED_SIZES.get(name) or (svg.is_file() and svg_size(svg))
    if expected and (width, height) != expected:
        problems.append(f"is {width}x{height}, expected {expected[0]}x{expected[1]}")

    header = bmp_header(path)
    if header is None:
        return problems + ["is not a BMP file"]
    bits, alpha_mask = header
    if key_mode == -2:
        return problems + ([] if bits == 24 else [f"is {bits}-bit, an opaque picture must be 24-bit"])
    if bits != 32 or not alpha_mask:
        return problems + [f"is {bits}-bit without an alpha mask, a keyed picture needs 32-bit alpha"]
    alpha = "a" in decoded[2] and identify(args.identify, path, "%[fx:minima.a] %[fx:maxima.a]", "-channel", "alpha")
    if not alpha or isinstance(alpha, str):
        problems.append("decodes without an alpha channel")
    elif float(alpha[0]) >= 1.0:
        problems.append("alpha channel is opaque everywhere, nothing would be keyed out")
    elif float(alpha[1]) <= 0.0:
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
    extras = [(n, -2) for n in EXTRA_OPAQUE if (args.sources / (Path(n).stem + ".svg")).is_file()]
    failures = [f"catalogue lists twice: {n}" for n in sorted({n for n in names if names.count(n) > 1})]
    missing = []
    for name, key_mode in entries + extras:
        problems = check_picture(name, key_mode, args)
        if problems is None:
            missing.append(name)
        else:
            failures.extend(f"{name}: {p}" for p in problems)

    # A source the catalogue does not know is usually a misspelt name (the loader is case-exact).
    known = {Path(n).stem for n, _ in entries + extras}
    failures.extend(f"{svg.name}: source of a picture the scene never loads"
                    for svg in sorted(args.sources.glob("*.svg")) if not svg.name.startswith("_") and svg.stem not in known)

    total = len(entries) + len(extras)
    print(f"{total - len(missing)} of {total} pictures checked in {args.pictures}")
    if missing:
        print(f"MISSING ({len(missing)}): {' '.join(missing)}")
    for failure in failures:
        print(f"FAIL {failure}")
    return 1 if missing or failures else 0


if __name__ == "__main__":
    sys.exit(main())
