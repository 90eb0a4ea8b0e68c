#!/usr/bin/env python3
"""Writes the demo installation's data files (demo/dat) and the maker's
shared price list (demo/shared/M_lom.dat).

Everything here is invented demo content. The output is committed; run this
again only to change the demo data:  python3 tools/demo/make_data.py
"""

import math
import os
import random
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
DAT = os.path.join(ROOT, "demo", "dat")
SHARED = os.path.join(ROOT, "demo", "shared")

# ---------------------------------------------------------------------------
# Transmission lines
# ---------------------------------------------------------------------------

BANDS = {
    "V1": (30, 88),
    "V2": (138, 174),
    "U1": (406, 512),
    "C9": (806, 960),
    "C8": (824, 894),
    "P2": (1700, 2200),
    "P1": (1850, 1990),
    "S2": (2300, 2700),
    "L6": (5925, 6425),
    "U6": (6425, 7125),
    "L7": (7125, 7750),
    "X1": (10700, 11700),
}


class Cable:
    def __init__(self, key, kind, dia, words, bands, a, b, p, peak, price, has_sections=True):
        self.key = key          # cable key: names the accessory sections
        self.kind = kind        # FOAM, AIR or EW
        self.dia = dia          # text of the diameter list
        self.words = words      # size as it reads in descriptions
        self.bands = bands
        self.a = a              # coax k1, waveguide cut-off fc (MHz)
        self.b = b              # coax k2, waveguide scale K
        self.p = p              # average-power constant
        self.peak = peak        # peak rating, kW, written as is
        self.price = price      # price per foot
        self.has_sections = has_sections

    @property
    def code(self):
        # size code used inside accessory part numbers
        return {"FOAM": "", "AIR": "A", "EW": "E"}[self.kind] + self.key[2:]

    @property
    def picture(self):
        return "cbl_%s.gif" % self.key.lower()

    @property
    def small(self):
        return self.key in ("KF14", "KF38", "KF12", "KF78", "KA78")

    def kind_words(self):
        return {"FOAM": "foam coax", "AIR": "air coax", "EW": "elliptical waveguide"}[self.kind]


def ew_scale(fc, target_db, f):
    """K for a waveguide that loses target_db per 100 ft at f MHz."""
    x = math.log(f / fc - 1.0)
    return target_db * 1000.0 / math.exp(0.09557 * x * x - 0.13127 * x)


CABLES = [
    Cable("KF14", "FOAM", "1/4", "1/4 in.", ["V1", "V2", "U1", "C9", "P2", "S2"], 0.125, 0.0004, 2.4, "2", 0.95),
    Cable("KF38", "FOAM", "3/8", "3/8 in.", ["U1", "C9", "C8", "P2", "P1", "S2"], 0.090, 0.0003, 2.6, "16", 1.60),
    Cable("KF12", "FOAM", "1/2", "1/2 in.", ["V1", "V2", "U1", "C9", "C8", "P2", "P1", "S2"], 0.066, 0.00022, 2.9, "40", 2.35),
    Cable("KF78", "FOAM", "7/8", "7/8 in.", ["V1", "V2", "U1", "C9", "C8", "P2", "P1", "S2"], 0.036, 0.00015, 4.0, "90", 5.40),
    Cable("KF114", "FOAM", "1-1/4", "1-1/4 in.", ["V2", "U1", "C9", "P2", "S2"], 0.0265, 0.00012, 4.4, "160", 8.90),
    Cable("KF158", "FOAM", "1-5/8", "1-5/8 in.", ["V1", "V2", "U1", "C9", "P2"], 0.0215, 0.0001, 4.8, "200", 12.75),
    Cable("KA78", "AIR", "7/8", "7/8 in.", ["V2", "U1", "C9", "P2", "S2"], 0.031, 0.00008, 4.6, "145", 7.10),
    Cable("KA158", "AIR", "1-5/8", "1-5/8 in.", ["V1", "V2", "U1", "C9", "P2", "S2"], 0.0185, 0.00006, 7.0, "400", 14.20),
    Cable("KA300", "AIR", "3", "3 in.", ["V1", "V2", "U1", "C9"], 0.0102, 0.00004, 11.5, "95", 38.50),
    Cable("KE17", "EW", "E-17", "E-17", ["P2"], 1350, round(ew_scale(1350, 0.55, 1950)), 9.0, "120", 24.00),
    Cable("KE59", "EW", "E-59", "E-59", ["L6", "U6"], 3650, round(ew_scale(3650, 1.20, 6175)), 4.6, "50", 16.80),
    Cable("KE64", "EW", "E-64", "E-64", ["U6", "L7"], 4000, round(ew_scale(4000, 1.45, 6775)), 4.4, "45", 15.90),
    # The one line without accessory sections: a new waveguide whose
    # accessories are not catalogued yet.
    Cable("KE107", "EW", "E-107", "E-107", ["X1"], 6500, round(ew_scale(6500, 2.65, 11200)), 3.2, "20", 13.40,
          has_sections=False),
]
BY_KEY = {c.key: c for c in CABLES}
KEYED = [c for c in CABLES if c.has_sections]


def fmt_num(v):
    s = ("%.6f" % v).rstrip("0").rstrip(".")
    return s


def tline_pn(c, band):
    return "%s-50-%s" % (c.key, band) if c.kind != "EW" else "%s-%s" % (c.key, band)


# ---------------------------------------------------------------------------
# Price list bookkeeping
# ---------------------------------------------------------------------------

PRICES = {}       # part number -> (group, unit, description, price text)
UNPRICED = {"EP4-12", "GPK-PL", "DHY-2"}


def price(pn, group, unit, desc, value):
    assert "|" not in desc and "|" not in pn
    if pn in PRICES:
        old = PRICES[pn]
        assert old[2] == desc, (pn, old, desc)
        return pn
    PRICES[pn] = (group, unit, desc, "" if pn in UNPRICED else "%.2f" % value)
    return pn


# ---------------------------------------------------------------------------
# Accessory part numbers by cable
# ---------------------------------------------------------------------------

SIZE_FACTOR = {"KF14": 0.6, "KF38": 0.7, "KF12": 0.8, "KF78": 1.0, "KF114": 1.3, "KF158": 1.5,
               "KA78": 1.1, "KA158": 1.6, "KA300": 2.4, "KE17": 2.0, "KE59": 1.4, "KE64": 1.3,
               "KE107": 1.2}

METRIC = []          # (imperial, metric)
OBSOLETE = []        # (old, new, file where it is offered)
HANGER_SPACING = {
    # family -> spacing in feet, per cable key
    "KF14": {1: "3", 2: "3", 3: "3.5", 4: "4", 5: "3"},
    "KF38": {1: "3", 2: "3", 3: "3.5", 4: "4", 5: "3"},
    "KF12": {1: "3", 2: "3", 3: "3.5", 4: "4", 5: "3"},
    "KF78": {1: "3", 2: "3", 3: "4", 4: "4", 5: "3.5"},
    "KF114": {1: "4", 2: "4", 3: "4", 4: "4.5", 5: "4"},
    "KF158": {1: "4", 2: "4", 3: "4", 4: "4.5", 5: "4"},
    "KA78": {1: "3", 2: "3", 3: "4", 4: "4", 5: "3.5"},
    "KA158": {1: "4", 2: "4", 3: "4.5", 4: "5", 5: "4"},
    "KA300": {1: "5", 2: "5", 3: "5", 4: "6", 5: "5"},
    "KE17": {1: "3", 2: "3", 3: "3", 4: "3.5", 5: "3"},
    "KE59": {1: "3", 2: "3", 3: "3", 4: "3.5", 5: "3"},
    "KE64": {1: "3", 2: "3", 3: "3", 4: "3.5", 5: "3"},
}
KOVA_KEYS = ("KF12", "KF78", "KF114", "KF158")
GALV_KEYS = ("KF12", "KF78")          # still list the old galvanized hanger
OLD_RMA_KEYS = ("KF12", "KF78", "KF114", "KA158")
METRIC_HANGER_KEYS = ("KF12", "KF78")
METRIC_GROUND_KEYS = ("KF12", "KF78", "KF114")


def f(c):
    return SIZE_FACTOR[c.key]


