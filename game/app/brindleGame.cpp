#include "brindleGame.h"

#include "brindle2ErrorStrings.h"
#include "brindle2Music.h"
#include "brindle2Preferences.h"
#include "brindle2Snowflakes.h"
#include "brindlePlatform.h"

#include "zelHighLevelList.h"
#include "zelStringQueue.h"
#include "zelplayBackground.h"
#include "zelplaySprite.h"
#include "zelplayTiledBackground.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cstdio>
#include <cstdlib>
#include <ctime>

const char brindleGAME_ERROR__UNABLE_TO_OPEN_GAME_DEFINITION[] = "(brindleGame::[constructor]) unable to open the game definition";
const char brindleGAME_ERROR__INCOMPLETE_GAME_DEFINITION[] = "(brindleGame::[constructor]) the game definition does not contain the members necessary to define the game";

const char brindleGAME_DEFINITION_MEMBER__OPACITY[] = "opacity";
const char brindleGAME_DEFINITION_MEMBER__STIPPLE[] = "stipple";
const char brindleGAME_DEFINITION_MEMBER__STIPPLE_REPEAT[] = "stipple_repeat";
const char brindleGAME_DEFINITION_MEMBER__WIDTH[] = "width";
const char brindleGAME_DEFINITION_MEMBER__DELAY[] = "delay";

const char brindleGAME_DEFINITION_FILE[] = "game.txt";
const char brindleGAME_CAPTION[] = "brindle kittens";

namespace
{
	void ThrowSDLError()
	{
		throw (const char*)SDL_GetError();
	}

	void SetGLAttribute(SDL_GLattr p_attribute, int p_value)
	{
		if (SDL_GL_SetAttribute(p_attribute, p_value) != 0)
			ThrowSDLError();
	}

	// The Command keys of this platform: Ctrl, and Meta where a keyboard has it.
	bool CommandHeld(const SDL_keysym& p_key)
	{
		return (p_key.mod & (KMOD_CTRL | KMOD_META)) != 0;
	}

	// Deletes an owned resource and empties its pointer.
	template <class T> void Destroy(T*& p_resource)
	{
		delete p_resource;
		p_resource = NULL;
	}
}

brindleGame::brindleGame(zelStringQueue* p_errorStrings)
	: m_startingLevel(0), m_fadeState(brindleFADE_STATE__FINISHED), m_fadeOpacity(0.0),
	m_opacity(0.0), m_stipple(0), m_stippleRepeat(1), m_width(1.0), m_delay(0), m_errorStrings(p_errorStrings)
{
	EmptyResources();
	srandom((unsigned int)time(NULL));
	ChangeToResourcesFolder();
	ReadGameDefinition();
	try
	{
		InitialiseResources(true);
	}
	catch (...)
	{
		ReleaseResources(true);
		throw;
	}
}

brindleGame::~brindleGame() noexcept(false)
{
	ReleaseResources(true);
}

void brindleGame::EmptyResources()
{
	m_preferences = NULL;
	m_videoSurface = NULL;
	m_font = NULL;
	m_bigKittenSprite = NULL;
	m_bigKittenShadowSprite = NULL;
	m_background = NULL;
	m_snowflakes = NULL;
	m_music = NULL;
}

