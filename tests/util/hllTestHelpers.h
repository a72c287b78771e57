#ifndef HLL_TEST_HELPERS_H
#define HLL_TEST_HELPERS_H

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "zelStringQueue.h"

using Lines = std::vector<std::string>;

// The recorded line shapes: a label in parentheses; a label and a string,
// each in double quotes; one detail in double quotes.
inline std::string WithLabel(const char* p_message, const std::string& p_label)
{
	return std::string(p_message) + " (" + p_label + ")";
}

inline std::string WithLabelAndString(const char* p_message, const std::string& p_label, const std::string& p_string)
{
	return std::string(p_message) + " (\"" + p_label + "\"; \"" + p_string + "\")";
}

inline std::string Quoted(const char* p_message, const std::string& p_detail)
{
	return std::string(p_message) + " (\"" + p_detail + "\")";
}

// Every line recorded in the queue, from the first.
inline std::vector<std::string> RecordedLines(zelStringQueue& p_queue)
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

// The lines recorded since the queue was last read to its end: the queue
// points its cursor at a line pushed after the reader reached the end.
inline std::vector<std::string> NewlyRecordedLines(zelStringQueue& p_queue)
{
	std::vector<std::string> lines;
	while (!p_queue.IsEndOfQueue())
	{
		char* line = p_queue.Pop();
		lines.push_back(line);
		free(line);
	}
	return lines;
}

// An anonymous temporary stream holding the text, positioned at its start;
// close it with fclose.
inline FILE* TextStream(const std::string& p_text)
{
	FILE* file = tmpfile();
	fwrite(p_text.data(), 1, p_text.size(), file);
	rewind(file);
	return file;
}

// Runs p_call and returns the const char* it throws, or null if it throws nothing.
template <typename Call>
const char* Thrown(Call p_call)
{
	try
	{
		p_call();
	}
	catch (const char* p_error)
	{
		return p_error;
	}
	return nullptr;
}

#endif
