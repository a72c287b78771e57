"""Renders the music loop from score.txt: python3 music.py SCORE OUTPUT.wav

Writes one exact loop (a whole number of bars) as 32-bit stereo PCM. The
buffer is circular: a note still ringing at the end of the last bar goes on
at the start of the first, so the end flows into the start. Reverb is added
afterwards by make.sh, also around the loop.
"""
import math
import random
import sys

from synth import RATE, Noise, note_to_midi, midi_to_hz, peak, smooth_step, write_wav

EIGHTHS_PER_BAR = 8

# Level of each instrument in the mix, and where it stands (-1 left, 1 right).
# A lead instrument plays at its level; any instrument playing the counter
# part, or the music box doubling the tune an octave up, plays softer.
LEVELS = {
	"celesta": 0.5, "flute": 0.36, "musicbox": 0.42, "octave": 0.12, "harp": 0.13,
	"pad": 0.045, "bass": 0.34, "shaker": 0.035, "jingle": 0.03,
}
COUNTER_SHARE = 0.5
PANS = {
	"celesta": 0.0, "flute": 0.05, "counter": -0.3, "musicbox": 0.3, "harp": -0.35,
	"bass": 0.0, "shaker": 0.4, "jingle": -0.45,
}
# Accompaniment registers (MIDI note numbers).
PAD_RANGE = (52, 69)
BASS_LOWEST = 40
HARP_LOWEST = 55

CHORD_SHAPES = {"": [0, 4, 7], "m": [0, 3, 7], "7": [0, 4, 7, 10], "m7": [0, 3, 7, 10],
	"maj7": [0, 4, 7, 11]}


# --- The score ---------------------------------------------------------------

class Section:
	def __init__(self, p_name):
		self.name = p_name
		self.voices = {}
		self.band = {}
		self.chords = []
		self.parts = {}


def parse_bars(p_text):
	return [bar.split() for bar in p_text.strip().strip("|").split("|")]


def parse_score(p_path):
	tempo = None
	form = []
	sections = {}
	current = None
	with open(p_path) as source:
		for number, line in enumerate(source, 1):
			line = line.split("#", 1)[0].strip()
			if not line:
				continue
			word, _, rest = line.partition(" ")
			if word == "tempo":
				tempo = float(rest)
			elif word == "form":
				form = rest.split()
			elif word == "section":
				current = Section(rest.strip())
				sections[current.name] = current
			elif word in ("voices", "band"):
				target = current.voices if word == "voices" else current.band
				for pair in rest.split():
					key, _, value = pair.partition("=")
					target[key] = value
			elif word == "chords":
				current.chords = parse_bars(rest)
			else:
				bars = []
				for bar in parse_bars(rest):
					notes = []
					for token in bar:
						name, _, eighths = token.partition(":")
						notes.append((None if name == "r" else note_to_midi(name), int(eighths)))
					if sum(e for _, e in notes) != EIGHTHS_PER_BAR:
						raise ValueError("%s:%d: a bar of %s does not fill %d eighths"
							% (p_path, number, word, EIGHTHS_PER_BAR))
					bars.append(notes)
				current.parts[word] = bars
	for name in form:
		section = sections[name]
		for part in section.parts.values():
			if len(part) != len(section.chords):
				raise ValueError("section %s: parts and chords differ in bars" % name)
	return tempo, [sections[name] for name in form]


def chord_notes(p_symbol):
	"""Root pitch class and the chord's intervals, from 'F', 'Gm7', 'Bb'."""
	root = p_symbol[0]
	rest = p_symbol[1:]
	if rest[:1] in ("b", "#"):
		root += rest[0]
		rest = rest[1:]
	return note_to_midi(root + "0") % 12, CHORD_SHAPES[rest]


# --- Instruments -------------------------------------------------------------
# Each returns a mono list for one note: p_length samples sounding, plus the
# instrument's own ring-out.

def decaying_partials(p_frequency, p_length, p_partials):
	out = [0.0] * p_length
	for ratio, amplitude, decay in p_partials:
		step = 2.0 * math.pi * p_frequency * ratio / RATE
		if p_frequency * ratio >= RATE * 0.45:
			continue
		fall = math.exp(-1.0 / (decay * RATE))
		level = amplitude
		for i in range(p_length):
			out[i] += level * math.sin(step * i)
			level *= fall
	return out


