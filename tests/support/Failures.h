#ifndef FAILURES_H
#define FAILURES_H

// What every failure test looks at: the message an operation threw and the
// lines it recorded in its error-string queue, in the recorded shapes.

#include "zelStringQueue.h"

#include <cstdlib>
#include <string>
#include <vector>

// The message an operation threw, or null when it threw nothing.
template <typename Operation>
const char* Thrown(Operation p_operation)
{
	try
	{
		p_operation();
	}
	catch (const char* p_caught)
	{
		return p_caught;
	}
	return NULL;
}

// The lines from the queue's cursor to its end. Right after a reader has
// reached the end, these are exactly the lines recorded since.
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

// The next line at the queue's cursor, or "<no line>" when there is none.
inline std::string NextRecordedLine(zelStringQueue& p_queue)
{
	if (p_queue.IsEndOfQueue())
		return "<no line>";
	char* line = p_queue.Pop();
	const std::string text = line;
	free(line);
	return text;
}

// Every line recorded in the queue, from the first.
inline std::vector<std::string> RecordedLines(zelStringQueue& p_queue)
{
	p_queue.Reset();
	return NewlyRecordedLines(p_queue);
}

// The recorded line shapes: a label in parentheses; a label and a string,
// each in double quotes; one detail (a token or a path) in double quotes.
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

#endif
