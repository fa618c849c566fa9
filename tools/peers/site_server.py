#!/usr/bin/env python3
"""Loopback web server for the site checker's tests and benchmark.

Listens on one port on several loopback addresses (127.0.0.2, 127.0.0.3,
...), one simulated host each, and answers by path:

  /ok                 200 without Last-Modified
  /ok-lm/SECONDS      200 with Last-Modified at SECONDS since 1970
  /redirect/CODE      CODE (301, 302, 303, 307, 308) to /ok
  /status/CODE        CODE to HEAD and GET (404, 410, 500, 403, ...)
  /head-only/CODE     CODE to HEAD, 200 to GET
  /busy/KEY           429 with "Retry-After: 1" the first time, then 200
  /reset              resets every connection
  /reset-once/KEY     resets the first connection, then 200
  /hang               reads the request and never answers
  /empty              closes the connection without a reply
  /huge               200 with a body of 10 GB (a GET stops at the headers)
  /slow/MS            200 after MS milliseconds
  /__stats            "HOST MOST" lines: the most connections seen at once
                      per host (this request not counted)
  /__reset            forgets the counts and the first-time states

--delay-ms delays every answer (the benchmark's slow servers). Prints
"ready PORT REFUSED_PORT" once listening; nothing listens on REFUSED_PORT.
"""
import argparse
import http.server
import select
import socket
import socketserver
import struct
import sys
import threading
import time
from email.utils import formatdate

lock = threading.Lock()
active = {}     # host -> connections being served now
most = {}       # host -> the most seen at once
seen_keys = set()


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = True
    request_queue_size = 256


class Handler(http.server.BaseHTTPRequestHandler):
    server_version = "LoopbackPeer/1"
    delay = 0.0

    def log_message(self, *args):
        pass

    def host(self):
        return self.server.server_address[0]

    def setup(self):
        super().setup()
        self.counted = False

    def count(self, step):
        with lock:
            h = self.host()
            active[h] = active.get(h, 0) + step
            most[h] = max(most.get(h, 0), active[h])

    def answer(self, code, headers=(), body_length=0, stream=False):
        self.send_response(code)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(body_length))
        self.end_headers()
        if stream and self.command == "GET":
            chunk = b"x" * 65536
            try:
                while True:
                    self.wfile.write(chunk)
            except OSError:
                pass
        elif body_length and self.command == "GET":
            self.wfile.write(b"x" * body_length)

    def first_time(self, key):
        with lock:
            if key in seen_keys:
                return False
            seen_keys.add(key)
            return True

    def reset(self):
        self.request.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        self.request.close()
        self.close_connection = True

    def wait_for_client_to_leave(self):
        # Never answers; the connection counts until the client gives up.
        deadline = time.time() + 600
        while time.time() < deadline:
            readable, _, _ = select.select([self.request], [], [], 1.0)
            if readable:
                try:
                    if not self.request.recv(4096):
                        break
                except OSError:
                    break
        self.close_connection = True

    def serve(self):
        parts = [p for p in self.path.split("?")[0].split("/") if p]
        name = parts[0] if parts else ""
        arg = parts[1] if len(parts) > 1 else ""
        if name == "__stats":
            with lock:
                text = "".join("%s %d\n" % (h, n) for h, n in sorted(most.items()))
            data = text.encode()
            self.send_response(200)
            self.send_header("Content-Length", str(len(data)))
            self.end_headers()
            if self.command == "GET":
                self.wfile.write(data)
            return
        if name == "__reset":
            with lock:
                most.clear()
                seen_keys.clear()
            return self.answer(200)
        self.count(1)
        self.counted = True
        if self.delay:
            time.sleep(self.delay)
        if name == "ok":
            self.answer(200, body_length=5)
        elif name == "ok-lm":
            self.answer(200, [("Last-Modified", formatdate(int(arg), usegmt=True))], 5)
        elif name == "redirect":
            self.answer(int(arg), [("Location", "/ok")])
        elif name == "status":
            self.answer(int(arg), body_length=5)
        elif name == "head-only":
            self.answer(int(arg) if self.command == "HEAD" else 200, body_length=5)
        elif name == "busy":
            if self.first_time(self.path):
                self.answer(429, [("Retry-After", "1")])
            else:
                self.answer(200, body_length=5)
        elif name == "reset":
            self.reset()
        elif name == "reset-once":
            if self.first_time(self.path):
                self.reset()
            else:
                self.answer(200, body_length=5)
        elif name == "hang":
            self.wait_for_client_to_leave()
        elif name == "empty":
            self.close_connection = True
            self.request.shutdown(socket.SHUT_RDWR)
        elif name == "slow":
            time.sleep(int(arg) / 1000.0)
            self.answer(200, body_length=5)
        elif name == "huge":
            self.answer(200, body_length=10 * 1024 ** 3, stream=True)
        else:
            self.answer(404)

    def do_HEAD(self):
        self.serve()

    def do_GET(self):
        self.serve()

    def finish(self):
        try:
            super().finish()
        except OSError:
            pass
        if self.counted:
            self.count(-1)


def free_port(address):
    s = socket.socket()
    s.bind((address, 0))
    port = s.getsockname()[1]
    s.close()
    return port


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--hosts", type=int, default=4)
    parser.add_argument("--delay-ms", type=int, default=0)
    args = parser.parse_args()
    Handler.delay = args.delay_ms / 1000.0
    addresses = ["127.0.%d.%d" % ((i + 2) // 256, (i + 2) % 256) for i in range(args.hosts)]
    first = Server((addresses[0], 0), Handler)
    port = first.server_address[1]
    servers = [first] + [Server((a, port), Handler) for a in addresses[1:]]
    for s in servers:
        threading.Thread(target=s.serve_forever, daemon=True).start()
    print("ready %d %d" % (port, free_port(addresses[0])), flush=True)
    try:
        sys.stdin.read()  # runs until its parent closes the pipe
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
