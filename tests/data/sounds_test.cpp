// The shipped sound effects and music open with SDL_mixer as the game opens
// them, and keep to what players rely on: short effects, no clipping, no
// click at either end, a music loop of at least a minute.
#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{
	// The audio device as the game opens it.
	const int DEVICE_RATE = 22050;
	const int DEVICE_CHANNELS = 2;
	const int BYTES_PER_FRAME = DEVICE_CHANNELS * 2;

	const std::string DATA = "../../data/";

	struct Effect
	{
		const char* file;
		double longestSeconds;
	};

	// The rescue may ring on; everything else is a short cue.
	const Effect EFFECTS[] = {
		{"action.wav", 0.5},
		{"collision.wav", 0.5},
		{"ice_or_frozen_kitten_vanishing.wav", 0.5},
		{"kitten_vanishing.wav", 2.0},
	};

	// -1 dBFS.
	const double PEAK_LIMIT = 0.891;
	// A sample this close to silence at either end cannot be heard as a click.
	const double EDGE_LIMIT = 0.01;

	// Samples of a loaded chunk, in the device format (signed 16-bit
	// big-endian, interleaved), as fractions of full scale.
	std::vector<double> Samples(const Mix_Chunk* p_chunk)
	{
		std::vector<double> samples;
		for (Uint32 i = 0; i + 1 < p_chunk->alen; i += 2)
		{
			const int16_t value = static_cast<int16_t>((p_chunk->abuf[i] << 8) | p_chunk->abuf[i + 1]);
			samples.push_back(value / 32768.0);
		}
		return samples;
	}

	// RMS level in dBFS of the loudest 50 ms stretch.
	double LoudestWindowDb(const std::vector<double>& p_samples)
	{
		const size_t window = DEVICE_RATE / 20 * DEVICE_CHANNELS;
		const size_t step = window / 10;
		double best = 0.0;
		for (size_t start = 0; start == 0 || start + window <= p_samples.size(); start += step)
		{
			const size_t end = std::min(start + window, p_samples.size());
			double sum = 0.0;
			for (size_t i = start; i < end; i++)
			{
				sum += p_samples[i] * p_samples[i];
			}
			best = std::max(best, sum / (end - start));
		}
		return 10.0 * std::log10(best);
	}

	uint64_t LittleEndian(const std::vector<unsigned char>& p_bytes, size_t p_at, int p_count)
	{
		uint64_t value = 0;
		for (int i = p_count - 1; i >= 0; i--)
		{
			value = (value << 8) | p_bytes.at(p_at + i);
		}
		return value;
	}

	struct OggLength
	{
		uint32_t rate;
		uint64_t frames;
	};

	// Rate from the Vorbis identification header on the first page; length
	// from the granule position of the last page.
	OggLength ReadOggLength(const std::string& p_path)
	{
		std::ifstream file(p_path, std::ios::binary);
		const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
		const size_t firstPacket = 27 + bytes.at(26);
		const size_t rateAt = firstPacket + 12;
		size_t lastPage = bytes.size() - 4;
		while (lastPage > 0 && std::string(bytes.begin() + lastPage, bytes.begin() + lastPage + 4) != "OggS")
		{
			lastPage--;
		}
		return {static_cast<uint32_t>(LittleEndian(bytes, rateAt, 4)), LittleEndian(bytes, lastPage + 6, 8)};
	}

	class Sounds : public ::testing::Test
	{
	protected:
		static void SetUpTestSuite()
		{
			setenv("SDL_AUDIODRIVER", "dummy", 1);
			ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
			ASSERT_EQ(Mix_OpenAudio(DEVICE_RATE, AUDIO_S16MSB, DEVICE_CHANNELS, 2048), 0) << Mix_GetError();
		}

		static void TearDownTestSuite()
		{
			Mix_CloseAudio();
			SDL_Quit();
		}

		static Mix_Chunk* Load(const Effect& p_effect)
		{
			const std::string path = DATA + p_effect.file;
			return Mix_LoadWAV_RW(SDL_RWFromFile(path.c_str(), "rb"), 1);
		}
	};
}

TEST_F(Sounds, EveryEffectLoadsAndIsShort)
{
	for (const Effect& effect : EFFECTS)
	{
		Mix_Chunk* chunk = Load(effect);
		ASSERT_NE(chunk, nullptr) << effect.file << ": " << Mix_GetError();
		const double seconds = static_cast<double>(chunk->alen) / BYTES_PER_FRAME / DEVICE_RATE;
		EXPECT_GT(seconds, 0.02) << effect.file;
		EXPECT_LT(seconds, effect.longestSeconds) << effect.file;
		Mix_FreeChunk(chunk);
	}
}

TEST_F(Sounds, EffectsStayBelowFullScaleWithoutClicksAtSimilarLoudness)
{
	for (const Effect& effect : EFFECTS)
	{
		Mix_Chunk* chunk = Load(effect);
		ASSERT_NE(chunk, nullptr) << effect.file << ": " << Mix_GetError();
		const std::vector<double> samples = Samples(chunk);
		Mix_FreeChunk(chunk);
		ASSERT_GE(samples.size(), 2u * DEVICE_CHANNELS) << effect.file;

		double peak = 0.0;
		for (double value : samples)
		{
			peak = std::max(peak, std::fabs(value));
		}
		EXPECT_LT(peak, PEAK_LIMIT) << effect.file;
		for (int channel = 0; channel < DEVICE_CHANNELS; channel++)
		{
			EXPECT_LT(std::fabs(samples[channel]), EDGE_LIMIT) << effect.file << " starts with a click";
			EXPECT_LT(std::fabs(samples[samples.size() - DEVICE_CHANNELS + channel]), EDGE_LIMIT)
				<< effect.file << " ends with a click";
		}
		// Neither a whisper nor a blare next to the others.
		const double loudness = LoudestWindowDb(samples);
		EXPECT_GT(loudness, -26.0) << effect.file;
		EXPECT_LT(loudness, -10.0) << effect.file;
	}
}

TEST_F(Sounds, MusicLoadsPlaysAndLastsAMinuteAtTheDeviceRate)
{
	const std::string path = DATA + "music.ogg";
	Mix_Music* music = Mix_LoadMUS(path.c_str());
	ASSERT_NE(music, nullptr) << Mix_GetError();
	EXPECT_EQ(Mix_PlayMusic(music, -1), 0) << Mix_GetError();
	EXPECT_TRUE(Mix_PlayingMusic());
	Mix_HaltMusic();
	Mix_FreeMusic(music);

	// Same rate as the device, so SDL never resamples it.
	const OggLength length = ReadOggLength(path);
	EXPECT_EQ(length.rate, static_cast<uint32_t>(DEVICE_RATE));
	EXPECT_GE(static_cast<double>(length.frames) / DEVICE_RATE, 60.0);
}
