#include "brindle2Preferences.h"

#include "brindle2AtomicFile.h"
#include "brindle2ErrorStrings.h"
#include "brindlePlatform.h"

#include "zelHighLevelList.h"

#include <cstdio>

const char brindle2PREFERENCES_ERROR__UNABLE_TO_OPEN_PREFERENCES[] = "(brindle2Preferences::[constructor]) unable to open the preferences definition";
const char brindle2PREFERENCES_ERROR__INCOMPLETE_PREFERENCES[] = "(brindle2Preferences::[constructor]) the preferences definition does not contain the members necessary to define the preferences";
const char brindle2PREFERENCES_ERROR__UNABLE_TO_SAVE_PREFERENCES[] = "(brindle2Preferences::Save) unable to save the preferences definition";

const char brindle2PREFERENCES_DEFINITION_MEMBER__MUSIC[] = "music";
const char brindle2PREFERENCES_DEFINITION_MEMBER__SOUND_FX[] = "sound_fx";
const char brindle2PREFERENCES_DEFINITION_MEMBER__FULLSCREEN[] = "fullscreen";

namespace
{
	const char* const MEMBERS[] =
	{
		brindle2PREFERENCES_DEFINITION_MEMBER__MUSIC,
		brindle2PREFERENCES_DEFINITION_MEMBER__SOUND_FX,
		brindle2PREFERENCES_DEFINITION_MEMBER__FULLSCREEN
	};

	const char* YesOrNo(bool p_value)
	{
		return p_value ? "yes" : "no";
	}
}

brindle2Preferences::brindle2Preferences(zelStringQueue* p_errorStrings)
	: m_errorStrings(p_errorStrings)
{
	SetDefaults();
	const std::string fileName = FileName();
	FILE* file = fopen(fileName.c_str(), "r");
	if (file == NULL)
	{
		brindle2ErrorStrings::PushErrorStringOnto(m_errorStrings, brindle2PREFERENCES_ERROR__UNABLE_TO_OPEN_PREFERENCES, fileName.c_str());
		return;
	}
	zelHighLevelList list(m_errorStrings);
	try
	{
		for (const char* member : MEMBERS)
		{
			list.NewMember(member, zelHLL_MEMBER_TYPE__STRING);
			list.SetAcceptableStringsForBoolFromString__DisableMinMaxLength(member);
		}
		list.Input(file);
	}
	catch (const char* p_message)
	{
		fclose(file);
		// The list records every other failure itself, but not a file that
		// ends part-way through its members, which would otherwise go unseen.
		if (p_message == zelHLL_ERROR__FILE_ENDS_UNEXPECTEDLY)
			brindle2ErrorStrings::PushErrorStringOnto(m_errorStrings, brindle2PREFERENCES_ERROR__INCOMPLETE_PREFERENCES, fileName.c_str());
		return;
	}
	fclose(file);
	try
	{
		if (!list.AllMembersHaveBeenInput())
		{
			brindle2ErrorStrings::PushErrorStringOnto(m_errorStrings, brindle2PREFERENCES_ERROR__INCOMPLETE_PREFERENCES, fileName.c_str());
			return;
		}
		const bool music = list.BoolFromString(brindle2PREFERENCES_DEFINITION_MEMBER__MUSIC);
		const bool soundFx = list.BoolFromString(brindle2PREFERENCES_DEFINITION_MEMBER__SOUND_FX);
		const bool fullscreen = list.BoolFromString(brindle2PREFERENCES_DEFINITION_MEMBER__FULLSCREEN);
		m_music = music;
		m_soundFx = soundFx;
		m_fullscreen = fullscreen;
	}
	catch (const char*)
	{
		SetDefaults();
	}
}

bool brindle2Preferences::MusicEnabled() const
{
	return m_music;
}

bool brindle2Preferences::SoundFxEnabled() const
{
	return m_soundFx;
}

bool brindle2Preferences::FullscreenEnabled() const
{
	return m_fullscreen;
}

void brindle2Preferences::EnableMusic()
{
	m_music = true;
}

void brindle2Preferences::DisableMusic()
{
	m_music = false;
}

void brindle2Preferences::EnableSoundFx()
{
	m_soundFx = true;
}

void brindle2Preferences::DisableSoundFx()
{
	m_soundFx = false;
}

void brindle2Preferences::EnableFullscreen()
{
	m_fullscreen = true;
}

void brindle2Preferences::DisableFullscreen()
{
	m_fullscreen = false;
}

void brindle2Preferences::Save()
{
	const std::string fileName = FileName();
	brindle2AtomicFile file(fileName.c_str());
	file.Print(".%s=\"%s\"\n", brindle2PREFERENCES_DEFINITION_MEMBER__MUSIC, YesOrNo(m_music));
	file.Print(".%s=\"%s\"\n", brindle2PREFERENCES_DEFINITION_MEMBER__SOUND_FX, YesOrNo(m_soundFx));
	file.Print(".%s=\"%s\"", brindle2PREFERENCES_DEFINITION_MEMBER__FULLSCREEN, YesOrNo(m_fullscreen));
	if (!file.Commit())
		brindle2ErrorStrings::PushErrorStringOnto(m_errorStrings, brindle2PREFERENCES_ERROR__UNABLE_TO_SAVE_PREFERENCES, fileName.c_str());
}

void brindle2Preferences::SetDefaults()
{
	m_music = true;
	m_soundFx = true;
	m_fullscreen = false;
}

std::string brindle2Preferences::FileName()
{
	return std::string(brindleAPPLICATION_IDENTIFIER) + ".preferences";
}
