#!/usr/bin/env python3
"""Turn the NUBASE2020 evaluation into Atomdrift's nuclide table, data/nuclides.txt.

Every line of nubase_4.mas20.txt is either taken as a nuclide (a ground state or an isomer with a
half-life or "stbl") or skipped for one of the reasons in SKIP_REASONS. The hand-kept lines of
data/feedings.txt (the offered chains and which isomer a decay feeds) are copied in after the
header, so the program reads one file.

    nubase_table.py [--nubase FILE] [--output FILE]   write the table
    nubase_table.py --check                           exit 1 if the committed table differs
    nubase_table.py --skipped                         list every skipped line with its reason

Standard library only.
"""

import argparse
import collections
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
DEFAULT_NUBASE = ROOT.parent / "shared" / "data" / "nubase_4.mas20.txt"
FEEDINGS = ROOT / "data" / "feedings.txt"
OUTPUT = ROOT / "data" / "nuclides.txt"

SKIP_REASONS = {
    "isobaric-analogue": "an isobaric analogue state (i = 8, 9), not a state that decays on its own",
    "particle-unstable": "particle unstable (p-unst): it falls apart before it could be handled",
    "no-half-life": "a ground state or isomer without a half-life",
    "level-or-resonance": "an excited level or resonance without a half-life (i = 3 to 6)",
}

# The evaluation's half-life units (its header), in seconds; the year is NUBASE's, 365.2422 d.
YEAR = 365.2422 * 86400
UNITS = {"ys": 1e-24, "zs": 1e-21, "as": 1e-18, "fs": 1e-15, "ps": 1e-12, "ns": 1e-9, "us": 1e-6,
         "ms": 1e-3, "s": 1.0, "m": 60.0, "h": 3600.0, "d": 86400.0, "y": YEAR, "ky": 1e3 * YEAR,
         "My": 1e6 * YEAR, "Gy": 1e9 * YEAR, "Ty": 1e12 * YEAR, "Py": 1e15 * YEAR,
         "Ey": 1e18 * YEAR, "Zy": 1e21 * YEAR, "Yy": 1e24 * YEAR}

# "B-=64.06 6": code, relation, intensity in %, its uncertainty; "=?" is an unknown intensity, a
# trailing # one from systematics, and "[gs=12,m=88]" how the decays split between the daughter's
# ground state and isomer.
MODE = re.compile(r"^([A-Za-z0-9+\-]+?)\s*(=\s*\?|=|~|<=|>=|<|>|\?)\s*([0-9.]+(?:[eE][-+]?[0-9]+)?#?)?"
                  r"(?:\s+[0-9.+\-]+)?(\[gs=[0-9.]+,m=[0-9.]+\])?$")
NUMBER = re.compile(r"^[0-9]+(\.[0-9]*)?([eE][-+]?[0-9]+)?$")

HEADER = """\
# Atomdrift's nuclide table, made by scripts/nubase_table.py from the NUBASE2020 evaluation:
#   F.G. Kondev, M. Wang, W.J. Huang, S. Naimi and G. Audi, "The NUBASE2020 evaluation of nuclear
#   physics properties", Chinese Physics C 45, 030001 (2021), doi:10.1088/1674-1137/abddae,
#   published under the Creative Commons Attribution 3.0 licence (CC BY 3.0).
# Do not edit: change data/feedings.txt or the script and run it again.
#
# One line per ground state or isomer:
#   symbol  Z  A  half-life  unit  uncertainty  spin-parity  mass-excess  modes
# half-life: a number as the evaluation prints it, "stbl" for stable; a leading <, > or ~ marks a
#   limit or an approximate value, a trailing # a value from systematics. unit: ys ... Yy, "-"
#   for a stable nuclide; 1 y = 365.2422 d. uncertainty: in the unit, "-" when none is given.
# spin-parity: as printed without its "directly measured" star ("-" when unknown). mass-excess: in
#   keV of this state, # from systematics, "-" for an isomer whose excitation is not known.
# modes: ";"-separated, each a mode code (A, B-, B+, EC, IT, SF, p, n, 2B-, B-n, ..., IS for the
#   isotopic abundance) followed by = ~ < > and the intensity in %, or ? when unknown; "-" for none.
#   B+ counts positron emission and electron capture together; e+ and EC beside B+ split it.
# "feed" and "chains" lines are copied from data/feedings.txt.
"""


