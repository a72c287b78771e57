"""Small synthesis helpers shared by the effects and the music.

Everything is plain Python floats in -1..1; files are written as PCM WAV at
the rate the game opens its audio device, so SDL never has to resample.
"""
import math
import struct
import wave

RATE = 22050


def samples(p_seconds):
	return int(round(p_seconds * RATE))


def midi_to_hz(p_note):
	return 440.0 * 2.0 ** ((p_note - 69) / 12.0)


NOTE_NAMES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def note_to_midi(p_name):
	"""'C4' is 60; accidentals as 'Bb3' or 'F#5'."""
	value = NOTE_NAMES[p_name[0]]
	rest = p_name[1:]
	while rest and rest[0] in "b#":
		value += -1 if rest[0] == "b" else 1
		rest = rest[1:]
	return value + 12 * (int(rest) + 1)


def smooth_step(p_x):
	"""Raised-cosine ramp from 0 to 1, for click-free fades."""
	if p_x <= 0.0:
		return 0.0
	if p_x >= 1.0:
		return 1.0
	return 0.5 - 0.5 * math.cos(math.pi * p_x)


def envelope(p_length, p_attack, p_decay, p_release):
	"""Gain curve: raised-cosine attack, exponential decay (time constant
	p_decay seconds, None for none), raised-cosine release to exactly 0."""
	attack = max(1, samples(p_attack))
	release = max(1, samples(p_release))
	gains = []
	for i in range(p_length):
		gain = smooth_step(i / attack)
		if p_decay:
			gain *= math.exp(-i / (p_decay * RATE))
		to_end = p_length - 1 - i
		if to_end < release:
			gain *= smooth_step(to_end / release)
		gains.append(gain)
	return gains


def partials(p_length, p_frequency, p_partials, p_glide=None):
	"""Sum of sines. p_partials: (frequency ratio, amplitude, decay seconds or
	None). p_glide(t) gives a frequency factor over time (for pitch drops).
	Partials above the Nyquist limit are left out."""
	out = [0.0] * p_length
	for ratio, amplitude, decay in p_partials:
		phase = 0.0
		for i in range(p_length):
			factor = p_glide(i / RATE) if p_glide else 1.0
			frequency = p_frequency * ratio * factor
			if frequency < RATE * 0.45:
				level = amplitude * (math.exp(-i / (decay * RATE)) if decay else 1.0)
				out[i] += level * math.sin(phase)
			phase += 2.0 * math.pi * frequency / RATE
	return out


class Noise:
	"""Seeded white noise through a two-pole band-pass (a state-variable
	filter), so every run gives the same samples."""

	def __init__(self, p_random, p_centre, p_q):
		self.random = p_random
		self.f = 2.0 * math.sin(math.pi * p_centre / RATE)
		self.damping = 1.0 / p_q
		self.low = 0.0
		self.band = 0.0

	def next(self):
		x = self.random.uniform(-1.0, 1.0)
		high = x - self.low - self.damping * self.band
		self.band += self.f * high
		self.low += self.f * self.band
		return self.band


def mix_into(p_target, p_source, p_offset, p_gain=1.0):
	"""Adds p_source into p_target from p_offset; what runs past the end is
	dropped."""
	for i, value in enumerate(p_source[:max(0, len(p_target) - p_offset)]):
		p_target[p_offset + i] += value * p_gain


def peak(p_signal):
	return max(abs(value) for value in p_signal)


def rms(p_signal):
	return math.sqrt(sum(value * value for value in p_signal) / len(p_signal))


def scale(p_signal, p_gain):
	return [value * p_gain for value in p_signal]


def to_db(p_value):
	return 20.0 * math.log10(p_value)


def from_db(p_db):
	return 10.0 ** (p_db / 20.0)


def write_wav(p_path, p_channels, p_bits=16):
	"""Writes one list per channel as PCM WAV (16 or 32 bits). Values beyond
	full scale are an error: levels are set before writing, never clipped."""
	full = float(2 ** (p_bits - 1) - 1)
	code = {16: "<h", 32: "<i"}[p_bits]
	frames = bytearray()
	for frame in zip(*p_channels):
		for value in frame:
			if abs(value) > 1.0:
				raise ValueError("%s would clip (%.3f)" % (p_path, value))
			frames += struct.pack(code, int(round(value * full)))
	with wave.open(p_path, "wb") as out:
		out.setnchannels(len(p_channels))
		out.setsampwidth(p_bits // 8)
		out.setframerate(RATE)
		out.writeframes(bytes(frames))
