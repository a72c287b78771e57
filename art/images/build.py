#!/usr/bin/env python3
"""Makes every picture of the game in data/: images, masks, texture lists and
sprite definitions, from the SVG sources and the parameters below.

  build.py          write data/
  build.py sheet    also write art/contact_sheet.png for review
"""

import os
import shutil
import sys

from picture import Picture, blend, document, fill, inner, render, save, shadow, source
import pngio

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.normpath(os.path.join(HERE, "..", "..", "data"))
SHEET = os.path.normpath(os.path.join(HERE, "..", "contact_sheet.png"))

# Every folder and file below data/ that this script makes; they are removed
# first so that a renamed picture leaves nothing stale behind.
OWNED = [
	"_font", "_playfield", "_ice", "_kitten", "_big_kitten", "_big_kitten_shadow",
	"_big_kitten_paw", "_big_kitten_paw_shadow", "_difficulty_kitten",
	"_difficulty_evil_kitten", "_snowflake", "_background", "_font_sprites_others",
	"_font_sprites_lowercase_letters", "_font_sprites_uppercase_letters",
	"font.txt", "playfield.txt", "shadow_playfield.txt", "snowflake_sprite.txt", "background.txt",
]

# The text font: tiles of CELL pixels drawn 1:1 in white speech bubbles.
FONT = {"family": "DejaVu Sans Mono", "weight": "bold", "size": 13, "cell": (8, 16), "baseline": 12, "ink": "#1f2d45"}
# The spinning text's letters: scaled and moved around a circle over the game.
LETTERS = {"family": "DejaVu Sans", "weight": "bold", "size": 28, "cell": (36, 38), "baseline": 28}

# Shadows are a cool dark blue, never black, to suit the snow.
SHADOW_COLOUR = (24, 44, 78)

# Pixel types and filtering: pictures that turn or scale are filtered
# linearly; pictures always drawn 1:1 at whole pixels stay nearest (crisp).
SMOOTH = ("ui8888", "linear")
CRISP = ("ui8888", "nearest")
# Flat one-colour shadows lose nothing with 4 bits per channel.
SHADE = ("us4444", "linear")

catalogue = []  # (title, [pictures]) for the contact sheet


def data_path(rel):
	return os.path.join(DATA, rel)


def write_text(rel, text):
	path = data_path(rel)
	os.makedirs(os.path.dirname(path), exist_ok=True)
	with open(path, "w", encoding="ascii", newline="\n") as f:
		f.write(text)


def texture_list(rel, entries, kind):
	"""entries: (label, image path without extension, relative to data/)."""
	pixel_type, filtering = kind
	listings = []
	for label, image in entries:
		listings.append('.label="%s"\n.mpath="%s_mask.png"\n.path="%s.png"\n.type="%s"\n.filtering="%s"\n'
			% (label, image, image, pixel_type, filtering))
	write_text(rel, "\n".join(listings))


def sprite(rel, list_rel, delay, behaviour, repeat_from=None):
	# bRepeatFrom must come before the last of the three break members.
	text = '.bRepeatFrom="%d"\n' % repeat_from if repeat_from is not None else ""
	text += '.path="%s"\n.delay="%d"\n.behaviour="%s"\n' % (list_rel, delay, behaviour)
	write_text(rel, text)


def frames_sprite(folder, name, pictures, kind, delay, behaviour, repeat_from=None, title=None):
	"""Saves the frames, their texture list and the sprite definition."""
	entries = []
	for i, pic in enumerate(pictures):
		base = "%s/%s_%d" % (folder, name, i) if len(pictures) > 1 else "%s/%s" % (folder, name)
		save(pic, data_path(base))
		entries.append(("%s_%d" % (name, i), base))
	texture_list("%s/%s.txt" % (folder, name), entries, kind)
	sprite("%s/%s_sprite.txt" % (folder, name) if folder else "%s_sprite.txt" % name,
		"%s/%s.txt" % (folder, name), delay, behaviour, repeat_from)
	catalogue.append((title or name, pictures))


