#!/usr/bin/env python3
"""The conversion as a user might script it instead: NAME.kex to NAME.kim."""
import sys

stem = sys.argv[1].rsplit(".", 1)[0]
with open(stem + ".kex", "rb") as f:
    src = f.read(255)
if len(src) > 254:
    sys.exit(4)
with open(stem + ".kim", "wb") as f:
    f.write(b"\xff\xff" + bytes(254 - len(src)) + src[::-1])
