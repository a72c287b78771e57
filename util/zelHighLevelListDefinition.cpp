#include "zelHighLevelListDefinition.h"

#include <cstdlib>
#include <cstring>

#include "zelStringConcatenation.h"
#include "zelString2No.h"

const char zelHLLD_ERROR__NULL_HIGH_LEVEL_LIST[] =
	"(zelHighLevelListDefinition::DefineHighLevelList) passed NULL as the high-level list which is to be defined";
const char zelHLLD_ERROR__NULL_DEFINITION_PATH[] =
	"(zelHighLevelListDefinition::DefineHighLevelList) passed NULL as the path to the definition which is to define the high-level list";
const char zelHLLD_ERROR__UNABLE_TO_OPEN_DEFINITION[] =
	"(zelHighLevelList::DefineHighLevelList) unable to open the definition which is to define the high-level list";
const char zelHLLD_ERROR__UNKNOWN_MEMBER_TYPE[] =
	"(zelHighLevelListDefinition::InputMemberType) unknown member type in the definition of the high-level list";
const char zelHLLD_ERROR__TYPE_MUST_HAVE_SUFFIX[] =
	"(zelHighLevelListDefinition::DefineHighLevelList) a member of that type must have a suffix";
const char zelHLLD_ERROR__TYPE_MUST_NOT_HAVE_SUFFIX[] =
	"(zelHighLevelListDefinition::DefineHighLevelList) a member of that type must not have a suffix";
const char zelHLLD_ERROR__UNKNOWN_STRING_SET_SUFFIX[] =
	"(zelHighLevelListDefinition::InputAcceptableStrings) unknown suffix to the acceptable strings";
const char zelHLLD_ERROR__UNKNOWN_RANGE_TYPE[] =
	"(zelHighLevelListDefinition::InputRangeType) unknown range type";
const char zelHLLD_ERROR__LOWER_RANGE_ALREADY_INPUT[] =
	"(zelHighLevelListDefinition::InputRange) the lower range has already been input";
const char zelHLLD_ERROR__UPPER_RANGE_ALREADY_INPUT[] =
	"(zelHighLevelListDefinition::InputRange) the upper range has already been input";
const char zelHLLD_ERROR__TOO_MANY_RANGES[] =
	"(zelHighLevelListDefinition::InputRange) too many ranges (there should be at most a lower and an upper range)";
const char zelHLLD_ERROR__DOUBLE_RANGE_CANNOT_BE_HEXADECIMAL_NOTATION[] =
	"(zelHighLevelListDefinition::InputRange) the range of a zelHLL_MEMBER_TYPE__DOUBLE-type member cannot be held in hexdecimal notation";
const char zelHLLD_ERROR__UNEXPECTED_END_OF_FILE[] =
	"(zelHighlevelListDefinition::InputString) the definition of the high-level list unexpectedly ends";
const char zelHLLD_ERROR__STRING_BUFFER_LENGTH_EXCEEDED[] =
	"(zelHighLevelListDefinition::InputString) a string in the definition of the high-level list exceeds the length of the string buffer";

namespace
{
	const char LINE_BREAKS[] = "\n\r";
	const size_t TOKEN_BUFFER_LENGTH = 1024;
	const char BREAK_LABEL[] = "break";
	const char IGNORE_CASE_SUFFIX[] = "ignore_case";

	struct TypeWord
	{
		const char* m_word;
		zelHLLD_MemberType_struct m_type;
	};

	const TypeWord TYPE_WORDS[] =
	{
		{ "int", { zelHLL_MEMBER_TYPE__INT, 0, 0, 0 } },
		{ "hex_int", { zelHLL_MEMBER_TYPE__HEX_INT, 0, 0, 0 } },
		{ "double", { zelHLL_MEMBER_TYPE__DOUBLE, 0, 0, 0 } },
		{ "sci_double", { zelHLL_MEMBER_TYPE__DOUBLE, 0, 0, 1 } },
		{ "string", { zelHLL_MEMBER_TYPE__STRING, 0, 0, 0 } },
		{ "bool_string", { zelHLL_MEMBER_TYPE__STRING, 1, 0, 0 } },
		{ "string_set", { zelHLL_MEMBER_TYPE__STRING, 0, 1, 0 } }
	};

