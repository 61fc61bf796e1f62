#!/usr/bin/python3
"""Draws every picture and sound in this folder. The outputs are kept in the repository, so
the build never runs this; run it again after changing a drawing.

    /usr/bin/python3 resources/draw_resources.py [--preview DIR]

--preview also writes enlarged PNG copies to DIR for a look at the pixels.
Needs Pillow for the JPEG (and the previews).
"""

import io
import os
import sys

sys.dont_write_bytecode = True  # keep __pycache__ out of the source tree

from drawing import formats, pictures, sounds  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
LIGHT_MATTE = (236, 233, 216)  # a light window background: where the icons mostly sit
LAMP_MATTE = (255, 255, 255)  # the lamps stand on the status label's window-colour background


def write(name, data):
    path = os.path.join(HERE, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    print(f"{name}: {len(data)} bytes")


def jpeg(rows):
    from PIL import Image

    img = Image.new("RGB", (len(rows[0]), len(rows)))
    img.putdata([tuple(int(round(v)) for v in p[:3]) for row in rows for p in row])
    buf = io.BytesIO()
    img.save(buf, "JPEG", quality=92, subsampling=0, optimize=False, progressive=False)
    return buf.getvalue()


def quantised(image, bits):
    """The image as the file stores it: every colour replaced by its palette entry."""
    palette, indices = formats.palettize(image, bits)
    return [[None if c is None else palette[i] for c, i in zip(row, irow)]
            for row, irow in zip(image, indices)]


def preview(folder, name, image, scale=8):
    """Saves the image enlarged on a checkerboard, so transparency shows."""
    from PIL import Image

    h, w = len(image), len(image[0])
    img = Image.new("RGB", (w * scale, h * scale))
    px = img.load()
    for y in range(h * scale):
        for x in range(w * scale):
            c = image[y // scale][x // scale]
            if c is None:
                c = (204, 204, 204) if ((x // 4) + (y // 4)) % 2 else (255, 255, 255)
            px[x, y] = c
    img.save(os.path.join(folder, name + ".png"))


def main(argv):
    folder = argv[argv.index("--preview") + 1] if "--preview" in argv else None

    clock32 = formats.flatten(pictures.clock_face(), LIGHT_MATTE)
    clock16 = formats.flatten(pictures.small_clock_face(), LIGHT_MATTE)
    logo = formats.flatten(pictures.logo_icon(32), LIGHT_MATTE)
    lamp_off = formats.flatten(pictures.lamp(False), LAMP_MATTE)
    lamp_on = formats.flatten(pictures.lamp(True), LAMP_MATTE)
    hand, hotspot = pictures.hand_cursor()
    about = pictures.about_picture(150)

    write("acordina.ico", formats.icon_file([(clock32, 8), (clock16, 8)]))
    write("tavu.ico", formats.icon_file([(logo, 4)]))
    write("lamp_off.ico", formats.icon_file([(lamp_off, 8)]))
    write("lamp_on.ico", formats.icon_file([(lamp_on, 8)]))
    write("hand.cur", formats.icon_file([(hand, 1)], cursor_hotspot=hotspot))
    write("sobre.jpg", jpeg(about))
    write("sounds/alarme_classico.wav", formats.wav_file(sounds.alarm_classic(), sounds.RATE))
    write("sounds/bipes.wav", formats.wav_file(sounds.beeps(), sounds.RATE))
    write("sounds/sino.wav", formats.wav_file(sounds.bell(), sounds.RATE))
    write("reserva.wav", formats.wav_file(sounds.reserve(), sounds.RESERVE_RATE, bits=8))

    if folder:
        os.makedirs(folder, exist_ok=True)
        for name, image, bits in [("acordina32", clock32, 8), ("acordina16", clock16, 8),
                                  ("tavu", logo, 4), ("lamp_off", lamp_off, 8),
                                  ("lamp_on", lamp_on, 8), ("hand", hand, 1)]:
            preview(folder, name, quantised(image, bits))
        about_rgb = [[tuple(int(round(v)) for v in p[:3]) for p in row] for row in about]
        preview(folder, "sobre", about_rgb, 3)


if __name__ == "__main__":
    main(sys.argv[1:])
