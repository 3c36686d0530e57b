#!/usr/bin/env python3
"""Plants one realistic fault at a time and tells whether the tests notice.

Each change of the list (scripts/mutations.list) names a source file, an exact
text in it and its replacement. For every change the script writes the
mutant, rebuilds only the test programs that cover the file, runs them and
puts the file back. A change is "caught" when a test program fails (or hangs
past the time limit), "survived" when all pass. A change whose text is not
found (or found more than once) or whose mutant does not build is reported
and left out of the count.

The tree is never left mutated: the original text is kept in a journal file
before the mutant is written and put back afterwards, also on Ctrl-C,
SIGTERM or an error; a journal left by a run that was killed outright is
put back at the next start (or with --restore).

Usage (from the source folder, after configuring the release preset):
  scripts/mutate.py                      # the whole list
  scripts/mutate.py --only can-pdo-high-shift,feed-auger-mask
  scripts/mutate.py --list               # what the list holds
  scripts/mutate.py --report FILE        # also write the results as Markdown
It is a developer's tool, slow by nature (one rebuild per change), and not
part of the test suite.
"""

import argparse
import json
import os
import signal
import subprocess
import sys
import time
from dataclasses import dataclass, field

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# The test program that covers each library folder. The feed weigher draws
# with the glyph sets of diagram/, so a change there is run by both.
DEFAULT_TESTS = {
    "can": ["quil_tests_can"],
    "graph": ["quil_tests_graph"],
    "feed": ["quil_tests_feed"],
    "widgets": ["quil_tests_widgets"],
    "diagram": ["quil_tests_diagram"],
    "framework": ["quil_tests_framework"],
}


@dataclass
class Mutation:
    name: str
    file: str
    what: str
    original: str
    replacement: str
    tests: list = field(default_factory=list)
    line: int = 0


class ListError(Exception):
    pass


def unescape(text):
    """The list writes a newline inside a text as \\n and a backslash as \\\\."""
    out, i = [], 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text):
            nxt = text[i + 1]
            out.append({"n": "\n", "t": "\t", "\\": "\\"}.get(nxt, "\\" + nxt))
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def parse_list(path):
    """Blocks of 'key: value' lines, each opened by a [name] line."""
    mutations, current, names = [], None, set()
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            if line.startswith("[") and line.rstrip().endswith("]"):
                name = line.strip()[1:-1]
                if name in names:
                    raise ListError(f"{path}:{number}: the name '{name}' is used twice")
                names.add(name)
                current = {"name": name, "line": number}
                mutations.append(current)
                continue
            if current is None or ":" not in line:
                raise ListError(f"{path}:{number}: expected '[name]' or 'key: value', got: {line}")
            key, value = line.split(":", 1)
            key = key.strip()
            if key not in ("file", "what", "from", "to", "tests"):
                raise ListError(f"{path}:{number}: unknown key '{key}'")
            # One blank after the colon belongs to the format, the rest to the text.
            current[key] = value[1:] if value.startswith(" ") else value
    result = []
    for m in mutations:
        for key in ("file", "what", "from", "to"):
            if key not in m:
                raise ListError(f"{path}:{m['line']}: [{m['name']}] has no '{key}'")
        folder = m["file"].split("/", 1)[0]
        tests = m["tests"].split() if "tests" in m else DEFAULT_TESTS.get(folder)
        if not tests:
            raise ListError(f"{path}:{m['line']}: [{m['name']}] names no test program for {m['file']}")
        result.append(Mutation(m["name"], m["file"], m["what"], unescape(m["from"]), unescape(m["to"]),
                               tests, m["line"]))
    return result


class Interrupted(Exception):
    pass


def _interrupt(signum, _frame):
    raise Interrupted(signal.Signals(signum).name)


_SIGNALS = (signal.SIGINT, signal.SIGTERM, signal.SIGHUP)