def hanger_parts(c):
    """Part numbers of the five hanger families and their hardware, by column."""
    s = c.code
    w = c.words
    sf = f(c)
    cols = {}
    cols[1] = price("PHK-%s" % s, "HNG", "PK", "Plainhold Hanger Kit, %s cable, pack of 10" % w, 38 * sf + 6)
    cols[2] = price("LSH-%s" % s, "HNG", "PK", "Latchor Snap-In Hanger, %s cable, pack of 10" % w, 31 * sf + 5)
    pack = "5" if c.key in ("KF114", "KF158", "KA158", "KA300") else "10"
    cols[3] = price("KCC-%s" % s, "HNG", "PK", "Klemmit Cushion Clamp, %s cable, pack of %s" % (w, pack), 44 * sf + 3)
    v = [price("VBC-%s-%d" % (s, n), "HNG", "PK",
               "Vornclamp Block Clamp, %d run%s, %s cable, pack of 10" % (n, "s" if n > 1 else "", w),
               (26 + 14 * n) * sf) for n in (1, 2, 3)]
    cols[4] = ",".join(v) + ","
    if c.key in KOVA_KEYS:
        cols[5] = price("KOVA", "HDW", "PK", "Stacking Angle Adapter for Latchor hangers, pack of 10", 64.50)
    else:
        cols[5] = price("AAD-3", "HDW", "PK", "Angle Adapter, 3/4 to 3 in. angle members, pack of 10", 47.25)
    cols[6] = price("RMA-40", "HDW", "PK", "Round Member Adapter, 1-1/2 to 4 in. members, pack of 10", 58.90)
    if c.kind != "EW":
        if c.small:
            cols[7] = price("HCS-6", "HDW", "PK", "Hose Clamp Strap Kit, members up to 6 in., pack of 10", 22.40)
        else:
            cols[7] = price("HCS-10", "HDW", "PK", "Hose Clamp Strap Kit, members up to 10 in., pack of 10", 29.80)
    cols[8] = price("TRK-38", "HDW", "EA", "Threaded Rod Kit, 3/8 in. x 12 in., with nuts and washers", 6.15)
    cols[9] = price("WSB-6", "HDW", "PR", "Wall Standoff Bracket, 6 in. standoff, pair", 18.70)
    if c.key != "KF14":
        cols[10] = price("SBS-24", "HDW", "EA", "Sleeper Block Support, 24 in., recycled rubber", 27.35)
    k = [price("SSK-%s-%d" % (s, n), "HNG", "EA", "Stackor Stacking Kit, %d runs, %s cable" % (n, w),
               (9 + 4.2 * n) * sf) for n in (2, 4, 6)]
    cols[11] = ",".join(k) + ","
    if c.key == "KA300":
        cols[12] = price("SLB-8", "HDW", "EA", "Stackor Ladder Bracket, 8 in. rung spacing", 21.60)
    else:
        cols[12] = price("SLB-6", "HDW", "EA", "Stackor Ladder Bracket, 6 in. rung spacing", 17.90)
    if c.key in OLD_RMA_KEYS:
        cols[13] = price("RMA-30", "HDW", "PK", "Round Member Adapter, 1-1/2 to 3 in. members, pack of 10", 51.20)
    if c.key in GALV_KEYS:
        cols[14] = price("PHG-%s" % s, "HNG", "PK", "Plainhold Hanger Kit, galvanized, %s cable, pack of 10" % w,
                         36 * sf + 6)
        # The galvanized hanger's own hose clamps. KF12's kit is superseded by the wider
        # one, which KF12's row does not list.
        cols[19] = {"KF12": price("HCG-6", "HDW", "PK", "Hose Clamp Strap Kit, galvanized, members up to 6 in., "
                                  "pack of 10", 24.90),
                    "KF78": HCG_WIDE}[c.key]
    if c.small:
        cols[15] = price("IBK-S", "HDW", "EA", "Ice Bridge Clamp Kit, cables up to 7/8 in.", 14.80)
        cols[16] = price("SCK-S", "HDW", "EA", "Strut Channel Clamp Kit, cables up to 7/8 in.", 9.95)
    else:
        cols[15] = price("IBK-L", "HDW", "EA", "Ice Bridge Clamp Kit, cables 1-1/4 in. and up", 19.40)
        cols[16] = price("SCK-L", "HDW", "EA", "Strut Channel Clamp Kit, cables 1-1/4 in. and up", 13.25)
    if c.key != "KF14":
        cols[17] = price("ACK-1", "HDW", "PK", "Angle Clip Kit, 1/4 to 1/2 in. flanges, pack of 10", 33.10)
    if c.key != "KA300":
        cols[18] = price("SAB-2", "HDW", "EA", "Stackor Angle Bracket, 2 to 4 in. angle members", 16.45)
    return cols


HCG_WIDE = "HCG-8"


def register_metric_and_obsolete():
    price(HCG_WIDE, "HDW", "PK", "Hose Clamp Strap Kit, galvanized, members up to 8 in., pack of 10", 27.60)
    price("RMA-40M", "HDW", "PK", "Round Member Adapter, 40 to 100 mm members, metric hardware, pack of 10", 61.40)
    price("TRK-M10", "HDW", "EA", "Threaded Rod Kit, M10 x 300 mm, with nuts and washers", 6.60)
    price("WSB-6M", "HDW", "PR", "Wall Standoff Bracket, 150 mm standoff, metric hardware, pair", 19.30)
    METRIC.extend([("RMA-40", "RMA-40M"), ("TRK-38", "TRK-M10"), ("WSB-6", "WSB-6M")])
    for key in METRIC_HANGER_KEYS:
        c = BY_KEY[key]
        m = price("PHK-%sM" % c.code, "HNG", "PK",
                  "Plainhold Hanger Kit, %s cable, metric hardware, pack of 10" % c.words, 38 * f(c) + 7)
        METRIC.append(("PHK-%s" % c.code, m))
        OBSOLETE.append(("PHG-%s" % c.code, "PHK-%s" % c.code, "mount.dat"))
    OBSOLETE.append(("RMA-30", "RMA-40", "mount.dat"))
    OBSOLETE.append(("HCG-6", HCG_WIDE, "mount.dat"))


# ---------------------------------------------------------------------------
# mount.dat
# ---------------------------------------------------------------------------

MOUNT_TYPES = [
    # key, caption, attachment keys it carries
    ("Angle", "Angle Member", ["Plainhold", "Latchor", "Stackor", "PlainholdGalv"]),
    ("Round", "Round Member", ["Plainhold", "Latchor", "Klemmit", "PlainholdGalv"]),
    ("Ladder", "Cable Ladder", ["Klemmit", "Vornclamp", "Stackor"]),
    ("Wall", "Wall", ["Plainhold", "Klemmit"]),
    ("Sleeper", "Roof Sleeper", ["Klemmit", "Vornclamp"]),
    ("IceBridge", "Ice Bridge", ["Klemmit", "Vornclamp"]),
    ("Strut", "Strut Channel", ["Plainhold", "Klemmit", "Vornclamp"]),
]
ATTACHMENTS = [
    ("Plainhold", "Plainhold Hanger", 1),
    ("Latchor", "Latchor Snap-In Hanger", 2),
    ("Klemmit", "Klemmit Cushion Clamp", 3),
    ("Vornclamp", "Vornclamp Block Clamp Set", 4),
    ("Stackor", "Stackor Stacking Kit", 11),
    ("PlainholdGalv", "Plainhold Hanger, Galvanized", 14),
]
HARDWARE = [
    # caption, mount key, attachment key, column
    ("Angle Adapter", "Angle", "Latchor", 5),
    ("Angle Clip Kit", "Angle", "Plainhold", 17),
    ("Angle Clip Kit", "Angle", "PlainholdGalv", 17),
    ("Stackor Angle Bracket", "Angle", "Stackor", 18),
    ("Round Member Adapter", "Round", "Latchor", 6),
    ("Round Member Adapter, Old Style", "Round", "Latchor", 13),
    ("Hose Clamp Strap Kit", "Round", "Plainhold", 7),
    # the same caption in another column: the galvanized hanger takes galvanized clamps
    ("Hose Clamp Strap Kit", "Round", "PlainholdGalv", 19),
    ("Hose Clamp Strap Kit", "Round", "Klemmit", 7),
    ("Threaded Rod Kit", "Ladder", "Klemmit", 8),
    ("Threaded Rod Kit", "Ladder", "Vornclamp", 8),
    ("Stackor Ladder Bracket", "Ladder", "Stackor", 12),
    ("Wall Standoff Bracket", "Wall", "Plainhold", 9),
    ("Wall Standoff Bracket", "Wall", "Klemmit", 9),
    ("Sleeper Block Support", "Sleeper", "Klemmit", 10),
    ("Sleeper Block Support", "Sleeper", "Vornclamp", 10),
    ("Ice Bridge Clamp Kit", "IceBridge", "Klemmit", 15),
    ("Ice Bridge Clamp Kit", "IceBridge", "Vornclamp", 15),
    ("Strut Channel Clamp Kit", "Strut", "Plainhold", 16),
    ("Strut Channel Clamp Kit", "Strut", "Klemmit", 16),
    ("Strut Channel Clamp Kit", "Strut", "Vornclamp", 16),
]
V_STRUCTURES = [
    ("Tower", ["Angle", "Round", "Ladder"]),
    ("RoofTop", ["Wall", "Strut"]),
    ("Parapet", ["Wall", "Strut"]),
    ("Custom", ["Round", "Wall", "Strut"]),
    # no Monopole line: the feeders run inside the pole
]
H_STRUCTURES = [
    ("Tower", ["IceBridge", "Ladder"]),
    ("Monopole", ["IceBridge", "Ladder"]),
    ("RoofTop", ["Sleeper", "Strut", "Ladder"]),
    ("Custom", ["IceBridge", "Round", "Strut"]),
    # no Parapet line: a parapet run has no horizontal part
]
MOUNT_COLUMNS = 20
# KA300's row stops after column 17: the columns past its end read as empty.
ROW_COLUMNS = {"KA300": 17}


