#!/usr/bin/env python3
"""Serves the page's folder on 127.0.0.1 and prints its address.

    web/serve.py FOLDER [PORT]     (PORT 0, the default, takes any free one; so does a
                                    port that is taken)
"""
import functools
import http.server
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = dict(http.server.SimpleHTTPRequestHandler.extensions_map,
                          **{'.wasm': 'application/wasm', '.data': 'application/octet-stream',
                             '.js': 'text/javascript'})

    def log_message(self, *args):
        pass


def main():
    folder = sys.argv[1]
    port = int(sys.argv[2]) if len(sys.argv) > 2 else 0
    handler = functools.partial(Handler, directory=folder)
    try:
        server = http.server.ThreadingHTTPServer(('127.0.0.1', port), handler)
    except OSError:
        server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
    print('Quorvane is served at http://127.0.0.1:%d/ (Ctrl+C stops)' % server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


main()
