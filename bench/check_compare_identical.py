#!/usr/bin/env python3
"""Runs two builds of `kestrelon compare` on the same pairs of files with the
same options and checks that they print the same texts, write the same
files and exit alike. Used to check that a speed-up of the compare changed
no behaviour.

  bench/check_compare_identical.py OLD_KESTRELON NEW_KESTRELON GENERATOR

Files: the cleaned files of every mechanism listed in
/work/shared/mechanisms/MECHANISMS.txt (when present) and of generated
mechanisms, each cleaned by OLD; copies of them changed in the ways the
compare has to tell (coefficients scaled or printed with other digits,
reactions dropped, doubled, moved or written the other way round, species
renamed, auxiliary values, efficiencies and DUP lines changed, CR LF and
blanks, faulty lines). Pairs: each file with itself, with each of its
changed copies (both ways round), with the next mechanism and with its
files in the other units. Options: none, --json, relative tolerances,
bad usage and, on the generated pairs, --plot.
"""
import os
import random
import shutil
import subprocess
import sys
import tempfile

old, new, gen = (os.path.realpath(p) for p in sys.argv[1:4])
mechdir = os.environ.get("MECHANISMS", "/work/shared/mechanisms")
work = tempfile.mkdtemp()
corpus = os.path.join(work, "corpus")
os.makedirs(corpus)


def clean(src, name):
    """Cleans `src` into corpus/NAME{cal,j,kelvin}.rxn; False if it fails."""
    run = os.path.join(work, "clean")
    shutil.rmtree(run, ignore_errors=True)
    os.makedirs(run)
    shutil.copy(src, os.path.join(run, "in.inp"))
    for extra in ([], ["--permissive"]):
        p = subprocess.run([old, "clean", "in.inp", "--name", name, "--quiet"]
                           + extra, cwd=run, capture_output=True)
        if p.returncode == 0:
            break
    else:
        return False
    for unit in ("cal", "j", "kelvin"):
        f = os.path.join(run, f"{name}{unit}.rxn")
        if os.path.exists(f):
            shutil.copy(f, corpus)
    return os.path.exists(os.path.join(corpus, f"{name}cal.rxn"))


def is_reaction(line, in_reactions):
    return in_reactions and "=" in line


def mutate(text, kind, rng):
    """A changed copy of a cleaned file's text."""
    lines = text.split("\n")
    out = []
    section = False
    k = 0
    for line in lines:
        s = line.strip()
        if s in ("REACTIONS", "****List of non-elementary reactions****"):
            section = True
            out.append(line)
            continue
        if s == "END":
            section = False
        reaction = is_reaction(s, section)
        if reaction:
            k += 1
        words = s.split()
        if kind == "scale" and reaction and k % 7 == 0 and len(words) == 4:
            words[1] = "%.3E" % (float(words[1]) * 1.01)
            line = " ".join(words)
        elif kind == "digits" and reaction and k % 5 == 0 and len(words) == 4:
            words[1] = "%.5E" % float(words[1])
            words[2] = "%.2f" % float(words[2])
            line = " ".join(words)
        elif kind == "nea" and reaction and k % 6 == 0 and len(words) == 4:
            words[2] = "%.4f" % (float(words[2]) + 0.1)
            words[3] = "%.1f" % (float(words[3]) * 1.5 + 1)
            line = " ".join(words)
        elif kind == "drop" and reaction and k % 11 == 0:
            continue
        elif kind == "double" and reaction and k % 13 == 0:
            out.append(line)
        elif kind == "swap" and reaction and k % 4 == 0 and "<=>" in words[0]:
            left, right = words[0].split("<=>", 1)
            words[0] = right + "<=>" + left
            line = " ".join(words)
        elif kind == "aux" and section and not reaction and s:
            if s.startswith(("LOW", "TROE", "SRI", "HIGH", "PLOG", "REV")):
                if k % 3 == 0:
                    line = s.replace(".", "1.", 1)
            elif s == "DUP" and k % 2 == 0:
                continue
            elif "/" in s and k % 2 == 0:
                parts = s.split()
                rng.shuffle(parts)
                line = " ".join(parts[1:] if k % 4 == 0 else parts)
        elif kind == "blanks":
            line = "\t " + line.replace(" ", "   ") + " \t"
        elif kind == "fault" and reaction and k == 17 and len(words) == 4:
            line = " ".join(words[:3] + ["12x"])
        out.append(line)
    if kind == "move":
        # The reaction blocks of the first list in a shuffled order.
        head, blocks, tail = [], [], []
        state = 0
        for line in out:
            s = line.strip()
            if state == 0:
                head.append(line)
                if s == "REACTIONS":
                    state = 1
            elif state == 1 and s == "END":
                state = 2
                tail.append(line)
            elif state == 1:
                if "=" in s or not blocks:
                    blocks.append([line])
                else:
                    blocks[-1].append(line)
            else:
                tail.append(line)
        rng.shuffle(blocks)
        out = head + [x for b in blocks for x in b] + tail
    result = "\n".join(out)
    if kind == "rename":
        for old_name, new_name in (("H2O", "WATER"), ("OH", "HYDROXYL")):
            result = result.replace(old_name, new_name)
    if kind == "crlf":
        result = result.replace("\n", "\r\n")
    if kind == "cr":
        result = result.replace("\n", "\r")
    if kind == "noend":
        cut = result.rfind("END")
        result = result[:cut] if cut > 0 else result
    if kind == "numbers":
        # Number forms the writer never prints but the reader takes.
        result = result.replace("E+", "D+", 40).replace(" 0.0\n", " +0.\n", 40)
        result = result.replace(" 1.0000 ", " 1E-400 ", 3)
    if kind == "huge":
        result = result.replace("E+1", "E+40", 5).replace("E+40", "E+400", 1)
    return result


