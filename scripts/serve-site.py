#!/usr/bin/env python3
"""Serves a folder as the maker's web site on 127.0.0.1, on a free port.

    scripts/serve-site.py FOLDER PORT_FILE

Writes the port to PORT_FILE once it listens, then serves until it is stopped.
"""
import functools
import http.server
import os
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = dict(http.server.SimpleHTTPRequestHandler.extensions_map)
    extensions_map.update({".asp": "text/html", ".dat": "text/plain", ".deb": "application/vnd.debian.binary-package"})


def main():
    if len(sys.argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    folder, port_file = sys.argv[1], sys.argv[2]
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Handler, directory=folder))
    tmp = port_file + ".tmp"
    with open(tmp, "w") as fh:
        fh.write("%d\n" % server.server_address[1])
    os.replace(tmp, port_file)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
