#!/usr/bin/env python3
"""What a screenshot of scripts/screenshots.sh shows, kept inside the PNG file itself (an iTXt
chunk named "Description"), so that a picture and its record cannot drift apart.

  png-record.py write FILE.png < RECORD   stores the record in the picture
  png-record.py read FILE.png             prints the picture's size (WIDTHxHEIGHT) and its record
"""
import struct
import sys
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"
KEYWORD = b"Description"


def chunks(data):
    if not data.startswith(SIGNATURE):
        sys.exit("png-record: not a PNG file")
    position = len(SIGNATURE)
    while position < len(data):
        length, kind = struct.unpack(">I4s", data[position:position + 8])
        yield position, kind, data[position + 8:position + 8 + length]
        position += 12 + length


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def write(path, record):
    with open(path, "rb") as file:
        data = file.read()
    end = next(position for position, kind, _ in chunks(data) if kind == b"IEND")
    # Keyword, no compression, no language tag, no translated keyword, then UTF-8 text.
    text = chunk(b"iTXt", KEYWORD + b"\0\0\0\0\0" + record.encode("utf-8"))
    with open(path, "wb") as file:
        file.write(data[:end] + text + data[end:])


def read(path):
    with open(path, "rb") as file:
        data = file.read()
    record = ""
    for _, kind, body in chunks(data):
        if kind == b"IHDR":
            width, height = struct.unpack(">II", body[:8])
            print(f"{width}x{height}")
        elif kind == b"iTXt" and body.startswith(KEYWORD + b"\0"):
            record = body[len(KEYWORD) + 5:].decode("utf-8")
    print(record, end="")


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "write":
        write(sys.argv[2], sys.stdin.read())
    elif len(sys.argv) == 3 and sys.argv[1] == "read":
        read(sys.argv[2])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
