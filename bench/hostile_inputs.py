#!/usr/bin/env python3
"""Writes the hostile inputs of bench/hostile_inputs.sh into FOLDER: small WAVE files whose
metadata holds very many entries, tracks, markers or compressed documents, an import document of
many markers, and a large file named like a save's journal."""

import gzip
import json
import os
import struct
import sys


def chunk(ckid, payload):
    pad = b"\0" if len(payload) & 1 else b""
    return ckid + struct.pack("<I", len(payload)) + payload + pad


def wave(*chunks, frames=48):
    fmt = chunk(b"fmt ", struct.pack("<HHIIHH", 1, 1, 48000, 96000, 2, 16))
    data = chunk(b"data", b"\0" * (2 * frames))
    body = b"WAVE" + fmt + b"".join(chunks) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body


def info_ids(count):
    letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
    for i in range(count):
        yield ("I" + letters[i // 1296 % 36] + letters[i // 36 % 36] + letters[i % 36]).encode()


def info_list(count):
    entries = b"".join(chunk(ckid, b"v\0") for ckid in info_ids(count))
    return chunk(b"LIST", b"INFO" + entries)


def ixml_tracks(count):
    tracks = "".join(
        "<TRACK><CHANNEL_INDEX>%d</CHANNEL_INDEX><INTERLEAVE_INDEX>%d</INTERLEAVE_INDEX>"
        "<NAME>Track %d</NAME><FUNCTION>MIX</FUNCTION></TRACK>\n" % (i, i, i)
        for i in range(1, count + 1))
    document = ('<?xml version="1.0" encoding="UTF-8"?>\n<BWFXML>\n'
                "<IXML_VERSION>2.10</IXML_VERSION><SCENE>1</SCENE>\n<TRACK_LIST>"
                "<TRACK_COUNT>%d</TRACK_COUNT>\n%s</TRACK_LIST>\n</BWFXML>\n" % (count, tracks))
    return chunk(b"iXML", document.encode())


def cue_with_labels(count):
    points = b"".join(
        struct.pack("<II4sIII", i, i * 10, b"data", 0, 0, i * 10) for i in range(1, count + 1))
    labels = b"".join(
        chunk(b"labl", struct.pack("<I", i) + b"M%d\0" % i) for i in range(1, count + 1))
    return chunk(b"cue ", struct.pack("<I", count) + points) + chunk(b"LIST", b"adtl" + labels)


def adm_document(size):
    head = ('<?xml version="1.0" encoding="UTF-8"?>\n<ebuCoreMain><coreMetadata><format>'
            '<audioFormatExtended>\n')
    tail = "</audioFormatExtended></format></coreMetadata></ebuCoreMain>\n"
    # A short element repeats at the ratio a gzip stream reaches at best (about 1,000 to 1).
    element = "<a/>"
    count = (size - len(head) - len(tail)) // len(element)
    return (head + element * count + tail).encode()


def bxml_chunks(count):
    payload = struct.pack("<H", 0) + gzip.compress(adm_document(16 * 1024 * 1024 - 4096), 9)
    return b"".join(chunk(b"bxml", payload) for _ in range(count))


def markers_document(path, count):
    markers = [{"id": i, "position": i, "label": "M%d" % i, "note": ""}
               for i in range(1, count + 1)]
    return json.dumps({"files": [{"path": path, "markers": markers}]}).encode()


def write(path, data):
    with open(path, "wb") as out:
        out.write(data)


def main(folder):
    write(os.path.join(folder, "info10k.wav"), wave(info_list(10000)))
    write(os.path.join(folder, "info800k.wav"), wave(info_list(800000)))
    write(os.path.join(folder, "ixml60k.wav"), wave(ixml_tracks(60000)))
    write(os.path.join(folder, "cue200k.wav"), wave(cue_with_labels(200000)))
    write(os.path.join(folder, "bxml571.wav"), wave(bxml_chunks(571)))
    target = os.path.join(folder, "import200k.wav")
    write(target, wave(frames=200001))
    write(os.path.join(folder, "markers200k.json"), markers_document(target, 200000))
    journaled = os.path.join(folder, "journaled.wav")
    write(journaled, wave())
    # Sparse: the size is what a reader meets, not what the disk holds.
    with open(journaled + ".ovalis-journal", "wb") as out:
        out.truncate(1900 * 1000 * 1000)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: hostile_inputs.py FOLDER")
    main(sys.argv[1])