kinds = ["scale", "digits", "nea", "drop", "double", "swap", "aux", "blanks",
         "fault", "move", "rename", "crlf", "cr", "noend", "numbers", "huge"]

names = []
if os.path.exists(os.path.join(mechdir, "MECHANISMS.txt")):
    for i, rel in enumerate(open(os.path.join(mechdir, "MECHANISMS.txt"))):
        rel = rel.strip()
        if rel and os.path.exists(os.path.join(mechdir, rel)):
            if clean(os.path.join(mechdir, rel), f"m{i}_"):
                names.append(f"m{i}_")
generated = []
for size in (64, 500, 6500, 25999):
    src = os.path.join(work, f"gen{size}.inp")
    subprocess.run([gen, str(size), src], check=True)
    if clean(src, f"g{size}_"):
        names.append(f"g{size}_")
        generated.append(f"g{size}_")

rng = random.Random(7)
pairs = []  # (file a, file b, option lists)
plain = [[], ["--json"], ["--tolerance", "0.001"], ["--tolerance=0", "--json"]]
for i, name in enumerate(names):
    cal = f"{name}cal.rxn"
    text = open(os.path.join(corpus, cal), newline="").read()
    pairs.append((cal, cal, plain + [["--tolerance", "-1"], ["--bogus"]]))
    for kind in kinds:
        changed = f"{name}{kind}cal.rxn"
        with open(os.path.join(corpus, changed), "w", newline="") as f:
            f.write(mutate(text, kind, rng))
        pairs.append((cal, changed, plain))
        if kind in ("scale", "drop", "swap", "aux", "rename", "move"):
            pairs.append((changed, cal, [[], ["--json"]]))
    if os.path.exists(os.path.join(corpus, f"{name}j.rxn")):
        pairs.append((f"{name}j.rxn", f"{name}kelvin.rxn", [[]]))
        pairs.append((f"{name}j.rxn", f"{name}j.rxn", [[], ["--json"]]))
        shutil.copy(os.path.join(corpus, f"{name}j.rxn"),
                    os.path.join(corpus, f"{name}copy.rxn"))
        pairs.append((f"{name}j.rxn", f"{name}copy.rxn", [[]]))
    if i + 1 < len(names):
        pairs.append((cal, f"{names[i + 1]}cal.rxn", plain))
    if name in generated:
        pairs.append((cal, f"{name}scalecal.rxn",
                      [["--plot", "p.svg"], ["--plot=p.png", "--size", "300x200"],
                       ["--plot", "p.svg", "--temperatures", "500:900", "--json"]]))
pairs.append(("missing.rxn", names[0] + "cal.rxn", [[]]))
pairs.append((names[0] + "cal.rxn", ".", [[]]))
pairs.append((names[0] + "cal.rxn", "", [[]]))


def run(binary, a, b, opts):
    before = set(os.listdir(corpus))
    p = subprocess.run([binary, "compare", a, b] + opts, cwd=corpus,
                       capture_output=True)
    written = {}
    for f in set(os.listdir(corpus)) - before:
        path = os.path.join(corpus, f)
        written[f] = open(path, "rb").read()
        os.remove(path)
    return p.returncode, p.stdout, p.stderr, written


count = failures = 0
statuses = {}
for a, b, option_lists in pairs:
    for opts in option_lists:
        count += 1
        x = run(old, a, b, opts)
        y = run(new, a, b, opts)
        statuses[x[0]] = statuses.get(x[0], 0) + 1
        if x != y:
            failures += 1
            print(f"DIFFERENT: {a} {b} {' '.join(opts)}")
            for what, u, v in zip(("status", "stdout", "stderr", "files"),
                                  x, y):
                if u != v:
                    print(f"  {what} differs")
print("exit statuses (old):", dict(sorted(statuses.items())))
print(f"{count} runs on {len(names)} cleaned mechanisms: "
      f"{count - failures} passed, {failures} failed")
if os.environ.get("KEEP"):
    print("files kept in", corpus)
else:
    shutil.rmtree(work)
sys.exit(1 if failures else 0)
