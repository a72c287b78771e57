#include "brindle2ErrorStrings.h"

#include "zelStringConcatenation.h"
#include "zelStringQueue.h"

#include <cstdlib>

const char brindle2ERROR_STRINGS_ERROR__NULL_ERROR_STRING[] = "(brindle2ErrorStrings::PushErrorString) p_errorString == NULL";
const char brindle2ERROR_STRINGS_ERROR__NULL_ERROR_STRING_DETAIL[] = "(brindle2ErrorStrings::PushErrorString) p_errorStringDetail == NULL";

zelStringQueue* brindle2ErrorStrings::m_errorStrings = NULL;

void brindle2ErrorStrings::ErrorStrings(zelStringQueue* p_errorStrings)
{
	m_errorStrings = p_errorStrings;
}

zelStringQueue* brindle2ErrorStrings::ErrorStrings()
{
	return m_errorStrings;
}

void brindle2ErrorStrings::PushErrorString(const char* p_errorString)
{
	PushErrorStringOnto(m_errorStrings, p_errorString);
}

void brindle2ErrorStrings::PushErrorString(const char* p_errorString, const char* p_errorStringDetail)
{
	PushErrorStringOnto(m_errorStrings, p_errorString, p_errorStringDetail);
}

void brindle2ErrorStrings::PushErrorStringOnto(zelStringQueue* p_errorStrings, const char* p_errorString)
{
	if (p_errorStrings == NULL)
		return;
	if (p_errorString == NULL)
		p_errorStrings->Push(brindle2ERROR_STRINGS_ERROR__NULL_ERROR_STRING);
	else
		p_errorStrings->Push(p_errorString);
}

void brindle2ErrorStrings::PushErrorStringOnto(zelStringQueue* p_errorStrings, const char* p_errorString, const char* p_errorStringDetail)
{
	if (p_errorStrings == NULL)
		return;
	if (p_errorString == NULL)
	{
		p_errorStrings->Push(brindle2ERROR_STRINGS_ERROR__NULL_ERROR_STRING);
		return;
	}
	if (p_errorStringDetail == NULL)
	{
		p_errorStrings->Push(brindle2ERROR_STRINGS_ERROR__NULL_ERROR_STRING_DETAIL);
		return;
	}
	char* line = zelStringConcatenation::ConcatenateStrings(p_errorString, " (\"", p_errorStringDetail, "\")", (const char*)NULL);
	p_errorStrings->Push(line);
	free(line);
}
