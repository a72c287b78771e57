"""RGBA pictures in memory: rendering SVG, splitting into image and mask,
shadows and simple compositing for the contact sheet."""

import os
import re
import subprocess
import tempfile

import pngio

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCES = os.path.join(HERE, "src")


class Picture:
	"""Straight (not premultiplied) RGBA, rows from the top."""

	def __init__(self, width, height, rows=None):
		self.width = width
		self.height = height
		self.rows = rows if rows is not None else [bytearray(width * 4) for _ in range(height)]

	def pixel(self, x, y):
		r = self.rows[y]
		return r[x * 4], r[x * 4 + 1], r[x * 4 + 2], r[x * 4 + 3]

	def crop(self, left, top, width, height):
		rows = [bytearray(self.rows[top + y][left * 4:(left + width) * 4]) for y in range(height)]
		return Picture(width, height, rows)

	def scaled(self, factor):
		"""Nearest-neighbour enlargement by a whole factor (for review only)."""
		rows = []
		for row in self.rows:
			line = bytearray()
			for x in range(self.width):
				line += row[x * 4:x * 4 + 4] * factor
			rows.extend(bytearray(line) for _ in range(factor))
		return Picture(self.width * factor, self.height * factor, rows)


# --- SVG sources -----------------------------------------------------------

def source(name):
	with open(os.path.join(SOURCES, name), encoding="utf-8") as f:
		return f.read()


def inner(name, prefix=None):
	"""The drawing of an SVG source without its outer element, with its ids
	made unique so that several sources can share one document."""
	text = source(name)
	body = text[text.index(">", text.index("<svg")) + 1:text.rindex("</svg>")]
	prefix = prefix or os.path.splitext(name)[0]
	local = r"(?!shared_)([^\"()]+)"  # ids named shared_... belong to the whole document
	body = re.sub(r'id="%s"' % local, lambda m: 'id="%s_%s"' % (prefix, m.group(1)), body)
	body = re.sub(r"url\(#%s\)" % local, lambda m: "url(#%s_%s)" % (prefix, m.group(1)), body)
	body = re.sub(r'href="#%s"' % local, lambda m: 'href="#%s_%s"' % (prefix, m.group(1)), body)
	return body


def document(width, height, body, view=None):
	view = view or "0 0 %g %g" % (width, height)
	return ('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
		'width="%d" height="%d" viewBox="%s">%s</svg>' % (width, height, view, body))


def render(svg, width, height):
	"""Renders SVG text to a Picture of exactly width x height pixels."""
	with tempfile.TemporaryDirectory() as folder:
		src = os.path.join(folder, "in.svg")
		out = os.path.join(folder, "out.png")
		with open(src, "w", encoding="utf-8") as f:
			f.write(svg)
		subprocess.run(["rsvg-convert", "-w", str(width), "-h", str(height), "-f", "png", "-o", out, src], check=True)
		w, h, rows = pngio.read_rgba(out)
	if (w, h) != (width, height):
		raise RuntimeError("rendered %dx%d instead of %dx%d" % (w, h, width, height))
	return Picture(w, h, rows)


# --- image and mask --------------------------------------------------------

def bled_colours(pic):
	"""RGB rows in which every fully transparent pixel takes the colour of its
	visible neighbours, so that filtered edges do not darken towards black."""
	w, h = pic.width, pic.height
	rgb = [[list(pic.pixel(x, y)[:3]) if pic.pixel(x, y)[3] else None for x in range(w)] for y in range(h)]
	for _ in range(4):
		changed = []
		for y in range(h):
			for x in range(w):
				if rgb[y][x] is not None:
					continue
				near = [rgb[ny][nx] for ny in (y - 1, y, y + 1) for nx in (x - 1, x, x + 1)
					if 0 <= ny < h and 0 <= nx < w and rgb[ny][nx] is not None]
				if near:
					changed.append((x, y, [sum(c[i] for c in near) // len(near) for i in range(3)]))
		if not changed:
			break
		for x, y, colour in changed:
			rgb[y][x] = colour
	visible = [c for row in rgb for c in row if c is not None]
	fill = [sum(c[i] for c in visible) // len(visible) for i in range(3)] if visible else [255, 255, 255]
	return [bytearray(v for c in row for v in (c if c is not None else fill)) for row in rgb]


def save(pic, path_without_extension):
	"""Writes NAME.png (colour) and NAME_mask.png (its alpha as brightness)."""
	os.makedirs(os.path.dirname(path_without_extension), exist_ok=True)
	pngio.write(path_without_extension + ".png", pic.width, pic.height, bled_colours(pic), 3)
	mask = [bytearray(row[3::4]) for row in pic.rows]
	pngio.write(path_without_extension + "_mask.png", pic.width, pic.height, mask, 1)


def shadow(pic, colour, opacity, blur=0):
	"""A flat silhouette of the picture in one colour."""
	w, h = pic.width, pic.height
	alpha = [[pic.rows[y][x * 4 + 3] * opacity for x in range(w)] for y in range(h)]
	for _ in range(blur):
		alpha = [[sum(alpha[ny][nx] for ny in (y - 1, y, y + 1) for nx in (x - 1, x, x + 1)
			if 0 <= ny < h and 0 <= nx < w) / 9.0 for x in range(w)] for y in range(h)]
	out = Picture(w, h)
	for y in range(h):
		row = out.rows[y]
		for x in range(w):
			row[x * 4:x * 4 + 4] = bytes(colour) + bytes([min(255, int(round(alpha[y][x])))])
	return out


# --- compositing (contact sheet) -------------------------------------------

def blend(canvas, pic, left, top, opacity=1.0):
	"""Draws pic over canvas (opaque) with its top-left corner at (left, top)."""
	for y in range(pic.height):
		cy = top + y
		if not 0 <= cy < canvas.height:
			continue
		src, dst = pic.rows[y], canvas.rows[cy]
		for x in range(pic.width):
			cx = left + x
			if not 0 <= cx < canvas.width:
				continue
			a = src[x * 4 + 3] * opacity / 255.0
			if a <= 0:
				continue
			for i in range(3):
				dst[cx * 4 + i] = int(round(dst[cx * 4 + i] * (1 - a) + src[x * 4 + i] * a))
			dst[cx * 4 + 3] = 255


def fill(canvas, left, top, width, height, colour):
	for y in range(max(0, top), min(canvas.height, top + height)):
		row = canvas.rows[y]
		for x in range(max(0, left), min(canvas.width, left + width)):
			row[x * 4:x * 4 + 4] = bytes(colour[:3]) + b"\xff"