# --- shared drawings -------------------------------------------------------

def kitten_head(eyes=None):
	"""The tile kitten's drawing, optionally with other eyes."""
	body = inner("kitten.svg", "kitten")
	if eyes:
		start = body.index('<g id="kitten_eyes">')
		end = body.index("</g>", start) + 4
		body = body[:start] + inner(eyes) + body[end:]
	return body


def shared_defs():
	return ("<defs>"
		'<g id="shared_kitten">%s</g>'
		'<g id="shared_kitten_sleepy">%s</g>'
		'<g id="shared_kitten_happy">%s</g>'
		'<g id="shared_ice">%s</g>'
		"</defs>") % (kitten_head(), kitten_head("eyes_sleepy.svg"), kitten_head("eyes_happy.svg"), inner("ice.svg"))


def draw(name_or_body, width, height, view=None):
	"""Renders a source file (or SVG markup) to width x height pixels; view
	is the source's own size when it is drawn scaled."""
	body = inner(name_or_body) if name_or_body.endswith(".svg") else name_or_body
	view = "0 0 %d %d" % view if view else None
	return render(document(width, height, shared_defs() + body, view), width, height)


# --- the pictures ----------------------------------------------------------

def font():
	cw, ch = FONT["cell"]
	glyphs = []
	with open(os.path.join(HERE, "src", "glyphs.txt"), encoding="utf-8") as f:
		for line in f:
			line = line.rstrip("\n")
			if line and not line.startswith("#"):
				name, what = line.split(" ", 1)
				glyphs.append((name, what))
	body = ""
	for i, (name, what) in enumerate(glyphs):
		if what.startswith("@"):
			body += '<g transform="translate(%d 0)">%s</g>' % (i * cw, inner(what[1:]))
		else:
			char = what.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
			body += ('<text x="%g" y="%d" text-anchor="middle" font-family="%s" font-weight="%s" '
				'font-size="%d" fill="%s">%s</text>' % (i * cw + cw / 2.0, FONT["baseline"], FONT["family"],
				FONT["weight"], FONT["size"], FONT["ink"], char))
	strip = render(document(cw * len(glyphs), ch, body), cw * len(glyphs), ch)
	entries = []
	pictures = []
	for i, (name, _) in enumerate(glyphs):
		pic = strip.crop(i * cw, 0, cw, ch)
		save(pic, data_path("_font/" + name))
		entries.append((name, "_font/" + name))
		pictures.append(pic)
	texture_list("font.txt", entries, CRISP)
	catalogue.append(("font", pictures))
	escapes = {"escape_I_infinity": "&I", "escape_t_kitten": "&t", "escape_T_heart": "&T"}
	return {escapes.get(name, what): pic for (name, what), pic in zip(glyphs, pictures)}


def playfield():
	tiles = [("ice", draw("ice.svg", 24, 24)), ("frozen_kitten", draw("frozen_kitten.svg", 24, 24)),
		("kitten", draw("kitten.svg", 24, 24))]
	for name, pic in tiles:
		save(pic, data_path("_playfield/" + name))
	texture_list("playfield.txt", [(name, "_playfield/" + name) for name, _ in tiles], SMOOTH)
	shadows = [(name + "_shadow", shadow(pic, SHADOW_COLOUR, 0.45)) for name, pic in tiles]
	for name, pic in shadows:
		save(pic, data_path("_playfield/" + name))
	texture_list("shadow_playfield.txt", [(name, "_playfield/" + name) for name, _ in shadows], SHADE)
	catalogue.append(("playfield", [pic for _, pic in tiles]))
	catalogue.append(("shadow_playfield", [pic for _, pic in shadows]))
	return [pic for _, pic in tiles], [pic for _, pic in shadows]


