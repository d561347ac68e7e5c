#!/usr/bin/env python3
"""Sums up the blind panel: per list and origin, the share of names rated acceptable
(mean rating >= 3.5), the share rated strange (mean < 2.5) and the mean rating.

Usage: score.py PANEL_DIR   (holds key.tsv and rater*/given_ratings.tsv, trade_ratings.tsv)
"""
import collections
import pathlib
import statistics
import sys


def main():
    panel = pathlib.Path(sys.argv[1])
    key = [line.split("\t") for line in (panel / "key.tsv").read_text(encoding="utf-8").splitlines()[1:]]
    raters = sorted(p for p in panel.iterdir() if p.is_dir() and p.name.startswith("rater"))
    ratings = collections.defaultdict(list)
    for rater in raters:
        for kind in ("given", "trade"):
            rows = (rater / f"{kind}_ratings.tsv").read_text(encoding="utf-8").splitlines()
            for row in rows:
                number, rating = row.split("\t")
                ratings[(kind, int(number))].append(int(rating))
    groups = collections.defaultdict(list)
    for kind, number, name, origin in key:
        scores = ratings[(kind, int(number))]
        assert len(scores) == len(raters), (kind, number, name)
        group = "real" if origin.startswith("real") else "generated"
        groups[(kind, group)].append(statistics.mean(scores))
    print(f"raters: {len(raters)}")
    print("list\torigin\tnames\tacceptable\tstrange\tmean")
    for (kind, group), means in sorted(groups.items()):
        acceptable = sum(m >= 3.5 for m in means) / len(means)
        strange = sum(m < 2.5 for m in means) / len(means)
        print(f"{kind}\t{group}\t{len(means)}\t{acceptable:.0%}\t{strange:.0%}\t{statistics.mean(means):.2f}")


if __name__ == "__main__":
    main()
