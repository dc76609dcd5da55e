#!/usr/bin/env python3
"""A serial peer for the Windows port test under Wine: makes a
pseudo-terminal, prints its device's name, and sends back every byte that
comes, until killed."""
import os
import sys
import tty

master, slave = os.openpty()
tty.setraw(master)
tty.setraw(slave)
print(os.ttyname(slave), flush=True)
# The slave end stays open here too, so that the master reads no end of
# file between the test's openings of the port.
while True:
    data = os.read(master, 4096)
    if data:
        os.write(master, data)