def marks(chosen, universe):
    return "".join(("x|" if u in chosen else "|") for u in universe)


def mount_dat():
    mkeys = [m[0] for m in MOUNT_TYPES]
    akeys = [a[0] for a in ATTACHMENTS]
    out = ["; Mounting catalogue: which mounts each site offers, which attachments each",
           "; mount carries, which hardware fits both, and one row of part numbers per",
           "; transmission line (key X, by column).", ""]
    out.append("[VStructures]")
    for word, ms in V_STRUCTURES:
        out.append("%s=%s|%s" % (word, word, marks(ms, mkeys)))
    out.append("")
    out.append("[HStructures]")
    for word, ms in H_STRUCTURES:
        out.append("%s=%s|%s" % (word, word, marks(ms, mkeys)))
    out.append("")
    out.append("[MountTypes]")
    for key, cap, atts in MOUNT_TYPES:
        out.append("%s=%s|%s" % (key, cap, marks(atts, akeys)))
    out.append("")
    out.append("[CableAttachmentTypes]")
    for key, cap, col in ATTACHMENTS:
        out.append("%s=%s|%d|" % (key, cap, col))
    out.append("")
    out.append("[MountingHardwareTypes]")
    for i, (cap, m, a, col) in enumerate(HARDWARE, 1):
        out.append("HW%02d=%s|%s|%s|%d|" % (i, cap, m, a, col))
    out.append("")
    for c in KEYED:
        cols = hanger_parts(c)
        last = ROW_COLUMNS.get(c.key, MOUNT_COLUMNS)
        assert all(i <= last for i in cols), c.key
        row = "".join("%s|" % cols.get(i, "") for i in range(1, last + 1))
        out.append("[%s]" % c.key)
        out.append("X=%s" % row)
        out.append("")
    # A row for KE107 under a section spelled in another letter case. The row is looked up
    # by the section's exact name, so KE107 still gets no mounting parts.
    out.append("[ke107]")
    out.append("X=PHK-E107|LSH-E107|KCC-E107|")
    out.append("")
    return out


# ---------------------------------------------------------------------------
# hoist.dat
# ---------------------------------------------------------------------------

HOIST_OLD_KEYS = ("KF12", "KF78", "KA158")
# KF12 lists its pre-laced grip category again with the current standard grip behind the
# obsolete one: with obsolete parts hidden the category is still offered, for that record.
HOIST_RELISTED_KEYS = ("KF12",)


def hoist_dat():
    out = ["[Categories]", "1=Standard Hoisting Grip", "2=Lace-Up Hoisting Grip", "3=Pre-Laced Hoisting Grip", ""]
    for c in KEYED:
        s, w = c.code, c.words
        out.append("[%s]" % c.key)
        out.append("1=1|%s|" % price("HGS-%s" % s, "HST", "EA", "Hoisting Grip, standard, %s cable" % w, 24 * f(c) + 9))
        out.append("2=2|%s|" % price("HGL-%s" % s, "HST", "EA", "Hoisting Grip, lace-up, %s cable" % w, 29 * f(c) + 11))
        if c.key in HOIST_OLD_KEYS:
            old = price("HGP-%s" % s, "HST", "EA", "Hoisting Grip, pre-laced, %s cable" % w, 27 * f(c) + 10)
            out.append("3=3|%s|" % old)
            OBSOLETE.append((old, "HGS-%s" % s, "hoist.dat"))
        if c.key in HOIST_RELISTED_KEYS:
            out.append("4=3|HGS-%s|" % s)
        out.append("")
    return out


# ---------------------------------------------------------------------------
# cblEntry.dat
# ---------------------------------------------------------------------------

ENTRY_TYPES = [
    (1, "Entry Plate, 4 Ports"),
    (2, "Entry Plate, 9 Ports"),
    (3, "Entry Plate, 12 Ports"),
    (4, "Wall Sleeve Kit"),
    (5, "Weather Hood"),
    (6, "Entry Plate, 4 Ports, Aluminum"),
    (10, "Cable Entry Boot, 1 Hole"),
    (11, "Cable Entry Boot, 2 Holes"),
    (12, "Cable Entry Boot, 3 Holes"),
    (13, "Cable Entry Boot, 1 Hole, Neoprene"),
    (14, "Cable Entry Boot, 3 Holes, Neoprene"),
]
ENTRY_FIELDS = 20            # category + 9 plate types + 10 boot types
BOOT_OLD_KEYS = ("KF12", "KF78")
# KF38's neoprene boot for 4 in. ports is replaced by the boot for 5 in. ports: the
# replacement stands under the other entry type.
BOOT_CROSS_KEYS = ("KF38",)
# KF12's three-hole neoprene boot is replaced by the three-hole boot, type 12: a type
# above the number of [Types] lines.
BOOT_THREE_HOLE_OLD_KEYS = ("KF12",)


def entry_plates(port):
    p = {}
    base = 1.0 if port == 4 else 1.25
    p[1] = price("EP%d-4" % port, "ENT", "EA", "Entry Plate, 4 ports of %d in., stainless steel" % port, 188 * base)
    p[2] = price("EP%d-9" % port, "ENT", "EA", "Entry Plate, 9 ports of %d in., stainless steel" % port, 342 * base)
    p[3] = price("EP%d-12" % port, "ENT", "EA", "Entry Plate, 12 ports of %d in., stainless steel" % port, 455 * base)
    p[4] = price("WSK-%d" % port, "ENT", "EA", "Wall Sleeve Kit, %d in. port, 12 in. wall" % port, 74 * base)
    p[5] = price("WHD-%d" % port, "ENT", "EA", "Weather Hood for %d in. port entry plates" % port, 96 * base)
    if port == 4:
        p[6] = price("EP4-4A", "ENT", "EA", "Entry Plate, 4 ports of 4 in., aluminum", 161.00)
    return p


