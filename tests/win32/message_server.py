#!/usr/bin/env python3
"""A web server on 127.0.0.1 for the message sender's tests, kept for one test run.

Usage: message_server.py start|stop <state dir>
  start: serves on a free port and writes its number to <state dir>/port,
         and a port where nothing listens to <state dir>/closed-port;
  stop:  ends the server that start left running.

Each POST is written as it arrived to <state dir>/last: the request line, the
header lines, a blank line and the body, byte for byte. The path picks the
answer:
  /hang/...          reads the request and never answers, holding the connection;
  /trickle/...       answers a byte every 100 ms for 4 s, never ending its
                     headers, then hangs up;
  /status/<code>/... answers with that status;
  anything else      answers 200.
"""

import http.server
import os
import signal
import socket
import subprocess
import sys
import time


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def do_POST(self):
        body = self.rfile.read(int(self.headers.get("Content-Length", 0)))
        head = self.requestline + "\r\n"
        head += "".join(f"{name}: {value}\r\n" for name, value in self.headers.items())
        record(self.server.state, head.encode("latin-1") + b"\r\n" + body)

        if self.path.startswith("/hang/"):
            # Held until the client hangs up.
            self.connection.settimeout(120)
            try:
                self.connection.recv(1)
            except OSError:
                pass
            self.close_connection = True
        elif self.path.startswith("/trickle/"):
            self.close_connection = True
            try:
                for byte in b"HTTP/1.1 200 OK\r\nX-Slow: " + b"z" * 15:
                    self.wfile.write(bytes([byte]))
                    self.wfile.flush()
                    time.sleep(0.1)
            except OSError:
                pass
        else:
            parts = self.path.split("/")
            status = int(parts[2]) if len(parts) > 2 and parts[1] == "status" else 200
            self.send_response(status)
            self.send_header("Content-Length", "2")
            self.end_headers()
            self.wfile.write(b"ok")

    def log_message(self, form, *args):
        sys.stderr.write(form % args + "\n")


def record(state, request):
    temporary = os.path.join(state, "last.part")
    with open(temporary, "wb") as out:
        out.write(request)
    os.replace(temporary, os.path.join(state, "last"))


def write(state, name, text):
    with open(os.path.join(state, name), "w") as out:
        out.write(text)


def serve(state):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    server.state = state
    # A port that was free a moment ago, and nothing listens on now.
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        closed = probe.getsockname()[1]
    write(state, "closed-port", str(closed))
    write(state, "port", str(server.server_address[1]))
    server.serve_forever()


def stop(state):
    try:
        with open(os.path.join(state, "pid")) as f:
            os.kill(int(f.read()), signal.SIGTERM)
    except (OSError, ValueError):
        pass
    for name in ("pid", "port", "closed-port"):
        try:
            os.remove(os.path.join(state, name))
        except OSError:
            pass


def start(state):
    stop(state)
    # The server's output goes to a file so the test runner does not wait for
    # the server to close it.
    with open(os.path.join(state, "log"), "w") as log:
        child = subprocess.Popen([sys.executable, __file__, "serve", state],
                                 stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                                 start_new_session=True)
    write(state, "pid", str(child.pid))
    for _ in range(100):
        try:
            with open(os.path.join(state, "port")) as f:
                port = int(f.read())
            socket.create_connection(("127.0.0.1", port), 1).close()
            print(f"serving on 127.0.0.1:{port}")
            return 0
        except (OSError, ValueError):
            if child.poll() is not None:
                break
            time.sleep(0.1)
    sys.stderr.write("the message server did not start\n")
    stop(state)
    return 1


def main():
    action, state = sys.argv[1], sys.argv[2]
    os.makedirs(state, exist_ok=True)
    if action == "serve":
        serve(state)
    elif action == "start":
        return start(state)
    elif action == "stop":
        stop(state)
    else:
        sys.stderr.write(__doc__)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main())
