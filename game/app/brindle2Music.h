#ifndef BRINDLE2_MUSIC_H
#define BRINDLE2_MUSIC_H

#include <SDL/SDL_mixer.h>

class zelStringQueue;

extern const char brindle2MUSIC_ERROR__UNABLE_TO_OPEN_MUSIC_DEFINITION[];
extern const char brindle2MUSIC_ERROR__INCOMPLETE_MUSIC_DEFINITION[];

extern const char brindle2MUSIC_DEFINITION_MEMBER__FADE_IN[];
extern const char brindle2MUSIC_DEFINITION_MEMBER__FADE_OUT[];

extern const char brindle2MUSIC_FILE[];
extern const char brindle2MUSIC_DEFINITION_FILE[];

// The background music of a game, read from the working directory. Without a
// playable "music.ogg" the game stays silent but playable; a bad
// "music.txt" is fatal.
class brindle2Music
{
public:
	explicit brindle2Music(zelStringQueue* p_errorStrings);
	~brindle2Music();

	void Enable();
	// Stops the music at once.
	void Disable();
	bool Enabled() const;
	bool HasMusic() const;

	// Loops the music, fading it in, when enabled.
	void FadeIn();
	void FadeOut();

	// The rules that every object with sound effects follows. A sound that
	// cannot be loaded records SDL's error (after which, with the file name,
	// when asked) and stays silent: the result is then NULL.
	static Mix_Chunk* LoadSoundEffect(const char* p_fileName, zelStringQueue* p_errorStrings, bool p_withFileName);
	// Plays a loaded sound once on the first free channel; NULL plays nothing.
	static void PlaySoundEffect(Mix_Chunk* p_soundEffect);
	static void FreeSoundEffect(Mix_Chunk* p_soundEffect);

private:
	brindle2Music(const brindle2Music&) = delete;
	brindle2Music& operator=(const brindle2Music&) = delete;

	void ReadDefinition();

	Mix_Music* m_music;
	bool m_enabled;
	unsigned short m_fadeIn;
	unsigned short m_fadeOut;
	zelStringQueue* m_errorStrings;
};

#endif
