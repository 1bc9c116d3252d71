"""Serves the browser page's folder on this machine, with the types a
browser insists on (WebAssembly, the web app manifest).

    serve_web.py FOLDER PORT
"""
import functools
import http.server
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        ".wasm": "application/wasm",
        ".js": "text/javascript",
        ".webmanifest": "application/manifest+json",
        ".data": "application/octet-stream",
    }

    def log_message(self, *args):
        pass


def main():
    folder, port = sys.argv[1], int(sys.argv[2])
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), functools.partial(Handler, directory=folder))
    print(f"The page is at http://127.0.0.1:{server.server_port}/ (Ctrl+C stops it)", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
