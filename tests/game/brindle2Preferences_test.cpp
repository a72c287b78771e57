#include "GameTestSupport.h"

#include "brindle2AtomicFile.h"
#include "brindle2Preferences.h"

#include "zelHighLevelList.h"

#include <csignal>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>

namespace
{
	const std::string FILE_NAME = "org.brindlekittens.brindle.preferences";

	std::string Read(const std::string& p_path)
	{
		std::ifstream file(p_path.c_str(), std::ios::binary);
		std::stringstream text;
		text << file.rdbuf();
		return text.str();
	}

	// Files of the folder other than the preferences (left-over temporaries).
	int OtherFiles(const TempFolder& p_folder)
	{
		const std::string command = "test $(ls -A '" + p_folder.Path() + "' | grep -v -x '" + FILE_NAME + "' | wc -l) -eq 0";
		return std::system(command.c_str()) == 0 ? 0 : 1;
	}

	// Writes fail once a file would grow past a few bytes.
	class SmallFileLimit
	{
	public:
		SmallFileLimit()
		{
			m_handler = signal(SIGXFSZ, SIG_IGN);
			getrlimit(RLIMIT_FSIZE, &m_limit);
			struct rlimit small = m_limit;
			small.rlim_cur = 10;
			setrlimit(RLIMIT_FSIZE, &small);
		}
		~SmallFileLimit()
		{
			setrlimit(RLIMIT_FSIZE, &m_limit);
			signal(SIGXFSZ, m_handler);
		}
	private:
		struct rlimit m_limit;
		sighandler_t m_handler;
	};
}

TEST(brindle2Preferences, FileNameIsTheApplicationIdentifier)
{
	EXPECT_EQ(FILE_NAME, brindle2Preferences::FileName());
}

TEST(brindle2Preferences, FirstRunTakesTheDefaultsAndRecordsTheMissingFile)
{
	WorkingFolder folder;
	zelStringQueue errors;
	brindle2Preferences preferences(&errors);
	EXPECT_TRUE(preferences.MusicEnabled());
	EXPECT_TRUE(preferences.SoundFxEnabled());
	EXPECT_FALSE(preferences.FullscreenEnabled());
	EXPECT_EQ(std::vector<std::string>{ std::string(brindle2PREFERENCES_ERROR__UNABLE_TO_OPEN_PREFERENCES) + Quoted(FILE_NAME) }, Lines(errors));
}

TEST(brindle2Preferences, ReadsTheFile)
{
	struct Case { const char* text; bool music, soundFx, fullscreen; };
	const Case cases[] =
	{
		{ ".music=\"no\"\n.sound_fx=\"yes\"\n.fullscreen=\"yes\"", false, true, true },
		{ ".fullscreen=\"1\"\n.music=\"TRUE\"\n.sound_fx=\"0\"\n", true, false, true },
		{ ".music=\"No\"\n.sound_fx=\"False\"\n.fullscreen=\"false\"", false, false, false },
	};
	for (const Case& c : cases)
	{
		WorkingFolder folder;
		folder.Folder().Write(FILE_NAME, c.text);
		zelStringQueue errors;
		brindle2Preferences preferences(&errors);
		EXPECT_EQ(c.music, preferences.MusicEnabled()) << c.text;
		EXPECT_EQ(c.soundFx, preferences.SoundFxEnabled()) << c.text;
		EXPECT_EQ(c.fullscreen, preferences.FullscreenEnabled()) << c.text;
		EXPECT_TRUE(Lines(errors).empty()) << c.text;
	}
}

TEST(brindle2Preferences, DamagedFilesGiveAllThreeDefaults)
{
	struct Case { const char* text; std::vector<std::string> lines; };
	const Case cases[] =
	{
		{ ".music=\"no\"\n.sound_fx=\"no\"\n", { std::string(brindle2PREFERENCES_ERROR__INCOMPLETE_PREFERENCES) + Quoted(FILE_NAME) } },
		{ ".music=\"no\"\n.sound_fx=\"no\"\n.fullscreen=\"maybe\"",
			{ std::string(zelHLL_ERROR__ACCEPTABLE_STRING_NOT_FOUND) + " (\"fullscreen\"; \"maybe\")" } },
		{ "", { std::string(brindle2PREFERENCES_ERROR__INCOMPLETE_PREFERENCES) + Quoted(FILE_NAME) } },
		{ ".volume=\"11\"\n", { std::string(zelHLL_ERROR__MEMBER_LABEL_NOT_FOUND) + " (volume)" } },
	};
	for (const Case& c : cases)
	{
		WorkingFolder folder;
		folder.Folder().Write(FILE_NAME, c.text);
		zelStringQueue errors;
		brindle2Preferences preferences(&errors);
		EXPECT_TRUE(preferences.MusicEnabled()) << c.text;
		EXPECT_TRUE(preferences.SoundFxEnabled()) << c.text;
		EXPECT_FALSE(preferences.FullscreenEnabled()) << c.text;
		EXPECT_EQ(c.lines, Lines(errors)) << c.text;
	}
}

