#include "brindlePlatform.h"

#include "brindle2ErrorStrings.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

const char brindleAPPLICATION_IDENTIFIER[] = "org.brindlekittens.brindle";
const char brindlePREFERENCES_FOLDER_NAME[] = "brindle";
const char brindleINSTALLED_RESOURCES_FOLDER[] = "../share/brindle/data";

const char brindlePLATFORM_ERROR__NO_PREFERENCES_FOLDER[] = "(ChangeToPreferencesFolder) unable to find the preferences folder, as neither XDG_CONFIG_HOME nor HOME names a folder";
const char brindlePLATFORM_ERROR__PREFERENCES_PATH_TOO_LONG[] = "(ChangeToPreferencesFolder) the path of the preferences folder is longer than 1024 bytes";
const char brindlePLATFORM_ERROR__UNABLE_TO_MAKE_PREFERENCES_FOLDER[] = "(ChangeToPreferencesFolder) unable to make the preferences folder";
const char brindlePLATFORM_ERROR__UNABLE_TO_ENTER_PREFERENCES_FOLDER[] = "(ChangeToPreferencesFolder) unable to make the preferences folder the working directory";
const char brindlePLATFORM_ERROR__PROGRAM_FOLDER_NOT_FOUND[] = "(ChangeToResourcesFolder) unable to find the folder of the program";
const char brindlePLATFORM_ERROR__RESOURCES_PATH_TOO_LONG[] = "(ChangeToResourcesFolder) the path of the resources folder is longer than 1024 bytes";
const char brindlePLATFORM_ERROR__RESOURCES_FOLDER_NOT_FOUND[] = "(ChangeToResourcesFolder) unable to find the resources folder of the game beside the program";

namespace
{
	void Fail(const char* p_message, const std::string& p_path)
	{
		brindle2ErrorStrings::PushErrorString(p_message, p_path.c_str());
		throw p_message;
	}

	bool FitsInPath(const std::string& p_path)
	{
		return p_path.size() + 1 <= brindleMAXIMUM_PATH_LENGTH;
	}

	// An absolute path taken from the environment, or empty. Relative values
	// are ignored, as the XDG conventions ask.
	std::string AbsoluteFromEnvironment(const char* p_name)
	{
		const char* value = getenv(p_name);
		if (value == NULL || value[0] != '/')
			return std::string();
		return value;
	}

	// Creates every missing folder along the path, like mkdir -p.
	bool MakeFolders(const std::string& p_path)
	{
		for (std::string::size_type end = p_path.find('/', 1); ; end = p_path.find('/', end + 1))
		{
			const std::string folder = p_path.substr(0, end);
			if (!folder.empty() && mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
				return false;
			if (end == std::string::npos)
				break;
		}
		struct stat status;
		return stat(p_path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
	}

	std::string ProgramFolder()
	{
		char program[brindleMAXIMUM_PATH_LENGTH];
		const ssize_t length = readlink("/proc/self/exe", program, sizeof program);
		if (length <= 0 || length >= (ssize_t)sizeof program)
			Fail(brindlePLATFORM_ERROR__PROGRAM_FOLDER_NOT_FOUND, "/proc/self/exe");
		std::string path(program, (std::string::size_type)length);
		return path.substr(0, path.rfind('/') + 1);
	}
}

void ChangeToPreferencesFolder()
{
	std::string base = AbsoluteFromEnvironment("XDG_CONFIG_HOME");
	if (base.empty())
	{
		const std::string home = AbsoluteFromEnvironment("HOME");
		if (home.empty())
		{
			brindle2ErrorStrings::PushErrorString(brindlePLATFORM_ERROR__NO_PREFERENCES_FOLDER);
			throw brindlePLATFORM_ERROR__NO_PREFERENCES_FOLDER;
		}
		base = home + "/.config";
	}
	const std::string folder = base + "/" + brindlePREFERENCES_FOLDER_NAME;
	if (!FitsInPath(folder))
		Fail(brindlePLATFORM_ERROR__PREFERENCES_PATH_TOO_LONG, folder);
	if (!MakeFolders(folder))
		Fail(brindlePLATFORM_ERROR__UNABLE_TO_MAKE_PREFERENCES_FOLDER, folder);
	if (chdir(folder.c_str()) != 0)
		Fail(brindlePLATFORM_ERROR__UNABLE_TO_ENTER_PREFERENCES_FOLDER, folder);
}

void ChangeToResourcesFolder()
{
	const std::string programFolder = ProgramFolder();
	const std::string candidates[] = { programFolder + "data", programFolder + brindleINSTALLED_RESOURCES_FOLDER };
	for (const std::string& candidate : candidates)
	{
		if (!FitsInPath(candidate))
			Fail(brindlePLATFORM_ERROR__RESOURCES_PATH_TOO_LONG, candidate);
		// Known by the game definition, so that another folder named data is not taken.
		if (access((candidate + "/game.txt").c_str(), R_OK) == 0 && chdir(candidate.c_str()) == 0)
			return;
	}
	Fail(brindlePLATFORM_ERROR__RESOURCES_FOLDER_NOT_FOUND, programFolder);
}
