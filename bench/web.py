#!/usr/bin/env python3
"""The web build's download and start-up, as bench/run.sh measures the desktop game's.

Serves WEB_DIR (dist/web/) on 127.0.0.1 and opens it RUNS times in headless Chromium, each
time in a fresh browser with nothing cached. Prints the bytes the page transfers, raw and as a
server compressing with gzip -9 would send them, and the median time from navigation to the
table's first frame on the canvas.

Usage: bench/web.py WEB_DIR [RUNS]
"""

import functools
import gzip
import http.server
import statistics
import sys
import threading
import time
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

LIMIT = 120  # seconds a start may take before the benchmark gives up
web = Path(sys.argv[1])
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10


class Page(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(
    ("127.0.0.1", 0), functools.partial(Page, directory=str(web)))
threading.Thread(target=server.serve_forever, daemon=True).start()
url = f"http://127.0.0.1:{server.server_address[1]}/index.html"


def start():
    """One start in a fresh browser: the files it fetched and the first frame's time (ms)."""
    options = webdriver.ChromeOptions()
    for argument in ["--headless=new", "--no-sandbox", "--disable-dev-shm-usage",
                     "--window-size=1100,900", "--use-angle=swiftshader",
                     "--enable-unsafe-swiftshader", "--disable-extensions", "--no-first-run"]:
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        driver.get(url)
        end = time.monotonic() + LIMIT
        while (frame := driver.execute_script("return window.pipfall.firstFrame")) is None:
            if time.monotonic() > end:
                raise SystemExit(f"the table's first frame did not come within {LIMIT} s")
            time.sleep(0.02)
        fetched = driver.execute_script(
            "return performance.getEntriesByType('resource').map(e => e.name)")
        return [Path(name.split("?")[0]).name for name in fetched], frame
    finally:
        driver.quit()


names, _ = start()  # a first start warms the disk cache; it is not counted
frames = [start()[1] for _ in range(runs)]
server.shutdown()

files = ["index.html"] + sorted(set(names))
raw = {name: (web / name).read_bytes() for name in files if (web / name).is_file()}
print(f"web page: {len(raw)} files transferred")
for name, data in raw.items():
    print(f"  {name:<16} {len(data):>10,} bytes, {len(gzip.compress(data, 9, mtime=0)):>9,} gzip")
total = sum(len(data) for data in raw.values())
packed = sum(len(gzip.compress(data, 9, mtime=0)) for data in raw.values())
print(f"  whole page       {total:>10,} bytes, {packed:>9,} gzip")
print(f"web page: navigation to the table's first frame, median of {runs}: "
      f"{statistics.median(frames):.0f} ms (runs: {' '.join(f'{f:.0f}' for f in sorted(frames))})")
