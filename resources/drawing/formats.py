"""Writers for the file formats the resource compiler and the sound player read.

Icons and cursors are the classic kind: a palette bitmap (XOR) plus a 1-bit AND mask, so
they show the same on every Windows version. Index 0 of every palette is black, because a
transparent pixel must be black in the XOR image for the mask trick to leave the screen as is.
"""

import struct

OPAQUE = 0.5  # pixels at least this covered become solid; the rest are see-through


def flatten(rows, matte):
    """Turns straight RGBA rows into rows of RGB tuples (None where transparent).

    Edge pixels are blended with the matte colour, the background the picture usually sits on.
    """
    out = []
    for row in rows:
        line = []
        for r, g, b, a in row:
            if a < OPAQUE:
                line.append(None)
            else:
                line.append(
                    tuple(
                        int(round(c * a + m * (1.0 - a)))
                        for c, m in zip((r, g, b), matte)
                    )
                )
        out.append(line)
    return out


def median_cut(colours, size):
    """A palette of at most `size` colours for a {rgb: count} histogram (deterministic)."""
    boxes = [sorted(colours.items())]
    while len(boxes) < size:
        best, best_key = None, None
        for n, box in enumerate(boxes):
            if len(box) < 2:
                continue
            spans = [max(c[k] for c, _ in box) - min(c[k] for c, _ in box) for k in range(3)]
            key = (max(spans) * sum(w for _, w in box), -n)
            if best_key is None or key > best_key:
                best, best_key = n, key
        if best is None:
            break
        box = boxes.pop(best)
        spans = [max(c[k] for c, _ in box) - min(c[k] for c, _ in box) for k in range(3)]
        axis = spans.index(max(spans))
        box.sort(key=lambda cw: (cw[0][axis], cw[0]))
        total, acc, cut = sum(w for _, w in box), 0, 1
        for i, (_, w) in enumerate(box[:-1]):
            acc += w
            if acc * 2 >= total:
                cut = i + 1
                break
        boxes[best:best] = [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(w for _, w in box)
        palette.append(
            tuple(int(round(sum(c[k] * w for c, w in box) / total)) for k in range(3))
        )
    return sorted(set(palette), key=lambda c: (c[0] * 299 + c[1] * 587 + c[2] * 114, c))


def palettize(image, bits):
    """Maps an RGB/None image to (palette, index rows); index 0 is black."""
    size = 1 << bits
    hist = {}
    for row in image:
        for c in row:
            if c is not None:
                hist[c] = hist.get(c, 0) + 1
    hist.pop((0, 0, 0), None)
    colours = sorted(hist) if len(hist) < size else median_cut(hist, size - 1)
    palette = [(0, 0, 0)] + [c for c in colours if c != (0, 0, 0)]
    cache = {}

    def nearest(c):
        if c not in cache:
            cache[c] = min(
                range(len(palette)),
                key=lambda i: sum((a - b) ** 2 for a, b in zip(c, palette[i])),
            )
        return cache[c]

    index_rows = [[0 if c is None else nearest(c) for c in row] for row in image]
    return palette + [(0, 0, 0)] * (size - len(palette)), index_rows


def _pack_row(values, bits):
    out, acc, used = bytearray(), 0, 0
    for v in values:
        acc = (acc << bits) | v
        used += bits
        if used == 8:
            out.append(acc)
            acc, used = 0, 0
    if used:
        out.append(acc << (8 - used))
    while len(out) % 4:
        out.append(0)
    return bytes(out)


def dib(image, bits, palette=None):
    """One icon/cursor image: header, palette, XOR rows and AND rows, both bottom-up."""
    h, w = len(image), len(image[0])
    if palette is None:
        palette, indices = palettize(image, bits)
    else:
        lookup = {c: i for i, c in enumerate(palette)}
        indices = [[0 if c is None else lookup[c] for c in row] for row in image]
    xor = b"".join(_pack_row(row, bits) for row in reversed(indices))
    mask = b"".join(
        _pack_row([1 if c is None else 0 for c in row], 1) for row in reversed(image)
    )
    header = struct.pack(
        "<IiiHHIIiiII", 40, w, h * 2, 1, bits, 0, len(xor) + len(mask), 0, 0, 0, 0
    )
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + pal + xor + mask


def icon_file(images, cursor_hotspot=None):
    """An .ico (or, with a hotspot, a .cur) holding [(image, bits)] in the given order."""
    blobs = [(image, bits, dib(image, bits)) for image, bits in images]
    out = struct.pack("<HHH", 0, 2 if cursor_hotspot else 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for image, bits, blob in blobs:
        w, h = len(image[0]), len(image)
        colours = 0 if bits >= 8 else 1 << bits
        if cursor_hotspot:
            plane_or_x, bits_or_y = cursor_hotspot
        else:
            plane_or_x, bits_or_y = 1, bits
        out += struct.pack(
            "<BBBBHHII", w % 256, h % 256, colours, 0, plane_or_x, bits_or_y, len(blob), offset
        )
        offset += len(blob)
    return out + b"".join(blob for _, _, blob in blobs)


def wav_file(samples, rate, bits=16):
    """Mono PCM from floats in -1..1, 16-bit or (unsigned) 8-bit."""
    if bits == 8:
        data = bytes(max(1, min(255, 128 + int(round(s * 127)))) for s in samples)
    else:
        data = b"".join(
            struct.pack("<h", max(-32767, min(32767, int(round(s * 32767))))) for s in samples
        )
    size = bits // 8
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate * size, size, bits)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
    body += b"data" + struct.pack("<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body
