#include "GameTestSupport.h"

#include "brindle2ErrorStrings.h"
#include "brindlePlatform.h"

#include <cstring>

namespace
{
	std::string WorkingDirectory()
	{
		char* here = getcwd(NULL, 0);
		const std::string path = here;
		free(here);
		return path;
	}

	// The game-wide queue and the environment as one test leaves them.
	class brindlePlatformTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			brindle2ErrorStrings::ErrorStrings(&m_errors);
			Remember("XDG_CONFIG_HOME");
			Remember("HOME");
		}
		void TearDown() override
		{
			brindle2ErrorStrings::ErrorStrings(NULL);
			for (const auto& variable : m_environment)
			{
				if (variable.second.first)
					setenv(variable.first.c_str(), variable.second.second.c_str(), 1);
				else
					unsetenv(variable.first.c_str());
			}
		}
		void Remember(const char* p_name)
		{
			const char* value = getenv(p_name);
			m_environment.push_back({ p_name, { value != NULL, value != NULL ? value : "" } });
		}
		const char* Preferences()
		{
			try
			{
				ChangeToPreferencesFolder();
			}
			catch (const char* p_message)
			{
				return p_message;
			}
			return NULL;
		}

		WorkingFolder m_folder;
		zelStringQueue m_errors;
		std::vector<std::pair<std::string, std::pair<bool, std::string>>> m_environment;
	};
}

TEST_F(brindlePlatformTest, PreferencesFolderIsMadeInsideTheConfigurationFolder)
{
	const std::string base = m_folder.Folder().File("config/deeper");
	setenv("XDG_CONFIG_HOME", base.c_str(), 1);
	EXPECT_EQ(NULL, Preferences());
	EXPECT_EQ(base + "/brindle", WorkingDirectory());
	// Found again when it exists.
	EXPECT_EQ(NULL, Preferences());
	EXPECT_EQ(base + "/brindle", WorkingDirectory());
	EXPECT_TRUE(Lines(m_errors).empty());
}

TEST_F(brindlePlatformTest, WithoutAnAbsoluteXdgFolderHomeIsUsed)
{
	const char* values[] = { NULL, "", "relative/config" };
	for (const char* value : values)
	{
		if (value == NULL)
			unsetenv("XDG_CONFIG_HOME");
		else
			setenv("XDG_CONFIG_HOME", value, 1);
		setenv("HOME", m_folder.Folder().Path().c_str(), 1);
		EXPECT_EQ(NULL, Preferences());
		EXPECT_EQ(m_folder.Folder().File(".config/brindle"), WorkingDirectory());
	}
}

TEST_F(brindlePlatformTest, FolderProblemsAreFailuresWithTheirPath)
{
	const std::string tooLong = "/" + std::string(1020, 'x');
	m_folder.Folder().Write("file", "in the way");
	const std::string blocked = m_folder.Folder().File("file");
	struct Case { const char* xdg; const char* home; const char* thrown; std::string line; };
	const Case cases[] =
	{
		{ tooLong.c_str(), NULL, brindlePLATFORM_ERROR__PREFERENCES_PATH_TOO_LONG,
			brindlePLATFORM_ERROR__PREFERENCES_PATH_TOO_LONG + Quoted(tooLong + "/brindle") },
		{ blocked.c_str(), NULL, brindlePLATFORM_ERROR__UNABLE_TO_MAKE_PREFERENCES_FOLDER,
			brindlePLATFORM_ERROR__UNABLE_TO_MAKE_PREFERENCES_FOLDER + Quoted(blocked + "/brindle") },
		{ NULL, NULL, brindlePLATFORM_ERROR__NO_PREFERENCES_FOLDER, brindlePLATFORM_ERROR__NO_PREFERENCES_FOLDER },
	};
	for (const Case& c : cases)
	{
		if (c.xdg != NULL)
			setenv("XDG_CONFIG_HOME", c.xdg, 1);
		else
			unsetenv("XDG_CONFIG_HOME");
		if (c.home != NULL)
			setenv("HOME", c.home, 1);
		else
			unsetenv("HOME");
		zelStringQueue errors;
		brindle2ErrorStrings::ErrorStrings(&errors);
		EXPECT_EQ(c.thrown, Preferences());
		EXPECT_EQ(std::vector<std::string>{ c.line }, Lines(errors));
	}
	brindle2ErrorStrings::ErrorStrings(&m_errors);
}

TEST_F(brindlePlatformTest, ResourcesAreLookedForBesideTheProgram)
{
	// The test programs have no data folder beside them.
	const char* caught = NULL;
	try
	{
		ChangeToResourcesFolder();
	}
	catch (const char* p_message)
	{
		caught = p_message;
	}
	EXPECT_EQ(brindlePLATFORM_ERROR__RESOURCES_FOLDER_NOT_FOUND, caught);
	char program[1024] = "";
	ASSERT_LT(0, readlink("/proc/self/exe", program, sizeof program - 1));
	const std::string programFolder(program, strrchr(program, '/') + 1);
	EXPECT_EQ(std::vector<std::string>{ brindlePLATFORM_ERROR__RESOURCES_FOLDER_NOT_FOUND + Quoted(programFolder) }, Lines(m_errors));
}

TEST(brindle2ErrorStrings, RecordsTheTwoShapesOnTheGameWideQueue)
{
	zelStringQueue errors;
	brindle2ErrorStrings::PushErrorString("not recorded without a queue");
	brindle2ErrorStrings::ErrorStrings(&errors);
	EXPECT_EQ(&errors, brindle2ErrorStrings::ErrorStrings());
	brindle2ErrorStrings::PushErrorString("(brindleX::Y) went wrong");
	brindle2ErrorStrings::PushErrorString("(brindleX::Y) went wrong", "file.txt");
	brindle2ErrorStrings::PushErrorString(NULL);
	brindle2ErrorStrings::PushErrorString(NULL, "file.txt");
	brindle2ErrorStrings::PushErrorString("(brindleX::Y) went wrong", NULL);
	brindle2ErrorStrings::ErrorStrings(NULL);
	const std::vector<std::string> expected =
	{
		"(brindleX::Y) went wrong",
		"(brindleX::Y) went wrong (\"file.txt\")",
		brindle2ERROR_STRINGS_ERROR__NULL_ERROR_STRING,
		brindle2ERROR_STRINGS_ERROR__NULL_ERROR_STRING,
		brindle2ERROR_STRINGS_ERROR__NULL_ERROR_STRING_DETAIL,
	};
	EXPECT_EQ(expected, Lines(errors));
}
