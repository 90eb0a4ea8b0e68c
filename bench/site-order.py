#!/usr/bin/python3
"""Times `tavrolin-cli price` of ten saved 500-item projects merged into one order, as a
whole process on the demo installation. Neighbouring projects share half their parts, so
the merge has sums to make. Usage: bench/site-order.py [BUILD_DIR] [RUNS]"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
build = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build")
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 20
cli = os.path.join(build, "src", "app", "tavrolin-cli")
demo = os.path.join(ROOT, "demo")


def project(first):
    lines = ["[Header]", "Company Name=", "", "[SITE 001 LOM]", "Site Name="]
    row = 1
    for i in range(500):
        if i % 50 == 0:
            row += 1  # a heading's row
        row += 1
        lines.append(f"{row}={i % 9 + 1}|Each|XP-{first + i}||Part {first + i}|12.50|")
    lines += ["", "[Other]", "Tline=KF12", "NumRuns=3", "BegF=806", "EndF=960", "Hlength=15", "Vlength=100",
              "Size=1/2", "Ctype=1", "Units=F", ""]
    return "\r\n".join(lines)


with tempfile.TemporaryDirectory() as folder:
    files = []
    for k in range(10):
        path = os.path.join(folder, f"sector{k}.tvr")
        with open(path, "w", newline="") as f:
            f.write(project(1000000 + 250 * k))
        files.append(path)
    command = [cli, "price", *files, "--program-folder", demo + "/", "--shared-folder", os.path.join(demo, "shared")]
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        done = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        times.append((time.perf_counter() - start) * 1000)
        if done.returncode != 0:
            sys.exit(done.stderr.decode())
    items = sum(1 for line in done.stdout.decode().splitlines() if line.startswith("XP-"))
    print(f"price of 10 projects x 500 items ({items} parts merged): median {statistics.median(times):.1f} ms, "
          f"best {min(times):.1f} ms over {runs} runs")
