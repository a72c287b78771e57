#ifndef BRINDLE2_PREFERENCES_H
#define BRINDLE2_PREFERENCES_H

#include <string>

class zelStringQueue;

extern const char brindle2PREFERENCES_ERROR__UNABLE_TO_OPEN_PREFERENCES[];
extern const char brindle2PREFERENCES_ERROR__INCOMPLETE_PREFERENCES[];
extern const char brindle2PREFERENCES_ERROR__UNABLE_TO_SAVE_PREFERENCES[];

extern const char brindle2PREFERENCES_DEFINITION_MEMBER__MUSIC[];
extern const char brindle2PREFERENCES_DEFINITION_MEMBER__SOUND_FX[];
extern const char brindle2PREFERENCES_DEFINITION_MEMBER__FULLSCREEN[];

// The player's choices kept between runs, in a file of the working directory
// (the game makes the preferences folder the working directory first).
// Nothing here throws: a problem leaves the defaults or the old file and a
// line on the error-string queue.
class brindle2Preferences
{
public:
	explicit brindle2Preferences(zelStringQueue* p_errorStrings);

	bool MusicEnabled() const;
	bool SoundFxEnabled() const;
	bool FullscreenEnabled() const;

	void EnableMusic();
	void DisableMusic();
	void EnableSoundFx();
	void DisableSoundFx();
	void EnableFullscreen();
	void DisableFullscreen();

	void Save();
	void SetDefaults();

	// The identifier of the application followed by ".preferences".
	static std::string FileName();

private:
	bool m_music;
	bool m_soundFx;
	bool m_fullscreen;
	zelStringQueue* m_errorStrings;
};

#endif
