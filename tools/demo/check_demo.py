#!/usr/bin/env python3
"""Developer aid: reads the demo installation (demo/) the way the program lays
its files out and reports every inconsistency it finds. Exit status 1 when
anything is wrong.

    python3 tools/demo/check_demo.py [demo folder]
"""

import math
import os
import re
import subprocess
import sys

DEMO = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                                           "demo")
DAT = os.path.join(DEMO, "dat")
IMAGES = os.path.join(DEMO, "images")
SHARED = os.path.join(DEMO, "shared")

# Parts that the demo leaves without a price on purpose.
DELIBERATELY_UNPRICED = {"EP4-12", "GPK-PL", "DHY-2"}

REQUIRED = ["tlines.dat", "ground.dat", "Surge.dat", "weather.dat", "cblEntry.dat", "hoist.dat", "mount.dat",
            "gps.dat", "accessorylist.dat", "settings.dat", "Images.dat", "obsolete.dat", "advanced.dat",
            "defaults.dat", "metric.dat"]

FIXED_PICTURES = [
    "tower.gif", "monopole.gif", "rooftop.gif", "parapet.gif", "custom.gif",
    "VertTwrParts.gif", "HorizTwrParts.gif", "HorizMpParts.gif", "rtParts.gif", "prParts.gif", "vcsParts.gif",
    "hcsParts.gif",
    "na.gif", "na1.gif", "na2.gif", "na3.gif", "na4.gif", "na5.gif", "na6.gif",
    "boothd.gif", "port2.gif", "gps.gif",
    "sector.gif", "omni.gif", "other.gif", "micro.gif",
    "plainhold1.gif", "latchor1.gif", "klemmit4.gif", "vornclamp.gif", "stackor1.gif", "ground.gif", "hoist.gif",
    "splash.gif", "logo.gif",
]

problems = []


def fault(msg):
    problems.append(msg)


# ---------------------------------------------------------------------------
# Readers that follow the program's rules
# ---------------------------------------------------------------------------

def field(line, n, sep="|"):
    """Field n (from 1): the text before the n-th separator; empty when not closed."""
    parts = line.split(sep)
    if n < 1 or n > len(parts) - 1:
        return ""
    return parts[n - 1]


def closed_fields(line, sep="|"):
    return line.count(sep)


def is_number(text):
    return re.fullmatch(r"[+-]?(\d+(\.\d*)?|\.\d+)([eE][+-]?\d+)?", text) is not None


def is_int(text):
    return re.fullmatch(r"[+-]?\d+", text) is not None


def read_lines(name, folder=DAT):
    path = os.path.join(folder, name)
    with open(path, "rb") as fh:
        raw = fh.read()
    try:
        text = raw.decode("ascii")
    except UnicodeDecodeError as e:
        fault("%s: not ASCII (%s)" % (name, e))
        text = raw.decode("latin-1")
    if "\r" in text:
        fault("%s: has CR characters; lines must end in LF" % name)
    if text and not text.endswith("\n"):
        fault("%s: last line has no line end" % name)
    return text.split("\n")[:-1] if text else []


class Ini:
    """The INI store's reading: section names without regard to case, the
    first of repeated sections wins, blank lines and lines outside sections
    dropped, values untrimmed."""

    def __init__(self, name):
        self.name = name
        self.sections = []      # (name, [raw lines])
        current = None
        for line in read_lines(name):
            if line in ("", "\x1a"):
                continue
            if line.startswith("[") and line.endswith("]"):
                sec = line[1:-1]
                if self.find(sec) is not None:
                    fault("%s: section [%s] repeated; the repeat is dropped" % (name, sec))
                    current = None
                else:
                    current = []
                    self.sections.append((sec, current))
                continue
            if current is not None:
                current.append(line)

    def find(self, sec):
        for n, lines in self.sections:
            if n.lower() == sec.lower():
                return lines
        return None

    def has_exact(self, sec):
        return any(n == sec for n, _ in self.sections)

    def values(self, sec):
        """ReadSectionValues: raw lines of the section."""
        return list(self.find(sec) or [])

    def pairs(self, sec):
        out = []
        for raw in self.values(sec):
            if "=" not in raw:
                continue
            k, v = raw.split("=", 1)
            out.append((k, v))
        return out

    def read(self, sec, key, default=None):
        """ReadString: exact section name, key without regard to case."""
        for n, lines in self.sections:
            if n == sec:
                for raw in lines:
                    if "=" in raw and raw.split("=", 1)[0].lower() == key.lower():
                        return raw.split("=", 1)[1]
                return default
        return default

    def unique_names(self, sec):
        names = [k.lower() for k, _ in self.pairs(sec)]
        dup = {n for n in names if names.count(n) > 1}
        if dup:
            fault("%s [%s]: line names repeat (%s); only the first is ever seen" % (self.name, sec, ", ".join(sorted(dup))))