void brindleGame::ReadGameDefinition()
{
	FILE* file = fopen(brindleGAME_DEFINITION_FILE, "r");
	if (file == NULL)
	{
		brindle2ErrorStrings::PushErrorStringOnto(m_errorStrings, brindleGAME_ERROR__UNABLE_TO_OPEN_GAME_DEFINITION, brindleGAME_DEFINITION_FILE);
		throw brindleGAME_ERROR__UNABLE_TO_OPEN_GAME_DEFINITION;
	}
	zelHighLevelList list(m_errorStrings);
	try
	{
		list.NewMember(brindleGAME_DEFINITION_MEMBER__OPACITY, zelHLL_MEMBER_TYPE__DOUBLE);
		list.SetDoubleMemberRange(brindleGAME_DEFINITION_MEMBER__OPACITY, zelHLL_MEMBER_RANGE__GREATER, 0.0);
		list.NewMember(brindleGAME_DEFINITION_MEMBER__STIPPLE, zelHLL_MEMBER_TYPE__HEX_INT);
		list.NewMember(brindleGAME_DEFINITION_MEMBER__STIPPLE_REPEAT, zelHLL_MEMBER_TYPE__INT);
		list.SetIntMemberRange(brindleGAME_DEFINITION_MEMBER__STIPPLE_REPEAT, 1, 256);
		list.NewMember(brindleGAME_DEFINITION_MEMBER__WIDTH, zelHLL_MEMBER_TYPE__DOUBLE);
		list.SetDoubleMemberRange(brindleGAME_DEFINITION_MEMBER__WIDTH, zelHLL_MEMBER_RANGE__GREATER, 0.0);
		list.NewMember(brindleGAME_DEFINITION_MEMBER__DELAY, zelHLL_MEMBER_TYPE__INT);
		list.SetIntMemberRange(brindleGAME_DEFINITION_MEMBER__DELAY, 0, 65535);
		list.Input(file);
	}
	catch (const char*)
	{
		fclose(file);
		throw;
	}
	fclose(file);
	if (!list.AllMembersHaveBeenInput())
	{
		brindle2ErrorStrings::PushErrorStringOnto(m_errorStrings, brindleGAME_ERROR__INCOMPLETE_GAME_DEFINITION, brindleGAME_DEFINITION_FILE);
		throw brindleGAME_ERROR__INCOMPLETE_GAME_DEFINITION;
	}
	m_opacity = list.Double(brindleGAME_DEFINITION_MEMBER__OPACITY);
	m_stipple = (unsigned short)list.HexInt(brindleGAME_DEFINITION_MEMBER__STIPPLE);
	m_stippleRepeat = (unsigned short)list.Int(brindleGAME_DEFINITION_MEMBER__STIPPLE_REPEAT);
	m_width = list.Double(brindleGAME_DEFINITION_MEMBER__WIDTH);
	m_delay = (unsigned short)list.Int(brindleGAME_DEFINITION_MEMBER__DELAY);
}

void brindleGame::InitialiseResources(bool p_createPreferences)
{
	if (p_createPreferences)
	{
		ChangeToPreferencesFolder();
		m_preferences = new brindle2Preferences(m_errorStrings);
	}
	OpenWindowAndAudio();
	ChangeToResourcesFolder();
	CreateResources();
}

void brindleGame::OpenWindowAndAudio()
{
	if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) != 0)
		ThrowSDLError();
	SetGLAttribute(SDL_GL_DOUBLEBUFFER, 1);
	SetGLAttribute(SDL_GL_DEPTH_SIZE, 16);
	SetGLAttribute(SDL_GL_RED_SIZE, 8);
	SetGLAttribute(SDL_GL_GREEN_SIZE, 8);
	SetGLAttribute(SDL_GL_BLUE_SIZE, 8);
	SetGLAttribute(SDL_GL_ALPHA_SIZE, 8);
	Uint32 flags = SDL_OPENGL;
	if (m_preferences->FullscreenEnabled())
		flags |= SDL_FULLSCREEN;
	m_videoSurface = SDL_SetVideoMode(brindleSCREEN_WIDTH, brindleSCREEN_HEIGHT, 32, flags);
	if (m_videoSurface == NULL)
		ThrowSDLError();
	SDL_ShowCursor(SDL_DISABLE);
	SDL_WM_SetCaption(brindleGAME_CAPTION, brindleGAME_CAPTION);

	// One unit is one pixel, the origin at the bottom left.
	glMatrixMode(GL_PROJECTION);
	glLoadIdentity();
	gluOrtho2D(0, brindleSCREEN_WIDTH, 0, brindleSCREEN_HEIGHT);
	glMatrixMode(GL_MODELVIEW);
	glLoadIdentity();
	glEnable(GL_TEXTURE_2D);
	glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
	glEnable(GL_BLEND);

	if (Mix_OpenAudio(22050, AUDIO_S16MSB, 2, 2048) != 0)
		ThrowSDLError();
	if (Mix_AllocateChannels(16) != 16)
		ThrowSDLError();
}

void brindleGame::CreateResources()
{
	m_font = new zelplayTiledBackground("font.txt", 1, 1, m_errorStrings);
	m_bigKittenSprite = new zelplaySprite("_big_kitten/big_kitten_sprite.txt", m_errorStrings);
	m_bigKittenShadowSprite = new zelplaySprite("_big_kitten_shadow/big_kitten_shadow_sprite.txt", m_errorStrings);
	m_background = new zelplayBackground("background.txt", m_errorStrings);
	m_background->BottomLeftX(brindlePLAYFIELD_BOTTOM_LEFT_X);
	m_background->BottomLeftY(brindlePLAYFIELD_BOTTOM_LEFT_Y);
	// The top-right corner first: each corner is checked against the other.
	m_snowflakes = new brindle2Snowflakes(m_errorStrings);
	m_snowflakes->TopRightX(brindlePLAYFIELD_RIGHT);
	m_snowflakes->TopRightY(brindleSCREEN_HEIGHT);
	m_snowflakes->BottomLeftX(brindlePLAYFIELD_BOTTOM_LEFT_X);
	m_snowflakes->BottomLeftY(brindlePLAYFIELD_BOTTOM_LEFT_Y);
	m_music = new brindle2Music(m_errorStrings);

	if (m_preferences->MusicEnabled())
		EnableMusic();
	else
		DisableMusic();
	if (m_preferences->SoundFxEnabled())
		EnableSoundFx();
	else
		DisableSoundFx();
}

