#!/usr/bin/env python3
"""Checks the built carols the way a listener would meet them.

  files     every Music/midiN.mid exists, lasts 1 to 4 minutes with no silent tail,
            has melody, harmony and bass on at least three channels, and names
            its tune in the track name given by carols.tsv.  The files are read with
            midicsv, a reader independent of the tool that wrote them.
  loudness  every carol, rendered with FluidSynth, lies within a few dB of the
            median loudness, so no carol jumps out of an evening's playlist; the one
            carol meant to be loud must be louder.
"""
import argparse
import concurrent.futures
import csv
import os
import re
import statistics
import subprocess
import sys
import tempfile

MIN_SECONDS = 60
MAX_SECONDS = 240
MIN_CHANNELS = 3
MAX_TRAILING_SILENCE = 3.0   # seconds a player would keep playing after the last note
LOUDNESS_TOLERANCE_DB = 3.0
LOUD_CAROL = 25            # "Choir of Bells (Loud)" is loud on purpose.
LOUD_CAROL_MARGIN_DB = 1.0
SYNTH_GAIN = "0.7"
SAMPLE_RATE = "44100"


def read_table(path):
    """Slot -> row of carols.tsv (slot, title, tune, colour)."""
    rows = {}
    with open(path, newline="", encoding="utf-8") as f:
        for row in csv.DictReader(f, delimiter="\t"):
            rows[int(row["slot"])] = row
    return rows


def require_tool(name, path):
    if not path or not os.path.isfile(path):
        sys.exit(f"{name} is not installed (looked for {path or 'nothing'}); it is needed to check the carols")


def carol_paths(music_dir, count):
    paths = {n: os.path.join(music_dir, f"midi{n}.mid") for n in range(1, count + 1)}
    missing = [n for n, p in paths.items() if not os.path.isfile(p)]
    return paths, missing


class Midi:
    """What the checks need from one file, taken from midicsv's text."""

    def __init__(self, csv_text):
        self.division = 480
        self.tempos = []            # (tick, microseconds per quarter)
        self.titles = []            # track names, in file order
        self.last_tick = 0
        self.channel_notes = {}     # channel -> number of notes
        self.last_note_tick = 0
        for record in csv.reader(csv_text.splitlines(), skipinitialspace=True):
            if len(record) < 3:
                continue
            tick, kind = int(record[1]), record[2]
            self.last_tick = max(self.last_tick, tick)
            if kind == "Header":
                self.division = int(record[5])
            elif kind == "Tempo":
                self.tempos.append((tick, int(record[3])))
            elif kind == "Title_t":
                self.titles.append(record[3])
            elif kind in ("Note_on_c", "Note_off_c"):
                self.last_note_tick = max(self.last_note_tick, tick)
                if kind == "Note_on_c" and int(record[5]) > 0:
                    channel = int(record[3])
                    self.channel_notes[channel] = self.channel_notes.get(channel, 0) + 1

    def seconds(self, until=None):
        """Time in seconds from the start to a tick (default: the end of the file),
        following every tempo change (120 bpm until the first)."""
        until = self.last_tick if until is None else until
        changes = sorted(self.tempos)
        if not changes or changes[0][0] != 0:
            changes.insert(0, (0, 500000))
        total = 0.0
        for (tick, tempo), (next_tick, _) in zip(changes, changes[1:] + [(until, 0)]):
            span = min(next_tick, until) - tick
            if span > 0:
                total += span * tempo / 1e6 / self.division
        return total