def cblentry_dat():
    out = ["[Categories]", "1=4 in. Round Entry Ports", "2=5 in. Round Entry Ports", "", "[Types]"]
    out += ["%d=%s" % t for t in ENTRY_TYPES]
    out.append("")
    OBSOLETE.append(("EP4-4A", "EP4-4", "cblEntry.dat"))
    for c in KEYED:
        out.append("[%s]" % c.key)
        n = 0
        for cat, port in ((1, 4), (2, 5)):
            if port == 4 and not c.small:
                continue
            fields = [""] * (ENTRY_FIELDS + 1)
            fields[1] = str(cat)
            for t, pn in entry_plates(port).items():
                fields[t + 1] = pn
            for t, holes in ((10, 1), (11, 2), (12, 3)):
                fields[t + 1] = price("EB%d-%s-%d" % (port, c.code, holes), "ENT", "EA",
                                      "Cable Entry Boot, %d in. port, %d hole%s for %s cable" %
                                      (port, holes, "s" if holes > 1 else "", c.words), (7 + 3 * holes) * f(c))
            if port == 4 and (c.key in BOOT_OLD_KEYS or c.key in BOOT_CROSS_KEYS):
                old = price("EB4-%s-1N" % c.code, "ENT", "EA",
                            "Cable Entry Boot, 4 in. port, 1 hole, neoprene, %s cable" % c.words, 8.5 * f(c))
                fields[14] = old
                new_port = 5 if c.key in BOOT_CROSS_KEYS else 4
                OBSOLETE.append((old, "EB%d-%s-1" % (new_port, c.code), "cblEntry.dat"))
            if port == 4 and c.key in BOOT_THREE_HOLE_OLD_KEYS:
                old = price("EB4-%s-3N" % c.code, "ENT", "EA",
                            "Cable Entry Boot, 4 in. port, 3 holes, neoprene, %s cable" % c.words, 14.5 * f(c))
                fields[15] = old
                OBSOLETE.append((old, "EB4-%s-3" % c.code, "cblEntry.dat"))
            n += 1
            out.append("%d=%s" % (n, "".join(x + "|" for x in fields[1:])))
        out.append("")
    out.append("[Arrestor]")
    out.append("PN=%s" % price("IEG-200", "ENT", "EA",
                                "Integrated Entry and Ground Arrestor Panel, 12 ports, with ground bar", 1485.00))
    out.append("")
    return out


# ---------------------------------------------------------------------------
# ground.dat
# ---------------------------------------------------------------------------

ONE_HOLE_OLD_KEYS = ("KF14", "KF12", "KF78")   # one-hole lug kits discontinued for these


def ground_dat():
    out = ["[Categories]", "1=Standard Grounding Kit", "2=Compression Grounding Kit", "3=Universal Grounding Kit", "",
           "[Types]", "1=Two-Hole Lug", "2=One-Hole Lug", "3=Angle Adapter Clamp", ""]
    for c in KEYED:
        s, w = c.code, c.words
        out.append("[%s]" % c.key)
        recs = []
        for inch, mm in ((24, 600), (36, 900)):
            # KF14 keeps only the discontinued one-hole kit at 36 in.
            only_old = c.key == "KF14" and inch == 36
            two = "GK-%s-24" % s if only_old else price(
                "GK-%s-%d" % (s, inch), "GRD", "EA",
                "Grounding Kit, %s cable, %d in. wire, two-hole lug" % (w, inch), 41 * f(c) + inch * 0.35)
            one = price("GK-%s-%d-1" % (s, inch), "GRD", "EA",
                        "Grounding Kit, %s cable, %d in. wire, one-hole lug" % (w, inch), 39 * f(c) + inch * 0.35)
            if c.key in ONE_HOLE_OLD_KEYS:
                OBSOLETE.append((one, two, "ground.dat"))
            clamp = ""
            if inch == 36 and c.kind != "EW":
                clamp = price("GK-%s-36-A" % s, "GRD", "EA",
                              "Grounding Kit, %s cable, 36 in. wire, angle adapter clamp" % w, 52 * f(c) + 12)
            if only_old:
                recs.append("1|%d|%d||%s||" % (inch, mm, one))
            else:
                recs.append("1|%d|%d|%s|%s|%s|" % (inch, mm, two, one, clamp))
            if c.key in METRIC_GROUND_KEYS:
                m = price("GK-%s-%d" % (s, mm), "GRD", "EA",
                          "Grounding Kit, %s cable, %d mm wire, two-hole lug, metric hardware" % (w, mm),
                          42 * f(c) + inch * 0.35)
                METRIC.append((two, m))
        if c.kind != "EW":
            for inch, mm in ((24, 600), (48, 1200)):
                gc = price("GC-%s-%d" % (s, inch), "GRD", "EA",
                           "Compression Grounding Kit, %s cable, %d in. wire" % (w, inch), 57 * f(c) + inch * 0.4)
                recs.append("2|%d|%d|%s|||" % (inch, mm, gc))
        if c.kind == "FOAM" and c.key not in ("KF114", "KF158"):
            for inch, mm in ((24, 600), (36, 900)):
                gu = price("GU-%d" % inch, "GRD", "EA",
                           "Universal Grounding Kit, 1/4 to 7/8 in. cable, %d in. wire" % inch, 36.50 + inch * 0.3)
                recs.append("3|%d|%d|%s|%s||" % (inch, mm, gu, ""))
        for i, r in enumerate(recs, 1):
            out.append("%d=%s" % (i, r))
        out.append("")
    return out


# ---------------------------------------------------------------------------
# weather.dat
# ---------------------------------------------------------------------------

IFACES = [("7-16 DIN", "D"), ("N Type", "N"), ("4.3-10", "T")]
WEATHER_OLD_KEYS = ("KF12", "KF78")


def weather_dat():
    out = ["[Categories]", "1=Tape and Mastic Kit", "2=Cold Shrink Kit", "3=Connector Boot Kit", "",
           "[Types]", "1=Jumper Cable", "2=Antenna Port", "3=Surge Protector", ""]
    for c in KEYED:
        s, w = c.code, c.words
        out.append("[%s]" % c.key)
        recs = []
        if c.kind == "EW":
            ifs = [("Pressure Flange", "F")]
        elif c.key in ("KA300", "KF158", "KA158"):
            ifs = IFACES[:2]
        else:
            ifs = IFACES
        for iface, ic in ifs:
            parts = []
            for tname, tc in (("jumper cable", "J"), ("antenna port", "A"), ("surge protector", "S")):
                if c.kind == "EW" and tc == "S":
                    parts.append("")
                    continue
                parts.append(price("WTM-%s-%s%s" % (s, ic, tc), "WPF", "EA",
                                   "Weatherproofing Kit, tape and mastic, %s cable, %s to %s" % (w, iface, tname),
                                   14 * f(c) + 4))
            recs.append("1|%s|%s" % (iface, "".join(p + "|" for p in parts)))
        if c.kind != "EW":
            for iface, ic in ifs[:2]:
                parts = [price("WCS-%s-%s%s" % (s, ic, tc), "WPF", "EA",
                               "Weatherproofing Kit, cold shrink, %s cable, %s to %s" % (w, iface, tname),
                               21 * f(c) + 6)
                         for tname, tc in (("jumper cable", "J"), ("antenna port", "A"))]
                recs.append("2|%s|%s|%s||" % (iface, parts[0], parts[1]))
        if c.key in WEATHER_OLD_KEYS:
            old = price("WCB-%s-D" % s, "WPF", "EA", "Connector Boot Kit, %s cable, 7-16 DIN" % w, 17 * f(c) + 5)
            recs.append("3|7-16 DIN|%s|%s||" % (old, old))
            OBSOLETE.append((old, "WCS-%s-DJ" % s, "weather.dat"))
        for i, r in enumerate(recs, 1):
            out.append("%d=%s" % (i, r))
        out.append("")
    return out


# ---------------------------------------------------------------------------
# gps.dat
# ---------------------------------------------------------------------------

def gps_dat():
    out = ["[Categories]",
           "1=1/4 in. Foam GPS Feeder Kit",
           "2=1/2 in. Foam GPS Feeder Kit",
           "3=Plenum GPS Feeder Kit",
           "4=1/4 in. GPS Feeder Kit, Standard Jacket",
           ""]
    g1 = price("GPK-14", "GPS", "EA", "GPS Feeder Kit, 1/4 in. foam cable, antenna, mount and surge protector", 389.00)
    g2 = price("GPK-12", "GPS", "EA", "GPS Feeder Kit, 1/2 in. foam cable, antenna, mount and surge protector", 465.00)
    g3 = price("GPK-PL", "GPS", "EA", "GPS Feeder Kit, plenum-rated cable, antenna and mount", 0)
    g4 = price("GPK-14S", "GPS", "EA", "GPS Feeder Kit, 1/4 in. cable, standard jacket, antenna and mount", 352.00)
    OBSOLETE.append((g4, g1, "gps.dat"))
    out += ["[tline]", "1=1|%s|" % g1, "2=2|%s|" % g2, "3=3|%s|" % g3, "4=4|%s|" % g4, ""]
    return out


# ---------------------------------------------------------------------------
# Surge.dat
# ---------------------------------------------------------------------------