class Planter:
    """Writes a mutant and puts the original back, with a journal between."""

    def __init__(self, root, journal):
        self.root = root
        self.journal = journal
        self.active = None  # (path, original bytes)

    def restore_leftover(self):
        """Puts back a file that a killed run left mutated; True when there was one."""
        if not os.path.exists(self.journal):
            return False
        with open(self.journal, encoding="utf-8") as f:
            entry = json.load(f)
        path = os.path.join(self.root, entry["file"])
        with open(path, "wb") as out:
            out.write(entry["original"].encode("utf-8", "surrogateescape"))
        os.remove(self.journal)
        print(f"put back {entry['file']}, left mutated by an earlier run")
        return True

    def plant(self, m):
        """Writes the mutant; returns None, or why it could not be planted."""
        signal.pthread_sigmask(signal.SIG_BLOCK, _SIGNALS)
        try:
            return self._plant(m)
        finally:
            signal.pthread_sigmask(signal.SIG_UNBLOCK, _SIGNALS)

    def _plant(self, m):
        path = os.path.join(self.root, m.file)
        try:
            with open(path, "rb") as f:
                data = f.read()
        except OSError as e:
            return f"file not readable: {e.strerror}"
        text = data.decode("utf-8", "surrogateescape")
        count = text.count(m.original)
        if count == 0:
            return "original text not found"
        if count > 1:
            return f"original text found {count} times"
        mutant = text.replace(m.original, m.replacement, 1)
        tmp = self.journal + ".tmp"
        with open(tmp, "w", encoding="utf-8") as f:
            json.dump({"file": m.file, "original": text}, f)
            f.flush()
            os.fsync(f.fileno())
        os.replace(tmp, self.journal)
        self.active = (path, data)
        with open(path, "wb") as f:
            f.write(mutant.encode("utf-8", "surrogateescape"))
        return None

    def restore(self):
        signal.pthread_sigmask(signal.SIG_BLOCK, _SIGNALS)
        try:
            self._restore()
        finally:
            signal.pthread_sigmask(signal.SIG_UNBLOCK, _SIGNALS)

    def _restore(self):
        if self.active is None:
            return
        path, data = self.active
        with open(path, "wb") as f:
            f.write(data)
        with open(path, "rb") as f:
            if f.read() != data:
                raise RuntimeError(f"{path} could not be put back; the journal {self.journal} keeps it")
        self.active = None
        if os.path.exists(self.journal):
            os.remove(self.journal)


def run(cmd, timeout, env=None):
    """Runs a command in a process group of its own, which goes whole on a
    time-out or an interruption; returns (exit code or 'timeout', output)."""
    p = subprocess.Popen(cmd, cwd=ROOT, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                         errors="replace", start_new_session=True)
    try:
        out, _ = p.communicate(timeout=timeout)
        return p.returncode, out
    except subprocess.TimeoutExpired:
        os.killpg(p.pid, signal.SIGKILL)
        out, _ = p.communicate()
        return "timeout", out
    except BaseException:
        os.killpg(p.pid, signal.SIGKILL)
        p.wait()
        raise


def nice(cmd, level):
    return ["nice", "-n", str(level)] + cmd if level else cmd


def build(build_dir, targets, level):
    code, out = run(nice(["cmake", "--build", build_dir, "--target"] + targets, level), timeout=1800)
    return code == 0, out


def failed_tests(output):
    names = []
    for line in output.splitlines():
        if line.startswith("[  FAILED  ]") and "," not in line and " ms)" in line:
            names.append(line.split()[3])
    return names


