#!/usr/bin/env python3
"""Serves the page's folder on 127.0.0.1 and prints its address.

    web/serve.py FOLDER [PORT]     (PORT 0 takes any free one)

The browser keeps the player's game for the page's address, port included, so a taken
port is refused, naming it, rather than the page served at another address where the
game kept at the usual one would not be found.
"""
import functools
import http.server
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = dict(http.server.SimpleHTTPRequestHandler.extensions_map,
                          **{'.wasm': 'application/wasm', '.data': 'application/octet-stream',
                             '.js': 'text/javascript', '.webmanifest': 'application/manifest+json'})

    def end_headers(self):
        # Always asked again: a new build is seen at once (the page's worker keeps it for
        # playing offline).
        self.send_header('Cache-Control', 'no-cache')
        super().end_headers()

    def log_message(self, *args):
        pass


def main():
    folder = sys.argv[1]
    port = int(sys.argv[2]) if len(sys.argv) > 2 else 0
    handler = functools.partial(Handler, directory=folder)
    try:
        server = http.server.ThreadingHTTPServer(('127.0.0.1', port), handler)
    except OSError as e:
        print('quorvane: port %d of 127.0.0.1 is taken (%s). Your game in the browser is kept for '
              'http://127.0.0.1:%d/ alone, so the page is not served at another address: stop what '
              'holds the port (an earlier ./play.sh --web?) and start again. QUORVANE_PORT=N serves '
              'at another port, where a game kept at %d is not found.' % (port, e.strerror, port, port),
              file=sys.stderr, flush=True)
        sys.exit(1)
    print('Quorvane is served at http://127.0.0.1:%d/ (Ctrl+C stops)' % server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


main()