	struct RangeWord
	{
		const char* m_word;
		zelHLL_MEMBER_RANGE m_kind;
		bool m_hexadecimal;
	};

	const RangeWord RANGE_WORDS[] =
	{
		{ ">=", zelHLL_MEMBER_RANGE__GREATER_OR_EQUAL, false },
		{ ">", zelHLL_MEMBER_RANGE__GREATER, false },
		{ "<=", zelHLL_MEMBER_RANGE__LESS_OR_EQUAL, false },
		{ "<", zelHLL_MEMBER_RANGE__LESS, false },
		{ ">=X", zelHLL_MEMBER_RANGE__GREATER_OR_EQUAL, true },
		{ ">X", zelHLL_MEMBER_RANGE__GREATER, true },
		{ "<=X", zelHLL_MEMBER_RANGE__LESS_OR_EQUAL, true },
		{ "<X", zelHLL_MEMBER_RANGE__LESS, true }
	};

	bool IsLowerKind(zelHLL_MEMBER_RANGE p_kind)
	{
		return p_kind == zelHLL_MEMBER_RANGE__GREATER_OR_EQUAL || p_kind == zelHLL_MEMBER_RANGE__GREATER;
	}

	bool IsExclusiveKind(zelHLL_MEMBER_RANGE p_kind)
	{
		return p_kind == zelHLL_MEMBER_RANGE__GREATER || p_kind == zelHLL_MEMBER_RANGE__LESS;
	}

	bool IsLineBreak(char p_character)
	{
		return p_character == '\n' || p_character == '\r';
	}

	// A folder opens for reading but fails on the first read; taken for an
	// empty definition it would define nothing and succeed.
	bool CanBeRead(FILE* p_file)
	{
		const int character = fgetc(p_file);
		if (character == EOF)
		{
			return ferror(p_file) == 0;
		}
		ungetc(character, p_file);
		return true;
	}
}

zelHighLevelListDefinition::zelHighLevelListDefinition(zelStringQueue* p_errorStrings) :
	m_errorStrings(p_errorStrings)
{
}

void zelHighLevelListDefinition::DefineHighLevelList(zelHighLevelList* p_list, const char* p_path)
{
	if (p_list == NULL)
	{
		PushErrorString(zelHLLD_ERROR__NULL_HIGH_LEVEL_LIST);
		throw zelHLLD_ERROR__NULL_HIGH_LEVEL_LIST;
	}
	if (p_path == NULL)
	{
		PushErrorString(zelHLLD_ERROR__NULL_DEFINITION_PATH);
		throw zelHLLD_ERROR__NULL_DEFINITION_PATH;
	}
	FILE* file = fopen(p_path, "r");
	if (file == NULL || !CanBeRead(file))
	{
		if (file != NULL)
		{
			fclose(file);
		}
		PushErrorString(zelHLLD_ERROR__UNABLE_TO_OPEN_DEFINITION, p_path);
		throw zelHLLD_ERROR__UNABLE_TO_OPEN_DEFINITION;
	}

	char* label = NULL;
	try
	{
		// The definition ends where no further '=' follows.
		while ((label = InputMemberLabel(file)) != NULL)
		{
			if (strcmp(label, BREAK_LABEL) == 0)
			{
				InputBreakMemberLabels(file, p_list);
			}
			else
			{
				InputMember(file, p_list, label);
			}
			free(label);
			// The next read may throw before it assigns a new label.
			label = NULL;
		}
	}
	catch (const char* error)
	{
		fclose(file);
		free(label);
		PushErrorString(error, p_path);
		throw;
	}
	fclose(file);
}

