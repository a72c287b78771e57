"""Minimal PNG reading and writing, so that every generated file is written
the same way on every run (no timestamps, fixed compression)."""

import struct
import zlib


def _chunks(data):
	pos = 8
	while pos < len(data):
		length, kind = struct.unpack(">I4s", data[pos:pos + 8])
		yield kind, data[pos + 8:pos + 8 + length]
		pos += 12 + length


def _paeth(a, b, c):
	p = a + b - c
	pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
	if pa <= pb and pa <= pc:
		return a
	return b if pb <= pc else c


def read_rgba(path):
	"""Returns (width, height, rows) with rows a list of bytearrays of RGBA."""
	with open(path, "rb") as f:
		data = f.read()
	if data[:8] != b"\x89PNG\r\n\x1a\n":
		raise ValueError(path + " is not a PNG file")
	idat = b""
	for kind, body in _chunks(data):
		if kind == b"IHDR":
			width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
		elif kind == b"IDAT":
			idat += body
	channels = {6: 4, 2: 3, 0: 1, 4: 2}.get(colour)
	if depth != 8 or channels is None or interlace != 0:
		raise ValueError(path + ": only 8-bit, non-interlaced grey or RGB(A) PNG is read")
	raw = zlib.decompress(idat)
	stride = width * channels
	rows = []
	previous = bytearray(stride)
	pos = 0
	for _ in range(height):
		kind = raw[pos]
		line = bytearray(raw[pos + 1:pos + 1 + stride])
		pos += 1 + stride
		for i in range(stride):
			left = line[i - channels] if i >= channels else 0
			up = previous[i]
			corner = previous[i - channels] if i >= channels else 0
			if kind == 1:
				line[i] = (line[i] + left) & 255
			elif kind == 2:
				line[i] = (line[i] + up) & 255
			elif kind == 3:
				line[i] = (line[i] + ((left + up) >> 1)) & 255
			elif kind == 4:
				line[i] = (line[i] + _paeth(left, up, corner)) & 255
		previous = line
		rgba = bytearray(width * 4)
		for x in range(width):
			px = line[x * channels:(x + 1) * channels]
			if channels == 4:
				rgba[x * 4:x * 4 + 4] = px
			elif channels == 3:
				rgba[x * 4:x * 4 + 4] = bytes(px) + b"\xff"
			elif channels == 2:
				rgba[x * 4:x * 4 + 4] = bytes([px[0], px[0], px[0], px[1]])
			else:
				rgba[x * 4:x * 4 + 4] = bytes([px[0], px[0], px[0], 255])
		rows.append(rgba)
	return width, height, rows


def _chunk(kind, body):
	return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)


def write(path, width, height, rows, channels):
	"""Writes 8-bit rows of 1 (grey), 3 (RGB) or 4 (RGBA) channels."""
	colour = {1: 0, 3: 2, 4: 6}[channels]
	raw = b"".join(b"\x00" + bytes(row) for row in rows)
	png = b"\x89PNG\r\n\x1a\n"
	png += _chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, colour, 0, 0, 0))
	png += _chunk(b"IDAT", zlib.compress(raw, 9))
	png += _chunk(b"IEND", b"")
	with open(path, "wb") as f:
		f.write(png)
