#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A braille display for brltty's virtual driver (brltty -b vr -d client:SOCKET).

Usage: display.py SOCKET LOG INPUT. Listens on the Unix socket SOCKET, tells the driver it has
40 cells, appends each line of cells the driver sends ("Braille" lines, cells as dots joined
by "|") to LOG, and sends the driver each line appended to INPUT (a driver command such as
"PASSDOTS 7" or "LNDN")."""
import os
import socket
import sys
import time

path, log_path, input_path = sys.argv[1:4]
server = socket.socket(socket.AF_UNIX)
server.bind(path)
server.listen(1)
driver, _ = server.accept()
driver.sendall(b"cells 40\n")
driver.settimeout(0.1)
sent = 0
pending = b""
with open(log_path, "a", buffering=1) as log:
    while True:
        try:
            data = driver.recv(4096)
            if not data:
                break
            pending += data
            *lines, pending = pending.split(b"\n")
            for line in lines:
                if line.startswith(b"Braille"):
                    log.write(line.decode("latin-1").strip() + "\n")
        except socket.timeout:
            pass
        if os.path.exists(input_path):
            with open(input_path) as commands:
                wanted = commands.read().splitlines()
            for command in wanted[sent:]:
                driver.sendall(command.encode() + b"\n")
                time.sleep(0.05)
            sent = len(wanted)