TEST(brindle2Preferences, SavesThreeLinesAndReadsThemBack)
{
	WorkingFolder folder;
	{
		brindle2Preferences preferences(NULL);
		preferences.DisableMusic();
		preferences.EnableFullscreen();
		preferences.Save();
	}
	EXPECT_EQ(".music=\"no\"\n.sound_fx=\"yes\"\n.fullscreen=\"yes\"", Read(folder.Folder().File(FILE_NAME)));
	EXPECT_EQ(0, OtherFiles(folder.Folder()));

	zelStringQueue errors;
	brindle2Preferences preferences(&errors);
	EXPECT_FALSE(preferences.MusicEnabled());
	EXPECT_TRUE(preferences.SoundFxEnabled());
	EXPECT_TRUE(preferences.FullscreenEnabled());
	preferences.SetDefaults();
	preferences.DisableSoundFx();
	preferences.Save();
	EXPECT_EQ(".music=\"yes\"\n.sound_fx=\"no\"\n.fullscreen=\"no\"", Read(folder.Folder().File(FILE_NAME)));
	EXPECT_TRUE(Lines(errors).empty());
}

TEST(brindle2Preferences, AFailedSaveLeavesTheOldFileWhole)
{
	WorkingFolder folder;
	const std::string old = ".music=\"no\"\n.sound_fx=\"no\"\n.fullscreen=\"no\"";
	folder.Folder().Write(FILE_NAME, old);
	zelStringQueue errors;
	brindle2Preferences preferences(&errors);
	preferences.EnableMusic();
	{
		SmallFileLimit limit;
		preferences.Save();
	}
	EXPECT_EQ(old, Read(folder.Folder().File(FILE_NAME)));
	EXPECT_EQ(0, OtherFiles(folder.Folder()));
	EXPECT_EQ(std::vector<std::string>{ std::string(brindle2PREFERENCES_ERROR__UNABLE_TO_SAVE_PREFERENCES) + Quoted(FILE_NAME) }, Lines(errors));
}

TEST(brindle2Preferences, AFolderThatCannotBeWrittenRecordsOneLine)
{
	WorkingFolder folder;
	zelStringQueue errors;
	brindle2Preferences preferences(&errors);
	// A working directory that no longer exists takes no new file, even for root.
	ASSERT_EQ(0, rmdir(folder.Folder().Path().c_str()));
	preferences.Save();
	ASSERT_EQ(0, mkdir(folder.Folder().Path().c_str(), 0700));
	const std::vector<std::string> lines = Lines(errors);
	// The first line is the missing file of the first run.
	ASSERT_EQ(2u, lines.size());
	EXPECT_EQ(std::string(brindle2PREFERENCES_ERROR__UNABLE_TO_SAVE_PREFERENCES) + Quoted(FILE_NAME), lines[1]);
}

TEST(brindle2AtomicFile, ReplacesTheFileOnlyOnCommit)
{
	WorkingFolder folder;
	folder.Folder().Write("table", "old");
	{
		brindle2AtomicFile file("table");
		EXPECT_TRUE(file.Print("%s=%d\n", "new", 1));
		EXPECT_EQ("old", Read(folder.Folder().File("table")));
		// Dropped without a commit: the old file stays, the temporary goes.
	}
	EXPECT_EQ("old", Read(folder.Folder().File("table")));
	{
		brindle2AtomicFile file("table");
		EXPECT_TRUE(file.Print("%s=%d\n", "new", 2));
		EXPECT_TRUE(file.Commit());
	}
	EXPECT_EQ("new=2\n", Read(folder.Folder().File("table")));
	EXPECT_EQ(0, std::system(("test $(ls -A '" + folder.Folder().Path() + "' | wc -l) -eq 1").c_str()));
}

TEST(brindle2AtomicFile, AWriteThatFailsIsReportedAndNothingIsReplaced)
{
	WorkingFolder folder;
	folder.Folder().Write("table", "old");
	brindle2AtomicFile file("table");
	{
		SmallFileLimit limit;
		file.Print("%s\n", "more text than the limit lets through");
		EXPECT_FALSE(file.Commit());
	}
	EXPECT_FALSE(file.Print("late"));
	EXPECT_EQ("old", Read(folder.Folder().File("table")));
	EXPECT_EQ(0, std::system(("test $(ls -A '" + folder.Folder().Path() + "' | wc -l) -eq 1").c_str()));
}
