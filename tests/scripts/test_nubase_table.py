#!/usr/bin/env python3
"""The conversion of NUBASE2020 into data/nuclides.txt: every line taken or skipped with a reason,
the committed table what the script makes. Skips (exit 77) when the evaluation is not at hand."""

import pathlib
import subprocess
import sys
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "scripts"))
import nubase_table  # noqa: E402


class Conversion(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.lines = nubase_table.DEFAULT_NUBASE.read_text(encoding="utf-8").splitlines()
        cls.taken, cls.skipped = nubase_table.convert(cls.lines)

    def test_every_line_is_taken_or_skipped_with_a_reason(self):
        data = [l for l in self.lines if l.strip() and not l.startswith("#")]
        self.assertEqual(len(data), 5843)
        self.assertEqual(len(self.taken) + sum(len(s) for s in self.skipped.values()), len(data))
        # Counted from the file's columns: i = 8, 9 for the analogue states, "p-unst", and an
        # empty half-life field for ground states and isomers (i = 0 to 2) or levels (i = 3 to 6).
        counts = {reason: len(lines) for reason, lines in self.skipped.items()}
        self.assertEqual(counts, {"isobaric-analogue": 186, "particle-unstable": 3, "no-half-life": 99,
                                  "level-or-resonance": 65})
        self.assertEqual(set(counts), set(nubase_table.SKIP_REASONS))
        for line in self.skipped["particle-unstable"]:
            self.assertIn("p-unst", line)
        for line in self.skipped["no-half-life"] + self.skipped["level-or-resonance"]:
            self.assertEqual(line[69:78].strip(), "")

    def test_lines_round_trip(self):
        # Fields as the NUBASE2020 lines print them.
        expected = {
            "Mo-99": "Mo-99 42 99 65.932 h 0.005 1/2+ -85970.11 B-=100",
            "Tc-99m": "Tc-99m 43 99 6.0066 h 0.0002 1/2- -87185.2 IT~100;B-=0.0037",
            "U-238": "U-238 92 238 4.463 Gy 0.003 0+ 47307.7 IS=99.2742;A=100;SF=5.44e-5;2B-=2.2e-10",
            "Po-212": "Po-212 84 212 294.4 ns 0.8 0+ -10369.4 A=100",
            "Bi-212": "Bi-212 83 212 60.55 m 0.06 1- -8117.9 B-=64.06;A=35.94;B-A~0.014",
            "K-40": "K-40 19 40 1.248 Gy 0.003 4- -33535.50 IS=0.0117;B-=89.28;B+=10.72",
            "Ga-77": "Ga-77 31 77 13.2 s 0.2 3/2- -65992.4 B-=100[gs=12,m=88]",
            "Pd-90": "Pd-90 46 90 10# ms - 0+ -39710# B+?;B+p?;2p?",
            "Mn-63": "Mn-63 25 63 275 ms 4 5/2- -46887 B-=100;B-n?",
        }
        by_symbol = {line.split()[0]: line for line in self.taken}
        for symbol, line in expected.items():
            self.assertEqual(by_symbol[symbol], line)

    def test_committed_table_is_what_the_script_makes(self):
        result = subprocess.run([sys.executable, str(ROOT / "scripts" / "nubase_table.py"), "--check"],
                                capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stderr)


if __name__ == "__main__":
    if not nubase_table.DEFAULT_NUBASE.exists():
        print(f"{nubase_table.DEFAULT_NUBASE} is not here; skipped.")
        sys.exit(77)
    unittest.main()