def ice_vanishing():
	"""The ice cracks, breaks into four shards that drift apart, shrink and
	melt away in a glitter."""
	shards = inner("ice_shards.svg", "shards")
	defs = shards[:shards.index("</defs>") + 7]
	pieces = [shards[shards.index('<g id="shards_shard%d">' % q):] for q in range(4)]
	pieces = [p[:p.index("</g>") + 4] for p in pieces]
	style = '<g fill="url(#shards_body)" stroke="#2f6c9e" stroke-width="1" stroke-linejoin="round">'
	frames = []
	# (how far the shards part, how far they turn, their size, their opacity)
	steps = [(1.2, 5, 0.9, 1.0), (2.6, 12, 0.78, 0.95), (4, 20, 0.64, 0.8),
		(5.2, 30, 0.5, 0.55), (6.2, 40, 0.36, 0.3)]
	centres = [(6, 6, -1, -1), (18, 6, 1, -1), (6, 18, -1, 1), (18, 18, 1, 1)]
	frames.append(draw("<use xlink:href=\"#shared_ice\"/>" + inner("ice_cracks.svg"), 24, 24))
	for spread, turn, scale, opacity in steps:
		body = defs
		for piece, (cx, cy, dx, dy) in zip(pieces, centres):
			body += ('<g opacity="%g" transform="translate(%g %g) rotate(%g %g %g) translate(%g %g) scale(%g) translate(%g %g)">%s%s</g></g>'
				% (opacity, dx * spread, dy * spread, dx * dy * turn, cx, cy, cx, cy, scale, -cx, -cy, style, piece))
		body += '<g opacity="%g">%s</g>' % (min(1.0, opacity + 0.3), inner("sparkles.svg"))
		frames.append(draw(body, 24, 24))
	frames_sprite("_ice", "ice", frames, CRISP, 50, "bHalt", title="ice vanishing")
	return frames


def kitten_vanishing():
	"""A rescued kitten smiles, a heart pops up beside it and it hops away,
	shrinking into the distance."""
	# (size, rise, opacity of the kitten, size and opacity of the heart)
	steps = [(1.0, 0, 1.0, 0, 0), (1.0, 0, 1.0, 0.6, 1.0), (0.86, 1.5, 1.0, 0.8, 1.0), (0.72, 3, 0.95, 0.9, 1.0),
		(0.58, 4.5, 0.8, 1.0, 0.8), (0.44, 6, 0.55, 1.05, 0.5), (0.3, 7.5, 0.3, 1.1, 0.2)]
	frames = []
	for scale, rise, opacity, heart, heart_opacity in steps:
		body = ('<g opacity="%g" transform="translate(%g %g) scale(%g) translate(-12 -12)">'
			'<use xlink:href="#shared_kitten_happy"/></g>' % (opacity, 12 - rise * 0.5, 12 - rise, scale))
		if heart:
			body += '<g opacity="%g">%s</g>' % (heart_opacity, inner("sparkles.svg"))
			body += ('<g opacity="%g" transform="translate(19 5.5) scale(%g) translate(-4 -8.7)">%s</g>'
				% (heart_opacity, heart, inner("glyph_heart.svg")))
		frames.append(draw(body, 24, 24))
	frames_sprite("_kitten", "kitten", frames, CRISP, 60, "bHalt", title="kitten vanishing")
	return frames


def still(folder, name, pic, kind, sprite_name=None):
	"""A picture of one frame that stays put."""
	save(pic, data_path("%s/%s" % (folder, name)))
	texture_list("%s/%s.txt" % (folder, name), [(name, "%s/%s" % (folder, name))], kind)
	sprite(sprite_name or "%s/%s_sprite.txt" % (folder, name), "%s/%s.txt" % (folder, name), 1000, "bRepeat", 0)
	catalogue.append((name, [pic]))
	return pic