SURGE = [
    # low, high, pn, picture, description, first mates to, second mates to, price
    ("0", "3000", "SGN-300", "srg_gas_n.gif", "Gas Tube Protector, N Female/N Female, DC-3000 MHz",
     "N Male", "N Male", 118.00),
    ("0", "1000", "SGN-100", "srg_gas_n.gif", "Gas Tube Protector, N Female/N Female, DC-1000 MHz",
     "N Male", "N Male", 96.00),
    ("0", "3000", "SGNM-300", "srg_gas_n.gif", "Gas Tube Protector, N Female/N Male, DC-3000 MHz",
     "N Male", "N Female", 121.50),
    ("0", "3000", "SGD-300", "srg_gas_din.gif", "Gas Tube Protector, 7-16 DIN Female/Female, DC-3000 MHz",
     "7-16 DIN Male", "7-16 DIN Male", 139.00),
    ("0", "3000", "SGDM-300", "srg_gas_din.gif", "Gas Tube Protector, 7-16 DIN Female/Male, DC-3000 MHz",
     "7-16 DIN Male", "7-16 DIN Female", 142.75),
    ("0", "3000", "SGT-300", "srg_gas_4310.gif", "Gas Tube Protector, 4.3-10 Female/Male, DC-3000 MHz",
     "4.3-10 Male", "4.3-10 Female", 149.90),
    ("800", "2500", "SQD-825", "srg_qw_din.gif", "Quarter-Wave Protector, 7-16 DIN Female/Female, 800-2500 MHz",
     "7-16 DIN Male", "7-16 DIN Male", 164.00),
    ("1700", "2500", "SQD-1725", "srg_qw_din.gif", "Quarter-Wave Protector, 7-16 DIN Female/Female, 1700-2500 MHz",
     "7-16 DIN Male", "7-16 DIN Male", 158.00),
    ("698", "2700", "SQT-727", "srg_qw_4310.gif", "Quarter-Wave Protector, 4.3-10 Female/Female, 698-2700 MHz",
     "4.3-10 Male", "4.3-10 Male", 171.25),
    ("2300", "2700", "SQN-2327", "srg_qw_n.gif", "Quarter-Wave Protector, N Female/Female, 2300-2700 MHz",
     "N Male", "N Male", 133.00),
    ("125", "200", "SQN-150", "srg_qw_n.gif", "Quarter-Wave Protector, N Female/Female, 125-200 MHz",
     "N Male", "N Male", 127.00),
    ("380", "520", "SQN-450", "srg_qw_n.gif", "Quarter-Wave Protector, N Female/Female, 380-520 MHz",
     "N Male", "N Male", 127.00),
    ("25", "512", "SBN-05", "srg_bulkhead.gif", "Bulkhead Gas Tube Protector, N Female, 25-512 MHz",
     "N Male", "", 88.50),
    ("100", "1000", "SBD-10", "srg_bulkhead.gif", "Bulkhead Quarter-Wave Protector, 7-16 DIN Female, 100-1000 MHz",
     "7-16 DIN Male", "", 112.00),
    ("0", "2700", "SDC-N", "srg_dcpass.gif", "DC Pass Protector for tower-top power, N Female/N Male, DC-2700 MHz",
     "N Male", "N Female", 186.00),
    # No picture of its own yet: the page shows the placeholder.
    ("0", "2700", "SGT-270", "", "Gas Tube Protector, 4.3-10 Female/Female, DC-2700 MHz",
     "4.3-10 Male", "4.3-10 Male", 144.50),
]


def surge_dat():
    out = ["Low MHz|High MHz|Part Number|Picture|Description|First Connector Mates To|Second Connector Mates To|"]
    for lo, hi, pn, pic, desc, c1, c2, pr in SURGE:
        price(pn, "SRG", "EA", desc, pr)
        out.append("%s|%s|%s|%s|%s|%s|%s|" % (lo, hi, pn, pic, desc, c1, c2))
    OBSOLETE.append(("SGN-100", "SGN-300", "Surge.dat"))
    return out


# ---------------------------------------------------------------------------
# accessorylist.dat
# ---------------------------------------------------------------------------

SECTIONS = [
    (1, "Hangers and Mounting Hardware"),
    (2, "Hoisting Grips"),
    (3, "Grounding Kits"),
    (4, "Weatherproofing"),
    (5, "Cable Entry"),
    (6, "Connectors and Flanges"),
    (7, "GPS"),
    (8, "Surge Protection"),
    (9, "Tools and Pressurization"),
]
CONNECTOR_OLD_KEYS = ("KF12", "KF78")


def desc_of(pn):
    return PRICES[pn][2]


def accessorylist_dat():
    out = ["[Sections]"] + ["%d=%s" % s for s in SECTIONS] + [""]
    for c in KEYED:
        s, w = c.code, c.words
        items = []

        def add(pn, sec):
            items.append((pn, desc_of(pn), sec))

        cols = hanger_parts(c)
        for col in (1, 2, 3):
            add(cols[col], 1)
        for col in (4, 11):
            for pn in cols[col].split(",")[:3]:
                add(pn, 1)
        for col in (5, 6, 7, 8, 9, 10, 12, 15, 16, 17, 18):
            if col in cols and cols[col] not in [i[0] for i in items]:
                add(cols[col], 1)
        if c.key in GALV_KEYS:
            add(cols[14], 1)
        add("HGS-%s" % s, 2)
        add("HGL-%s" % s, 2)
        add("GK-%s-24" % s, 3)
        if "GK-%s-36" % s in PRICES:
            add("GK-%s-36" % s, 3)
        if c.kind != "EW":
            add("GC-%s-24" % s, 3)
            add("WTM-%s-DJ" % s, 4)
            add("WTM-%s-DA" % s, 4)
            add("WCS-%s-DJ" % s, 4)
        else:
            add("WTM-%s-FA" % s, 4)
        for port in (4, 5):
            if port == 4 and not c.small:
                continue
            for holes in (1, 2, 3):
                add("EB%d-%s-%d" % (port, s, holes), 5)
        if c.kind == "EW":
            add(price("FLG-%s-P" % s, "CON", "EA", "Flange, pressurizable, %s waveguide" % w, 145 * f(c)), 6)
            add(price("FLG-%s-U" % s, "CON", "EA", "Flange, unpressurized, %s waveguide" % w, 118 * f(c)), 6)
            add(price("PTK-%s" % s, "TLS", "EA", "Preparation Tool Kit, %s waveguide" % w, 212.00), 9)
            add(price("DHY-1", "TLS", "EA", "Dehydrator, 1 SCFM, automatic, for waveguide runs", 1895.00), 9)
        else:
            names = [("DM", "7-16 DIN Male"), ("DF", "7-16 DIN Female"), ("NM", "N Male"), ("NF", "N Female")]
            if c.key not in ("KA300",):
                names.append(("TM", "4.3-10 Male"))
            for cc, cname in names:
                add(price("C%s-%s" % (s, cc), "CON", "EA", "Connector, %s, for %s %s" % (cname, w, c.kind_words()),
                          (16 + 11 * f(c)) * (1.2 if cc.startswith("D") else 1.0)), 6)
            if c.key in CONNECTOR_OLD_KEYS:
                old = price("C%s-DMX" % s, "CON", "EA",
                            "Connector, 7-16 DIN Male, for %s foam coax, standard body" % w, 26 * f(c))
                add(old, 6)
                OBSOLETE.append((old, "C%s-DM" % s, "accessorylist.dat"))
            add(price("PTK-%s" % s, "TLS", "EA", "Preparation Tool Kit, %s %s" % (w, c.kind_words()),
                      38 + 20 * f(c)), 9)
        add("GPK-14", 7)
        add("GPK-12", 7)
        out.append("[%s]" % c.key)
        for i, (pn, d, sec) in enumerate(items, 1):
            out.append("%d=%s|%s|%d|" % (i, pn, d, sec))
        out.append("")
    foam = [price("CUT-158", "TLS", "EA", "Cable Cutter, foam coax up to 1-5/8 in.", 64.00),
            price("CTB-100", "HDW", "PK", "Cable Ties, UV-resistant black, 14 in., pack of 100", 17.50),
            price("VTP-34", "WPF", "EA", "Vinyl Tape, 3/4 in. x 66 ft, UV-resistant", 4.75)]
    out.append("[Foam]")
    out.append("1=%s|%s|9|" % (foam[0], desc_of(foam[0])))
    out.append("2=%s|%s|1|" % (foam[1], desc_of(foam[1])))
    out.append("3=%s|%s|4|" % (foam[2], desc_of(foam[2])))
    out.append("")
    air = [price("DHY-2", "TLS", "EA", "Dehydrator, 2 SCFM, automatic, for air coax runs", 0),
           price("GPF-1", "TLS", "EA", "Gas Pass Fitting, air coax, with purge valve", 58.00),
           price("PGA-1", "TLS", "EA", "Pressure Gauge Adapter, 0 to 15 psi", 44.25)]
    out.append("[Air]")
    for i, pn in enumerate(air, 1):
        out.append("%d=%s|%s|9|" % (i, pn, desc_of(pn)))
    out.append("")
    OBSOLETE.append(("PTK-12X", "PTK-12", "accessorylist.dat"))
    return out


