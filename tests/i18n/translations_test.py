"""The translation files are complete and in step with the program: every
text the program marks has a finished translation in each language, none
is left over, and each keeps the English text's placeholders.

    translations_test.py REPOSITORY
"""
import glob
import os
import re
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

ROOT = sys.argv[1]


class Translations(unittest.TestCase):
    def test_every_file_is_complete_and_in_step_with_the_program(self):
        files = sorted(glob.glob(os.path.join(ROOT, "i18n", "ignivar_*.ts")))
        self.assertEqual([os.path.basename(f) for f in files],
                         ["ignivar_de.ts", "ignivar_es.ts", "ignivar_fr.ts", "ignivar_ja.ts"])
        with tempfile.TemporaryDirectory() as fresh:
            subprocess.run(["bash", os.path.join(ROOT, "scripts", "update_translations.sh"), fresh], check=True)
            for f in files:
                name = os.path.basename(f)
                problems = []
                for context in ET.parse(os.path.join(fresh, name)).getroot().iter("context"):
                    where = context.findtext("name")
                    for m in context.iter("message"):
                        source, t = m.findtext("source"), m.find("translation")
                        kind = t.get("type") if t is not None else "missing"
                        if kind:
                            problems.append(f"{where}: {source!r} is {kind}")
                        elif not (t.text or "").strip():
                            problems.append(f"{where}: {source!r} is empty")
                        elif sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", t.text)):
                            problems.append(f"{where}: {source!r} -> {t.text!r} changes the placeholders")
                with self.subTest(name):
                    self.assertEqual(problems, [])

    def test_the_readme_and_whats_new_are_in_every_language_and_up_to_date(self):
        english = os.path.join(ROOT, "tools", "assets")
        def read(path):
            with open(path, encoding="utf-8") as f:
                return f.read()
        versions = lambda path: re.findall(r"^\d+\.\d+\.\d+$", read(path), re.M)
        for lang in ["de", "es", "fr", "ja"]:
            for name in ["Readme.txt", "Whatsnew.txt"]:
                path = os.path.join(ROOT, "i18n", "texts", lang, name)
                with self.subTest(lang=lang, name=name):
                    self.assertTrue(os.path.isfile(path))
                    # Every release the English lists, newest first.
                    self.assertEqual(versions(path), versions(os.path.join(english, name)))
                    self.assertGreater(len(read(path)), 1000)

    def test_the_manual_page_is_in_every_language_with_every_key_and_section(self):
        def shape(path):
            with open(path, encoding="utf-8") as f:
                lines = f.read().splitlines()
            return [l.split()[0] for l in lines if l.startswith((".SH", ".TP", ".PP"))]
        english = shape(os.path.join(ROOT, "data", "man", "ignivar.6"))
        for lang in ["de", "es", "fr", "ja"]:
            with self.subTest(lang=lang):
                self.assertEqual(shape(os.path.join(ROOT, "data", "man", lang, "ignivar.6")), english)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
