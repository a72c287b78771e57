#include "brindle2Music.h"

#include "brindle2ErrorStrings.h"

#include "zelHighLevelList.h"

#include <cstdio>

const char brindle2MUSIC_ERROR__UNABLE_TO_OPEN_MUSIC_DEFINITION[] = "(brindle2Music::[constructor]) unable to open the music definition";
const char brindle2MUSIC_ERROR__INCOMPLETE_MUSIC_DEFINITION[] = "(brindle2Music::[constructor]) the music definition does not contain the members necessary to define the music";

const char brindle2MUSIC_DEFINITION_MEMBER__FADE_IN[] = "fade_in";
const char brindle2MUSIC_DEFINITION_MEMBER__FADE_OUT[] = "fade_out";

const char brindle2MUSIC_FILE[] = "music.ogg";
const char brindle2MUSIC_DEFINITION_FILE[] = "music.txt";

brindle2Music::brindle2Music(zelStringQueue* p_errorStrings)
	: m_music(NULL), m_enabled(false), m_fadeIn(0), m_fadeOut(0), m_errorStrings(p_errorStrings)
{
	m_music = Mix_LoadMUS(brindle2MUSIC_FILE);
	if (m_music == NULL)
	{
		brindle2ErrorStrings::PushErrorStringOnto(m_errorStrings, SDL_GetError());
		return;
	}
	try
	{
		ReadDefinition();
	}
	catch (const char*)
	{
		Mix_FreeMusic(m_music);
		m_music = NULL;
		throw;
	}
	m_enabled = true;
}

brindle2Music::~brindle2Music()
{
	if (m_music != NULL)
		Mix_FreeMusic(m_music);
}

void brindle2Music::ReadDefinition()
{
	FILE* file = fopen(brindle2MUSIC_DEFINITION_FILE, "r");
	if (file == NULL)
	{
		brindle2ErrorStrings::PushErrorStringOnto(m_errorStrings, brindle2MUSIC_ERROR__UNABLE_TO_OPEN_MUSIC_DEFINITION, brindle2MUSIC_DEFINITION_FILE);
		throw brindle2MUSIC_ERROR__UNABLE_TO_OPEN_MUSIC_DEFINITION;
	}
	zelHighLevelList list(m_errorStrings);
	try
	{
		list.NewMember(brindle2MUSIC_DEFINITION_MEMBER__FADE_IN, zelHLL_MEMBER_TYPE__INT);
		list.SetIntMemberRange(brindle2MUSIC_DEFINITION_MEMBER__FADE_IN, 0, 65535);
		list.NewMember(brindle2MUSIC_DEFINITION_MEMBER__FADE_OUT, zelHLL_MEMBER_TYPE__INT);
		list.SetIntMemberRange(brindle2MUSIC_DEFINITION_MEMBER__FADE_OUT, 0, 65535);
		list.Input(file);
	}
	catch (const char* message)
	{
		fclose(file);
		brindle2ErrorStrings::PushErrorStringOnto(m_errorStrings, message, brindle2MUSIC_DEFINITION_FILE);
		throw;
	}
	fclose(file);
	if (!list.AllMembersHaveBeenInput())
	{
		brindle2ErrorStrings::PushErrorStringOnto(m_errorStrings, brindle2MUSIC_ERROR__INCOMPLETE_MUSIC_DEFINITION, brindle2MUSIC_DEFINITION_FILE);
		throw brindle2MUSIC_ERROR__INCOMPLETE_MUSIC_DEFINITION;
	}
	m_fadeIn = (unsigned short)list.Int(brindle2MUSIC_DEFINITION_MEMBER__FADE_IN);
	m_fadeOut = (unsigned short)list.Int(brindle2MUSIC_DEFINITION_MEMBER__FADE_OUT);
}

void brindle2Music::Enable()
{
	m_enabled = true;
}

void brindle2Music::Disable()
{
	Mix_HaltMusic();
	m_enabled = false;
}

bool brindle2Music::Enabled() const
{
	return m_enabled;
}

bool brindle2Music::HasMusic() const
{
	return m_music != NULL;
}

void brindle2Music::FadeIn()
{
	if (m_enabled && m_music != NULL)
		Mix_FadeInMusic(m_music, -1, m_fadeIn);
}

void brindle2Music::FadeOut()
{
	Mix_FadeOutMusic(m_fadeOut);
}

Mix_Chunk* brindle2Music::LoadSoundEffect(const char* p_fileName, zelStringQueue* p_errorStrings, bool p_withFileName)
{
	// Checked here rather than by the loader, so that the error names the file.
	SDL_RWops* source = SDL_RWFromFile(p_fileName, "rb");
	Mix_Chunk* soundEffect = source != NULL ? Mix_LoadWAV_RW(source, 1) : NULL;
	if (soundEffect == NULL)
	{
		if (p_withFileName)
			brindle2ErrorStrings::PushErrorStringOnto(p_errorStrings, SDL_GetError(), p_fileName);
		else
			brindle2ErrorStrings::PushErrorStringOnto(p_errorStrings, SDL_GetError());
	}
	return soundEffect;
}

void brindle2Music::PlaySoundEffect(Mix_Chunk* p_soundEffect)
{
	if (p_soundEffect != NULL)
		Mix_PlayChannelTimed(-1, p_soundEffect, 0, -1);
}

void brindle2Music::FreeSoundEffect(Mix_Chunk* p_soundEffect)
{
	if (p_soundEffect != NULL)
		Mix_FreeChunk(p_soundEffect);
}