def classify(line):
    """The nuclide fields of one data line, or the reason it is skipped."""
    state = int(line[7])
    half_life = line[69:78].strip()
    if state >= 8:
        return None, "isobaric-analogue"
    if half_life == "p-unst":
        return None, "particle-unstable"
    if not half_life:
        return None, "no-half-life" if state <= 2 else "level-or-resonance"
    mass = int(line[0:3])
    z = int(line[4:7])
    name = line[11:16].strip()
    element = name.lstrip("0123456789")
    suffix = line[16].strip()
    symbol = f"{element}-{mass}{suffix if state else ''}"
    unit = line[78:80].strip() or "-"
    if half_life == "stbl":
        unit = "-"
    elif unit not in UNITS:
        raise ValueError(f"unknown half-life unit {unit!r} in: {line}")
    uncertainty = line[81:88].strip()
    if not NUMBER.match(uncertainty):
        uncertainty = "-"
    spin = line[88:102].split()
    mass_excess = line[18:31].strip() or "-"
    # One line writes two unknown modes without a ";" between them: "B+p ? 2p ?".
    parts = re.sub(r"\?\s+(?=\S)", "?;", line[119:].strip()).split(";")
    modes = [mode_text(part, line) for part in parts if part.strip()]
    fields = [symbol, str(z), str(mass), half_life.replace(" ", ""), unit, uncertainty,
              spin[0].replace("*", "") if spin else "-", mass_excess, ";".join(modes) or "-"]
    return fields, None


def mode_text(part, line):
    """One mode as "code", relation, intensity: "B-=64.06", "p?", "B-A~0.014"."""
    match = MODE.match(part.strip())
    if not match:
        raise ValueError(f"unreadable decay mode {part!r} in: {line}")
    code, relation, value, split = match.groups()
    relation = "?" if "?" in relation else {"<=": "<", ">=": ">"}.get(relation, relation)
    if relation == "?" or value is None:
        return code + "?"
    return code + relation + value + (split or "")


def convert(nubase_lines):
    """The table's nuclide lines and, per reason, the skipped lines."""
    taken, skipped = [], collections.defaultdict(list)
    for line in nubase_lines:
        if line.startswith("#") or not line.strip():
            continue
        fields, reason = classify(line.rstrip("\n"))
        if fields:
            taken.append(" ".join(fields))
        else:
            skipped[reason].append(line.rstrip("\n"))
    return taken, skipped


def table_text(nubase_lines, feedings_text):
    taken, skipped = convert(nubase_lines)
    counts = "".join(f"#   {len(skipped[r]):5d} {SKIP_REASONS[r]}\n" for r in SKIP_REASONS)
    hand = [l for l in feedings_text.splitlines() if l.strip() and not l.startswith("#")]
    return (HEADER + f"#\n# {len(taken)} states taken; skipped:\n" + counts + "\n"
            + "\n".join(hand) + "\n\n" + "\n".join(taken) + "\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--nubase", type=pathlib.Path, default=DEFAULT_NUBASE)
    parser.add_argument("--output", type=pathlib.Path, default=OUTPUT)
    parser.add_argument("--check", action="store_true")
    parser.add_argument("--skipped", action="store_true")
    args = parser.parse_args()
    lines = args.nubase.read_text(encoding="utf-8").splitlines()
    if args.skipped:
        for reason, skipped in convert(lines)[1].items():
            for line in skipped:
                print(f"{reason}: {line}")
        return 0
    text = table_text(lines, FEEDINGS.read_text(encoding="utf-8"))
    if args.check:
        if args.output.read_text(encoding="utf-8") != text:
            print(f"{args.output} is not what {pathlib.Path(__file__).name} makes; run it again.", file=sys.stderr)
            return 1
        return 0
    args.output.write_text(text, encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
