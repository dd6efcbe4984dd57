#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The poster job in Pillow, for timing next to poster_driver.

pillow_poster.py [--draft] <picture> <header.png> <font.ttc> <outdir> [count]

Decodes and resizes the picture once and keeps it between posters; --draft lets the JPEG
decoder scale by DCT first, as Pillow users tune it.
"""
import os
import sys

from PIL import Image, ImageDraw, ImageFont

BOX = (390, 520)
POSTER = (0, 0, 384, 520)
AMOUNTS = ["10", "15", "20", "25", "30", "40", "50", "60", "80", "99"]
CAPTION = "长按识别二维码"


def main(argv):
    draft = "--draft" in argv
    args = [a for a in argv if a != "--draft"]
    picture_path, header_path, font_path, outdir = args[:4]
    count = int(args[4]) if len(args) > 4 else 1

    picture = Image.open(picture_path)
    if draft:
        picture.draft("RGB", BOX)
    base = picture.convert("RGB").resize(BOX)
    header = Image.open(header_path).convert("RGBA")
    # Face 2 of the collection is Simplified Chinese.
    digit_font = ImageFont.truetype(font_path, 67, index=2)
    amount_font = ImageFont.truetype(font_path, 37, index=2)
    caption_font = ImageFont.truetype(font_path, 24, index=2)
    os.makedirs(outdir, exist_ok=True)

    for i in range(count):
        device = (i // len(AMOUNTS)) % 5 + 1
        amount = AMOUNTS[i % len(AMOUNTS)]
        poster = base.copy()
        poster.paste(header, (0, 0), header)
        draw = ImageDraw.Draw(poster)
        draw.text((48, 35), str(device), fill=(255, 0, 0), font=digit_font, anchor="mm")
        draw.text((198, 40), amount, fill=(0, 0, 0), font=amount_font, anchor="mm")
        draw.text((193, 406), CAPTION, fill=(255, 255, 255), font=caption_font, anchor="mm")
        name = os.path.join(outdir, f"{device}号设备{amount}元.jpg")
        poster.crop(POSTER).save(name, "JPEG", quality=95, subsampling=0)


if __name__ == "__main__":
    main(sys.argv[1:])
