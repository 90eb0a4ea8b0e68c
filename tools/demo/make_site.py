#!/usr/bin/env python3
"""Writes demo/site/, the maker's web site as the demo run serves it on 127.0.0.1:

  sitetools/pricing.dat                    the price package: demo/shared/M_lom.dat with
                                           the summer price list (4 % up, new date)
  sitetools/pricing.dat.sha256             its SHA-256 digest, as sha256sum writes it
  sitetools/tavrolin.deb                   a stand-in for the program's update file
  home/default.asp                         the home page with its spotlight block
  whatsnew/pressreleases/default.asp       the press-release page
  whatsnew/pressreleases/viewpressrelease.asp  the story page every release opens

Every release, product and person on these pages is invented for the demo.
"""
import hashlib
import os

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SITE = os.path.join(ROOT, "demo", "site")
SHARED = os.path.join(ROOT, "demo", "shared")

RELEASES = [
    (118, "Brimcor opens a second cable plant in Halvard County"),
    (117, "Klemmit cushion clamps now cover 1-1/4 in. and 1-5/8 in. foam lines"),
    (116, "New 7/8 in. low-loss foam line rated to 2700 MHz"),
    (115, "Syncrest brings same-day prices to every Brimcor program"),
    (114, "Brimcor waveguide chosen for the Northfold microwave backbone"),
    (113, "Stackor stacking kits: six runs on one ladder rung"),
    (112, "Tavrolin plans a feeder run in five pages"),
    (111, "Quarter-wave surge protectors for the 4.3-10 interface"),
    (110, "Brimcor names new head of field engineering"),
    (109, "Cold-shrink weatherproofing kits replace connector boots"),
    (108, "Latchor snap-in hangers pass the 150 mph wind test"),
    (107, "Brimcor at the Regional Tower Builders' Fair, booth 214"),
]


def write(path, text, newline="\r\n"):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", newline=newline, encoding="ascii") as fh:
        fh.write(text)


def pricing():
    out = []
    with open(os.path.join(SHARED, "M_lom.dat"), encoding="ascii") as fh:
        lines = fh.read().splitlines()
    out.append(lines[0])
    for line in lines[1:]:
        fields = line.split("|")
        if fields[5]:
            fields[5] = "%.2f" % round(float(fields[5]) * 1.04 + 1e-9, 2)
        fields[7] = "07/01/2025"
        out.append("|".join(fields))
    return "\n".join(out) + "\n"


def press_page():
    rows = []
    for number, title in RELEASES:
        # The page mixes quoted and unquoted links, some with further attributes.
        if number % 3 == 0:
            link = '<a HREF="viewpressrelease.asp?id=%d&langid=1" class="story">%s</a>' % (number, title)
        elif number % 3 == 1:
            link = '<a HREF=viewpressrelease.asp?id=%d&langid=1>%s</a>' % (number, title)
        else:
            link = '<a HREF="viewpressrelease.asp?id=%d&langid=1">%s</a>' % (number, title)
        rows.append('      <tr><td class="date">%s</td><td>%s</td></tr>' % (number, link))
        if number == 116:
            rows.append('      <tr><td class="date">116</td><td><a HREF="viewpressrelease.asp?id=116&langid=2">'
                        'Nouvelle ligne en mousse 7/8 po</a></td></tr>')
    return """<html>
<head><title>Brimcor - Press Releases</title></head>
<body>
  <h1>Press Releases</h1>
  <p><a HREF="/home/default.asp">Home</a> | <a HREF="default.asp?langid=2">Fran&ccedil;ais</a></p>
  <table>
%s
  </table>
</body>
</html>
""" % "\n".join(rows)


def home_page():
    return """<html>
<head><title>Brimcor</title></head>
<body>
  <p><a HREF="/whatsnew/pressreleases/default.asp">Press releases</a></p>
  <!-- SpotLight -->
  <div class="spotlight">
    <b><font color="red">Syncrest: the summer price list is out</font></b>
    <a HREF="/whatsnew/pressreleases/viewpressrelease.asp?id=115&langid=1">Read more</a>
  </div>
  <!-- End SpotLight -->
  <p>Brimcor makes transmission line, antennas and the accessories that hold them up.</p>
</body>
</html>
"""


def story_page():
    return """<html>
<head><title>Brimcor - Press Release</title></head>
<body>
  <h1>Press Release</h1>
  <p>The full story of every demo release is the same invented text: Brimcor and its
  products exist only in this demonstration.</p>
  <p><a HREF="default.asp">All press releases</a></p>
</body>
</html>
"""


def main():
    prices = pricing()
    write(os.path.join(SITE, "sitetools", "pricing.dat"), prices, newline="\n")
    digest = hashlib.sha256(prices.encode("ascii")).hexdigest()
    write(os.path.join(SITE, "sitetools", "pricing.dat.sha256"), "%s  pricing.dat\n" % digest, newline="\n")
    write(os.path.join(SITE, "sitetools", "tavrolin.deb"),
          "A stand-in for the Tavrolin update package of the demo site.\n", newline="\n")
    write(os.path.join(SITE, "home", "default.asp"), home_page())
    write(os.path.join(SITE, "whatsnew", "pressreleases", "default.asp"), press_page())
    write(os.path.join(SITE, "whatsnew", "pressreleases", "viewpressrelease.asp"), story_page())
    print("wrote the demo site in %s" % SITE)


if __name__ == "__main__":
    main()
