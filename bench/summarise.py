#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Turns scripts/bench's JSON into one markdown summary with the targets marked.

summarise.py <results dir>   (reads *_bench.json, hyperfine_*.json, rss.txt)
"""
import json
import os
import statistics
import sys


def bench_medians(path):
    """Benchmark name -> median real time in ms, from a Google benchmark JSON file."""
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
    medians, runs = {}, {}
    with open(path) as f:
        for b in json.load(f)["benchmarks"]:
            if b.get("error_occurred"):
                continue
            ms = b["real_time"] * scale[b["time_unit"]]
            if b.get("aggregate_name") == "median":
                medians[b["run_name"]] = ms
            elif b.get("run_type") == "iteration":
                runs.setdefault(b["run_name"], []).append(ms)
    for name, times in runs.items():
        medians.setdefault(name, statistics.median(times))
    return medians


def hyperfine_medians(path):
    with open(path) as f:
        return [(r["command"], r["median"] * 1e3, r["stddev"] * 1e3 if r.get("stddev") else 0.0,
                 len(r["times"])) for r in json.load(f)["results"]]


def mark(ok):
    return "met" if ok else "**missed**"


def main(results):
    steps = {}
    for name in ("imaging_bench", "picture_bench", "poster_bench"):
        path = os.path.join(results, name + ".json")
        if os.path.exists(path):
            steps.update(bench_medians(path))

    out = ["## In-process steps (Google Benchmark, median of repetitions, wall ms)", "",
           "| step | median ms |", "|---|---:|"]
    for name, ms in steps.items():
        out.append(f"| {name} | {ms:.3f} |")

    tables = {}
    titles = {"one": "One poster, whole process", "batch": "Batch of 50 posters, whole process",
              "startup": "Start to first paint, whole process"}
    for kind in ("one", "batch", "startup"):
        path = os.path.join(results, f"hyperfine_{kind}.json")
        if not os.path.exists(path):
            continue
        rows = hyperfine_medians(path)
        tables[kind] = dict((c, m) for c, m, _, _ in rows)
        plakora = tables[kind].get("plakora")
        title = titles[kind]
        batch = kind == "batch"
        extra = " per poster ms | each poster after the first ms |" if batch else ""
        out += ["", f"## {title} (hyperfine, median)", "",
                "| tool | median ms | ± stddev | runs | ratio to plakora |" + extra,
                "|---|---:|---:|---:|---:|" + ("---:|---:|" if batch else "")]
        for command, median, stddev, n in rows:
            ratio = f"{median / plakora:.2f}×" if plakora and kind != "startup" else "-"
            line = f"| {command} | {median:.1f} | {stddev:.1f} | {n} | {ratio} |"
            if batch:
                single = tables.get("one", {}).get(command)
                marginal = f"{(median - single) / 49:.2f}" if single else "-"
                line += f" {median / 50:.2f} | {marginal} |"
            out.append(line)

    rss = {}
    rss_path = os.path.join(results, "rss.txt")
    if os.path.exists(rss_path):
        out += ["", "## Peak RSS (/usr/bin/time -v, median of runs)", "", "| run | MB |", "|---|---:|"]
        with open(rss_path) as f:
            for line in f:
                name, kb = line.split()
                rss[name] = int(kb) / 1024
                out.append(f"| {name} | {rss[name]:.1f} |")

    startup = None
    startup_path = os.path.join(results, "startup_ms.txt")
    if os.path.exists(startup_path):
        with open(startup_path) as f:
            startup = statistics.median(float(x) for x in f.read().split())

    targets = []

    def target(text, value, ok):
        targets.append(f"| {text} | {value} | {mark(ok)} |")

    if "BM_CutPosterFromCapture" in steps and "BM_MemcpyPosterBytes" in steps:
        r = steps["BM_CutPosterFromCapture"] / steps["BM_MemcpyPosterBytes"]
        target("cut ≤ 2× memcpy of the same bytes (real capture)", f"{r:.2f}×", r <= 2)
    if "BM_CropPosterFromCapture" in steps and "BM_MemcpySameBytes" in steps:
        r = steps["BM_CropPosterFromCapture"] / steps["BM_MemcpySameBytes"]
        target("cut ≤ 2× memcpy of the same bytes (imaging_bench)", f"{r:.2f}×", r <= 2)
    for cold, label in ((0, "memory reused"), (1, "allocator trimmed before each run")):
        box = steps.get(f"BM_BoxDecodeThenScale/cold_memory:{cold}")
        full = steps.get(f"BM_FullDecodeThenScale/cold_memory:{cold}")
        if box and full:
            target(f"box load (DCT decode + scale) ≤ ½ of full decode + scale, {label}",
                   f"{box:.2f} / {full:.2f} ms = {box / full:.2f}", box / full <= 0.5)
    full = steps.get("BM_FullDecodeThenScale/cold_memory:0")
    if "BM_PictureBoxLoad" in steps and full:
        r = steps["BM_PictureBoxLoad"] / full
        target("PictureBox::setPictureBytes ≤ ½ of full decode + scale, memory reused",
               f"{steps['BM_PictureBoxLoad']:.2f} / {full:.2f} ms = {r:.2f}", r <= 0.5)
    for name in ("BM_GeneratePoster/qr_check:0", "BM_GeneratePoster/qr_check:1"):
        if name in steps:
            target(f"{name} < 15 ms", f"{steps[name]:.2f} ms", steps[name] < 15)
    one = tables.get("one", {})
    if "plakora" in one:
        p = one["plakora"]
        tuned = {c: m for c, m in one.items() if "tuned" in c}
        default = {c: m for c, m in one.items() if "default" in c}
        if tuned:
            best = min(tuned, key=tuned.get)
            target(f"one poster faster than the fastest tuned peer ({best})",
                   f"{p:.1f} vs {tuned[best]:.1f} ms", p < tuned[best])
        if default:
            best = min(default, key=default.get)
            target(f"one poster ≥ 2× faster than every default peer (fastest: {best})",
                   f"{default[best] / p:.2f}×", default[best] / p >= 2)
    batch = tables.get("batch", {})
    pillow = [m for c, m in batch.items() if c.startswith("pillow")]
    if "plakora" in batch and pillow:
        r = min(pillow) / batch["plakora"]
        target("batch of 50 per poster ≥ 3× faster than Pillow's loop (faster Pillow)", f"{r:.2f}×", r >= 3)
        marginal = {c: (m - one[c]) / 49 for c, m in batch.items() if c in one}
        pillow = [m for c, m in marginal.items() if c.startswith("pillow")]
        if "plakora" in marginal and pillow:
            r = min(pillow) / marginal["plakora"]
            target("each poster after the first ≥ 3× faster than Pillow's (faster Pillow)",
                   f"{marginal['plakora']:.2f} vs {min(pillow):.2f} ms = {r:.2f}×", r >= 3)
    if startup is not None:
        target("startup (main() to first paint) < 300 ms", f"{startup:.1f} ms", startup < 300)
    whole = tables.get("startup", {}).get("startup_probe")
    if whole is not None:
        target("startup, whole process to first paint, < 300 ms", f"{whole:.1f} ms", whole < 300)
    if "startup_probe" in rss:
        target("RSS at startup < 80 MB", f"{rss['startup_probe']:.1f} MB", rss["startup_probe"] < 80)
    if "driver_6000x8000" in rss:
        target("RSS after loading 6000×8000 JPEG < 150 MB", f"{rss['driver_6000x8000']:.1f} MB",
               rss["driver_6000x8000"] < 150)
    if targets:
        out += ["", "## Targets", "", "| target | measured | |", "|---|---:|---|"] + targets
    print("\n".join(out))


if __name__ == "__main__":
    main(sys.argv[1])
