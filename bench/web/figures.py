"""The browser page's figures, each beside its baseline in the same run:
bytes of a first visit, navigation to the first frame, creating a unit,
the unit's speed, main-thread time per changed frame on a 4K screen, and
canvas draws while the time is shown. Run by scripts/bench_web.sh.

    figures.py SITE_FOLDER NATIVE_BENCH_WEB_UNIT SKIN_PICTURE
"""
import gzip
import http.server
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "scripts"))
import serve_web  # noqa: E402

SITE, NATIVE, PICTURE = sys.argv[1:4]
RUNS = 5


def serve(folder):
    handler = lambda *a, **k: serve_web.Handler(*a, directory=folder, **k)  # noqa: E731
    httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=httpd.serve_forever, daemon=True).start()
    return httpd


def browser(width=1280, height=900):
    o = Options()
    o.binary_location = "/usr/bin/chromium"
    profile = tempfile.mkdtemp(prefix="ignivar-bench-profile-")
    for a in ["--headless=new", "--no-sandbox", f"--window-size={width},{height}", f"--user-data-dir={profile}",
              "--autoplay-policy=no-user-gesture-required", "--force-device-scale-factor=1"]:
        o.add_argument(a)
    d = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=o)
    d.profile = profile
    return d


def close(d):
    d.quit()
    shutil.rmtree(d.profile, ignore_errors=True)


def wait_for(d, expression, seconds=30):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = d.execute_script("return " + expression)
        if value:
            return value
        time.sleep(0.05)
    raise SystemExit(f"figures: {expression} did not come within {seconds} s")


def row(name, value, baseline, ratio, goal):
    print(f"| {name} | {value} | {baseline} | {ratio} | {goal} |")


def main():
    folder = tempfile.mkdtemp(prefix="ignivar-bench-site-")
    shutil.copytree(SITE, folder, dirs_exist_ok=True)
    shutil.copy(os.path.join(HERE, "bare.html"), folder)
    shutil.copy(PICTURE, os.path.join(folder, "bare.png"))
    httpd = serve(folder)
    url = f"http://127.0.0.1:{httpd.server_port}/"

    print("| figure | page | baseline | ratio | goal |")
    print("|---|---|---|---|---|")
    sent = sum(len(gzip.compress(open(os.path.join(SITE, f), "rb").read(), 9)) for f in os.listdir(SITE))
    row("bytes of a first visit, gzipped", f"{sent / 1024:.0f} KiB", "885 KB (prototype)", "-", "at most 1 MB")

    page, bare = [], []
    for _ in range(RUNS):
        d = browser()
        d.get(url)
        page.append(wait_for(d, "window.ignivarPage && window.ignivarPage.firstFrame"))
        d.get(url + "bare.html")  # the browser warm, the picture new to it
        close(d)
        d = browser()
        d.get(url + "bare.html")
        bare.append(wait_for(d, "window.bareDrawn"))
        close(d)
    p, b = statistics.median(page), statistics.median(bare)
    row("navigation to the first frame (median of 5 first visits)", f"{p:.0f} ms", f"{b:.0f} ms (one picture on a canvas)",
        f"{p / b:.2f}x", "at most 2x")

    d = browser()
    d.get(url)
    wait_for(d, "window.ignivarPage && window.ignivarPage.firstFrame")
    browser_start = d.execute_script("return window.ignivarPage.startMs")
    figures = d.execute_script(
        "const M = window.ignivarPage.module; const p = M._ign_measure();"
        "return [M.HEAPF64[p / 8], M.HEAPF64[p / 8 + 1]];")
    close(d)
    native = dict(line.split() for line in subprocess.run([NATIVE], capture_output=True, text=True,
                                                            check=True).stdout.splitlines())
    create_native = float(native["create_ms"])
    row("creating a unit (median of 9)", f"{figures[0]:.1f} ms (the page's own start: {browser_start:.1f} ms)",
        f"{create_native:.1f} ms (native)", f"{figures[0] / create_native:.1f}x", "at most 3x")
    row("the unit, as multiples of real time", f"{figures[1]:.0f}x", f"{float(native['real_time_multiple']):.0f}x (native)",
        "-", "at least 500x")

    d = browser(3840, 2160)
    d.get(url)
    wait_for(d, "window.ignivarPage && window.ignivarPage.listening")  # keys before that are not taken
    ActionChains(d).send_keys("3").perform()
    ActionChains(d).send_keys("1").perform()
    time.sleep(1)
    d.execute_script("window.ignivarPage.changedFrames = 0; window.ignivarPage.changedMs = 0;")
    time.sleep(10)
    frames, ms = d.execute_script("return [window.ignivarPage.changedFrames, window.ignivarPage.changedMs]")
    size = d.execute_script("const c = document.getElementById('unit'); return [c.width, c.height, c.clientWidth, c.clientHeight]")
    row(f"main-thread time per changed frame, 3840 x 2160 screen (frame {size[0]} x {size[1]} shown at {size[2]} x {size[3]})",
        f"{ms / max(frames, 1):.2f} ms ({frames} frames of game A)", "-", "-", "at most 2 ms")
    close(d)

    d = browser()
    d.get(url)
    wait_for(d, "window.ignivarPage && window.ignivarPage.listening")
    ActionChains(d).send_keys("3").perform()
    time.sleep(1.5)
    d.execute_script("window.ignivarPage.draws = 0")
    time.sleep(20)
    draws = d.execute_script("return window.ignivarPage.draws")
    row("canvas draws a second while the time is shown (20 s)", f"{draws / 20:.2f}", "-", "-", "at most 1")
    close(d)
    httpd.shutdown()
    shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