def shape(p_signal, p_attack, p_held, p_damping, p_release):
	"""Raised-cosine attack; after p_held samples the note is damped with
	time constant p_damping and faded to exactly zero at its end."""
	attack = max(1, int(p_attack * RATE))
	release = max(1, int(p_release * RATE))
	length = len(p_signal)
	fall = math.exp(-1.0 / (p_damping * RATE)) if p_damping else 1.0
	damping = 1.0
	for i in range(length):
		gain = smooth_step(i / attack)
		if i >= p_held:
			damping *= fall
			gain *= damping
		if length - 1 - i < release:
			gain *= smooth_step((length - 1 - i) / release)
		p_signal[i] *= gain
	return p_signal


def celesta(p_frequency, p_held):
	length = p_held + int(0.6 * RATE)
	tone = decaying_partials(p_frequency, length, [
		(1.0, 1.0, 1.1), (2.0, 0.3, 0.4), (3.0, 0.08, 0.2), (4.0, 0.04, 0.12)])
	return shape(tone, 0.003, p_held, 0.15, 0.1)


def musicbox(p_frequency, p_held):
	length = max(p_held, int(0.2 * RATE)) + int(0.7 * RATE)
	tone = decaying_partials(p_frequency, length, [
		(1.0, 1.0, 0.7), (2.0, 0.08, 0.2), (3.0, 0.04, 0.1), (5.4, 0.015, 0.05)])
	return shape(tone, 0.002, length, None, 0.15)


def harp(p_frequency, p_held):
	length = max(p_held, int(0.3 * RATE)) + int(0.6 * RATE)
	tone = decaying_partials(p_frequency, length, [
		(1.0, 1.0, 0.5), (2.0, 0.35, 0.22), (3.0, 0.12, 0.11), (4.0, 0.05, 0.07)])
	return shape(tone, 0.002, length, None, 0.15)


def bass(p_frequency, p_held):
	length = p_held + int(0.15 * RATE)
	tone = decaying_partials(p_frequency, length, [
		(1.0, 1.0, 0.9), (2.0, 0.45, 0.45), (3.0, 0.15, 0.25)])
	return shape(tone, 0.01, p_held, 0.05, 0.06)


TABLE_SIZE = 16384
_tables = {}


def wavetable(p_name, p_harmonics):
	"""One cycle of a sum of harmonics, looked up instead of computing sines."""
	if p_name not in _tables:
		_tables[p_name] = [sum(a * math.sin(2.0 * math.pi * n * i / TABLE_SIZE)
			for n, a in p_harmonics) for i in range(TABLE_SIZE)]
	return _tables[p_name]


def flute(p_frequency, p_held):
	"""A soft breathy flute with a vibrato that grows on long notes."""
	table = wavetable("flute", [(1, 1.0), (2, 0.22), (3, 0.08), (4, 0.03)])
	length = p_held + int(0.2 * RATE)
	out = []
	phase = 0.0
	step = p_frequency * TABLE_SIZE / RATE
	breath = Noise(random.Random(int(p_frequency * 10)), p_frequency * 2.0, 1.0)
	for i in range(length):
		t = i / RATE
		depth = 0.004 * smooth_step((t - 0.2) / 0.4)
		phase += step * (1.0 + depth * math.sin(2.0 * math.pi * 5.2 * t))
		out.append(table[int(phase) % TABLE_SIZE] + 0.03 * breath.next())
	return shape(out, 0.07, p_held, 0.08, 0.15)


def pad(p_frequency, p_held):
	"""A warm string pad voice; two detuned voices are panned apart."""
	table = wavetable("pad", [(n, 1.0 / n ** 1.8) for n in range(1, 7)])
	length = p_held + int(0.8 * RATE)
	step = p_frequency * TABLE_SIZE / RATE
	out = [table[int(step * i) % TABLE_SIZE] for i in range(length)]
	return shape(out, 0.45, p_held, 0.35, 0.4)


def shaker(p_seed):
	noise = Noise(random.Random(p_seed), 5200.0, 1.3)
	length = int(0.09 * RATE)
	out = [noise.next() * math.exp(-i / (0.022 * RATE)) for i in range(length)]
	return shape(out, 0.004, length, None, 0.02)


