#!/usr/bin/env python3
"""Loopback HTTP server for the download tests.

Binds 127.0.0.1 at a free port, prints the port on one line and serves until
it is terminated, its parent goes away, or five minutes have passed.
"""
import http.server
import os
import threading
import time

LIFETIME_SECONDS = 300


def pattern(size):
    """Bytes i * 7 mod 256: every 256 bytes hold one NUL."""
    return bytes((i * 7) % 256 for i in range(size))


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def do_GET(self):
        if self.path.startswith("/bytes/"):
            self.reply(200, pattern(int(self.path.split("/")[2])), "application/octet-stream")
        elif self.path == "/missing":
            self.reply(404, b"<html><body><h1>404 Not Found</h1></body></html>", "text/html")
        elif self.path == "/moved":
            self.send_response(302)
            self.send_header("Location", "/bytes/300")
            self.send_header("Content-Length", "0")
            self.end_headers()
        elif self.path == "/trickle":
            self.trickle()
        elif self.path == "/silent":
            self.silent()
        else:
            self.reply(404, b"", "text/plain")

    def reply(self, status, body, content_type):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def trickle(self):
        """One byte every 50 ms of a 100000-byte body, for at most 30 s."""
        self.send_response(200)
        self.send_header("Content-Length", "100000")
        self.end_headers()
        try:
            for _ in range(600):
                self.wfile.write(b"\0")
                self.wfile.flush()
                time.sleep(0.05)
        except OSError:
            pass
        self.close_connection = True

    def silent(self):
        """Headers of a 16-byte body, then nothing for 30 s."""
        self.send_response(200)
        self.send_header("Content-Length", "16")
        self.end_headers()
        self.wfile.flush()
        time.sleep(30)
        self.close_connection = True


def watch_parent(parent):
    deadline = time.monotonic() + LIFETIME_SECONDS
    while os.getppid() == parent and time.monotonic() < deadline:
        time.sleep(0.2)
    os._exit(0)


def main():
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    threading.Thread(target=watch_parent, args=(os.getppid(),), daemon=True).start()
    print(server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