void brindleGame::ReleaseResources(bool p_deletePreferences)
{
	if (m_preferences != NULL)
	{
		SavePreferences();
		if (p_deletePreferences)
			Destroy(m_preferences);
	}
	Destroy(m_background);
	Destroy(m_snowflakes);
	Destroy(m_music);
	Destroy(m_font);
	Destroy(m_bigKittenSprite);
	Destroy(m_bigKittenShadowSprite);
	Mix_CloseAudio();
	SDL_Quit();
	m_videoSurface = NULL;
}

void brindleGame::SavePreferences()
{
	try
	{
		ChangeToPreferencesFolder();
	}
	catch (const char*)
	{
		// Already recorded; the rest must still be released.
		return;
	}
	m_preferences->Save();
}

void brindleGame::SwitchFullscreen(bool p_fullscreen)
{
	if (p_fullscreen)
		m_preferences->EnableFullscreen();
	else
		m_preferences->DisableFullscreen();
	ReleaseResources(false);
	InitialiseResources(false);
}

void brindleGame::EnableMusic()
{
	m_preferences->EnableMusic();
	m_music->Enable();
}

void brindleGame::DisableMusic()
{
	m_preferences->DisableMusic();
	m_music->Disable();
}

void brindleGame::EnableSoundFx()
{
	m_preferences->EnableSoundFx();
}

void brindleGame::DisableSoundFx()
{
	m_preferences->DisableSoundFx();
}

void brindleGame::Run()
{
	int state = SCREEN_TITLE;
	while (state != SCREEN_QUIT)
	{
		switch (state)
		{
		case SCREEN_TITLE:
		default:
			// A code without a screen of its own leads back to the title.
			state = TitleScreen();
			break;
		}
	}
}

bool brindleGame::TakesInput(int p_result) const
{
	return p_result == SCREEN_NONE && m_fadeState == brindleFADE_STATE__SHOWN;
}

void brindleGame::HandleCommonEvent(const SDL_Event& p_event, int& p_result) const
{
	switch (p_event.type)
	{
	case SDL_QUIT:
		p_result = SCREEN_QUIT;
		break;
	case SDL_KEYDOWN:
		if (p_event.key.keysym.sym == SDLK_q && CommandHeld(p_event.key.keysym))
			p_result = SCREEN_QUIT;
		break;
	default:
		break;
	}
}

Uint32 brindleGame::Elapsed(Uint32& p_ticks)
{
	const Uint32 now = SDL_GetTicks();
	const Uint32 elapsed = now - p_ticks;
	p_ticks = now;
	return elapsed;
}

int brindleGame::TitleScreen()
{
	int result = SCREEN_NONE;
	Uint32 elapsed = 0;
	Uint32 ticks = SDL_GetTicks();
	FadeIn();
	while (m_fadeState != brindleFADE_STATE__FINISHED)
	{
		SDL_Event event;
		while (SDL_PollEvent(&event))
		{
			if (TakesInput(result))
				HandleCommonEvent(event, result);
		}
		if (result != SCREEN_NONE)
			FadeOut();

		glClear(GL_COLOR_BUFFER_BIT);
		RenderScenery(elapsed);
		RenderFade(elapsed);
		SDL_GL_SwapBuffers();
		elapsed = Elapsed(ticks);
	}
	return result;
}

void brindleGame::FadeIn()
{
	m_fadeState = brindleFADE_STATE__FADING_IN;
	m_fadeOpacity = 1.0;
}

void brindleGame::FadeOut()
{
	if (m_fadeState == brindleFADE_STATE__FADING_OUT)
		return;
	m_fadeState = brindleFADE_STATE__FADING_OUT;
	m_fadeOpacity = 0.0;
}

