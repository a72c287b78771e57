"""Makes the four sound effects: python3 effects.py OUTPUT_FOLDER.

Each effect is built from damped sines and seeded, filtered noise, then set
to a common short-term loudness so that none jumps out over the others. The
pitches sit in F major, the key of the music, so effects never clash with it.
"""
import math
import os
import random
import sys

from synth import (RATE, Noise, envelope, from_db, midi_to_hz, mix_into, note_to_midi,
	partials, peak, samples, scale, to_db, write_wav)

# Loudness of every effect: the loudest 50 ms stretch has this weighted RMS
# level.
TARGET_DB = -15.0
# No effect peaks above this.
PEAK_LIMIT_DB = -3.0
# The tick sounds on every move, so it sits below the others.
TICK_OFFSET_DB = -5.0


def shaped(p_signal, p_attack, p_release, p_decay=None):
	gains = envelope(len(p_signal), p_attack, p_decay, p_release)
	return [value * gain for value, gain in zip(p_signal, gains)]


def bell(p_note, p_length, p_ring, p_bright=1.0):
	"""A soft glassy bell: a few near-harmonic partials that die away, the
	upper ones faster."""
	return partials(samples(p_length), midi_to_hz(note_to_midi(p_note)), [
		(1.0, 1.0, p_ring),
		(2.0, 0.28 * p_bright, p_ring * 0.45),
		(3.01, 0.10 * p_bright, p_ring * 0.25),
		(4.2, 0.04 * p_bright, p_ring * 0.15),
	])


def action():
	"""A short wooden tick."""
	length = samples(0.055)
	body = partials(length, 1175.0, [
		(1.0, 1.0, 0.011),
		(0.5, 0.22, 0.018),
		(2.76, 0.18, 0.004),
	])
	return shaped(body, 0.0012, 0.012)


def collision():
	"""A muffled bump: a low thud that drops in pitch and a touch of snow
	crunch."""
	length = samples(0.2)
	thud = partials(length, 105.0, [
		(1.0, 0.7, 0.07),
		(2.0, 0.8, 0.045),
		(3.0, 0.45, 0.03),
		(4.1, 0.18, 0.02),
	], p_glide=lambda t: 1.0 + 0.7 * math.exp(-t / 0.018))
	crunch_source = Noise(random.Random(4101), 900.0, 0.9)
	crunch = [crunch_source.next() * 0.6 * math.exp(-i / (0.014 * RATE)) for i in range(length)]
	mixed = [a + b for a, b in zip(thud, crunch)]
	return shaped(mixed, 0.002, 0.05)


def melting():
	"""Ice melting: glassy pings falling down the scale over a soft hiss,
	ending in a drip."""
	length = samples(0.46)
	out = [0.0] * length
	for index, note in enumerate(["C7", "A6", "F6", "D6", "C6"]):
		start = samples(0.045 * index ** 1.1)
		ping = shaped(bell(note, 0.3, 0.07, 0.7), 0.002, 0.03)
		mix_into(out, ping, start, 0.45 - 0.05 * index)
	hiss_source = Noise(random.Random(4102), 2500.0, 2.5)
	hiss_length = samples(0.36)
	hiss = []
	smooth = 0.0
	for i in range(hiss_length):
		t = i / RATE
		# The hiss darkens as it fades, like fizzing ice settling.
		hiss_source.f = 2.0 * math.sin(math.pi * (2600.0 - 3500.0 * t) / RATE)
		smooth += 0.55 * (hiss_source.next() - smooth)
		hiss.append(smooth)
	hiss = shaped(hiss, 0.03, 0.12, 0.12)
	mix_into(out, hiss, 0, 0.2)
	drip_length = samples(0.12)
	drip = partials(drip_length, 560.0, [(1.0, 1.0, 0.035)],
		p_glide=lambda t: 1.0 + 1.3 * min(t / 0.05, 1.0))
	mix_into(out, shaped(drip, 0.003, 0.04), samples(0.28), 0.5)
	return shaped(out, 0.002, 0.06)


def rescue():
	"""A happy rescue: a rising F major arpeggio on bells, a last chord and a
	sprinkle of sparkles that echo away."""
	length = samples(1.2)
	out = [0.0] * length
	for index, note in enumerate(["F5", "A5", "C6", "F6"]):
		tone = shaped(bell(note, 0.8, 0.32), 0.003, 0.15)
		mix_into(out, tone, samples(0.075 * index), 0.42)
	for note in ["A6", "C7"]:
		tone = shaped(bell(note, 0.85, 0.4, 0.6), 0.004, 0.2)
		mix_into(out, tone, samples(0.3), 0.22)
	sparkle_random = random.Random(4103)
	sparkle_notes = ["F7", "G7", "A7", "C8", "D7"]
	for index in range(7):
		note = sparkle_random.choice(sparkle_notes)
		start = samples(0.34 + 0.07 * index + sparkle_random.uniform(0.0, 0.03))
		tone = shaped(bell(note, 0.2, 0.05, 0.3), 0.002, 0.03)
		mix_into(out, tone, start, 0.08 * (1.0 - index / 9.0))
	echo = list(out)
	mix_into(echo, out, samples(0.13), 0.28)
	return shaped(echo, 0.003, 0.25)


def weighted(p_signal):
	"""Roughly how loud the ear finds it: a second-order high-pass at 250 Hz
	discounts low rumble, which small speakers barely play anyway."""
	w = 2.0 * math.pi * 250.0 / RATE
	alpha = math.sin(w) / math.sqrt(2.0)
	cos_w = math.cos(w)
	a0 = 1.0 + alpha
	b0 = (1.0 + cos_w) / 2.0 / a0
	b1 = -(1.0 + cos_w) / a0
	a1 = -2.0 * cos_w / a0
	a2 = (1.0 - alpha) / a0
	x1 = x2 = y1 = y2 = 0.0
	out = []
	for x in p_signal:
		y = b0 * x + b1 * x1 + b0 * x2 - a1 * y1 - a2 * y2
		x2, x1, y2, y1 = x1, x, y1, y
		out.append(y)
	return out


def loudest_window_db(p_signal):
	"""Weighted RMS level of the loudest 50 ms stretch (stepping by 5 ms)."""
	p_signal = weighted(p_signal)
	window = samples(0.05)
	step = samples(0.005)
	best = 0.0
	for start in range(0, max(1, len(p_signal) - window + 1), step):
		part = p_signal[start:start + window]
		best = max(best, sum(value * value for value in part) / len(part))
	return 10.0 * math.log10(best)


def levelled(p_signal, p_target_db):
	gain = from_db(p_target_db - loudest_window_db(p_signal))
	gain = min(gain, from_db(PEAK_LIMIT_DB) / peak(p_signal))
	return scale(p_signal, gain)


def main():
	folder = sys.argv[1]
	made = [
		("action.wav", action(), TARGET_DB + TICK_OFFSET_DB),
		("collision.wav", collision(), TARGET_DB),
		("ice_or_frozen_kitten_vanishing.wav", melting(), TARGET_DB),
		("kitten_vanishing.wav", rescue(), TARGET_DB),
	]
	for name, signal, target in made:
		signal = levelled(signal, target)
		write_wav(os.path.join(folder, name), [signal])
		print("%-36s %5.3f s  peak %6.1f dBFS  loudest 50 ms %6.1f dBFS" % (
			name, len(signal) / RATE, to_db(peak(signal)), loudest_window_db(signal)))


if __name__ == "__main__":
	main()
