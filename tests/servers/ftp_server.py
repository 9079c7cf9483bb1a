#!/usr/bin/python3
"""Anonymous, read-only FTP server for the tests, over a folder, on 127.0.0.1.

Prints "PORT <n>" once it listens. With --no-size the server refuses the SIZE command, as
some servers do.
"""
import argparse
import logging
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--no-size", action="store_true")
    args = parser.parse_args()
    logging.basicConfig(level=logging.ERROR)

    authorizer = DummyAuthorizer()
    authorizer.add_anonymous(args.root)

    class Handler(FTPHandler):
        def ftp_SIZE(self, path):
            if args.no_size:
                self.respond("502 Command not implemented.")
                return
            return super().ftp_SIZE(path)

    Handler.authorizer = authorizer
    server = FTPServer(("127.0.0.1", 0), Handler)
    print("PORT %d" % server.socket.getsockname()[1], flush=True)
    try:
        # A short poll: pyftpdlib otherwise answers some transfers a second late.
        server.serve_forever(timeout=0.05)
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    sys.exit(main())