char* zelHighLevelListDefinition::InputString(FILE* p_file, const char* p_delimiters, unsigned int p_count, char* p_found, bool p_endOfFileIsUnexpected)
{
	char buffer[TOKEN_BUFFER_LENGTH];
	size_t held = 0;
	for (;;)
	{
		if (held == TOKEN_BUFFER_LENGTH)
		{
			throw zelHLLD_ERROR__STRING_BUFFER_LENGTH_EXCEEDED;
		}
		const int character = fgetc(p_file);
		if (character == EOF)
		{
			if (p_endOfFileIsUnexpected)
			{
				throw zelHLLD_ERROR__UNEXPECTED_END_OF_FILE;
			}
			return NULL;
		}
		if (memchr(p_delimiters, character, p_count) != NULL)
		{
			*p_found = static_cast<char>(character);
			char* token = static_cast<char*>(malloc(held + 1));
			memcpy(token, buffer, held);
			token[held] = '\0';
			return token;
		}
		buffer[held++] = static_cast<char>(character);
	}
}

char* zelHighLevelListDefinition::InputMemberLabel(FILE* p_file)
{
	char found;
	return InputString(p_file, "=", 1, &found, false);
}

void zelHighLevelListDefinition::InputMember(FILE* p_file, zelHighLevelList* p_list, const char* p_label)
{
	char found;
	const zelHLLD_MemberType_struct type = InputMemberType(p_file, &found);
	if (IsLineBreak(found))
	{
		if (type.m_stringSet)
		{
			PushErrorString(zelHLLD_ERROR__TYPE_MUST_HAVE_SUFFIX, p_label);
			throw zelHLLD_ERROR__TYPE_MUST_HAVE_SUFFIX;
		}
		p_list->NewMember(p_label, type.m_type);
		if (type.m_scientificNotation)
		{
			p_list->SetDoubleIsInScientificNotation(p_label, true);
		}
		if (type.m_boolString)
		{
			p_list->SetAcceptableStringsForBoolFromString__DisableMinMaxLength(p_label);
		}
		return;
	}

	if (type.m_type == zelHLL_MEMBER_TYPE__HEX_INT || type.m_boolString)
	{
		PushErrorString(zelHLLD_ERROR__TYPE_MUST_NOT_HAVE_SUFFIX, p_label);
		throw zelHLLD_ERROR__TYPE_MUST_NOT_HAVE_SUFFIX;
	}
	if (type.m_stringSet)
	{
		p_list->NewMember(p_label, zelHLL_MEMBER_TYPE__STRING);
		InputAcceptableStrings(p_file, p_list, p_label);
		return;
	}

	// The ranges come first, so a bad range line declares nothing.
	zelHLLD_MemberRange_struct range;
	InputRange(p_file, type, &range);
	p_list->NewMember(p_label, type.m_type);
	if (type.m_scientificNotation)
	{
		p_list->SetDoubleIsInScientificNotation(p_label, true);
	}
	SetRange(p_list, p_label, type, range);
}

zelHLLD_MemberType_struct zelHighLevelListDefinition::InputMemberType(FILE* p_file, char* p_found)
{
	char* word = InputString(p_file, ";\n\r", 3, p_found, true);
	for (const TypeWord& typeWord : TYPE_WORDS)
	{
		if (strcmp(word, typeWord.m_word) == 0)
		{
			free(word);
			return typeWord.m_type;
		}
	}
	PushErrorString(zelHLLD_ERROR__UNKNOWN_MEMBER_TYPE, word);
	free(word);
	throw zelHLLD_ERROR__UNKNOWN_MEMBER_TYPE;
}

void zelHighLevelListDefinition::InputRange(FILE* p_file, const zelHLLD_MemberType_struct& p_type, zelHLLD_MemberRange_struct* p_range)
{
	*p_range = zelHLLD_MemberRange_struct();
	if (IsLineBreak(InputRangeOnce(p_file, p_type, p_range)))
	{
		return;
	}
	if (IsLineBreak(InputRangeOnce(p_file, p_type, p_range)))
	{
		return;
	}
	throw zelHLLD_ERROR__TOO_MANY_RANGES;
}

