#!/usr/bin/env python3
"""Draws the eleven navigation images of the reader as GIF89a files.

The images are part of the program's resources (src/resources/images); this script is how they
were made, kept so that they can be redrawn. Pure Python: a tiny GIF writer with LZW coding.
"""
import os
import sys


def lzw_encode(indices, min_code_size):
    clear = 1 << min_code_size
    end = clear + 1
    table = {bytes([i]): i for i in range(clear)}
    next_code = end + 1
    code_size = min_code_size + 1
    out, bit_buffer, bit_count = bytearray(), 0, 0

    def emit(code):
        nonlocal bit_buffer, bit_count
        bit_buffer |= code << bit_count
        bit_count += code_size
        while bit_count >= 8:
            out.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8

    emit(clear)
    current = b""
    for index in indices:
        candidate = current + bytes([index])
        if candidate in table:
            current = candidate
            continue
        emit(table[current])
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << code_size) and code_size < 12:
                code_size += 1
        else:
            emit(clear)
            table = {bytes([i]): i for i in range(clear)}
            next_code, code_size = end + 1, min_code_size + 1
        current = bytes([index])
    if current:
        emit(table[current])
    emit(end)
    if bit_count:
        out.append(bit_buffer & 0xFF)
    return bytes(out)


def gif(width, height, palette, pixels, transparent=None):
    """palette: list of (r, g, b), at most 4 entries; pixels: rows of palette indices."""
    palette = list(palette) + [(0, 0, 0)] * (4 - len(palette))
    data = bytearray(b"GIF89a")
    data += width.to_bytes(2, "little") + height.to_bytes(2, "little")
    data += bytes([0x80 | 0x01, 0, 0])  # global table of 4 colours
    for r, g, b in palette:
        data += bytes([r, g, b])
    if transparent is not None:
        data += bytes([0x21, 0xF9, 4, 0x01, 0, 0, transparent, 0])
    data += b"\x2C" + (0).to_bytes(2, "little") * 2 + width.to_bytes(2, "little") + height.to_bytes(2, "little") + b"\x00"
    flat = [index for row in pixels for index in row]
    lzw = lzw_encode(flat, 2)
    data.append(2)
    for i in range(0, len(lzw), 255):
        chunk = lzw[i:i + 255]
        data.append(len(chunk))
        data += chunk
    data += b"\x00\x3B"
    return bytes(data)


def arrow(direction, double, colour):
    """A 20 x 18 button: one or two solid triangles pointing left (-1) or right (+1)."""
    w, h = 20, 18
    rows = [[0] * w for _ in range(h)]
    tips = [(13, 6), (7, 6)] if double else [(12, 7)]
    if direction < 0:
        tips = [(w - 1 - x - 5, 0) for x, _ in tips]
    for x0, _ in tips:
        for dy in range(-5, 6):
            y = 9 + dy
            span = 6 - abs(dy)
            for dx in range(span):
                x = x0 + dx if direction > 0 else x0 + 5 - dx
                if 0 <= x < w and 0 <= y < h:
                    rows[y][x] = colour
    return rows


def main(folder):
    os.makedirs(folder, exist_ok=True)
    grey, blue, white = (90, 90, 110), (60, 60, 216), (255, 255, 255)
    images = {"1x1.gif": gif(1, 1, [white, white], [[0]], transparent=0)}
    for name, direction, double in (("n_book", 1, True), ("n_page", 1, False), ("p_book", -1, True),
                                    ("p_page", -1, False)):
        images[name + ".gif"] = gif(20, 18, [white, grey], arrow(direction, double, 1), transparent=0)
        images[name + "_on.gif"] = gif(20, 18, [white, blue], arrow(direction, double, 1), transparent=0)
    images["point.gif"] = gif(4, 4, [white, (102, 102, 102)], [[0] * 4, [0] * 4, [0] * 4, [1, 0, 0, 0]])
    images["nopoint.gif"] = gif(1, 4, [white, white], [[0]] * 4)
    for name, data in images.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "src", "resources", "images"))