def run_tests(build_dir, program, level, timeout):
    exe = os.path.join(build_dir, "tests", program)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    code, out = run(nice([exe, "--gtest_fail_fast", "--gtest_brief=1"], level), timeout, env)
    if code == "timeout":
        return "timeout", []
    return ("pass" if code == 0 else "fail"), failed_tests(out)


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--list-file", default=os.path.join(ROOT, "scripts", "mutations.list"))
    ap.add_argument("--build-dir", default=os.path.join(ROOT, "build", "release"))
    ap.add_argument("--only", help="comma-separated names of the changes to run")
    ap.add_argument("--list", action="store_true", help="print the changes and stop")
    ap.add_argument("--report", help="write the results as Markdown to this file")
    ap.add_argument("--nice", type=int, default=10, help="niceness of builds and test runs (0: none)")
    ap.add_argument("--timeout", type=int, default=300, help="seconds a test program may run")
    ap.add_argument("--skip-baseline", action="store_true", help="do not check that the unchanged tree passes")
    ap.add_argument("--restore", action="store_true", help="only put back a file a killed run left mutated")
    args = ap.parse_args(argv)

    journal = os.path.join(args.build_dir, "mutation-journal.json")
    planter = Planter(ROOT, journal)
    if args.restore:
        if not planter.restore_leftover():
            print("nothing to put back")
        return 0
    try:
        mutations = parse_list(args.list_file)
    except ListError as e:
        print(e, file=sys.stderr)
        return 2
    if args.only:
        wanted = set(args.only.split(","))
        unknown = wanted - {m.name for m in mutations}
        if unknown:
            print("unknown names: " + ", ".join(sorted(unknown)), file=sys.stderr)
            return 2
        mutations = [m for m in mutations if m.name in wanted]
    if args.list:
        for m in mutations:
            print(f"{m.name:34} {m.file:34} {m.what}")
        print(f"{len(mutations)} changes")
        return 0
    if not os.path.isdir(args.build_dir):
        print(f"no build folder {args.build_dir}: configure the release preset first", file=sys.stderr)
        return 2

    for sig in _SIGNALS:
        signal.signal(sig, _interrupt)
    planter.restore_leftover()
    programs = sorted({t for m in mutations for t in m.tests})
    results = []
    started = time.time()
    try:
        if not args.skip_baseline:
            ok, out = build(args.build_dir, programs, args.nice)
            if not ok:
                print(out[-4000:])
                print("the unchanged tree does not build", file=sys.stderr)
                return 2
            for program in programs:
                state, names = run_tests(args.build_dir, program, args.nice, args.timeout)
                if state != "pass":
                    print(f"the unchanged tree fails {program}: {state} {' '.join(names)}", file=sys.stderr)
                    return 2
        for i, m in enumerate(mutations, 1):
            head = f"[{i}/{len(mutations)}] {m.name}: "
            why = planter.plant(m)
            if why:
                results.append((m, "not applied", why))
                print(head + "NOT APPLIED (" + why + ")", flush=True)
                continue
            try:
                ok, out = build(args.build_dir, m.tests, args.nice)
                if not ok:
                    results.append((m, "not built", "the mutant does not compile"))
                    print(head + "NOT BUILT", flush=True)
                    continue
                verdict, detail = "survived", "every test passed"
                for program in m.tests:
                    state, names = run_tests(args.build_dir, program, args.nice, args.timeout)
                    if state == "timeout":
                        verdict, detail = "caught", f"{program} ran past {args.timeout} s"
                        break
                    if state == "fail":
                        verdict, detail = "caught", f"{program}: " + (", ".join(names) or "failed")
                        break
                results.append((m, verdict, detail))
                print(head + verdict.upper() + " (" + detail + ")", flush=True)
            finally:
                planter.restore()
    except Interrupted as e:
        print(f"\nstopped by {e}; the tree is unchanged", file=sys.stderr)
        planter.restore()
        return 130
    finally:
        planter.restore()
        # The build folder is left holding programs of the unchanged tree.
        if results:
            build(args.build_dir, programs, args.nice)

    counted = [r for r in results if r[1] in ("caught", "survived")]
    caught = sum(1 for r in counted if r[1] == "caught")
    percent = 100.0 * caught / len(counted) if counted else 0.0
    summary = f"{caught}/{len(counted)} caught ({percent:.1f} %)"
    left_out = len(results) - len(counted)
    if left_out:
        summary += f", {left_out} not counted (not applied or not built)"
    print(f"\n{summary} in {int(time.time() - started)} s")
    for m, verdict, detail in results:
        if verdict != "caught":
            print(f"  {verdict}: {m.name} ({m.file}: {m.what}) - {detail}")
    if args.report:
        with open(args.report, "w", encoding="utf-8") as f:
            f.write("| change | file | fault | result |\n|---|---|---|---|\n")
            for m, verdict, detail in results:
                f.write(f"| {m.name} | {m.file} | {m.what} | {verdict}: {detail} |\n")
            f.write(f"\n{summary}\n")
    return 0 if counted and caught == len(counted) else 1


if __name__ == "__main__":
    sys.exit(main())
