#!/usr/bin/python3
"""HTTP(S) server for the tests: serves the files of a folder on 127.0.0.1.

Prints "PORT <n>" once it listens. Every request path is appended to the log file. The file
<root>/behaviour.json (read at every request) can make a path misbehave:
  {"/x.txt": {"status": 500}}          answer with that status
  {"/x.txt": {"stall_seconds": 8}}     send half the body, then go silent
  {"/x.txt": {"truncate": true}}       announce more bytes than are sent, then hang up
  {"/x.txt": {"redirect": "/y.txt"}}   302 to another path
"""
import argparse
import http.server
import json
import os
import ssl
import sys
import threading
import time
import urllib.parse


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--log")
    parser.add_argument("--cert")
    parser.add_argument("--key")
    args = parser.parse_args()
    log_lock = threading.Lock()

    class Handler(http.server.BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.1"

        def log_message(self, *unused):
            pass

        def behaviour(self, path):
            try:
                with open(os.path.join(args.root, "behaviour.json")) as f:
                    return json.load(f).get(path, {})
            except (OSError, ValueError):
                return {}

        def do_GET(self):
            path = urllib.parse.urlsplit(self.path).path
            if args.log:
                with log_lock, open(args.log, "a") as log:
                    log.write(path + "\n")
            rule = self.behaviour(path)
            if "status" in rule:
                self.send_answer(rule["status"], b"error page\n")
                return
            if "redirect" in rule:
                self.send_response(302)
                self.send_header("Location", rule["redirect"])
                self.send_header("Content-Length", "0")
                self.end_headers()
                return
            file = os.path.join(args.root, path.lstrip("/"))
            if not os.path.isfile(file):
                self.send_answer(404, b"not found\n")
                return
            with open(file, "rb") as f:
                body = f.read()
            if rule.get("truncate"):
                self.send_response(200)
                self.send_header("Content-Length", str(len(body) + 100))
                self.end_headers()
                self.wfile.write(body)
                self.wfile.flush()
                self.close_connection = True
                return
            if "stall_seconds" in rule:
                self.send_response(200)
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                half = len(body) // 2
                self.wfile.write(body[:half])
                self.wfile.flush()
                time.sleep(rule["stall_seconds"])
                try:
                    self.wfile.write(body[half:])
                except OSError:
                    pass
                return
            self.send_answer(200, body)

        def send_answer(self, status, body):
            self.send_response(status)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    if args.cert:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(args.cert, args.key)
        server.socket = context.wrap_socket(server.socket, server_side=True)
    print("PORT %d" % server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    sys.exit(main())
