#ifndef GAME_TEST_SUPPORT_H
#define GAME_TEST_SUPPORT_H

#include "TestWindow.h"

#include "zelStringQueue.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

// A fresh empty working directory for one test; the test folder is the
// working directory again afterwards.
class WorkingFolder
{
public:
	WorkingFolder()
	{
		char* here = getcwd(NULL, 0);
		m_previous = here;
		free(here);
		EXPECT_EQ(0, chdir(m_folder.Path().c_str()));
	}
	~WorkingFolder()
	{
		EXPECT_EQ(0, chdir(m_previous.c_str()));
	}
	const TempFolder& Folder() const { return m_folder; }
	// A file of the test folder (fixtures/...), as an absolute path.
	std::string Fixture(const std::string& p_name) const { return m_previous + "/fixtures/" + p_name; }
	void Copy(const std::string& p_fixture, const std::string& p_name) const
	{
		const std::string command = "cp '" + Fixture(p_fixture) + "' '" + m_folder.File(p_name) + "'";
		ASSERT_EQ(0, std::system(command.c_str()));
	}
private:
	TempFolder m_folder;
	std::string m_previous;
};

// Every line recorded on the queue since it was made, in order.
inline std::vector<std::string> Lines(zelStringQueue& p_queue)
{
	std::vector<std::string> lines;
	p_queue.Reset();
	while (!p_queue.IsEndOfQueue())
	{
		char* line = p_queue.Pop();
		lines.push_back(line);
		free(line);
	}
	return lines;
}

inline std::string Quoted(const std::string& p_text)
{
	return " (\"" + p_text + "\")";
}

#endif
