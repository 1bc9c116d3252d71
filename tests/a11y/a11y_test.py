"""The program as a screen reader sees it, through AT-SPI: the start window's
controls have names, the keyboard alone gets from it to a game, the unit
says what its face shows and tells of a game's start, each miss and its
end as events, the popup menu opened from the keyboard is in the tree
with named items, and the replays window and the key settings are opened
and closed by keys.

    a11y_test.py IGNIVAR    (run inside an X server and a D-Bus session)
"""
import os
import subprocess
import sys
import tempfile
import time
import unittest

import pyatspi
from gi.repository import GLib

BIN = sys.argv[1]


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


class ScreenReader(unittest.TestCase):
    def setUp(self):
        home = tempfile.mkdtemp(prefix="ignivar-a11y-")
        env = dict(os.environ, SDL_AUDIODRIVER="dummy", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   XDG_CONFIG_HOME=f"{home}/config", XDG_STATE_HOME=f"{home}/state",
                   XDG_DATA_HOME=f"{home}/data", XDG_CACHE_HOME=f"{home}/cache")
        self.names = []
        pyatspi.Registry.registerEventListener(self.heard, "object:property-change:accessible-name")
        self.program = subprocess.Popen([BIN], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def tearDown(self):
        pyatspi.Registry.deregisterEventListener(self.heard, "object:property-change:accessible-name")
        self.program.kill()
        self.program.wait()

    def heard(self, event):
        if event.source and event.source.getRoleName() == "filler":
            self.names.append(event.source.name)

    def until(self, what, check, seconds=20):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            while GLib.MainContext.default().iteration(False):
                pass
            found = check()
            if found:
                return found
            time.sleep(0.05)
        shown = [(n.getRoleName(), n.name) for n in (self.app() or [])]
        self.fail(f"{what}: not within {seconds} s (heard {self.names}; windows {shown})")

    def app(self):
        for a in pyatspi.Registry.getDesktop(0):
            if a is not None and a.name == "Ignivar" and a.childCount:
                return a
        return None

    def find(self, role, name=None):
        a = self.app()
        for n in walk(a) if a else []:
            if n.getRoleName() in role.split("|") and (name is None or n.name == name):
                return n
        return None

    def keys(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "150", *keys], check=True)

    def test_from_the_start_window_to_a_game_over_by_keys_and_ears(self):
        # The start window: every control named, Play and Donate as buttons.
        combo = self.until("the start window", lambda: self.find("combo box"))
        labels = [t.name for r in combo.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
                  for t in (r.getTarget(i) for i in range(r.getNTargets()))]
        self.assertEqual(labels, ["Select sound driver:"])
        buttons = {(n.name, n.description) for n in walk(self.app()) if n.getRoleName() == "push button"}
        self.assertIn(("Donate", "Opens the donation page in the browser"), buttons)
        self.assertIn(("Play", "Unavailable until a sound output is chosen"), buttons)
        self.assertIn(("Play", "Switches the unit on"), buttons)
        waiting = next(n for n in walk(self.app()) if n.description == "Unavailable until a sound output is chosen")
        self.assertFalse(waiting.getState().contains(pyatspi.STATE_ENABLED), "the waiting Play is said unavailable")

        # A sound output and Play by keys; then the time, and game A.
        self.keys("Down", "Return", "Return")
        unit = self.until("the unit", lambda: self.find("filler", "Ignivar"))
        self.keys("3")
        self.until("the time in words", lambda: unit.description.startswith("Time"))
        self.keys("1")
        self.until("game A started, said", lambda: "Game A started" in self.names)
        self.assertTrue(unit.description.startswith("Game A, score 0"), unit.description)

        # Left alone, the game misses three times and ends, each said.
        self.until("game over, said", lambda: any(n.startswith("Game over") for n in self.names), seconds=150)
        misses = [n for n in self.names if n.startswith("Miss ")]
        self.assertEqual(misses, ["Miss 1 of 3", "Miss 2 of 3", "Miss 3 of 3"])

        # F10 says the face again, each time it is pressed.
        heard = len(self.names)
        self.keys("F10", "F10")
        self.until("the face said twice", lambda: self.names[heard:] == [unit.description] * 2)

        # The menu key opens the popup menu, found in the tree with named items.
        self.keys("Menu")
        menu = self.until("the menu in the tree", lambda: self.find("popup menu", "Menu"))
        items = [n.name for n in menu if n.getRoleName() == "menu item"]
        self.assertGreaterEqual(len(items), 10)
        self.assertTrue(all(items), items)

        # Down to "Play", into it, down to the replays and high scores, Enter.
        self.walk_menu(menu, "Play")
        self.keys("Right")
        play = self.until("the Play menu", lambda: self.find("popup menu", "Play"))
        self.walk_menu(play, "Replays and high scores...")
        self.keys("Return")
        replays = self.until("the replays window", lambda: self.find("filler|frame|dialog", "Replays and high scores"))
        self.assertTrue(replays.getState().contains(pyatspi.STATE_ACTIVE))
        self.assertIn("Game A", [n.name for n in walk(replays) if n.getRoleName() == "page tab"])
        # Escape closes it, and the keys reach the unit again.
        self.keys("Escape")
        self.until("the replays window closed", lambda: not replays.getState().contains(pyatspi.STATE_SHOWING))
        heard = len(self.names)
        self.keys("F10")
        self.until("the face said once more", lambda: len(self.names) > heard)

        # The key settings likewise, and Escape leaves them as they were.
        self.keys("Menu")
        self.walk_menu(self.until("the menu again", lambda: self.find("popup menu", "Menu")), "Key settings")
        self.keys("Return")
        keys = self.until("the key settings", lambda: self.find("filler|frame|dialog", "Key settings"))
        self.until("the key settings shown", lambda: keys.getState().contains(pyatspi.STATE_ACTIVE))
        # Each key's list is labelled by the button it works.
        lists = [n for n in walk(keys) if n.getRoleName() == "combo box"]
        self.assertEqual(len(lists), 7)
        for n in lists:
            labels = [r.getTarget(0).name for r in n.getRelationSet()
                      if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
            self.assertEqual(len(labels), 1, n.name)
        self.keys("Escape")
        self.until("the key settings closed", lambda: not keys.getState().contains(pyatspi.STATE_SHOWING))
        heard = len(self.names)
        self.keys("F10")
        self.until("the face said after the key settings", lambda: len(self.names) > heard)

    def walk_menu(self, menu, name):
        """Down through a menu's items until the one named is selected."""
        def selected():
            return [n.name for n in menu if n.getState().contains(pyatspi.STATE_FOCUSED)
                    or n.getState().contains(pyatspi.STATE_SELECTED)]
        for _ in range(20):
            self.keys("Down")
            if self.until("an item selected", selected) == [name]:
                return
        self.fail(f"{name} never selected in {[n.name for n in menu]}")


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
