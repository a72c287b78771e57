"""The contact sheet: every picture on the scenery's colours, plus two mock
screens that show the pictures where and how the game draws them."""

import math

from picture import Picture, blend, fill
import pngio

SCREEN_W, SCREEN_H = 640, 480
LOW, MIDDLE, HIGH = (204, 204, 102), (204, 204, 153), (102, 153, 204)


def mix(a, b, t):
	return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def scenery():
	"""The gradient, the white side fades and nothing else (game coordinates)."""
	pic = Picture(SCREEN_W, SCREEN_H)
	for row in range(SCREEN_H):
		y = SCREEN_H - 1 - row + 0.5
		colour = mix(LOW, MIDDLE, y / 240.0) if y < 240 else mix(MIDDLE, HIGH, (y - 240) / 240.0)
		line = pic.rows[row]
		for x in range(SCREEN_W):
			if x < 200:
				white = 1 - (x + 0.5) / 200.0
			elif x >= 440:
				white = (x + 0.5 - 440) / 200.0
			else:
				white = 0
			c = mix(colour, (255, 255, 255), white)
			line[x * 4:x * 4 + 4] = bytes(c) + b"\xff"
	return pic


def at(canvas, pic, x, y, opacity=1.0):
	"""Draws pic with its bottom-left corner at game coordinates (x, y)."""
	blend(canvas, pic, x, SCREEN_H - y - pic.height, opacity)


