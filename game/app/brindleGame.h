#ifndef BRINDLE_GAME_H
#define BRINDLE_GAME_H

#include <SDL/SDL.h>

class zelStringQueue;
class zelplayBackground;
class zelplaySprite;
class zelplayTiledBackground;
class brindle2Music;
class brindle2Preferences;
class brindle2Snowflakes;

extern const char brindleGAME_ERROR__UNABLE_TO_OPEN_GAME_DEFINITION[];
extern const char brindleGAME_ERROR__INCOMPLETE_GAME_DEFINITION[];

extern const char brindleGAME_DEFINITION_MEMBER__OPACITY[];
extern const char brindleGAME_DEFINITION_MEMBER__STIPPLE[];
extern const char brindleGAME_DEFINITION_MEMBER__STIPPLE_REPEAT[];
extern const char brindleGAME_DEFINITION_MEMBER__WIDTH[];
extern const char brindleGAME_DEFINITION_MEMBER__DELAY[];

extern const char brindleGAME_DEFINITION_FILE[];
extern const char brindleGAME_CAPTION[];

// The codes shared by the screens and the messages of every button.
enum brindleSCREEN
{
	SCREEN_PLAY = 0,
	SCREEN_HOW_TO_PLAY = 1,
	SCREEN_TITLE = 2,
	SCREEN_HIGHSCORES = 3,
	SCREEN_QUIT = 4,
	SCREEN_ENABLE_FULLSCREEN = 7,
	SCREEN_DISABLE_FULLSCREEN = 8,
	SCREEN_ENABLE_MUSIC = 9,
	SCREEN_DISABLE_MUSIC = 10,
	SCREEN_ENABLE_SOUND_FX = 11,
	SCREEN_DISABLE_SOUND_FX = 12,
	SCREEN_INCREASE_LEVEL = 13,
	SCREEN_DECREASE_LEVEL = 14,
	SCREEN_YES = 15,
	SCREEN_NO = 16,
	SCREEN_NONE = 17
};

enum brindleFADE_STATE
{
	brindleFADE_STATE__FINISHED = 0,
	brindleFADE_STATE__FADING_IN = 1,
	brindleFADE_STATE__SHOWN = 2,
	brindleFADE_STATE__FADING_OUT = 3
};

const int brindleSCREEN_WIDTH = 640;
const int brindleSCREEN_HEIGHT = 480;
// The playfield: 10 x 12 cells of 24 pixels at (200, 0).
const int brindlePLAYFIELD_WIDTH = 10;
const int brindlePLAYFIELD_HEIGHT = 12;
const int brindlePLAYFIELD_CELL_SIZE = 24;
const int brindlePLAYFIELD_BOTTOM_LEFT_X = 200;
const int brindlePLAYFIELD_BOTTOM_LEFT_Y = 0;
// The playfield column's edges: the snowflakes' box and the border lines.
const int brindlePLAYFIELD_LEFT = brindlePLAYFIELD_BOTTOM_LEFT_X;
const int brindlePLAYFIELD_RIGHT = brindlePLAYFIELD_BOTTOM_LEFT_X + brindlePLAYFIELD_WIDTH * brindlePLAYFIELD_CELL_SIZE;

// The game: owns every resource, opens the window and the audio device, and
// runs the screens until the player quits.
class brindleGame
{
public:
	explicit brindleGame(zelStringQueue* p_errorStrings);
	~brindleGame() noexcept(false);

	void Run();

	int TitleScreen();

	void EnableMusic();
	void DisableMusic();
	void EnableSoundFx();
	void DisableSoundFx();

	void FadeIn();
	void FadeOut();
	void RenderFade(Uint32 p_elapsed);
	void RenderScenery(Uint32 p_elapsed);

private:
	brindleGame(const brindleGame&) = delete;
	brindleGame& operator=(const brindleGame&) = delete;

	void ReadGameDefinition();
	void EmptyResources();
	void InitialiseResources(bool p_createPreferences);
	void ReleaseResources(bool p_deletePreferences);
	void OpenWindowAndAudio();
	void CreateResources();
	void SavePreferences();
	// Closes everything and opens it again in the new video mode.
	void SwitchFullscreen(bool p_fullscreen);

	// The three layers of the scenery under the background and snowflakes.
	static void RenderSky();
	static void RenderMist();
	void RenderBorderLines() const;

	// The event handling that every screen shares: quitting.
	void HandleCommonEvent(const SDL_Event& p_event, int& p_result) const;
	bool TakesInput(int p_result) const;
	// Milliseconds since p_ticks, which becomes now.
	static Uint32 Elapsed(Uint32& p_ticks);

	unsigned char m_startingLevel;
	brindle2Preferences* m_preferences;
	SDL_Surface* m_videoSurface;
	zelplayTiledBackground* m_font;
	zelplaySprite* m_bigKittenSprite;
	zelplaySprite* m_bigKittenShadowSprite;
	zelplayBackground* m_background;
	brindle2Snowflakes* m_snowflakes;
	brindle2Music* m_music;
	int m_fadeState;
	double m_fadeOpacity;
	double m_opacity;
	unsigned short m_stipple;
	unsigned short m_stippleRepeat;
	double m_width;
	unsigned short m_delay;
	zelStringQueue* m_errorStrings;
};

#endif
