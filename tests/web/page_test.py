"""The page in headless Chromium, as a player uses it: keys and taps start
games, sound flows, what is kept survives a reload and a closed server, a
desktop saved game opens, a replay played here verifies with the native
driver, a phone's screen shows the whole unit, and the LCD's real look is
chosen and kept.

    page_test.py SITE_FOLDER NATIVE_IGNIVAR_SIM
"""
import http.server
import os
import subprocess
import sys
import tempfile
import threading
import time
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.select import Select

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "scripts"))
import serve_web  # noqa: E402

SITE, SIM = sys.argv[1], sys.argv[2]
WORK = tempfile.mkdtemp(prefix="ignivar-page-")
RESUMED = "Your game waits where you left it: Pause goes on."


class Server:
    def __init__(self, port=0):
        handler = lambda *a, **k: serve_web.Handler(*a, directory=SITE, **k)  # noqa: E731
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)
        self.port = self.httpd.server_port
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


def until(what, check, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = check()
        if value:
            return value
        time.sleep(0.1)
    raise AssertionError(f"{what}: not within {seconds} s")


def scored_state():
    """A game B moment with points, saved by the native driver."""
    path = os.path.join(WORK, "scored.state")
    coins = "".join("0110100110010110"[i % 16] for i in range(600))
    moves = ["right", "shoot_left", "left", "shoot_right", "right", "right", "shoot_left"]
    script = "start\nclock 2026-12-08 10:00:00\npress time\nrelease time\ncoin " + coins
    script += "\npress game_b\nrelease game_b\n"
    for i in range(120):
        b = moves[i % 7]
        script += f"wait 173\npress {b}\nwait 20\nrelease {b}\n"
    script += f"state\nsave-state {path}\n"
    out = subprocess.run([SIM], input=script, capture_output=True, text=True, check=True).stdout
    score = int(out.split(" score=")[1].split()[0])
    assert score > 0, out
    return path, score


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = Server()
        cls.url = f"http://127.0.0.1:{cls.server.port}/"
        cls.downloads = os.path.join(WORK, "downloads")
        os.makedirs(cls.downloads)
        o = Options()
        o.binary_location = "/usr/bin/chromium"
        for a in ["--headless=new", "--no-sandbox", "--window-size=1280,900", f"--user-data-dir={WORK}/profile",
                  "--autoplay-policy=no-user-gesture-required"]:
            o.add_argument(a)
        o.add_experimental_option("prefs", {"download.default_directory": cls.downloads})
        cls.d = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=o)
        cls.d.execute_cdp_cmd("Browser.setDownloadBehavior", {"behavior": "allow", "downloadPath": cls.downloads})

    @classmethod
    def tearDownClass(cls):
        cls.d.quit()
        cls.server.stop()

    def js(self, code, *args):
        return self.d.execute_script(code, *args)

    def open(self, resume=False):
        """Loads the page; without `resume`, the game left open at the last visit is let go first."""
        if not resume:
            # Leaving the page keeps the game open on it; a page of the same
            # site without the unit lets go of it.
            self.d.get(self.url + "manifest.webmanifest")
            self.js("localStorage.removeItem('ignivar.resume')")
        self.d.get(self.url)
        until("the unit's first frame", lambda: self.js("return window.ignivarPage && window.ignivarPage.draws > 0"))
        # Keys and taps are taken once the kept games' folder is read.
        until("the page listening", lambda: self.js("return window.ignivarPage.listening"))
        message = self.text("message")
        self.assertIn(message, ["", RESUMED] if resume else [""])

    def text(self, id_):
        return self.js(f"return document.getElementById('{id_}').textContent")

    def picture(self):
        return self.js("return document.getElementById('unit').toDataURL()")

    def keys(self, *keys):
        for k in keys:
            ActionChains(self.d).send_keys(k).perform()

    def test_1_a_key_starts_game_a_with_its_sound(self):
        self.open()
        self.keys("3")  # out of the power-on picture, to the time
        until("the time", lambda: self.text("face").startswith("Time"))
        before = self.picture()
        self.keys("1")
        until("game A's words", lambda: "Game A started" in self.text("said"))
        self.assertTrue(self.text("face").startswith("Game A"), self.text("face"))
        self.assertNotEqual(before, self.picture())
        until("sound after the first key", lambda: self.js("return window.ignivarPage.soundChunks") > 0)
        # The Pause key pauses the game; every control of the page has a name a screen reader says.
        self.keys(Keys.PAUSE)
        until("the game paused", lambda: self.js("return document.getElementById('pause').getAttribute('aria-pressed')") == "true")
        tree = self.d.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        controls = [n for n in tree if n.get("role", {}).get("value") in ("button", "combobox", "DisclosureTriangle")]
        self.assertGreaterEqual(len(controls), 8)
        for n in controls:
            self.assertTrue(n.get("name", {}).get("value"), n)

    def test_2_a_tap_on_the_case_starts_game_a(self):
        self.open()
        self.keys("3")
        until("the time", lambda: self.text("face").startswith("Time"))
        # Where the skin puts the GAME A button, in the canvas's pixels on the screen.
        left, top, width, height, skin_width = self.game_a_button()
        box = self.js("return document.getElementById('unit').getBoundingClientRect().toJSON()")
        k = box["width"] / skin_width
        x, y = box["x"] + (left + width / 2) * k, box["y"] + (top + height / 2) * k
        for kind in ("touchStart", "touchEnd"):
            points = [{"x": x, "y": y}] if kind == "touchStart" else []
            self.d.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})
        until("game A by a tap", lambda: self.text("face").startswith("Game A"))

    def game_a_button(self):
        with open(os.path.join(os.path.dirname(SIM), "Config.ini"), encoding="utf-8") as f:
            lines = [line.strip() for line in f]
        width = int(next(line for line in lines if line.startswith("GameWidth=")).split("=")[1])
        at = lines.index("; btn_game_a_top")
        fields = dict(line.split("=", 1) for line in lines[at + 1:at + 6] if "=" in line)
        return int(fields["Left"]), int(fields["Top"]), int(fields["Width"]), int(fields["Height"]), width

    def test_3_a_desktop_game_opens_its_high_score_and_quick_save_survive_a_reload(self):
        state, score = scored_state()
        self.open()
        self.d.find_element(By.ID, "open").send_keys(state)
        until("the opened game", lambda: self.text("face").startswith("Game B"))
        self.d.find_element(By.ID, "save").click()
        until("the game saved", lambda: self.text("message") == "Game B saved.")
        # Left alone, the game ends; its points become game B's high score.
        until("game over", lambda: "Game over" in self.text("said"), seconds=90)
        self.open()
        # (The shot in flight when it was saved may still have scored.)
        settings = self.js("return localStorage.getItem('ignivar.settings')")
        self.assertGreaterEqual(int(settings.split("HiScore2=")[1].split()[0]), score, settings)
        self.d.find_element(By.ID, "load").click()
        until("the quick save loaded", lambda: self.text("face").startswith("Game B, score"))
        # A file that is no saved game is refused with a message, and the game goes on.
        bad = os.path.join(WORK, "notes.state")
        with open(bad, "w") as f:
            f.write("not a saved game\n")
        self.d.find_element(By.ID, "open").send_keys(bad)
        until("the refusal", lambda: "is no saved game" in self.text("message"))
        self.assertTrue(self.text("face").startswith("Game B"))

    def test_4_a_replay_played_here_verifies_natively(self):
        self.open()
        self.keys("3", "1")
        until("game A", lambda: self.text("face").startswith("Game A"))
        until("game over", lambda: "Game over" in self.text("said"), seconds=90)
        self.d.find_element(By.CSS_SELECTOR, "#scores summary").click()
        button = until("the replay in game A's table",
                       lambda: self.d.find_elements(By.CSS_SELECTOR, "#table-A button"))[0]
        button.click()
        replay = until("the downloaded replay", lambda: [f for f in os.listdir(self.downloads)
                                                          if f.endswith(".replay")])[0]
        path = os.path.join(self.downloads, replay)
        until("the download's end", lambda: os.path.getsize(path) > 0)
        verified = subprocess.run([SIM, "verify", path], capture_output=True, text=True)
        self.assertEqual(verified.returncode, 0, verified.stdout + verified.stderr)

    def test_5_after_one_visit_the_page_starts_with_no_server(self):
        self.open()
        self.d.set_script_timeout(30)
        kept = self.d.execute_async_script(
            "const done = arguments[0];"
            "navigator.serviceWorker.ready.then(() => caches.open('ignivar'))"
            ".then(c => c.match('ignivar.data')).then(r => done(!!r), e => done(String(e)));")
        self.assertIs(kept, True)
        port = self.server.port
        self.server.stop()
        try:
            self.open()
            self.assertTrue(self.text("face"))
        finally:
            self.__class__.server = Server(port)

    def test_6_a_phone_shows_the_whole_unit(self):
        for w, h in ((360, 740), (740, 360)):
            self.d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                   {"width": w, "height": h, "deviceScaleFactor": 3, "mobile": True})
            try:
                self.open()
                until("the page laid out", lambda: self.js("return window.ignivarPage.layouts > 0"))
                box = self.js("return document.getElementById('unit').getBoundingClientRect().toJSON()")
                scroll = self.js("return [document.documentElement.scrollWidth, document.documentElement.scrollHeight]")
                self.assertLessEqual(scroll[0], w)
                self.assertLessEqual(scroll[1], h)
                self.assertGreaterEqual(box["x"], -0.5)  # to the pixel
                self.assertGreaterEqual(box["y"], -0.5)
                self.assertLessEqual(box["x"] + box["width"], w + 0.5)
                self.assertLessEqual(box["y"] + box["height"], h + 0.5)
                self.assertGreater(box["width"], w * 0.6 if w < h else 0)
                self.d.save_screenshot(os.path.join(WORK, f"phone-{w}x{h}.png"))
            finally:
                self.d.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    def test_7_the_real_look_fades_and_it_and_panned_sounds_are_kept(self):
        self.open()
        panned = lambda: self.js("return document.getElementById('panned').getAttribute('aria-pressed')")  # noqa: E731
        self.assertEqual(panned(), "false", "sounds follow the flames only once chosen")
        self.d.find_element(By.ID, "panned").click()
        self.assertEqual(panned(), "true")
        look = lambda: Select(self.d.find_element(By.ID, "look"))  # noqa: E731
        exact = self.picture()
        look().select_by_visible_text("Real")
        until("the real look's shadows", lambda: self.picture() != exact)
        frames = self.js("return window.ignivarPage.changedFrames")
        self.js("document.getElementById('unit').focus()")  # the keys to the unit, not the choice
        self.keys("3")
        until("the time", lambda: self.text("face").startswith("Time"))
        time.sleep(0.5)
        self.assertGreaterEqual(self.js("return window.ignivarPage.changedFrames") - frames, 4,
                                "the power-on picture clears over several frames")
        self.open()
        self.assertEqual(look().first_selected_option.text, "Real")
        look().select_by_visible_text("Exact")
        self.assertEqual(panned(), "true")
        self.d.find_element(By.ID, "panned").click()


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"] + sys.argv[3:])