// Reads one range word, ':' and number; returns the character that ended the number.
char zelHighLevelListDefinition::InputRangeOnce(FILE* p_file, const zelHLLD_MemberType_struct& p_type, zelHLLD_MemberRange_struct* p_range)
{
	bool hexadecimal = false;
	const zelHLL_MEMBER_RANGE kind = InputRangeType(p_file, &hexadecimal);
	const bool lower = IsLowerKind(kind);
	if (lower)
	{
		CheckLowerRangeAlreadyInput(p_range);
		p_range->m_hasLowerBound = 1;
		p_range->m_lowerBoundIsExclusive = IsExclusiveKind(kind);
	}
	else
	{
		CheckUpperRangeAlreadyInput(p_range);
		p_range->m_hasUpperBound = 1;
		p_range->m_upperBoundIsExclusive = IsExclusiveKind(kind);
	}

	char found;
	char* number = InputString(p_file, ";\n\r", 3, &found, true);
	zelString2No converter;
	try
	{
		if (p_type.m_type == zelHLL_MEMBER_TYPE__DOUBLE)
		{
			if (hexadecimal)
			{
				throw zelHLLD_ERROR__DOUBLE_RANGE_CANNOT_BE_HEXADECIMAL_NOTATION;
			}
			const double bound = p_type.m_scientificNotation ? converter.SciString2Double(number) : converter.String2Double(number);
			(lower ? p_range->m_doubleLowerBound : p_range->m_doubleUpperBound) = bound;
		}
		else
		{
			const int bound = hexadecimal ? static_cast<int>(converter.HexString2Int(number)) : converter.String2Int(number);
			(lower ? p_range->m_intLowerBound : p_range->m_intUpperBound) = bound;
		}
	}
	catch (const char* error)
	{
		PushErrorString(error, number);
		free(number);
		throw;
	}
	free(number);
	return found;
}

zelHLL_MEMBER_RANGE zelHighLevelListDefinition::InputRangeType(FILE* p_file, bool* p_hexadecimal)
{
	char found;
	char* word = InputString(p_file, ":", 1, &found, true);
	for (const RangeWord& rangeWord : RANGE_WORDS)
	{
		if (strcmp(word, rangeWord.m_word) == 0)
		{
			free(word);
			*p_hexadecimal = rangeWord.m_hexadecimal;
			return rangeWord.m_kind;
		}
	}
	PushErrorString(zelHLLD_ERROR__UNKNOWN_RANGE_TYPE, word);
	free(word);
	throw zelHLLD_ERROR__UNKNOWN_RANGE_TYPE;
}

void zelHighLevelListDefinition::CheckLowerRangeAlreadyInput(const zelHLLD_MemberRange_struct* p_range)
{
	if (p_range->m_hasLowerBound)
	{
		PushErrorString(zelHLLD_ERROR__LOWER_RANGE_ALREADY_INPUT);
		throw zelHLLD_ERROR__LOWER_RANGE_ALREADY_INPUT;
	}
}

void zelHighLevelListDefinition::CheckUpperRangeAlreadyInput(const zelHLLD_MemberRange_struct* p_range)
{
	if (p_range->m_hasUpperBound)
	{
		PushErrorString(zelHLLD_ERROR__UPPER_RANGE_ALREADY_INPUT);
		throw zelHLLD_ERROR__UPPER_RANGE_ALREADY_INPUT;
	}
}

void zelHighLevelListDefinition::InputAcceptableStrings(FILE* p_file, zelHighLevelList* p_list, const char* p_label)
{
	zelStringQueue strings;
	char found;
	do
	{
		char* string = InputString(p_file, ",;\n\r", 4, &found, true);
		strings.Push(string);
		free(string);
	}
	while (found == ',');

	bool ignoreCase = false;
	if (found == ';')
	{
		char* word = InputString(p_file, LINE_BREAKS, 2, &found, true);
		if (strcmp(word, IGNORE_CASE_SUFFIX) != 0)
		{
			PushErrorString(zelHLLD_ERROR__UNKNOWN_STRING_SET_SUFFIX, word);
			free(word);
			throw zelHLLD_ERROR__UNKNOWN_STRING_SET_SUFFIX;
		}
		free(word);
		ignoreCase = true;
	}
	p_list->SetAcceptableStrings__DisableMinMaxLength(p_label, &strings);
	p_list->SetIgnoreCaseOfAcceptableStrings(p_label, ignoreCase);
}