def jingle(p_seed):
	"""A little sleigh-bell shake: three small bells just apart."""
	chooser = random.Random(p_seed)
	length = int(0.22 * RATE)
	out = [0.0] * length
	for bell in range(3):
		base = chooser.uniform(2400.0, 2900.0)
		start = int((bell * 0.012 + chooser.uniform(0.0, 0.006)) * RATE)
		ring = decaying_partials(base, length - start, [
			(1.0, 1.0, 0.07), (1.37, 0.6, 0.05), (1.93, 0.4, 0.035), (2.51, 0.25, 0.025)])
		for i, value in enumerate(ring):
			out[start + i] += value * (1.0 - 0.25 * bell)
	return shape(out, 0.002, length, None, 0.05)


INSTRUMENTS = {"celesta": celesta, "musicbox": musicbox, "harp": harp, "bass": bass,
	"flute": flute, "pad": pad}


# --- Arrangement -------------------------------------------------------------

class Event:
	def __init__(self, p_instrument, p_note, p_start, p_held, p_level, p_pan, p_detune=0.0):
		self.instrument = p_instrument
		self.note = p_note
		self.start = p_start
		self.held = p_held
		self.level = p_level
		self.pan = p_pan
		self.detune = p_detune


def voiced(p_pitch_classes, p_previous):
	"""Places the chord's notes in the pad range as close as possible to the
	previous chord, so the harmony moves smoothly."""
	low, high = PAD_RANGE
	options = [[n for n in range(low, high + 1) if n % 12 == pc] for pc in p_pitch_classes]
	best = None
	best_cost = None

	def walk(p_index, p_chosen):
		nonlocal best, best_cost
		if p_index == len(options):
			chord = sorted(p_chosen)
			if chord[-1] - chord[0] > 12:
				return
			if p_previous:
				cost = sum(min(abs(n - m) for m in p_previous) for n in chord)
			else:
				cost = abs(sum(chord) / len(chord) - 60)
			if best_cost is None or cost < best_cost:
				best, best_cost = chord, cost
			return
		for note in options[p_index]:
			walk(p_index + 1, p_chosen + [note])

	walk(0, [])
	return best


BASS_PATTERNS = {
	# (interval above the root, start in eighths, length in eighths) for a
	# whole bar; a half-bar chord takes the first half of "half".
	"half": [(0, 0, 4), (7, 4, 4)],
	"walk": [(0, 0, 3), (7, 3, 1), (12, 4, 2), (7, 6, 2)],
}
HALF_BAR_BASS = [(0, 0, 2), (7, 2, 2)]
HARP_STEPS = [0, 1, 2, 3, 4, 3, 2, 1]
SHAKER_ACCENTS = {
	"soft": [0.0, 0.6, 0.0, 0.7, 0.0, 0.6, 0.0, 0.8],
	"full": [0.35, 0.7, 0.3, 0.8, 0.35, 0.7, 0.3, 0.9],
}