def dashed(canvas, x0, y0, x1, y1):
	steps = int(max(abs(x1 - x0), abs(y1 - y0)))
	for i in range(steps):
		if (i // 4) % 2:
			continue
		x = int(x0 + (x1 - x0) * i / steps)
		y = int(y0 + (y1 - y0) * i / steps)
		fill(canvas, x, SCREEN_H - 1 - y, 1, 1, (40, 60, 90))


def bubble(canvas, x, y, w, h, margin=8):
	"""A plain stand-in for the speech bubble: white box, black outline."""
	left, top = x - margin, SCREEN_H - (y + h + margin)
	fill(canvas, left - 1, top - 1, w + 2 * margin + 2, h + 2 * margin + 2, (0, 0, 0))
	fill(canvas, left, top, w + 2 * margin, h + 2 * margin, (255, 255, 255))


def text(canvas, glyphs, string, x, y_top, cell=(8, 16)):
	"""Writes a string with its first line's top at game y y_top."""
	column, line = 0, 0
	i = 0
	while i < len(string):
		c = string[i]
		if c == "\n":
			column, line = 0, line + 1
			i += 1
			continue
		if c == "&" and i + 1 < len(string):
			i += 1
			c = {"I": "&I", "t": "&t", "T": "&T", "&": "&"}.get(string[i], " ")
		if c in glyphs:
			at(canvas, glyphs[c], x + column * cell[0], y_top - (line + 1) * cell[1])
		column += 1
		i += 1


def play_screen(p):
	canvas = scenery()
	at(canvas, p["background"], 200, 0)
	for x in (200, 440):
		dashed(canvas, x, 0, x, 480)
	dashed(canvas, 200, 288, 440, 288)
	ice, frozen, kitten = p["tiles"]
	rows = ["0102100212", "1010020110", "2001201021", "0120102001", "1200211200"]
	cells = {}
	for r, row in enumerate(rows):
		for c, t in enumerate(row):
			if t != " " and not (r == 4 and c in (4, 5)):
				cells[(c, r)] = int(t)
	piece = {(4, 7): 2, (5, 7): 0, (5, 8): 1, (5, 6): 2}
	for (c, r), t in piece.items():
		at(canvas, p["shadows"][t], 200 + 24 * c + 4, 24 * r - 4)
	for (c, r), t in cells.items():
		at(canvas, p["tiles"][t], 200 + 24 * c, 24 * r)
	for (c, r), t in piece.items():
		at(canvas, p["tiles"][t], 200 + 24 * c, 24 * r)
	at(canvas, p["ice_frames"][2], 200 + 24 * 4, 24 * 4)
	at(canvas, p["kitten_frames"][3], 200 + 24 * 5, 24 * 4)
	bubble(canvas, 212, 360, 216, 64)
	text(canvas, p["glyphs"], "Rescued              23\nBest rescue           7\nLevel          12 (&I)\nRank                3rd", 212, 424)
	bubble(canvas, 452, 324 - 7 * 24 + 24, 7 * 24, 7 * 24)
	for (c, r), t in {(2, 3): 1, (3, 3): 2, (3, 4): 0, (4, 3): 2}.items():
		at(canvas, p["tiles"][t], 452 + 24 * c, 324 - 7 * 24 + 24 + 24 * r)
	for i, (x, y) in enumerate([(230, 430), (300, 380), (390, 455), (260, 330), (410, 300)]):
		at(canvas, p["snowflake"], x, y, 1.0 if i % 2 else 0.7)
	word = "Paused... "
	for i, c in enumerate(word):
		if c in p["letters"]:
			a = math.radians(360.0 / len(word) * i)
			at(canvas, p["letters"][c], 320 + int(80 * math.sin(a)) - 16, 192 + int(80 * math.cos(a)) - 18)
	return canvas


def highscore_screen(p):
	canvas = scenery()
	at(canvas, p["background"], 200, 0)
	w, h = 43 * 8, 21 * 16
	bubble(canvas, 56, 36, w, h)
	lines = [" " * 17 + "Rescued Best rescue Levels", ""]
	names = ["Whiskers", "Mittens & Co", "Anon", "Snowball", "Tabby", "Anon", "Anon", "Anon", "Anon", "Anon"]
	for i, name in enumerate(names):
		score = max(0, 120 - i * 13) if name != "Anon" else 0
		lines.append("%-17s%-8d%-12d%d - %d" % (name, score, min(score, 11), i % 3, 10 + i if score else 0))
		lines.append("")
	lines.append("Title  Play  (last level &I) &t &T")
	text(canvas, p["glyphs"], "\n".join(lines), 56, 36 + h)
	at(canvas, p["big_kitten_shadow"], 56 + w + 30 + 8, 36 - 6)
	at(canvas, p["big_kitten"], 56 + w + 30, 36)
	at(canvas, p["paw_shadow"], 300 + 3, 200 - 4)
	at(canvas, p["paw"], 300, 200)
	return canvas


def gallery(catalogue, width):
	"""Every picture at real size on three of the scenery's colours, and the
	small ones also three times enlarged."""
	swatches = [MIDDLE, HIGH, (255, 255, 255)]
	blocks = []
	for title, pictures in catalogue:
		x, y, line_h, placed = 0, 0, 0, []
		for pic in pictures:
			shown = [(pic, s) for s in swatches]
			if pic.width <= 64:
				shown.append((pic.scaled(3), MIDDLE))
			w = sum(p.width + 4 for p, _ in shown) + 8
			h = max(p.height for p, _ in shown) + 4
			if x + w > width:
				x, y, line_h = 0, y + line_h, 0
			placed.append((shown, x, y))
			x += w
			line_h = max(line_h, h)
		blocks.append((placed, y + line_h))
	out = Picture(width, sum(h + 6 for _, h in blocks))
	fill(out, 0, 0, out.width, out.height, (60, 60, 60))
	top = 0
	for placed, height in blocks:
		for shown, x, y in placed:
			for p, swatch in shown:
				fill(out, x, top + y, p.width + 4, p.height + 4, swatch)
				blend(out, p, x + 2, top + y + 2)
				x += p.width + 4
		top += height + 6
	return out


def write(path, catalogue, parts):
	a = play_screen(parts)
	b = highscore_screen(parts)
	g = gallery(catalogue, 2 * SCREEN_W + 8)
	out = Picture(2 * SCREEN_W + 8, SCREEN_H + g.height)
	fill(out, 0, 0, out.width, out.height, (60, 60, 60))
	blend(out, a, 0, 0)
	blend(out, b, SCREEN_W + 8, 0)
	blend(out, g, 0, SCREEN_H)
	pngio.write(path, out.width, out.height, out.rows, 4)