void zelHighLevelListDefinition::InputBreakMemberLabels(FILE* p_file, zelHighLevelList* p_list)
{
	zelStringQueue labels;
	char found;
	do
	{
		char* label = InputString(p_file, ",\n\r", 3, &found, true);
		labels.Push(label);
		free(label);
	}
	while (found == ',');
	p_list->NewBreakMembers(&labels);
}

void zelHighLevelListDefinition::SetRange(zelHighLevelList* p_list, const char* p_label, const zelHLLD_MemberType_struct& p_type, const zelHLLD_MemberRange_struct& p_range)
{
	const zelHLL_MEMBER_RANGE lowerKind = p_range.m_lowerBoundIsExclusive ? zelHLL_MEMBER_RANGE__GREATER : zelHLL_MEMBER_RANGE__GREATER_OR_EQUAL;
	const zelHLL_MEMBER_RANGE upperKind = p_range.m_upperBoundIsExclusive ? zelHLL_MEMBER_RANGE__LESS : zelHLL_MEMBER_RANGE__LESS_OR_EQUAL;
	switch (p_type.m_type)
	{
	case zelHLL_MEMBER_TYPE__INT:
		if (p_range.m_hasLowerBound)
		{
			p_list->SetIntMemberRange(p_label, lowerKind, p_range.m_intLowerBound);
		}
		if (p_range.m_hasUpperBound)
		{
			p_list->SetIntMemberRange(p_label, upperKind, p_range.m_intUpperBound);
		}
		break;
	case zelHLL_MEMBER_TYPE__DOUBLE:
		if (p_range.m_hasLowerBound)
		{
			p_list->SetDoubleMemberRange(p_label, lowerKind, p_range.m_doubleLowerBound);
		}
		if (p_range.m_hasUpperBound)
		{
			p_list->SetDoubleMemberRange(p_label, upperKind, p_range.m_doubleUpperBound);
		}
		break;
	case zelHLL_MEMBER_TYPE__STRING:
		SetLengths(p_list, p_label, p_range);
		break;
	case zelHLL_MEMBER_TYPE__HEX_INT:
		break;
	}
}

// String bounds are lengths. Worked out in 64 bits so that an exclusive bound
// at the edge of int cannot overflow; a length cannot be negative.
void zelHighLevelListDefinition::SetLengths(zelHighLevelList* p_list, const char* p_label, const zelHLLD_MemberRange_struct& p_range)
{
	if (p_range.m_hasLowerBound)
	{
		long long minimum = static_cast<long long>(p_range.m_intLowerBound) + (p_range.m_lowerBoundIsExclusive ? 1 : 0);
		if (minimum < 0)
		{
			minimum = 0;
		}
		p_list->SetStringMemberLength__DisableAcceptableStrings(p_label, zelHLL_MEMBER_LENGTH__MINIMUM, static_cast<unsigned int>(minimum));
	}
	if (p_range.m_hasUpperBound)
	{
		const long long maximum = static_cast<long long>(p_range.m_intUpperBound) - (p_range.m_upperBoundIsExclusive ? 1 : 0);
		if (maximum < 0)
		{
			// No string is that short: refuse rather than wrap round to no limit.
			const char* const error = zelHLL_ERROR__IMPOSSIBLE_RANGE_OF_LENGTHS;
			PushErrorString(error, p_label);
			throw error;
		}
		p_list->SetStringMemberLength__DisableAcceptableStrings(p_label, zelHLL_MEMBER_LENGTH__MAXIMUM, static_cast<unsigned int>(maximum));
	}
}

void zelHighLevelListDefinition::PushErrorString(const char* p_error)
{
	if (m_errorStrings != NULL)
	{
		m_errorStrings->Push(p_error);
	}
}

void zelHighLevelListDefinition::PushErrorString(const char* p_error, const char* p_detail)
{
	if (m_errorStrings == NULL)
	{
		return;
	}
	char* line = zelStringConcatenation::ConcatenateStrings(p_error, " (\"", p_detail, "\")", NULL);
	m_errorStrings->Push(line);
	free(line);
}
