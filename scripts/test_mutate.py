#!/usr/bin/env python3
"""The mutation script's own list reading and its planting and putting back."""

import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import mutate  # noqa: E402


class MutateTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.root = self.dir.name
        os.makedirs(os.path.join(self.root, "can"))
        self.source = os.path.join(self.root, "can", "A.cpp")
        self.text = "int f(int v)\n{\n    return (v >> 8) & 0xFF;\n}\n"
        with open(self.source, "w", encoding="utf-8") as f:
            f.write(self.text)
        self.journal = os.path.join(self.root, "journal.json")

    def tearDown(self):
        self.dir.cleanup()

    def write_list(self, body):
        path = os.path.join(self.root, "list")
        with open(path, "w", encoding="utf-8") as f:
            f.write(body)
        return path

    def read(self):
        with open(self.source, encoding="utf-8") as f:
            return f.read()

    def test_list_blocks_escapes_and_default_test_program(self):
        path = self.write_list("# c\n[a]\nfile: can/A.cpp\nwhat: w\nfrom:   x\\ny\nto: z\n\n"
                               "[b]\nfile: feed/B.cpp\nwhat: w\nfrom: p\nto: q\ntests: one two\n")
        a, b = mutate.parse_list(path)
        self.assertEqual((a.original, a.replacement, a.tests), ("  x\ny", "z", ["quil_tests_can"]))
        self.assertEqual(b.tests, ["one", "two"])

    def test_list_faults_name_their_line(self):
        for body, word in (("[a]\nfile: can/A.cpp\nwhat: w\nto: z\n", "no 'from'"),
                           ("[a]\nfile: can/A.cpp\nwhat: w\nfrom: x\nto: z\n[a]\n", "used twice"),
                           ("[a]\nbogus: 1\n", "unknown key"),
                           ("[a]\nfile: lib/A.cpp\nwhat: w\nfrom: x\nto: z\n", "no test program")):
            with self.assertRaises(mutate.ListError) as caught:
                mutate.parse_list(self.write_list(body))
            self.assertIn(word, str(caught.exception))

    def test_plant_and_restore(self):
        planter = mutate.Planter(self.root, self.journal)
        m = mutate.Mutation("m", "can/A.cpp", "w", ">> 8", ">> 7")
        self.assertIsNone(planter.plant(m))
        self.assertIn(">> 7", self.read())
        self.assertTrue(os.path.exists(self.journal))
        planter.restore()
        self.assertEqual(self.read(), self.text)
        self.assertFalse(os.path.exists(self.journal))

    def test_text_missing_or_ambiguous_is_not_planted(self):
        planter = mutate.Planter(self.root, self.journal)
        self.assertEqual(planter.plant(mutate.Mutation("m", "can/A.cpp", "w", ">> 9", "")), "original text not found")
        self.assertIn("2 times", planter.plant(mutate.Mutation("m", "can/A.cpp", "w", "v", "w")))
        self.assertEqual(self.read(), self.text)
        self.assertFalse(os.path.exists(self.journal))

    def test_a_killed_run_is_put_back_at_the_next_start(self):
        mutate.Planter(self.root, self.journal).plant(mutate.Mutation("m", "can/A.cpp", "w", "0xFF", "0x7F"))
        self.assertNotEqual(self.read(), self.text)  # the run dies here, before restoring
        self.assertTrue(mutate.Planter(self.root, self.journal).restore_leftover())
        self.assertEqual(self.read(), self.text)
        self.assertFalse(mutate.Planter(self.root, self.journal).restore_leftover())


if __name__ == "__main__":
    unittest.main()