def add_old_tool(lines):
    # An old tool kit in the 1/2 in. section, after its replacement.
    price("PTK-12X", "TLS", "EA", "Preparation Tool Kit, 1/2 in. foam coax, first edition", 49.00)
    i = lines.index("[KF12]")
    j = i + 1
    while lines[j]:
        j += 1
    n = j - i - 1
    lines.insert(j, "%d=PTK-12X|%s|9|" % (n + 1, desc_of("PTK-12X")))
    return lines


# ---------------------------------------------------------------------------
# settings.dat
# ---------------------------------------------------------------------------

def settings_dat():
    # The line itself goes on the list with 10 % for waste, and the cable page shows its cost.
    out = ["[General]", "SelectCable=0", "SelectCableType=1", "SelectCableName=KF12-50-C9",
           "LineOnList=1", "LineWaste=10", "LineCost=1", "",
           "[OldParts]", "ObsoleteWarning=1", "ObsoleteWizard=0", "ObsoleteList=0", "",
           "[Grounding]", "Spacing=200", "",
           "[Hoist]", "Spacing=150", "",
           "[UnitPack]", "All=10"]
    packs = [("TRK-38", 1), ("TRK-M10", 1), ("SBS-24", 1), ("IBK-S", 1), ("IBK-L", 1), ("SCK-S", 1),
             ("SCK-L", 1), ("SLB-6", 1), ("SLB-8", 1), ("SAB-2", 1), ("WSB-6", 2), ("WSB-6M", 2),
             ("KCC-114", 5), ("KCC-158", 5), ("KCC-A158", 5), ("KCC-A300", 5)]
    for c in KEYED:
        for n in (2, 4, 6):
            packs.append(("SSK-%s-%d" % (c.code, n), 1))
    for pn, n in packs:
        out.append("%s=%s|%d|" % (pn, pn, n))
    out.append("")
    for c in KEYED:
        cols = hanger_parts(c)
        sp = HANGER_SPACING[c.key]
        recs = []
        recs.append((cols[1], 1))
        if c.key in METRIC_HANGER_KEYS:
            recs.append(("PHK-%sM" % c.code, 1))
        if 14 in cols:
            recs.append((cols[14], 1))
        for col in (7, 9, 17, 19):
            if col in cols:
                recs.append((cols[col], 1))
        if cols.get(19) == "HCG-6":
            # its replacement is ordered at the same spacing
            recs.append((HCG_WIDE, 1))
        recs.append(("WSB-6M", 1))
        recs.append((cols[2], 2))
        recs.append((cols[5], 2))
        recs.append((cols[6], 2))
        recs.append(("RMA-40M", 2))
        if 13 in cols:
            recs.append((cols[13], 2))
        recs.append((cols[3], 3))
        for col in (8, 10, 15):
            if col in cols:
                recs.append((cols[col], 3))
        recs.append(("TRK-M10", 3))
        for pn in cols[4].split(",")[:3]:
            recs.append((pn, 4))
        recs.append((cols[16], 4))
        for pn in cols[11].split(",")[:3]:
            recs.append((pn, 5))
        for col in (12, 18):
            if col in cols:
                recs.append((cols[col], 5))
        out.append("[%s]" % c.key)
        seen = set()
        n = 0
        for pn, fam in recs:
            if pn in seen:
                continue
            seen.add(pn)
            n += 1
            out.append("Hanger%d=%s|%d|%s|" % (n, pn, fam, sp[fam]))
        out.append("")
    return out


# ---------------------------------------------------------------------------
# Images.dat
# ---------------------------------------------------------------------------

IMAGES = [
    ("Angle Member", "mt_angle.gif"),
    ("Round Member", "mt_round.gif"),
    ("Cable Ladder", "mt_ladder.gif"),
    ("Wall", "mt_wall.gif"),
    ("Roof Sleeper", "mt_sleeper.gif"),
    # written in lower case on purpose: captions are matched without regard to case
    ("ice bridge", "mt_icebridge.gif"),
    ("Strut Channel", "mt_strut.gif"),
    ("Plainhold Hanger", "plainhold1.gif"),
    ("Latchor Snap-In Hanger", "latchor1.gif"),
    ("Klemmit Cushion Clamp", "klemmit4.gif"),
    ("Vornclamp Block Clamp Set", "vornclamp.gif"),
    ("Stackor Stacking Kit", "stackor1.gif"),
    ("Plainhold Hanger, Galvanized", "plainhold2.gif"),
    ("Angle Adapter", "hw_angleadapter.gif"),
    ("Angle Clip Kit", "hw_angleclip.gif"),
    ("Stackor Angle Bracket", "hw_stackorangle.gif"),
    ("Round Member Adapter", "hw_roundadapter.gif"),
    ("Round Member Adapter, Old Style", "hw_roundadapter_old.gif"),
    ("Hose Clamp Strap Kit", "hw_hoseclamp.gif"),
    ("Threaded Rod Kit", "hw_threadedrod.gif"),
    ("Stackor Ladder Bracket", "hw_stackorladder.gif"),
    ("Wall Standoff Bracket", "hw_wallstandoff.gif"),
    ("Sleeper Block Support", "hw_sleeperblock.gif"),
    ("Ice Bridge Clamp Kit", "hw_iceclamp.gif"),
    ("Strut Channel Clamp Kit", "hw_strutclamp.gif"),
    ("Standard Hoisting Grip", "hg_standard.gif"),
    ("Lace-Up Hoisting Grip", "hg_laceup.gif"),
    ("Pre-Laced Hoisting Grip", "hg_prelaced.gif"),
    ("Entry Plate, 4 Ports", "ep_4port.gif"),
    ("Entry Plate, 9 Ports", "ep_9port.gif"),
    ("Entry Plate, 12 Ports", "ep_12port.gif"),
    ("Wall Sleeve Kit", "ep_sleeve.gif"),
    ("Weather Hood", "ep_hood.gif"),
    ("Entry Plate, 4 Ports, Aluminum", "ep_4port_alu.gif"),
    ("Standard Grounding Kit", "gk_standard.gif"),
    ("Compression Grounding Kit", "gk_compression.gif"),
    ("Universal Grounding Kit", "gk_universal.gif"),
    ("Tape and Mastic Kit", "wp_tape.gif"),
    ("Cold Shrink Kit", "wp_coldshrink.gif"),
    ("Connector Boot Kit", "wp_boot.gif"),
    ("N Male", "con_n_male.gif"),
    ("N Female", "con_n_female.gif"),
    ("7-16 DIN Male", "con_din_male.gif"),
    ("7-16 DIN Female", "con_din_female.gif"),
    ("4.3-10 Male", "con_4310_male.gif"),
    ("4.3-10 Female", "con_4310_female.gif"),
]


def images_dat():
    return ["%s=%s" % i for i in IMAGES]


# ---------------------------------------------------------------------------
# tlines.dat
# ---------------------------------------------------------------------------

def tlines_dat():
    out = ["Part Number|Cable Key|Low MHz|High MHz|Type|Diameter|k1 or fc|k2 or K|Power Constant|Peak kW|"
           "Impedance|Description|Picture|"]
    for c in CABLES:
        for i, band in enumerate(c.bands):
            lo, hi = BANDS[band]
            pn = tline_pn(c, band)
            if c.kind == "EW":
                d = "%s %s, pressurizable, swept %d-%d MHz" % (c.words, c.kind_words(), lo, hi)
            else:
                d = "%s %s, 50 ohm, swept %d-%d MHz" % (c.words, c.kind_words(), lo, hi)
            price(pn, "CBL", "FT", d[0].upper() + d[1:], c.price * (1 + 0.02 * i))
            out.append("|".join([pn, c.key, str(lo), str(hi), c.kind, c.dia, fmt_num(c.a), fmt_num(c.b),
                                 fmt_num(c.p), c.peak, "-" if c.kind == "EW" else "50", d, c.picture]) + "|")
    return out


