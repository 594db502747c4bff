#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""web_startup.py BUILD_WEB [RUNS]: start-up of the page against a bare Qt Widgets window built the same way
(bench/bare_window.cpp in Qt's own page), in headless Chromium on 127.0.0.1, a cold profile for each load,
the two loaded in turn RUNS times (default 7): the time from navigation to the first picture a window
puts on its canvas. Prints both medians and their ratio; the budget is 1.3."""
import statistics
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "web"))
from browser import Page, serve  # noqa: E402

# The first picture a window draws: the toolkit puts each window's pixels on its canvas with putImageData.
FIRST_PAINT = """(() => {
  const drawn = CanvasRenderingContext2D.prototype.putImageData;
  CanvasRenderingContext2D.prototype.putImageData = function (...args) {
    if (window.firstPaint === undefined) window.firstPaint = performance.now();
    return drawn.apply(this, args);
  };
})();"""

build, runs = Path(sys.argv[1]), int(sys.argv[2]) if len(sys.argv) > 2 else 7
site = next(build.glob("tavelon-*-web")).name
server, url = serve(build)
pages = {"Tavelon": f"{url}{site}/index.html", "bare Qt window": f"{url}bench/bare_window.html"}
times = {name: [] for name in pages}
for _ in range(runs):
    for name, address in pages.items():
        page = Page(address, before=FIRST_PAINT)
        try:
            page.wait("window.firstPaint !== undefined", f"{name} to draw", 120)
            times[name].append(page.js("window.firstPaint"))
        finally:
            page.close()
server.shutdown()
medians = {name: statistics.median(values) for name, values in times.items()}
for name, values in times.items():
    print(f"{name:15} median {medians[name]:7.0f} ms  ({', '.join(f'{v:.0f}' for v in values)})")
ratio = medians["Tavelon"] / medians["bare Qt window"]
print(f"ratio {ratio:.2f} (budget 1.3): {'within' if ratio <= 1.3 else 'OVER'}")