def characters():
	"""The big kitten, the paw cursor, their shadows and the two difficulty
	kittens (the big kitten's drawing, smaller)."""
	kitten = still("_big_kitten", "big_kitten", draw("big_kitten.svg", 160, 200), CRISP)
	kitten_shadow = still("_big_kitten_shadow", "big_kitten_shadow", shadow(kitten, SHADOW_COLOUR, 0.35, 2), CRISP)
	paw = still("_big_kitten_paw", "big_kitten_paw", draw("paw.svg", 32, 32), CRISP)
	paw_shadow = still("_big_kitten_paw_shadow", "big_kitten_paw_shadow", shadow(paw, SHADOW_COLOUR, 0.4, 1), CRISP)
	still("_difficulty_kitten", "difficulty_kitten", draw("big_kitten.svg", 64, 80, (160, 200)), SMOOTH)
	still("_difficulty_evil_kitten", "difficulty_evil_kitten", draw("evil_kitten.svg", 64, 80, (160, 200)), SMOOTH)
	snowflake = still("_snowflake", "snowflake", draw("snowflake.svg", 16, 16), SMOOTH, "snowflake_sprite.txt")
	return {"big_kitten": kitten, "big_kitten_shadow": kitten_shadow, "paw": paw, "paw_shadow": paw_shadow,
		"snowflake": snowflake}


def background():
	pic = draw("background.svg", 240, 480)
	save(pic, data_path("_background/background"))
	texture_list("background.txt", [("background", "_background/background")], CRISP)
	catalogue.append(("background", [pic]))
	return pic


def letters():
	cw, ch = LETTERS["cell"]
	chars = [("_font_sprites_lowercase_letters", chr(c)) for c in range(ord("a"), ord("z") + 1)]
	chars += [("_font_sprites_uppercase_letters", chr(c)) for c in range(ord("A"), ord("Z") + 1)]
	chars += [("_font_sprites_others", ".")]
	body = ('<defs><linearGradient id="ice" x1="0" y1="0" x2="0" y2="1">'
		'<stop offset="0.2" stop-color="#ffffff"/><stop offset="1" stop-color="#bfe3fb"/></linearGradient></defs>')
	for i, (_, char) in enumerate(chars):
		body += ('<text x="%g" y="%d" text-anchor="middle" font-family="%s" font-weight="%s" font-size="%d" '
			'fill="url(#ice)" stroke="#1f3a5f" stroke-width="3" stroke-linejoin="round" paint-order="stroke">%s</text>'
			% (i * cw + cw / 2.0, LETTERS["baseline"], LETTERS["family"], LETTERS["weight"], LETTERS["size"], char))
	strip = render(document(cw * len(chars), ch, body), cw * len(chars), ch)
	pictures = []
	for i, (folder, char) in enumerate(chars):
		pic = strip.crop(i * cw, 0, cw, ch)
		name = "dot" if char == "." else char
		base = "%s/%s" % (folder, name)
		save(pic, data_path(base))
		texture_list(base + ".txt", [(name, base)], SMOOTH)
		sprite(base + "_sprite.txt", base + ".txt", 1000, "bRepeat", 0)
		pictures.append(pic)
	catalogue.append(("spinning text letters", pictures))
	return {char: pic for (_, char), pic in zip(chars, pictures)}


def main():
	for rel in OWNED:
		path = data_path(rel)
		if os.path.isdir(path):
			shutil.rmtree(path)
		elif os.path.exists(path):
			os.remove(path)
	os.makedirs(DATA, exist_ok=True)
	parts = {"glyphs": font()}
	parts["tiles"], parts["shadows"] = playfield()
	parts["ice_frames"] = ice_vanishing()
	parts["kitten_frames"] = kitten_vanishing()
	parts.update(characters())
	parts["background"] = background()
	parts["letters"] = letters()
	if len(sys.argv) > 1 and sys.argv[1] == "sheet":
		import sheet
		sheet.write(SHEET, catalogue, parts)


if __name__ == "__main__":
	main()