void brindleGame::RenderFade(Uint32 p_elapsed)
{
	if (m_fadeState == brindleFADE_STATE__FADING_IN)
	{
		m_fadeOpacity -= p_elapsed * m_opacity;
		if (m_fadeOpacity <= 0.0)
		{
			m_fadeOpacity = 0.0;
			m_fadeState = brindleFADE_STATE__SHOWN;
			return;
		}
	}
	else if (m_fadeState == brindleFADE_STATE__FADING_OUT)
	{
		m_fadeOpacity += p_elapsed * m_opacity;
		if (m_fadeOpacity >= 1.0)
		{
			m_fadeOpacity = 1.0;
			m_fadeState = brindleFADE_STATE__FINISHED;
		}
	}
	else
		return;

	glDisable(GL_TEXTURE_2D);
	glColor4f(1.0f, 1.0f, 1.0f, (float)m_fadeOpacity);
	glBegin(GL_QUADS);
	glVertex2i(0, 0);
	glVertex2i(brindleSCREEN_WIDTH, 0);
	glVertex2i(brindleSCREEN_WIDTH, brindleSCREEN_HEIGHT);
	glVertex2i(0, brindleSCREEN_HEIGHT);
	glEnd();
	glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
	glEnable(GL_TEXTURE_2D);
}

void brindleGame::RenderScenery(Uint32 p_elapsed)
{
	glDisable(GL_TEXTURE_2D);
	RenderSky();
	RenderMist();
	glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
	glEnable(GL_TEXTURE_2D);
	m_background->Render(0, 0);
	RenderBorderLines();
	m_snowflakes->Update(p_elapsed);
	m_snowflakes->Render();
}

void brindleGame::RenderSky()
{
	const int middle = brindleSCREEN_HEIGHT / 2;
	glBegin(GL_QUADS);
	// Pale yellow at the bottom, through cream, to blue at the top.
	glColor4ub(204, 204, 102, 255);
	glVertex2i(0, 0);
	glVertex2i(brindleSCREEN_WIDTH, 0);
	glColor4ub(204, 204, 153, 255);
	glVertex2i(brindleSCREEN_WIDTH, middle);
	glVertex2i(0, middle);
	glVertex2i(0, middle);
	glVertex2i(brindleSCREEN_WIDTH, middle);
	glColor4ub(102, 153, 204, 255);
	glVertex2i(brindleSCREEN_WIDTH, brindleSCREEN_HEIGHT);
	glVertex2i(0, brindleSCREEN_HEIGHT);
	glEnd();
}

void brindleGame::RenderMist()
{
	// White at both sides of the window, clearing towards the playfield column.
	glBegin(GL_QUADS);
	glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
	glVertex2i(0, 0);
	glColor4f(1.0f, 1.0f, 1.0f, 0.0f);
	glVertex2i(brindlePLAYFIELD_LEFT, 0);
	glVertex2i(brindlePLAYFIELD_LEFT, brindleSCREEN_HEIGHT);
	glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
	glVertex2i(0, brindleSCREEN_HEIGHT);
	glColor4f(1.0f, 1.0f, 1.0f, 0.0f);
	glVertex2i(brindlePLAYFIELD_RIGHT, 0);
	glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
	glVertex2i(brindleSCREEN_WIDTH, 0);
	glVertex2i(brindleSCREEN_WIDTH, brindleSCREEN_HEIGHT);
	glColor4f(1.0f, 1.0f, 1.0f, 0.0f);
	glVertex2i(brindlePLAYFIELD_RIGHT, brindleSCREEN_HEIGHT);
	glEnd();
}

void brindleGame::RenderBorderLines() const
{
	// Down both sides of the playfield column, and across the playfield's top.
	const int playfieldTop = brindlePLAYFIELD_BOTTOM_LEFT_Y + brindlePLAYFIELD_HEIGHT * brindlePLAYFIELD_CELL_SIZE;
	glDisable(GL_TEXTURE_2D);
	glEnable(GL_LINE_STIPPLE);
	glLineStipple(m_stippleRepeat, m_stipple);
	glLineWidth((GLfloat)m_width);
	glBegin(GL_LINES);
	glVertex2i(brindlePLAYFIELD_LEFT, 0);
	glVertex2i(brindlePLAYFIELD_LEFT, brindleSCREEN_HEIGHT);
	glVertex2i(brindlePLAYFIELD_RIGHT, 0);
	glVertex2i(brindlePLAYFIELD_RIGHT, brindleSCREEN_HEIGHT);
	glVertex2i(brindlePLAYFIELD_LEFT, playfieldTop);
	glVertex2i(brindlePLAYFIELD_RIGHT, playfieldTop);
	glEnd();
	glLineWidth(1.0f);
	glDisable(GL_LINE_STIPPLE);
	glEnable(GL_TEXTURE_2D);
}