def check_blanks(name, line):
    for part in line.split("|"):
        if part != part.strip(" \t"):
            fault("%s: stray blank around field %r in %r" % (name, part, line))
            return


# ---------------------------------------------------------------------------

def gif_info(name):
    path = os.path.join(IMAGES, name)
    if not os.path.isfile(path):
        # names are matched without regard to case by the program
        for other in os.listdir(IMAGES) if os.path.isdir(IMAGES) else []:
            if other.lower() == name.lower():
                path = os.path.join(IMAGES, other)
                break
        else:
            return None
    try:
        out = subprocess.run(["identify", "-format", "%m %w %h\n", path], capture_output=True, text=True, timeout=30)
    except FileNotFoundError:
        fault("identify is not installed (apt-get install -y imagemagick)")
        return None
    if out.returncode != 0 or not out.stdout.strip():
        return None
    fmt, w, h = out.stdout.splitlines()[0].split()
    return fmt, int(w), int(h)


def main():
    for name in REQUIRED:
        if not os.path.isfile(os.path.join(DAT, name)):
            fault("missing data file %s" % name)
    if not os.path.isfile(os.path.join(SHARED, "M_lom.dat")):
        fault("missing shared/M_lom.dat")
    if problems:
        return report()

    pictures = set(FIXED_PICTURES)
    offered = {}            # part number -> set of files that offer it

    def offer(pn, where):
        if pn:
            offered.setdefault(pn, set()).add(where)

    # --- tlines.dat -------------------------------------------------------
    tl = read_lines("tlines.dat")[1:]
    keys = {}
    tl_pns = set()
    for line in tl:
        check_blanks("tlines.dat", line)
        if closed_fields(line) < 13:
            fault("tlines.dat: fewer than 13 closed fields: %s" % line)
            continue
        pn, key, lo, hi, kind, dia = (field(line, i) for i in range(1, 7))
        if pn.lower() in tl_pns:
            fault("tlines.dat: part number %s on two lines" % pn)
        tl_pns.add(pn.lower())
        offer(pn, "tlines.dat")
        for i in (3, 4, 7, 8, 9, 10):
            if not is_number(field(line, i)):
                fault("tlines.dat: field %d of %s is not a number: %r" % (i, pn, field(line, i)))
        if kind.upper() not in ("AIR", "FOAM", "EW"):
            fault("tlines.dat: unknown type %r on %s" % (kind, pn))
        if not is_number(lo) or not is_number(hi) or float(lo) >= float(hi):
            fault("tlines.dat: band of %s is not low < high" % pn)
            continue
        a, b, p = float(field(line, 7)), float(field(line, 8)), float(field(line, 9))
        if kind.upper() == "EW":
            if float(lo) <= a:
                fault("tlines.dat: %s band starts at %s MHz, not above its cut-off %s" % (pn, lo, a))
                continue
            fm = (float(lo) + float(hi)) / 2
            x = math.log(fm / a - 1)
            att = math.exp(0.09557 * x * x - 0.13127 * x) * b / 1000
        else:
            fm = (float(lo) + float(hi)) / 2
            att = a * math.sqrt(fm) + b * fm
        if not 0.01 < att < 15:
            fault("tlines.dat: %s loses %.3f dB/100 ft at mid-band, implausible" % (pn, att))
        pic = field(line, 13)
        if key in keys and keys[key]["picture"] != pic:
            fault("tlines.dat: lines of key %s name different pictures" % key)
        keys.setdefault(key, {"picture": pic, "kind": kind.upper(), "dias": set(), "bands": []})
        keys[key]["dias"].add(dia)
        keys[key]["bands"].append((float(lo), float(hi)))
        pictures.add(pic)
    kinds = {v["kind"] for v in keys.values()}
    if kinds != {"AIR", "FOAM", "EW"}:
        fault("tlines.dat: not all three cable types present: %s" % sorted(kinds))
    for kind, need in (("FOAM", 5), ("AIR", 3)):
        dias = {d for v in keys.values() if v["kind"] == kind for d in v["dias"]}
        if len(dias) < need:
            fault("tlines.dat: only %d %s diameters" % (len(dias), kind))

    # --- INI-laid-out catalogues -----------------------------------------
    mount = Ini("mount.dat")
    hoist = Ini("hoist.dat")
    entry = Ini("cblEntry.dat")
    ground = Ini("ground.dat")
    weather = Ini("weather.dat")
    gps = Ini("gps.dat")
    acc = Ini("accessorylist.dat")
    settings = Ini("settings.dat")
    for ini in (mount, hoist, entry, ground, weather, gps, acc, settings):
        for sec, lines in ini.sections:
            ini.unique_names(sec)
            for raw in lines:
                check_blanks(ini.name, raw.split("=", 1)[-1])

    # which keys have which sections
    holders = {
        "mount.dat": lambda k: mount.read(k, "X") is not None,
        "hoist.dat": lambda k: hoist.find(k) is not None,
        "cblEntry.dat": lambda k: entry.find(k) is not None,
        "ground.dat": lambda k: ground.find(k) is not None,
        "weather.dat": lambda k: weather.find(k) is not None,
        "accessorylist.dat": lambda k: acc.find(k) is not None,
        "settings.dat": lambda k: settings.find(k) is not None,
    }
    bare = []
    for key in sorted(keys):
        has = [f for f, h in holders.items() if h(key)]
        if not has:
            bare.append(key)
        elif len(has) != len(holders):
            fault("key %s lacks sections in %s" % (key, ", ".join(sorted(set(holders) - set(has)))))
    if len(bare) != 1:
        fault("expected exactly one cable key without accessory sections, found %s" % (bare or "none"))
    keyed = [k for k in sorted(keys) if k not in bare]

    # --- mount.dat ---------------------------------------------------------
    mtypes = mount.pairs("MountTypes")
    atypes = mount.pairs("CableAttachmentTypes")
    htypes = mount.pairs("MountingHardwareTypes")
    mnames = {k for k, _ in mtypes}
    anames = {k for k, _ in atypes}
    for sec in ("VStructures", "HStructures"):
        for _, v in mount.pairs(sec):
            if field(v, 1).lower() not in ("tower", "monopole", "rooftop", "parapet", "custom"):
                fault("mount.dat [%s]: unknown location %r" % (sec, field(v, 1)))
            if closed_fields(v) - 1 > len(mtypes):
                fault("mount.dat [%s]: more marks than mount types: %s" % (sec, v))
    for _, v in mtypes:
        if closed_fields(v) - 1 > len(atypes):
            fault("mount.dat [MountTypes]: more marks than attachments: %s" % v)
    columns = {}
    for _, v in atypes:
        if not is_int(field(v, 2)):
            fault("mount.dat: attachment column not a whole number: %s" % v)
        else:
            columns[field(v, 1)] = int(field(v, 2))
    for _, v in htypes:
        if field(v, 2) not in mnames or field(v, 3) not in anames:
            fault("mount.dat: hardware line names an unknown mount or attachment: %s" % v)
        if not is_int(field(v, 4)):
            fault("mount.dat: hardware column not a whole number: %s" % v)
        else:
            columns[field(v, 1)] = int(field(v, 4))
    for key in keyed:
        row = mount.read(key, "X", "")
        multi = [field(row, c) for c in range(1, closed_fields(row) + 1) if "," in field(row, c)]
        if not multi:
            fault("mount.dat [%s]: no multi-part entry" % key)
        for m in multi:
            if m.count(",") != 3 or not m.endswith(",") or "" in m.split(",")[:3]:
                fault("mount.dat [%s]: multi-part entry not three parts each closed by a comma: %r" % (key, m))
        if "," not in field(row, 11):
            fault("mount.dat [%s]: column 11 holds no multi-part entry" % key)
        for c in range(1, closed_fields(row) + 1):
            for pn in field(row, c).split(",") if "," in field(row, c) else [field(row, c)]:
                offer(pn, "mount.dat")
        # the five hanger kinds exist for every keyed line
        for _, v in atypes:
            if "Galvanized" not in field(v, 1) and not field(row, int(field(v, 2))):
                fault("mount.dat [%s]: attachment %r has no part" % (key, field(v, 1)))
    dia_of = {k: v["dias"] for k, v in keys.items()}
    kova_dias = {d for k in keyed if "KOVA" in mount.read(k, "X", "").split("|") for d in dia_of[k]}
    for need in ("1/2", "1-1/4"):
        if need not in kova_dias:
            fault("mount.dat: no KOVA on a %s cable" % need)

    # --- hoist.dat, gps.dat ---------------------------------------------------
    for ini, sec_of in ((hoist, lambda k: k), (gps, lambda k: "tline")):
        cats = {k for k, _ in ini.pairs("Categories")}
        secs = [sec_of(k) for k in keyed] if ini is hoist else ["tline"]
        for sec in secs:
            if ini.find(sec) is None:
                fault("%s: no section [%s]" % (ini.name, sec))
            for _, v in ini.pairs(sec):
                if field(v, 1) not in cats:
                    fault("%s [%s]: unknown category in %s" % (ini.name, sec, v))
                if not field(v, 2):
                    fault("%s [%s]: record without part: %s" % (ini.name, sec, v))
                offer(field(v, 2), ini.name)

    # --- cblEntry.dat -------------------------------------------------------
    cats = {k for k, _ in entry.pairs("Categories")}
    types = {}
    for k, v in entry.pairs("Types"):
        if not is_int(k):
            fault("cblEntry.dat: type name %r is not a whole number" % k)
        else:
            types[int(k)] = v
    if not any(t >= 10 for t in types) or not any(1 <= t <= 9 for t in types):
        fault("cblEntry.dat: needs entry types 1-9 and boots from 10")
    for key in keyed:
        for _, v in entry.pairs(key):
            if field(v, 1) not in cats:
                fault("cblEntry.dat [%s]: unknown category: %s" % (key, v))
            for fno in range(2, closed_fields(v) + 1):
                pn = field(v, fno)
                if pn:
                    offer(pn, "cblEntry.dat")
                    if fno - 1 not in types:
                        fault("cblEntry.dat [%s]: part %s has type %d without a Types line" % (key, pn, fno - 1))
    arrestor = entry.read("Arrestor", "PN")
    if not arrestor:
        fault("cblEntry.dat: no [Arrestor] PN")
    offer(arrestor, "cblEntry.dat")

    # --- ground.dat, weather.dat ------------------------------------------
    for ini, first in ((ground, 4), (weather, 3)):
        cats = {k for k, _ in ini.pairs("Categories")}
        tys = {k for k, _ in ini.pairs("Types")}
        for key in keyed:
            lengths = set()
            for _, v in ini.pairs(key):
                if field(v, 1) not in cats:
                    fault("%s [%s]: unknown category: %s" % (ini.name, key, v))
                if ini is ground:
                    if not (is_number(field(v, 2)) and is_number(field(v, 3))):
                        fault("ground.dat [%s]: wire lengths not numbers: %s" % (key, v))
                    lengths.add((field(v, 1), field(v, 2)))
                elif not field(v, 2):
                    fault("weather.dat [%s]: no interface type: %s" % (key, v))
                for fno in range(first, closed_fields(v) + 1):
                    pn = field(v, fno)
                    if pn:
                        offer(pn, ini.name)
                        if str(fno - first + 1) not in tys:
                            fault("%s [%s]: part %s has no Types line" % (ini.name, key, pn))
            if ini is ground:
                by_cat = {}
                for cat, ln in lengths:
                    by_cat.setdefault(cat, set()).add(ln)
                if not any(len(s) >= 2 for s in by_cat.values()):
                    fault("ground.dat [%s]: no kit with two wire lengths" % key)

    # --- Surge.dat ----------------------------------------------------------
    surge = read_lines("Surge.dat")[1:]
    no_second = 0
    for line in surge:
        check_blanks("Surge.dat", line)
        if closed_fields(line) < 7:
            fault("Surge.dat: fewer than 7 closed fields: %s" % line)
        if not (is_number(field(line, 1)) and is_number(field(line, 2))):
            fault("Surge.dat: frequencies not numbers: %s" % line)
        if not field(line, 5) or not field(line, 6):
            fault("Surge.dat: description or first connector missing: %s" % line)
        no_second += field(line, 7) == ""
        offer(field(line, 3), "Surge.dat")
        pictures.add(field(line, 4))
    if not no_second:
        fault("Surge.dat: no protector without a second connector")

    # --- accessorylist.dat ---------------------------------------------------
    sections = {k for k, _ in acc.pairs("Sections")}
    for want in ("1", "2", "3", "4", "5", "7", "8"):
        if want not in sections:
            fault("accessorylist.dat: [Sections] lacks %s" % want)
    for sec in keyed + ["All", "Air", "Foam", "Waveguide"]:
        for _, v in acc.pairs(sec):
            if closed_fields(v) < 3 or not field(v, 1) or not field(v, 2):
                fault("accessorylist.dat [%s]: bad item %s" % (sec, v))
            if field(v, 3) not in sections:
                fault("accessorylist.dat [%s]: section %r not in [Sections]" % (sec, field(v, 3)))
            offer(field(v, 1), "accessorylist.dat")
    # the bare key must assemble an empty list to show its message
    for key in bare:
        kind = {"AIR": "Air", "FOAM": "Foam", "EW": "Waveguide"}[keys[key]["kind"]]
        if acc.values("All") or acc.values(kind):
            fault("accessorylist.dat: [All] or [%s] has items, so %s never shows its empty message" % (kind, key))
        for lo, hi in keys[key]["bands"]:
            for line in surge:
                if float(field(line, 1)) <= lo and float(field(line, 2)) >= hi:
                    fault("Surge.dat: %s fits the band of bare key %s" % (field(line, 3), key))

    # --- metric.dat -------------------------------------------
    metric = read_lines("metric.dat")
    for line in metric:
        check_blanks("metric.dat", line)
        a, b = field(line, 1), field(line, 2)
        if not a or not b:
            fault("metric.dat: bad line %r" % line)
            continue
        if a not in offered:
            fault("metric.dat: %s is not offered by any file" % a)
        offer(b, "metric.dat")

    # --- settings.dat, defaults.dat, advanced.dat --------------------------
    with open(os.path.join(DAT, "settings.dat"), "rb") as a, open(os.path.join(DAT, "defaults.dat"), "rb") as b:
        if a.read() != b.read():
            fault("defaults.dat differs from settings.dat")
    if os.path.getsize(os.path.join(DAT, "advanced.dat")) != 0:
        fault("advanced.dat is not empty")
    for sec, key, kind in (("General", "SelectCable", "bool"), ("General", "SelectCableType", "int"),
                           ("General", "SelectCableName", "text"), ("OldParts", "ObsoleteWarning", "bool"),
                           ("OldParts", "ObsoleteWizard", "bool"), ("OldParts", "ObsoleteList", "bool"),
                           ("Grounding", "Spacing", "int"), ("Hoist", "Spacing", "int"),
                           ("UnitPack", "All", "int")):
        v = settings.read(sec, key)
        if v is None:
            fault("settings.dat: no %s/%s" % (sec, key))
        elif kind in ("bool", "int") and not is_int(v):
            fault("settings.dat: %s/%s is not a whole number: %r" % (sec, key, v))
    if settings.read("Grounding", "Spacing") != "200" or settings.read("Hoist", "Spacing") != "150":
        fault("settings.dat: factory spacings should be 200 and 150")
    name = settings.read("General", "SelectCableName", "")
    ctype = settings.read("General", "SelectCableType", "1")
    want_kind = {"0": "AIR", "1": "FOAM", "2": "EW"}.get(ctype)
    if name and not any(field(l, 1).lower() == name.lower() and field(l, 5).upper() == want_kind for l in tl):
        fault("settings.dat: SelectCableName %s is not a %s line of tlines.dat" % (name, want_kind))
    for k, v in settings.pairs("UnitPack"):
        if k.lower() == "all":
            continue
        if closed_fields(v) < 2 or not is_int(field(v, 2)) or int(field(v, 2)) < 1:
            fault("settings.dat: bad unit-pack record %s" % v)
        if field(v, 1) not in offered:
            fault("settings.dat: unit pack for %s, which no file offers" % field(v, 1))
    for key in keyed:
        fams = set()
        row_parts = set(re.split(r"[|,]", mount.read(key, "X", "")))
        for k, v in settings.pairs(key):
            if closed_fields(v) < 3 or field(v, 2) not in "12345" or not is_number(field(v, 3)):
                fault("settings.dat [%s]: bad hanger record %s" % (key, v))
                continue
            if float(field(v, 3)) <= 0:
                fault("settings.dat [%s]: spacing must be above 0: %s" % (key, v))
            fams.add(field(v, 2))
            if field(v, 1) not in offered:
                fault("settings.dat [%s]: hanger record for %s, which no file offers" % (key, field(v, 1)))
        if fams != set("12345"):
            fault("settings.dat [%s]: hanger families present %s, want all five" % (key, sorted(fams)))

    # --- obsolete.dat ---------------------------------------------------------
    obsolete = read_lines("obsolete.dat")
    old_parts = {}
    for line in obsolete:
        check_blanks("obsolete.dat", line)
        old, new, desc = field(line, 1), field(line, 2), field(line, 3)
        if not old or not new or not desc:
            fault("obsolete.dat: incomplete line %r" % line)
            continue
        old_parts.setdefault(old, new)
        if old not in offered:
            fault("obsolete.dat: %s is offered by no file" % old)
            continue
        for where in offered[old]:
            if where not in offered.get(new, set()):
                fault("obsolete.dat: %s is in %s but its replacement %s is not" % (old, where, new))
    for old, new in old_parts.items():
        if new in old_parts:
            fault("obsolete.dat: replacement %s of %s is itself obsolete" % (new, old))
    obsolete_files = {w for old in old_parts for w in offered.get(old, ())}
    for need in ("mount.dat", "hoist.dat", "cblEntry.dat", "ground.dat", "Surge.dat", "accessorylist.dat"):
        if need not in obsolete_files:
            fault("no obsolete part in %s" % need)

    # --- prices ---------------------------------------------------------------
    prices = {}
    for line in read_lines("M_lom.dat", SHARED):
        if closed_fields(line) != 33:
            fault("M_lom.dat: line without 33 closed fields: %s" % line[:80])
        pn = field(line, 3)
        if pn in prices:
            fault("M_lom.dat: %s listed twice" % pn)
        pr = field(line, 6)
        if pr and not is_number(pr):
            if pn != "Part Number":
                fault("M_lom.dat: price of %s is not a number: %r" % (pn, pr))
            continue
        prices[pn] = (field(line, 5), pr)
    unpriced = set()
    for pn in sorted(offered):
        if pn not in prices:
            fault("%s (offered by %s) has no price-list line" % (pn, ", ".join(sorted(offered[pn]))))
        elif not prices[pn][0]:
            fault("%s has no description in the price list" % pn)
        elif not prices[pn][1]:
            unpriced.add(pn)
    if unpriced != DELIBERATELY_UNPRICED:
        fault("unpriced parts %s, expected exactly %s" % (sorted(unpriced), sorted(DELIBERATELY_UNPRICED)))
    for line in obsolete:
        new, desc = field(line, 2), field(line, 3)
        if new in prices and prices[new][0] != desc:
            fault("obsolete.dat: description of %s differs from the price list" % new)
    if len(prices) - len(offered) < 5000:
        fault("M_lom.dat: only %d products besides the offered parts" % (len(prices) - len(offered)))

    # --- pictures -------------------------------------------------------------
    images = read_lines("Images.dat")
    img_caps = {}
    for line in images:
        if "=" not in line:
            fault("Images.dat: line without '=': %r" % line)
            continue
        cap, pic = line.split("=", 1)
        img_caps.setdefault(cap.lower(), pic)
        pictures.add(pic)
    shown = set()
    shown.update(field(v, 1) for _, v in mtypes + atypes + htypes)
    shown.update(v for _, v in hoist.pairs("Categories"))
    shown.update(v for k, v in entry.pairs("Types") if is_int(k) and 1 <= int(k) <= 9)
    shown.update(v for _, v in ground.pairs("Categories"))
    shown.update(v for _, v in weather.pairs("Categories"))
    shown.update(field(l, 6) for l in surge)
    shown.update(field(l, 7) for l in surge if field(l, 7))
    for cap in sorted(shown):
        if cap.lower() not in img_caps:
            fault("Images.dat: no picture for the caption %r" % cap)
    for pic in sorted(pictures):
        info = gif_info(pic)
        if info is None:
            fault("picture %s is missing or unreadable" % pic)
        elif info[0] != "GIF":
            fault("picture %s is %s, not GIF" % (pic, info[0]))
        elif pic == "splash.gif" and info[1:] != (407, 243):
            fault("splash.gif is %dx%d, not 407x243" % info[1:])
    return report(len(keys), bare, len(offered), len(prices), len(pictures))


def report(*stats):
    if problems:
        for p in problems:
            print("FAULT:", p)
        print("%d fault(s)" % len(problems))
        return 1
    nkeys, bare, noffered, nprices, npics = stats
    print("demo OK: %d cable keys (%s without sections), %d offered parts, %d priced lines, %d pictures"
          % (nkeys, ", ".join(bare), noffered, nprices, npics))
    return 0


if __name__ == "__main__":
    sys.exit(main())