# ---------------------------------------------------------------------------
# obsolete.dat, metric.dat
# ---------------------------------------------------------------------------

def obsolete_dat():
    seen = set()
    out = []
    for old, new, _ in OBSOLETE:
        if old in seen:
            continue
        seen.add(old)
        out.append("%s|%s|%s|" % (old, new, desc_of(new)))
    return out


def metric_dat():
    return ["%s|%s|" % m for m in METRIC]


# ---------------------------------------------------------------------------
# The maker's wider catalogue, for a price list of real size
# ---------------------------------------------------------------------------

def other_products(rng):
    rows = []

    def add(pn, group, unit, desc, value):
        if pn in PRICES:
            return
        rows.append(pn)
        price(pn, group, unit, desc, value)

    # jumper cables
    ends = [("NM", "N Male"), ("NF", "N Female"), ("DM", "7-16 DIN Male"), ("DF", "7-16 DIN Female"),
            ("TM", "4.3-10 Male"), ("TF", "4.3-10 Female"), ("DR", "7-16 DIN Male Right Angle"),
            ("NR", "N Male Right Angle")]
    jcables = [("S14", "1/4 in. superflexible", 1.0), ("S38", "3/8 in. superflexible", 1.3),
               ("S12", "1/2 in. superflexible", 1.7), ("P12", "1/2 in. plenum", 2.1)]
    lengths = [1, 2, 3, 4, 5, 6, 8, 10, 12, 15, 20, 25, 30, 35, 40, 50]
    for i, (a, an) in enumerate(ends):
        for b, bn in ends[i:]:
            for cc, cn, cf in jcables:
                for ft in lengths:
                    add("J%s-%s%s-%03d" % (cc, a, b, ft), "JMP", "EA",
                        "Jumper, %s cable, %s to %s, %d ft" % (cn, an, bn, ft),
                        (24 + 6 * ft) * cf + rng.uniform(0, 3))
    # sector and omni antennas
    abands = [("07", "698-806"), ("08", "806-960"), ("17", "1695-2180"), ("23", "2300-2690"),
              ("35", "3400-3800"), ("W1", "698-960/1695-2690")]
    for bc, bn in abands:
        for bw in (33, 45, 65, 90):
            for ln in (4, 6, 8):
                for tilt, tn in (("0", "0 deg fixed tilt"), ("2", "2 deg fixed tilt"), ("6", "6 deg fixed tilt"),
                                 ("R", "remote electrical tilt")):
                    for pol, pn_ in (("V", "vertical"), ("X", "cross-polarized")):
                        add("SXA-%s%02d%d%s%s" % (bc, bw, ln, tilt, pol), "ANT", "EA",
                            "Sector Antenna, %s MHz, %d deg beam, %d ft, %s, %s" % (bn, bw, ln, tn, pn_),
                            380 + ln * 95 + (260 if tilt == "R" else 0) + (120 if pol == "X" else 0)
                            + rng.uniform(0, 40))
        for gain in (3, 6, 9, 12):
            add("OMA-%s-%02d" % (bc, gain), "ANT", "EA", "Omni Antenna, %s MHz, %d dBd gain" % (bn, gain),
                210 + gain * 42 + rng.uniform(0, 25))
    # cable on reels
    reel_cables = [(tline_pn(c, c.bands[0]).split("-")[0], c.words, c.kind_words(), c.price) for c in CABLES]
    for base, w, kw, pf in reel_cables:
        for rl in (250, 500, 1000, 1500, 2000, 3000):
            add("%s-R%04d" % (base, rl), "CBL", "EA", "%s %s, on reel, %d ft" % (w, kw, rl), pf * rl * 0.94)
    # connectors for other cables
    others = [("L14", "1/4 in. low-loss"), ("L38", "3/8 in. low-loss"), ("L12", "1/2 in. low-loss"),
              ("SF14", "1/4 in. superflexible"), ("SF38", "3/8 in. superflexible"),
              ("SF12", "1/2 in. superflexible"), ("PL12", "1/2 in. plenum"), ("PL78", "7/8 in. plenum"),
              ("RG8", "RG-8 size braid"), ("RG58", "RG-58 size braid"), ("RG213", "RG-213 size braid"),
              ("RG316", "RG-316 size braid")]
    ifaces = [("NM", "N Male"), ("NF", "N Female"), ("NB", "N Female Bulkhead"), ("DM", "7-16 DIN Male"),
              ("DF", "7-16 DIN Female"), ("DB", "7-16 DIN Female Bulkhead"), ("TM", "4.3-10 Male"),
              ("TF", "4.3-10 Female"), ("QM", "QMA Male"), ("SM", "SMA Male"), ("SF", "SMA Female"),
              ("BM", "BNC Male"), ("CM", "TNC Male"), ("UM", "UHF Male")]
    for cc, cn in others:
        for ic, inn in ifaces:
            for style, sn, sf in (("S", "straight", 1.0), ("R", "right angle", 1.45)):
                add("X%s-%s%s" % (cc, ic, style), "CON", "EA", "Connector, %s, %s, for %s cable" % (inn, sn, cn),
                    (9 + rng.uniform(0, 22)) * sf)
    # adapters between interfaces
    for i, (a, an) in enumerate(ifaces):
        for b, bn in ifaces[i + 1:]:
            add("ADP-%s%s" % (a, b), "CON", "EA", "Adapter, %s to %s" % (an, bn), 14 + rng.uniform(0, 30))
    # grounding hardware
    for holes in (6, 9, 12, 18, 24, 36):
        for mat, mn in (("C", "copper"), ("T", "tinned copper")):
            for ln in (12, 20, 24, 36):
                add("GBR-%02d%s%d" % (holes, mat, ln), "GRD", "EA",
                    "Ground Bar, %s, %d in., %d holes" % (mn, ln, holes), 38 + holes * 2.1 + ln * 1.4)
    for awg in ("2", "4", "6", "2/0", "4/0"):
        for ln in (25, 50, 100, 250, 500):
            for ins in (("S", "solid bare"), ("G", "stranded green insulated")):
                add("GWR-%s%s-%d" % (awg.replace("/", ""), ins[0], ln), "GRD", "EA",
                    "Ground Wire, %s AWG, %s, %d ft" % (awg, ins[1], ln),
                    ln * (1.9 if awg in ("2/0", "4/0") else 0.8) + 6)
    for awg in ("2", "4", "6", "2/0"):
        for hole in ("1/4", "5/16", "3/8", "1/2"):
            for n in (1, 2):
                add("LUG-%s-%s-%d" % (awg.replace("/", ""), hole.replace("/", ""), n), "GRD", "PK",
                    "Compression Lug, %s AWG, %s in. stud, %d hole%s, pack of 10" % (awg, hole, n, "s" * (n - 1)),
                    18 + n * 6 + rng.uniform(0, 6))
    # ladders, bridges, mounts
    for w in (12, 18, 24, 30, 36):
        for ln in (4, 6, 8, 10, 12, 20):
            for fin in (("G", "galvanized"), ("A", "aluminum")):
                add("CLD-%02d%02d%s" % (w, ln, fin[0]), "HDW", "EA",
                    "Cable Ladder, %d in. wide, %d ft, %s" % (w, ln, fin[1]), 60 + w * ln * 0.7)
                add("ICB-%02d%02d%s" % (w, ln, fin[0]), "HDW", "EA",
                    "Ice Bridge Section, %d in. wide, %d ft, %s" % (w, ln, fin[1]), 140 + w * ln * 1.1)
    for od in ("2-3/8", "2-7/8", "3-1/2", "4-1/2"):
        for ln in (36, 48, 60, 72, 84, 96, 120, 144):
            add("PMP-%s-%03d" % (od.replace("-", "").replace("/", ""), ln), "HDW", "EA",
                "Mounting Pipe, %s in. OD, %d in., galvanized" % (od, ln), 30 + ln * 0.9)
    for faces in (3, 4):
        for fw in (8, 10, 12, 14):
            for duty in (("S", "standard"), ("H", "heavy duty")):
                add("SFR-%d%02d%s" % (faces, fw, duty[0]), "HDW", "EA",
                    "Sector Frame, %d faces, %d ft face, %s" % (faces, fw, duty[1]),
                    900 + faces * fw * 38 + (450 if duty[0] == "H" else 0))
    # bolts and small hardware
    for dia in ("1/4", "5/16", "3/8", "1/2", "5/8", "3/4"):
        for ln in ("1", "1-1/4", "1-1/2", "2", "2-1/2", "3", "4", "5", "6"):
            for fin in (("G", "galvanized"), ("S", "stainless steel")):
                add("HBK-%s-%s%s" % (dia.replace("/", ""), ln.replace("-", "").replace("/", ""), fin[0]), "HDW",
                    "PK", "Hex Bolt Kit, %s x %s in., %s, pack of 20" % (dia, ln, fin[1]),
                    8 + rng.uniform(0, 25) * (1.6 if fin[0] == "S" else 1.0))
                add("UBK-%s-%s%s" % (dia.replace("/", ""), ln.replace("-", "").replace("/", ""), fin[0]), "HDW",
                    "PK", "U-Bolt Kit, %s in. rod, %s in. pipe, %s, pack of 4" % (dia, ln, fin[1]),
                    11 + rng.uniform(0, 30) * (1.6 if fin[0] == "S" else 1.0))
    # filters, combiners, tower-top amplifiers
    fbands = [("07", "698-806"), ("08", "806-960"), ("09", "880-960"), ("17", "1710-1880"), ("19", "1850-1990"),
              ("21", "2110-2170"), ("23", "2300-2400"), ("26", "2500-2690"), ("35", "3400-3800"),
              ("15", "138-174"), ("45", "406-512")]
    for i, (a, an) in enumerate(fbands):
        add("BPF-%s" % a, "RFC", "EA", "Bandpass Filter, %s MHz, 7-16 DIN" % an, 420 + rng.uniform(0, 300))
        add("TMA-%s" % a, "RFC", "EA", "Tower-Mounted Amplifier, %s MHz, dual duplex" % an,
            1450 + rng.uniform(0, 600))
        for b, bn in fbands[i + 1:]:
            add("DPX-%s%s" % (a, b), "RFC", "EA", "Diplexer, %s / %s MHz, 4.3-10" % (an, bn),
                310 + rng.uniform(0, 260))
            add("CMB-%s%s" % (a, b), "RFC", "EA", "Combiner, %s / %s MHz, low PIM" % (an, bn),
                520 + rng.uniform(0, 380))
    # waveguide components
    for wg in ("E-17", "E-59", "E-64", "E-107", "E-38", "E-77", "E-130"):
        w = wg.replace("-", "")
        for item, dn, pr in (("BND", "Twist-Flex Bend, 24 in.", 340), ("PTB", "Pressure Window", 120),
                             ("TRN", "Rectangular Transition", 260), ("LDT", "Load, dummy, 100 W", 410),
                             ("GKT", "Flange Gasket Kit", 18), ("HGR", "Waveguide Hanger Kit, pack of 10", 96),
                             ("SPL", "Splice Kit", 185), ("CUT", "Cutting Guide", 75)):
            add("W%s-%s" % (w, item), "WVG", "EA", "%s, waveguide size %s" % (dn, wg), pr + rng.uniform(0, 40))
    # attenuators and loads
    for ic, inn in ifaces[:8]:
        for watts in (2, 10, 50, 100):
            for db in (3, 6, 10, 20, 30, 40):
                add("ATT-%s%03d-%02d" % (ic, watts, db), "RFC", "EA",
                    "Attenuator, %s, %d W, %d dB" % (inn, watts, db), 28 + watts * 1.8 + db * 0.4)
            add("LDM-%s%03d" % (ic, watts), "RFC", "EA", "Termination Load, %s, %d W" % (inn, watts),
                22 + watts * 2.2)
    # fiber and power for remote radios
    fends = ["LC", "SC", "FC", "ST", "MPO"]
    fl = [1, 2, 3, 5, 7, 10, 15, 20, 25, 30, 40, 50, 60, 80, 100]
    for i, a in enumerate(fends):
        for b in fends[i:]:
            for mode, mn in (("S", "single-mode"), ("M", "multimode")):
                for dup, dn in (("D", "duplex"), ("X", "simplex")):
                    for m in fl:
                        add("FJ%s%s-%s%s-%03d" % (mode, dup, a, b, m), "FIB", "EA",
                            "Fiber Jumper, %s, %s, %s to %s, %d m" % (mn, dn, a, b, m),
                            12 + m * 0.9 + rng.uniform(0, 6))
    for awg in (4, 6, 8, 10, 12, 14):
        for cond in (2, 3, 4):
            for ln in (50, 100, 150, 200, 250, 300, 400, 500):
                add("DCP-%02d%d-%03d" % (awg, cond, ln), "PWR", "EA",
                    "DC Power Cable, %d AWG, %d conductors, outdoor, %d ft" % (awg, cond, ln),
                    ln * (0.35 + (16 - awg) * 0.09) * cond / 2 + 15)
    for hyb in (6, 12, 18):
        for ln in (100, 150, 200, 250, 300, 350, 400, 500):
            add("HFP-%02d-%03d" % (hyb, ln), "FIB", "EA",
                "Hybrid Fiber/Power Trunk, %d radios, %d ft, factory terminated" % (hyb // 2, ln),
                900 + ln * hyb * 0.45)
    for ln in (1, 2, 3, 5, 10, 15, 20, 30, 50, 75, 100, 150):
        for con in (("S", "straight"), ("R", "right angle")):
            add("RET-%03d%s" % (ln, con[0]), "ANT", "EA",
                "Tilt Control Cable, AISG, %s, %d m" % (con[1], ln), 22 + ln * 1.1)
    return rows


# The price list describes these parts at more length than the accessory list does: a
# description with "&" and a double quote, and a long one, for the list of materials and
# its exports.
PRICE_LIST_DESCRIPTIONS = {
    "CTB-100": 'Cable Ties, UV-resistant black, 14" long & 50 lb rated, pack of 100',
    "VTP-34": "Vinyl Tape, 3/4 in. x 66 ft, UV-resistant, all-weather electrical grade, for jacket repairs and "
              "for the outer wrap over mastic on connector weatherproofing, black",
}


def m_lom():
    rng = random.Random(20250114)
    other_products(rng)
    header = ["Type", "Group", "Part Number", "Unit", "Description", "Price", "Currency", "Effective",
              "Weight lb", "Origin"] + [""] * 23
    out = ["|".join(header) + "|"]
    for pn in sorted(PRICES):
        group, unit, desc, pr = PRICES[pn]
        desc = PRICE_LIST_DESCRIPTIONS.get(pn, desc)
        w = "%.2f" % (0.1 + (sum(map(ord, pn)) % 500) / 37.0)
        fields = ["P", group, pn, unit, desc, pr, "USD", "01/06/2025", w, "US"] + [""] * 23
        assert len(fields) == 33
        out.append("|".join(fields) + "|")
    return out


# ---------------------------------------------------------------------------

def write(path, lines):
    text = "\n".join(lines) + "\n"
    text.encode("ascii")
    with open(path, "w", newline="\n", encoding="ascii") as fh:
        fh.write(text)


def main():
    os.makedirs(DAT, exist_ok=True)
    os.makedirs(SHARED, exist_ok=True)
    files = {}
    files["tlines.dat"] = tlines_dat()
    register_metric_and_obsolete()
    files["mount.dat"] = mount_dat()
    files["hoist.dat"] = hoist_dat()
    files["cblEntry.dat"] = cblentry_dat()
    files["ground.dat"] = ground_dat()
    files["weather.dat"] = weather_dat()
    files["gps.dat"] = gps_dat()
    files["Surge.dat"] = surge_dat()
    files["accessorylist.dat"] = add_old_tool(accessorylist_dat())
    files["settings.dat"] = settings_dat()
    files["Images.dat"] = images_dat()
    files["obsolete.dat"] = obsolete_dat()
    files["metric.dat"] = metric_dat()
    for name, lines in files.items():
        write(os.path.join(DAT, name), lines)
    write(os.path.join(DAT, "defaults.dat"), files["settings.dat"])
    open(os.path.join(DAT, "advanced.dat"), "w").close()
    write(os.path.join(SHARED, "M_lom.dat"), m_lom())
    print("wrote %d data files and a price list of %d parts" % (len(files) + 2, len(PRICES)))


if __name__ == "__main__":
    sys.exit(main())