def check_files(args):
    require_tool("midicsv", args.midicsv)
    table = read_table(args.table)
    paths, missing = carol_paths(args.music_dir, args.count)
    faults = []
    if missing:
        faults.append("missing carols: " + ", ".join(f"midi{n}.mid" for n in missing))
    for n, path in paths.items():
        if n in missing:
            continue
        name = f"midi{n}.mid"
        result = subprocess.run([args.midicsv, path], capture_output=True, text=True,
                                encoding="latin-1")
        if result.returncode != 0:
            faults.append(f"{name}: midicsv cannot read it: {result.stderr.strip()}")
            continue
        midi = Midi(result.stdout)
        seconds = midi.seconds()
        if not MIN_SECONDS <= seconds <= MAX_SECONDS:
            faults.append(f"{name}: lasts {seconds:.0f} s, not {MIN_SECONDS} to {MAX_SECONDS} s")
        silence = seconds - midi.seconds(midi.last_note_tick)
        if silence > MAX_TRAILING_SILENCE:
            faults.append(f"{name}: ends with {silence:.0f} s of silence after the last note")
        voiced = sorted(ch for ch, count in midi.channel_notes.items() if count > 0)
        if len(voiced) < MIN_CHANNELS:
            faults.append(f"{name}: notes on {len(voiced)} channel(s), wants melody, harmony and bass")
        row = table.get(n)
        if row is None:
            faults.append(f"{name}: slot {n} is missing from {os.path.basename(args.table)}")
        elif not midi.titles or midi.titles[0] != row["tune"]:
            found = midi.titles[0] if midi.titles else "no track name"
            faults.append(f"{name}: track name is \"{found}\", wants \"{row['tune']}\"")
        print(f"{name}: {seconds:5.1f} s, channels {[ch + 1 for ch in voiced]}, "
              f"\"{midi.titles[0] if midi.titles else ''}\"")
    return faults


def rms_db(args, path, workdir):
    wav = os.path.join(workdir, os.path.basename(path) + ".wav")
    subprocess.run([args.fluidsynth, "-ni", "-q", "-g", SYNTH_GAIN, "-r", SAMPLE_RATE, "-F", wav,
                    args.soundfont, path], check=True, capture_output=True)
    stats = subprocess.run([args.sox, wav, "-n", "stats"], check=True, capture_output=True,
                           text=True).stderr
    os.remove(wav)
    match = re.search(r"^RMS lev dB\s+(-?[\d.]+|-inf)", stats, re.MULTILINE)
    if not match or match.group(1) == "-inf":
        return None
    return float(match.group(1))


def check_loudness(args):
    require_tool("fluidsynth", args.fluidsynth)
    require_tool("sox", args.sox)
    if not args.soundfont or not os.path.isfile(args.soundfont):
        sys.exit(f"SoundFont not found ({args.soundfont}); install timgm6mb-soundfont")
    paths, missing = carol_paths(args.music_dir, args.count)
    faults = []
    if missing:
        faults.append("missing carols: " + ", ".join(f"midi{n}.mid" for n in missing))
    present = {n: p for n, p in paths.items() if n not in missing}
    with tempfile.TemporaryDirectory() as workdir, \
            concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        levels = dict(zip(present, pool.map(lambda p: rms_db(args, p, workdir), present.values())))
    silent = [n for n, level in levels.items() if level is None]
    faults += [f"midi{n}.mid: renders as silence" for n in silent]
    ordinary = [level for n, level in levels.items() if level is not None and n != LOUD_CAROL]
    if not ordinary:
        return faults + ["no carol could be measured"]
    median = statistics.median(ordinary)
    print(f"median RMS {median:.2f} dB over {len(ordinary)} carols "
          f"(spread {min(ordinary):.2f} .. {max(ordinary):.2f})")
    for n, level in sorted(levels.items()):
        if level is None:
            continue
        print(f"midi{n}.mid: {level:6.2f} dB ({level - median:+.2f})")
        if n == LOUD_CAROL:
            if level < median + LOUD_CAROL_MARGIN_DB:
                faults.append(f"midi{n}.mid: {level:.2f} dB is not louder than the others "
                              f"(median {median:.2f} dB)")
        elif abs(level - median) > LOUDNESS_TOLERANCE_DB:
            faults.append(f"midi{n}.mid: {level:.2f} dB is {level - median:+.2f} dB from the "
                          f"median {median:.2f} dB")
    return faults


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("check", choices=["files", "loudness"])
    parser.add_argument("--music-dir", required=True)
    parser.add_argument("--table", required=True)
    parser.add_argument("--count", type=int, default=36)
    parser.add_argument("--midicsv")
    parser.add_argument("--fluidsynth")
    parser.add_argument("--sox")
    parser.add_argument("--soundfont")
    args = parser.parse_args()
    faults = check_files(args) if args.check == "files" else check_loudness(args)
    for fault in faults:
        print("FAULT:", fault)
    print(f"{args.check}: {'ok' if not faults else f'{len(faults)} fault(s)'}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
