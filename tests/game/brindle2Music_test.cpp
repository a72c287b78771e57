#include "GameTestSupport.h"

#include "brindle2Music.h"

#include "zelHighLevelList.h"

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

namespace
{
	const std::string DEFINITION = ".fade_in=\"100\"\n.fade_out=\"50\"\n";

	// The audio device as the game opens it, on the dummy driver.
	class brindle2MusicTest : public ::testing::Test
	{
	protected:
		static void SetUpTestSuite()
		{
			setenv("SDL_AUDIODRIVER", "dummy", 0);
			ASSERT_EQ(0, SDL_Init(SDL_INIT_AUDIO)) << SDL_GetError();
			ASSERT_EQ(0, Mix_OpenAudio(22050, AUDIO_S16MSB, 2, 2048)) << Mix_GetError();
			ASSERT_EQ(16, Mix_AllocateChannels(16));
		}
		static void TearDownTestSuite()
		{
			Mix_CloseAudio();
			SDL_Quit();
		}
		void TearDown() override
		{
			Mix_HaltMusic();
			Mix_HaltChannel(-1);
		}
	};
}

TEST_F(brindle2MusicTest, WithoutMusicFileTheGameIsSilentWithOneLine)
{
	WorkingFolder folder;
	folder.Folder().Write("music.txt", DEFINITION);
	zelStringQueue errors;
	brindle2Music music(&errors);
	const std::string reason = SDL_GetError();
	EXPECT_FALSE(music.HasMusic());
	EXPECT_EQ(std::vector<std::string>{ reason }, Lines(errors));
	EXPECT_NE(std::string::npos, reason.find("music.ogg"));
	music.Enable();
	music.FadeIn();
	EXPECT_EQ(0, Mix_PlayingMusic());
}

TEST_F(brindle2MusicTest, ABadDefinitionIsFatal)
{
	struct Case { const char* text; const char* thrown; std::vector<std::string> lines; };
	const std::string file = Quoted("music.txt");
	const Case cases[] =
	{
		{ NULL, brindle2MUSIC_ERROR__UNABLE_TO_OPEN_MUSIC_DEFINITION,
			{ brindle2MUSIC_ERROR__UNABLE_TO_OPEN_MUSIC_DEFINITION + file } },
		{ "no entries at all", brindle2MUSIC_ERROR__INCOMPLETE_MUSIC_DEFINITION,
			{ brindle2MUSIC_ERROR__INCOMPLETE_MUSIC_DEFINITION + file } },
		{ ".fade_in=\"100\"\n", zelHLL_ERROR__FILE_ENDS_UNEXPECTEDLY,
			{ zelHLL_ERROR__FILE_ENDS_UNEXPECTEDLY + file } },
		{ ".fade_in=\"65536\"\n.fade_out=\"50\"\n", zelHLL_ERROR__OUT_OF_RANGE,
			{ std::string(zelHLL_ERROR__OUT_OF_RANGE) + " (fade_in)", zelHLL_ERROR__OUT_OF_RANGE + file } },
	};
	for (const Case& c : cases)
	{
		WorkingFolder folder;
		folder.Copy("music.ogg", "music.ogg");
		if (c.text != NULL)
			folder.Folder().Write("music.txt", c.text);
		zelStringQueue errors;
		const char* caught = NULL;
		try
		{
			brindle2Music music(&errors);
		}
		catch (const char* p_message)
		{
			caught = p_message;
		}
		EXPECT_EQ(c.thrown, caught) << (c.text ? c.text : "(no file)");
		EXPECT_EQ(c.lines, Lines(errors)) << (c.text ? c.text : "(no file)");
	}
}

TEST_F(brindle2MusicTest, PlaysOnlyWhileEnabled)
{
	WorkingFolder folder;
	folder.Copy("music.ogg", "music.ogg");
	folder.Folder().Write("music.txt", ".fade_out=\"0\"\n.fade_in=\"65535\"\n");
	zelStringQueue errors;
	brindle2Music music(&errors);
	EXPECT_TRUE(music.HasMusic());
	EXPECT_TRUE(music.Enabled());
	EXPECT_TRUE(Lines(errors).empty());

	music.FadeIn();
	EXPECT_EQ(1, Mix_PlayingMusic());
	EXPECT_EQ(MIX_FADING_IN, Mix_FadingMusic());
	// Switched off, the music stops at once, without a fade.
	music.Disable();
	EXPECT_EQ(0, Mix_PlayingMusic());
	music.FadeIn();
	EXPECT_EQ(0, Mix_PlayingMusic());
	music.Enable();
	music.FadeIn();
	EXPECT_EQ(1, Mix_PlayingMusic());
	// A fade of no length stops it at once.
	music.FadeOut();
	EXPECT_EQ(0, Mix_PlayingMusic());
}

TEST_F(brindle2MusicTest, SoundEffectsLoadPlayOrStaySilent)
{
	WorkingFolder folder;
	folder.Copy("sound.wav", "action.wav");
	zelStringQueue errors;
	Mix_Chunk* action = brindle2Music::LoadSoundEffect("action.wav", &errors, true);
	ASSERT_TRUE(action != NULL);
	brindle2Music::PlaySoundEffect(action);
	EXPECT_EQ(1, Mix_Playing(-1));

	Mix_Chunk* missing = brindle2Music::LoadSoundEffect("collision.wav", &errors, true);
	const std::string reason = SDL_GetError();
	EXPECT_TRUE(missing == NULL);
	Mix_Chunk* alone = brindle2Music::LoadSoundEffect("collision.wav", &errors, false);
	EXPECT_TRUE(alone == NULL);
	EXPECT_EQ((std::vector<std::string>{ reason + Quoted("collision.wav"), reason }), Lines(errors));
	brindle2Music::PlaySoundEffect(missing);
	EXPECT_EQ(1, Mix_Playing(-1));

	Mix_HaltChannel(-1);
	brindle2Music::FreeSoundEffect(action);
	brindle2Music::FreeSoundEffect(missing);
}