def arrange(p_sections):
	"""Turns the sections into note events: the written parts plus the pad,
	bass, harp broken chords and light percussion that each section asks for."""
	human = random.Random(2024)
	events = []
	bar = 0
	previous_pad = None
	for section in p_sections:
		for index, chords in enumerate(section.chords):
			bar_start = bar * EIGHTHS_PER_BAR
			span = EIGHTHS_PER_BAR // len(chords)
			for half, symbol in enumerate(chords):
				root, intervals = chord_notes(symbol)
				start = bar_start + half * span
				pitch_classes = [(root + i) % 12 for i in intervals]
				if section.band.get("pad") == "on":
					previous_pad = voiced(pitch_classes, previous_pad)
					for note in previous_pad:
						for detune, pan in ((-0.06, -0.6), (0.06, 0.6)):
							events.append(Event("pad", note, start, span, LEVELS["pad"], pan, detune))
				low_root = BASS_LOWEST + (root - BASS_LOWEST) % 12
				pattern = BASS_PATTERNS[section.band["bass"]] if span == EIGHTHS_PER_BAR else HALF_BAR_BASS
				for interval, offset, length in pattern:
					level = LEVELS["bass"] * (1.0 if offset == 0 else 0.8)
					events.append(Event("bass", low_root + interval, start + offset, length, level, PANS["bass"]))
				if section.band.get("arpeggio") == "on":
					harp_root = HARP_LOWEST + (root - HARP_LOWEST) % 12
					tones = sorted(harp_root + (i % 12) for i in intervals[:3])
					tones += [tone + 12 for tone in tones]
					for step in range(span):
						note = tones[HARP_STEPS[step]]
						level = LEVELS["harp"] * (1.0 if step % 2 == 0 else 0.75) * human.uniform(0.9, 1.05)
						events.append(Event("harp", note, start + step, 1, level, PANS["harp"]))
			for step, accent in enumerate(SHAKER_ACCENTS.get(section.band.get("shaker"), [])):
				if accent:
					level = LEVELS["shaker"] * accent * human.uniform(0.85, 1.1)
					events.append(Event("shaker", human.randrange(6), bar_start + step, 1, level, PANS["shaker"]))
			if section.band.get("jingle") == "on":
				for step in (2, 6):
					level = LEVELS["jingle"] * human.uniform(0.85, 1.1)
					events.append(Event("jingle", human.randrange(6), bar_start + step, 1, level, PANS["jingle"]))
			for part, bars in section.parts.items():
				instrument = section.voices.get(part, "flute")
				level = LEVELS[instrument] * (COUNTER_SHARE if part == "counter" else 1.0)
				pan = PANS["counter"] if part == "counter" else PANS[instrument]
				position = bar_start
				for note, length in bars[index]:
					if note is not None:
						# Notes on the beat are a little stronger.
						accent = 1.0 if position % 2 == 0 else 0.85
						events.append(Event(instrument, note, position, length,
							level * accent * human.uniform(0.93, 1.0), pan))
						if part == "melody" and section.band.get("octave") == "on":
							events.append(Event("musicbox", note + 12, position, length,
								LEVELS["octave"] * accent, PANS["musicbox"]))
					position += length
			bar += 1
	return events, bar


# --- Rendering ---------------------------------------------------------------

_notes = {}


def sound(p_event, p_eighth):
	if p_event.instrument == "shaker":
		key = ("shaker", p_event.note)
		maker = lambda: shaker(1000 + p_event.note)
	elif p_event.instrument == "jingle":
		key = ("jingle", p_event.note)
		maker = lambda: jingle(2000 + p_event.note)
	else:
		held = int(round(p_event.held * p_eighth))
		frequency = midi_to_hz(p_event.note + p_event.detune)
		key = (p_event.instrument, p_event.note, p_event.detune, held)
		maker = lambda: INSTRUMENTS[p_event.instrument](frequency, held)
	if key not in _notes:
		_notes[key] = maker()
	return _notes[key]


def add_around(p_target, p_source, p_start, p_gain):
	"""Adds p_source from p_start; what runs past the end continues at the
	start, as it will when the loop plays again."""
	length = len(p_target)
	position = p_start % length
	done = 0
	while done < len(p_source):
		count = min(len(p_source) - done, length - position)
		p_target[position:position + count] = [a + p_gain * b for a, b in
			zip(p_target[position:position + count], p_source[done:done + count])]
		done += count
		position = 0


def render(p_score, p_output):
	tempo, sections = parse_score(p_score)
	bar_length = RATE * 60.0 * 4 / tempo
	if bar_length != int(bar_length):
		raise ValueError("a bar at %g beats per minute is not a whole number of samples" % tempo)
	eighth = bar_length / EIGHTHS_PER_BAR
	events, bars = arrange(sections)
	total = int(bar_length) * bars
	left = [0.0] * total
	right = [0.0] * total
	for event in events:
		angle = (event.pan + 1.0) * math.pi / 4.0
		start = int(round(event.start * eighth))
		note = sound(event, eighth)
		add_around(left, note, start, event.level * math.cos(angle))
		add_around(right, note, start, event.level * math.sin(angle))
	# Leave headroom for the reverb; make.sh sets the final level.
	gain = 0.5 / max(peak(left), peak(right))
	write_wav(p_output, [[v * gain for v in left], [v * gain for v in right]], 32)
	print("music: %d bars of %d samples, %.2f s, %d notes" % (bars, int(bar_length), total / RATE, len(events)))


if __name__ == "__main__":
	render(sys.argv[1], sys.argv[2])
