#include "zelHighLevelList.h"

#include <cctype>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

#include "zelStringConcatenation.h"

const char zelHLL_ERROR__NOT_YET_INITIALISED[] =
	"(zelHighLevelList::{...}) no members of the high-level list have been initialised";
const char zelHLL_ERROR__NULL_MEMBER_LABEL[] =
	"(zelHighLevelList::{...}) passed NULL as the label of a member in the high-level list";
const char zelHLL_ERROR__MEMBER_LABEL_NOT_FOUND[] =
	"(zelHighLevelList::{...}) a member with that label was not found in the high-level list";
const char zelHLL_ERROR__MEMBER_LABEL_FOUND[] =
	"(zelHighLevelList::NewMember) a member with that label is already present in the high-level list";
const char zelHLL_ERROR__INCORRECT_MEMBER_TYPE[] =
	"(zelHighLevelList::{...}) the member with that label in the high-level list is not a member which may be operated on by that method";
const char zelHLL_ERROR__MEMBER_NOT_INPUT[] =
	"(zelHighLevelList::{...}) the member with that label in the high-level list has not yet been input";
const char zelHLL_ERROR__IMPOSSIBLE_RANGE[] =
	"(zelHighLevelList::Set{no}MemberRange) tried to set an impossible range for the member of the high-level list with that label";
const char zelHLL_ERROR__IMPOSSIBLE_RANGE_OF_LENGTHS[] =
	"(zelHighLevelList::SetStringMemberLength__DisableAcceptableStrings) tried to set an impossible range of lengths for the member of the high-level list with that label";
const char zelHLL_ERROR__NO_ACCEPTABLE_STRINGS[] =
	"(zelHighLevelList::SetAcceptableStrings__DisableMinMaxLength) passed no acceptable strings for the member of the high-level list with that label";
const char zelHLL_ERROR__UNABLE_TO_CONVERT_STRING_TO_BOOL[] =
	"(zelHighLevelList::BoolFromString) unable to convert the string of the member in the high-level list to a bool; for example, where \"true\" or \"yes\" or \"1\" is converted to true";
const char zelHLL_ERROR__NULL_PARAMETER[] =
	"(zelHighLevelList::CompareStringTo/Ignorecase) passed NULL as the string to which the string held in the member of the high-level list with that label is to be compared";
const char zelHLL_ERROR__NULL_FIRST_BREAK_MEMBER_LABEL[] =
	"(zelHighLevelList::NewBreakMembers) passed NULL as the first label of a break-member in the high-level list";
const char zelHLL_ERROR__BREAK_MEMBER_LABEL_NOT_FOUND[] =
	"(zelHighlevelList::NewBreakMembers) a member with that label, which is to be defined as a break-member label, was not found in the high-level list";
const char zelHLL_ERROR__NULL_BREAK_MEMBER_LABELS[] =
	"(zelHighLevelList::NewBreakMembers) passed NULL as the queue of labels of break-members in the high-level list";
const char zelHLL_ERROR__NO_BREAK_MEMBER_LABELS[] =
	"(zelHighLevelList::NewBreakMembers) passed an empty queue as the queue of labels of break-members in the high-level list";
const char zelHLL_ERROR__BREAK_MEMBER_LABELS_NOT_YET_DEFINED[] =
	"(zelHighLevelList::AllBreakMembersHaveBeenInput) no break-member labels have been defined for the high-level list";
const char zelHLL_ERROR__NULL_FILE[] =
	"(zelHighLevelList::Input) passed NULL as the high-level list file which is to be input";
const char zelHLL_ERROR__FILE_ENDS_UNEXPECTEDLY[] =
	"(zelHighLevelList::Input) the high-level list ends with an incomplete listing";
const char zelHLL_ERROR__MEMBER_INPUT[] =
	"(zelHighLevelList::Input) the member with that label in the high-level list has already been input";
const char zelHLL_ERROR__OUT_OF_RANGE[] =
	"(zelHighLevelList::Input) the value input for the member in the high-level list with that label is out of the acceptable range";
const char zelHLL_ERROR__STRING_TOO_SHORT[] =
	"(zelHighLevelList::Input) the string input for the member of the high-level list with that label is below the minimum string length set for that member";
const char zelHLL_ERROR__STRING_TOO_LONG[] =
	"(zelHighLevelList::Input) the string input for the member of the high-level list with that label is above the maximum string length set for that member";
const char zelHLL_ERROR__ACCEPTABLE_STRING_NOT_FOUND[] =
	"(zelHighLevelList::Input) the string input for the member of the high-level list with that label is not an acceptable string for that member";

namespace
{
	const char* const BOOL_TRUE_STRINGS[] = { "true", "yes", "1" };
	const char* const BOOL_FALSE_STRINGS[] = { "false", "no", "0" };

	char* CopyString(const char* p_string)
	{
		const size_t length = strlen(p_string);
		char* copy = static_cast<char*>(malloc(length + 1));
		memcpy(copy, p_string, length + 1);
		return copy;
	}

	bool EqualIgnoringCase(const char* p_first, const char* p_second)
	{
		if (strlen(p_first) != strlen(p_second))
		{
			return false;
		}
		for (; *p_first != '\0'; ++p_first, ++p_second)
		{
			if (tolower(static_cast<unsigned char>(*p_first)) != tolower(static_cast<unsigned char>(*p_second)))
			{
				return false;
			}
		}
		return true;
	}

	bool IsLowerKind(zelHLL_MEMBER_RANGE p_kind)
	{
		return p_kind == zelHLL_MEMBER_RANGE__GREATER_OR_EQUAL || p_kind == zelHLL_MEMBER_RANGE__GREATER;
	}

	bool IsUpperKind(zelHLL_MEMBER_RANGE p_kind)
	{
		return p_kind == zelHLL_MEMBER_RANGE__LESS_OR_EQUAL || p_kind == zelHLL_MEMBER_RANGE__LESS;
	}

	bool IsExclusiveKind(zelHLL_MEMBER_RANGE p_kind)
	{
		return p_kind == zelHLL_MEMBER_RANGE__GREATER || p_kind == zelHLL_MEMBER_RANGE__LESS;
	}

	// Stores a bound of a lower or upper kind in an integer or double member.
	// A later bound replaces an earlier one on its side, exclusiveness
	// included, so that ">= 3" after "> 5" admits 3.
	template <typename Part, typename Value>
	void StoreBound(Part& p_part, zelHLL_MEMBER_RANGE p_kind, Value p_bound)
	{
		if (IsLowerKind(p_kind))
		{
			p_part.m_hasLowerBound = 1;
			p_part.m_lowerBoundIsExclusive = IsExclusiveKind(p_kind);
			p_part.m_lowerBound = p_bound;
		}
		else
		{
			p_part.m_hasUpperBound = 1;
			p_part.m_upperBoundIsExclusive = IsExclusiveKind(p_kind);
			p_part.m_upperBound = p_bound;
		}
	}

	template <typename Part, typename Value>
	bool IsOutOfRange(const Part& p_part, Value p_value)
	{
		return (p_part.m_hasLowerBound && p_value < p_part.m_lowerBound) ||
			(p_part.m_hasUpperBound && p_value > p_part.m_upperBound) ||
			(p_part.m_lowerBoundIsExclusive && p_value <= p_part.m_lowerBound) ||
			(p_part.m_upperBoundIsExclusive && p_value >= p_part.m_upperBound);
	}
}

zelHighLevelList::zelHighLevelList(zelStringQueue* p_errorStrings) :
	m_root(NULL),
	m_breakMembersDefined(0),
	m_errorStrings(p_errorStrings)
{
}

zelHighLevelList::~zelHighLevelList()
{
	Delete(m_root);
}

void zelHighLevelList::NewMember(const char* p_label, zelHLL_MEMBER_TYPE p_type)
{
	if (p_label == NULL)
	{
		throw zelHLL_ERROR__NULL_MEMBER_LABEL;
	}
	// A plain walk: the expected absence of the label must leave no line.
	if (Search(p_label, m_root) != NULL)
	{
		PushErrorString(zelHLL_ERROR__MEMBER_LABEL_FOUND, p_label);
		throw zelHLL_ERROR__MEMBER_LABEL_FOUND;
	}
	NewMember(p_label, p_type, m_root);
	m_memberLabels.Push(p_label);
}

void zelHighLevelList::NewMember(const char* p_label, zelHLL_MEMBER_TYPE p_type, zelHighLevelListMember_struct* p_node)
{
	zelHighLevelListMember_struct* member = new zelHighLevelListMember_struct();
	member->m_lesser = NULL;
	member->m_greater = NULL;
	member->m_label = CopyString(p_label);
	member->m_type = p_type;
	member->m_input = 0;
	switch (p_type)
	{
	case zelHLL_MEMBER_TYPE__INT:
		member->m_int = zelHLL_IntMember_struct();
		break;
	case zelHLL_MEMBER_TYPE__HEX_INT:
		member->m_hexInt = zelHLL_HexIntMember_struct();
		break;
	case zelHLL_MEMBER_TYPE__DOUBLE:
		member->m_double = zelHLL_DoubleMember_struct();
		break;
	case zelHLL_MEMBER_TYPE__STRING:
		member->m_string = zelHLL_StringMember_struct();
		member->m_string.m_value = NULL;
		member->m_string.m_maximumLength = 0xffffffffu;
		member->m_string.m_minimumLength = 0;
		member->m_string.m_acceptableStrings = NULL;
		break;
	}

	if (p_node == NULL)
	{
		m_root = member;
		return;
	}
	// Unbalanced: the lists hold a few dozen members at most.
	for (;;)
	{
		zelHighLevelListMember_struct** next = strcmp(p_label, p_node->m_label) < 0 ? &p_node->m_lesser : &p_node->m_greater;
		if (*next == NULL)
		{
			*next = member;
			return;
		}
		p_node = *next;
	}
}

void zelHighLevelList::NewBreakMembers(const char* p_label, ...)
{
	if (p_label == NULL)
	{
		throw zelHLL_ERROR__NULL_FIRST_BREAK_MEMBER_LABEL;
	}
	va_list arguments;
	va_start(arguments, p_label);
	try
	{
		for (const char* label = p_label; label != NULL; label = va_arg(arguments, const char*))
		{
			NewBreakMember(label);
		}
	}
	catch (const char*)
	{
		va_end(arguments);
		throw;
	}
	va_end(arguments);
	m_breakMembersDefined = 1;
}

void zelHighLevelList::NewBreakMembers(zelStringQueue* p_labels)
{
	if (p_labels == NULL)
	{
		throw zelHLL_ERROR__NULL_BREAK_MEMBER_LABELS;
	}
	bool anyLabel = false;
	while (!p_labels->IsEndOfQueue())
	{
		char* label = p_labels->Pop();
		anyLabel = true;
		try
		{
			NewBreakMember(label);
		}
		catch (const char*)
		{
			free(label);
			throw;
		}
		free(label);
	}
	if (!anyLabel)
	{
		throw zelHLL_ERROR__NO_BREAK_MEMBER_LABELS;
	}
	m_breakMembersDefined = 1;
}

void zelHighLevelList::NewBreakMember(const char* p_label)
{
	if (Search(p_label, m_root) == NULL)
	{
		PushErrorString(zelHLL_ERROR__BREAK_MEMBER_LABEL_NOT_FOUND, p_label);
		throw zelHLL_ERROR__BREAK_MEMBER_LABEL_NOT_FOUND;
	}
	m_breakMemberLabels.Push(p_label);
}

void zelHighLevelList::SetIntMemberRange(const char* p_label, zelHLL_MEMBER_RANGE p_kind, int p_bound)
{
	zelHighLevelListMember_struct* member = Search(p_label);
	if (member->m_type != zelHLL_MEMBER_TYPE__INT)
	{
		throw zelHLL_ERROR__INCORRECT_MEMBER_TYPE;
	}
	zelHLL_IntMember_struct& part = member->m_int;
	const bool exclusive = IsExclusiveKind(p_kind);
	bool impossible = false;
	// Bounds may not meet, and a new exclusive bound must lie more than one
	// away from the other side; the short circuit keeps the +1 and -1 from
	// overflowing.
	if (IsLowerKind(p_kind))
	{
		impossible = part.m_hasUpperBound && (p_bound >= part.m_upperBound || (exclusive && p_bound + 1 >= part.m_upperBound));
	}
	else if (IsUpperKind(p_kind))
	{
		impossible = part.m_hasLowerBound && (p_bound <= part.m_lowerBound || (exclusive && p_bound - 1 <= part.m_lowerBound));
	}
	else
	{
		return;
	}
	if (impossible)
	{
		PushErrorString(zelHLL_ERROR__IMPOSSIBLE_RANGE, p_label);
		throw zelHLL_ERROR__IMPOSSIBLE_RANGE;
	}
	StoreBound(part, p_kind, p_bound);
}

void zelHighLevelList::SetIntMemberRange(const char* p_label, int p_lower, int p_upper)
{
	SetIntMemberRange(p_label, zelHLL_MEMBER_RANGE__GREATER_OR_EQUAL, p_lower);
	SetIntMemberRange(p_label, zelHLL_MEMBER_RANGE__LESS_OR_EQUAL, p_upper);
}

void zelHighLevelList::SetDoubleMemberRange(const char* p_label, zelHLL_MEMBER_RANGE p_kind, double p_bound)
{
	zelHighLevelListMember_struct* member = Search(p_label);
	if (member->m_type != zelHLL_MEMBER_TYPE__DOUBLE)
	{
		throw zelHLL_ERROR__INCORRECT_MEMBER_TYPE;
	}
	zelHLL_DoubleMember_struct& part = member->m_double;
	bool impossible = false;
	if (IsLowerKind(p_kind))
	{
		impossible = part.m_hasUpperBound && p_bound >= part.m_upperBound;
	}
	else if (IsUpperKind(p_kind))
	{
		impossible = part.m_hasLowerBound && p_bound <= part.m_lowerBound;
	}
	else
	{
		return;
	}
	if (impossible)
	{
		PushErrorString(zelHLL_ERROR__IMPOSSIBLE_RANGE, p_label);
		throw zelHLL_ERROR__IMPOSSIBLE_RANGE;
	}
	StoreBound(part, p_kind, p_bound);
}

void zelHighLevelList::SetDoubleMemberRange(const char* p_label, double p_lower, double p_upper)
{
	SetDoubleMemberRange(p_label, zelHLL_MEMBER_RANGE__GREATER_OR_EQUAL, p_lower);
	SetDoubleMemberRange(p_label, zelHLL_MEMBER_RANGE__LESS_OR_EQUAL, p_upper);
}

void zelHighLevelList::SetDoubleIsInScientificNotation(const char* p_label, bool p_scientificNotation)
{
	zelHighLevelListMember_struct* member = Search(p_label);
	if (member->m_type != zelHLL_MEMBER_TYPE__DOUBLE)
	{
		throw zelHLL_ERROR__INCORRECT_MEMBER_TYPE;
	}
	member->m_double.m_scientificNotation = p_scientificNotation;
}

void zelHighLevelList::SetStringMemberLength__DisableAcceptableStrings(const char* p_label, zelHLL_MEMBER_LENGTH p_kind, unsigned int p_length)
{
	zelHLL_StringMember_struct& part = SearchOfType(p_label, zelHLL_MEMBER_TYPE__STRING)->m_string;
	if (p_kind == zelHLL_MEMBER_LENGTH__MINIMUM)
	{
		if (part.m_hasMaximumLength && p_length > part.m_maximumLength)
		{
			PushErrorString(zelHLL_ERROR__IMPOSSIBLE_RANGE_OF_LENGTHS, p_label);
			throw zelHLL_ERROR__IMPOSSIBLE_RANGE_OF_LENGTHS;
		}
		part.m_minimumLength = p_length;
		part.m_hasMinimumLength = 1;
	}
	else if (p_kind == zelHLL_MEMBER_LENGTH__MAXIMUM)
	{
		if (part.m_hasMinimumLength && p_length < part.m_minimumLength)
		{
			PushErrorString(zelHLL_ERROR__IMPOSSIBLE_RANGE_OF_LENGTHS, p_label);
			throw zelHLL_ERROR__IMPOSSIBLE_RANGE_OF_LENGTHS;
		}
		part.m_maximumLength = p_length;
		part.m_hasMaximumLength = 1;
	}
	if (part.m_hasAcceptableStrings)
	{
		delete part.m_acceptableStrings;
		part.m_acceptableStrings = NULL;
		part.m_hasAcceptableStrings = 0;
	}
}

void zelHighLevelList::SetStringMemberLength__DisableAcceptableStrings(const char* p_label, unsigned int p_minimum, unsigned int p_maximum)
{
	SetStringMemberLength__DisableAcceptableStrings(p_label, zelHLL_MEMBER_LENGTH__MINIMUM, p_minimum);
	SetStringMemberLength__DisableAcceptableStrings(p_label, zelHLL_MEMBER_LENGTH__MAXIMUM, p_maximum);
}

void zelHighLevelList::SetAcceptableStrings__DisableMinMaxLength(const char* p_label, zelStringQueue* p_strings)
{
	zelHLL_StringMember_struct& part = SearchOfType(p_label, zelHLL_MEMBER_TYPE__STRING)->m_string;
	if (p_strings == NULL)
	{
		PushErrorString(zelHLL_ERROR__NO_ACCEPTABLE_STRINGS, p_label);
		throw zelHLL_ERROR__NO_ACCEPTABLE_STRINGS;
	}
	if (part.m_acceptableStrings == NULL)
	{
		part.m_acceptableStrings = new zelStringQueue();
	}
	part.m_hasAcceptableStrings = 1;
	part.m_hasMinimumLength = 0;
	part.m_hasMaximumLength = 0;

	bool anyString = false;
	p_strings->Reset();
	while (!p_strings->IsEndOfQueue())
	{
		char* string = p_strings->Pop();
		part.m_acceptableStrings->Push(string);
		free(string);
		anyString = true;
	}
	if (!anyString)
	{
		PushErrorString(zelHLL_ERROR__NO_ACCEPTABLE_STRINGS, p_label);
		throw zelHLL_ERROR__NO_ACCEPTABLE_STRINGS;
	}
}

void zelHighLevelList::SetAcceptableStrings__DisableMinMaxLength(const char* p_label, const char* p_string, ...)
{
	SearchOfType(p_label, zelHLL_MEMBER_TYPE__STRING);
	zelStringQueue strings;
	va_list arguments;
	va_start(arguments, p_string);
	for (const char* string = p_string; string != NULL; string = va_arg(arguments, const char*))
	{
		strings.Push(string);
	}
	va_end(arguments);
	SetAcceptableStrings__DisableMinMaxLength(p_label, &strings);
}

void zelHighLevelList::SetIgnoreCaseOfAcceptableStrings(const char* p_label, bool p_ignoreCase)
{
	SearchOfType(p_label, zelHLL_MEMBER_TYPE__STRING)->m_string.m_ignoreCase = p_ignoreCase;
}

void zelHighLevelList::SetAcceptableStringsForBoolFromString__DisableMinMaxLength(const char* p_label)
{
	zelHLL_StringMember_struct& part = SearchOfType(p_label, zelHLL_MEMBER_TYPE__STRING)->m_string;
	if (part.m_acceptableStrings == NULL)
	{
		part.m_acceptableStrings = new zelStringQueue();
	}
	part.m_ignoreCase = 1;
	part.m_hasAcceptableStrings = 1;
	part.m_hasMinimumLength = 0;
	part.m_hasMaximumLength = 0;
	// The order in which BoolFromString tells them apart.
	const char* const strings[] = { "true", "false", "yes", "no", "1", "0" };
	for (const char* string : strings)
	{
		part.m_acceptableStrings->Push(string);
	}
}

void zelHighLevelList::Input(FILE* p_file)
{
	if (m_root == NULL)
	{
		throw zelHLL_ERROR__NOT_YET_INITIALISED;
	}
	if (p_file == NULL)
	{
		throw zelHLL_ERROR__NULL_FILE;
	}
	for (;;)
	{
		char* label = zelHighLevelListFileInput::InputString(p_file, '.', '=', false);
		if (label == NULL)
		{
			break;
		}
		try
		{
			Input(p_file, label);
		}
		catch (const char*)
		{
			free(label);
			throw;
		}
		free(label);
		if (AllMembersHaveBeenInput())
		{
			return;
		}
		if (m_breakMembersDefined && AllBreakMembersHaveBeenInput())
		{
			return;
		}
	}
	if (AnyMemberHasBeenInput())
	{
		throw zelHLL_ERROR__FILE_ENDS_UNEXPECTEDLY;
	}
}

void zelHighLevelList::Input(FILE* p_file, const char* p_label)
{
	zelHighLevelListMember_struct* member = Search(p_label);
	if (member->m_input)
	{
		PushErrorString(zelHLL_ERROR__MEMBER_INPUT, p_label);
		throw zelHLL_ERROR__MEMBER_INPUT;
	}
	switch (member->m_type)
	{
	case zelHLL_MEMBER_TYPE__INT:
		InputIntValue(p_file, member);
		break;
	case zelHLL_MEMBER_TYPE__HEX_INT:
		InputHexIntValue(p_file, member);
		break;
	case zelHLL_MEMBER_TYPE__DOUBLE:
		InputDoubleValue(p_file, member);
		break;
	case zelHLL_MEMBER_TYPE__STRING:
		InputStringValue(p_file, member);
		break;
	}
}

void zelHighLevelList::InputIntValue(FILE* p_file, zelHighLevelListMember_struct* p_member)
{
	zelHLL_IntMember_struct& part = p_member->m_int;
	try
	{
		part.m_value = InputInt(p_file, true);
	}
	catch (const char* error)
	{
		PushErrorString(error, p_member->m_label);
		throw;
	}
	if (IsOutOfRange(part, part.m_value))
	{
		PushErrorString(zelHLL_ERROR__OUT_OF_RANGE, p_member->m_label);
		throw zelHLL_ERROR__OUT_OF_RANGE;
	}
	p_member->m_input = 1;
}

// Hexadecimal members have no bounds.
void zelHighLevelList::InputHexIntValue(FILE* p_file, zelHighLevelListMember_struct* p_member)
{
	try
	{
		p_member->m_hexInt.m_value = InputHexInt(p_file, true);
	}
	catch (const char* error)
	{
		PushErrorString(error, p_member->m_label);
		throw;
	}
	p_member->m_input = 1;
}

void zelHighLevelList::InputDoubleValue(FILE* p_file, zelHighLevelListMember_struct* p_member)
{
	zelHLL_DoubleMember_struct& part = p_member->m_double;
	char* string = NULL;
	try
	{
		if (part.m_scientificNotation)
		{
			string = zelHighLevelListFileInput::InputString(p_file, true);
			part.m_value = SciString2Double(string);
			free(string);
		}
		else
		{
			part.m_value = InputDouble(p_file, true);
		}
	}
	catch (const char* error)
	{
		free(string);
		PushErrorString(error, p_member->m_label);
		throw;
	}
	if (IsOutOfRange(part, part.m_value))
	{
		PushErrorString(zelHLL_ERROR__OUT_OF_RANGE, p_member->m_label);
		throw zelHLL_ERROR__OUT_OF_RANGE;
	}
	p_member->m_input = 1;
}

void zelHighLevelList::InputStringValue(FILE* p_file, zelHighLevelListMember_struct* p_member)
{
	zelHLL_StringMember_struct& part = p_member->m_string;
	const char* label = p_member->m_label;
	try
	{
		part.m_value = zelHighLevelListFileInput::InputString(p_file, true);
	}
	catch (const char* error)
	{
		PushErrorString(error, label);
		throw;
	}
	// Input at once: a rejected string stays readable for the caller's message.
	p_member->m_input = 1;

	const unsigned int length = strlen(part.m_value);
	if (part.m_hasMinimumLength && length < part.m_minimumLength)
	{
		PushErrorString(zelHLL_ERROR__STRING_TOO_SHORT, label, part.m_value);
		throw zelHLL_ERROR__STRING_TOO_SHORT;
	}
	if (part.m_hasMaximumLength && length > part.m_maximumLength)
	{
		PushErrorString(zelHLL_ERROR__STRING_TOO_LONG, label, part.m_value);
		throw zelHLL_ERROR__STRING_TOO_LONG;
	}
	if (!part.m_hasAcceptableStrings)
	{
		return;
	}
	bool found = false;
	part.m_acceptableStrings->Reset();
	while (!found && !part.m_acceptableStrings->IsEndOfQueue())
	{
		char* acceptable = part.m_acceptableStrings->Pop();
		found = part.m_ignoreCase ? EqualIgnoringCase(part.m_value, acceptable) : strcmp(part.m_value, acceptable) == 0;
		free(acceptable);
	}
	if (!found)
	{
		PushErrorString(zelHLL_ERROR__ACCEPTABLE_STRING_NOT_FOUND, label, part.m_value);
		throw zelHLL_ERROR__ACCEPTABLE_STRING_NOT_FOUND;
	}
}

int zelHighLevelList::Int(const char* p_label)
{
	return SearchInputOfType(p_label, zelHLL_MEMBER_TYPE__INT)->m_int.m_value;
}

unsigned int zelHighLevelList::HexInt(const char* p_label)
{
	return SearchInputOfType(p_label, zelHLL_MEMBER_TYPE__HEX_INT)->m_hexInt.m_value;
}

double zelHighLevelList::Double(const char* p_label)
{
	return SearchInputOfType(p_label, zelHLL_MEMBER_TYPE__DOUBLE)->m_double.m_value;
}

char* zelHighLevelList::String(const char* p_label)
{
	return CopyString(SearchInputOfType(p_label, zelHLL_MEMBER_TYPE__STRING)->m_string.m_value);
}

bool zelHighLevelList::BoolFromString(const char* p_label)
{
	char* string = String(p_label);
	for (const char* candidate : BOOL_TRUE_STRINGS)
	{
		if (EqualIgnoringCase(string, candidate))
		{
			free(string);
			return true;
		}
	}
	for (const char* candidate : BOOL_FALSE_STRINGS)
	{
		if (EqualIgnoringCase(string, candidate))
		{
			free(string);
			return false;
		}
	}
	PushErrorString(zelHLL_ERROR__UNABLE_TO_CONVERT_STRING_TO_BOOL, p_label, string);
	free(string);
	throw zelHLL_ERROR__UNABLE_TO_CONVERT_STRING_TO_BOOL;
}

bool zelHighLevelList::CompareStringTo(const char* p_label, const char* p_string)
{
	if (p_string == NULL)
	{
		throw zelHLL_ERROR__NULL_PARAMETER;
	}
	char* string = String(p_label);
	const bool equal = strcmp(string, p_string) == 0;
	free(string);
	return equal;
}

bool zelHighLevelList::CompareStringToIgnoreCase(const char* p_label, const char* p_string)
{
	if (p_string == NULL)
	{
		throw zelHLL_ERROR__NULL_PARAMETER;
	}
	char* string = String(p_label);
	const bool equal = EqualIgnoringCase(string, p_string);
	free(string);
	return equal;
}

zelHLL_MEMBER_TYPE zelHighLevelList::Type(const char* p_label)
{
	return Search(p_label)->m_type;
}

bool zelHighLevelList::MemberHasBeenInput(const char* p_label)
{
	return Search(p_label)->m_input != 0;
}

bool zelHighLevelList::AllMembersHaveBeenInput()
{
	if (m_root == NULL)
	{
		throw zelHLL_ERROR__NOT_YET_INITIALISED;
	}
	return AllInput(&m_memberLabels);
}

bool zelHighLevelList::AnyMemberHasBeenInput()
{
	if (m_root == NULL)
	{
		throw zelHLL_ERROR__NOT_YET_INITIALISED;
	}
	m_memberLabels.Reset();
	while (!m_memberLabels.IsEndOfQueue())
	{
		char* label = m_memberLabels.Pop();
		const bool input = Search(label)->m_input != 0;
		free(label);
		if (input)
		{
			return true;
		}
	}
	return false;
}

bool zelHighLevelList::AllBreakMembersHaveBeenInput()
{
	if (m_root == NULL)
	{
		throw zelHLL_ERROR__NOT_YET_INITIALISED;
	}
	if (!m_breakMembersDefined)
	{
		throw zelHLL_ERROR__BREAK_MEMBER_LABELS_NOT_YET_DEFINED;
	}
	return AllInput(&m_breakMemberLabels);
}

bool zelHighLevelList::AllInput(zelStringQueue* p_labels)
{
	p_labels->Reset();
	while (!p_labels->IsEndOfQueue())
	{
		char* label = p_labels->Pop();
		const bool input = Search(label)->m_input != 0;
		free(label);
		if (!input)
		{
			return false;
		}
	}
	return true;
}

void zelHighLevelList::ClearInput(const char* p_label)
{
	ClearInput(Search(p_label));
}

void zelHighLevelList::ClearInput()
{
	if (m_root == NULL)
	{
		throw zelHLL_ERROR__NOT_YET_INITIALISED;
	}
	m_memberLabels.Reset();
	while (!m_memberLabels.IsEndOfQueue())
	{
		char* label = m_memberLabels.Pop();
		ClearInput(Search(label));
		free(label);
	}
}

void zelHighLevelList::ClearInput(zelHighLevelListMember_struct* p_member)
{
	if (p_member->m_type == zelHLL_MEMBER_TYPE__STRING && p_member->m_input)
	{
		free(p_member->m_string.m_value);
		p_member->m_string.m_value = NULL;
	}
	p_member->m_input = 0;
}

zelHighLevelListMember_struct* zelHighLevelList::Search(const char* p_label)
{
	if (m_root == NULL)
	{
		throw zelHLL_ERROR__NOT_YET_INITIALISED;
	}
	if (p_label == NULL)
	{
		throw zelHLL_ERROR__NULL_MEMBER_LABEL;
	}
	zelHighLevelListMember_struct* member = Search(p_label, m_root);
	if (member == NULL)
	{
		PushErrorString(zelHLL_ERROR__MEMBER_LABEL_NOT_FOUND, p_label);
		throw zelHLL_ERROR__MEMBER_LABEL_NOT_FOUND;
	}
	return member;
}

zelHighLevelListMember_struct* zelHighLevelList::Search(const char* p_label, zelHighLevelListMember_struct* p_node) const
{
	while (p_node != NULL)
	{
		const int comparison = strcmp(p_label, p_node->m_label);
		if (comparison == 0)
		{
			return p_node;
		}
		p_node = comparison < 0 ? p_node->m_lesser : p_node->m_greater;
	}
	return NULL;
}

zelHighLevelListMember_struct* zelHighLevelList::SearchOfType(const char* p_label, zelHLL_MEMBER_TYPE p_type)
{
	zelHighLevelListMember_struct* member = Search(p_label);
	if (member->m_type != p_type)
	{
		PushErrorString(zelHLL_ERROR__INCORRECT_MEMBER_TYPE, p_label);
		throw zelHLL_ERROR__INCORRECT_MEMBER_TYPE;
	}
	return member;
}

zelHighLevelListMember_struct* zelHighLevelList::SearchInputOfType(const char* p_label, zelHLL_MEMBER_TYPE p_type)
{
	zelHighLevelListMember_struct* member = SearchOfType(p_label, p_type);
	if (!member->m_input)
	{
		PushErrorString(zelHLL_ERROR__MEMBER_NOT_INPUT, p_label);
		throw zelHLL_ERROR__MEMBER_NOT_INPUT;
	}
	return member;
}

void zelHighLevelList::Delete(zelHighLevelListMember_struct* p_node)
{
	if (p_node == NULL)
	{
		return;
	}
	Delete(p_node->m_lesser);
	Delete(p_node->m_greater);
	ClearInput(p_node);
	if (p_node->m_type == zelHLL_MEMBER_TYPE__STRING)
	{
		delete p_node->m_string.m_acceptableStrings;
	}
	free(p_node->m_label);
	delete p_node;
}

void zelHighLevelList::PushErrorString(const char* p_error, const char* p_detail)
{
	if (m_errorStrings == NULL)
	{
		return;
	}
	char* line = zelStringConcatenation::ConcatenateStrings(p_error, " (", p_detail, ")", NULL);
	m_errorStrings->Push(line);
	free(line);
}

void zelHighLevelList::PushErrorString(const char* p_error, const char* p_detail1, const char* p_detail2)
{
	if (m_errorStrings == NULL)
	{
		return;
	}
	char* line = zelStringConcatenation::ConcatenateStrings(p_error, " (\"", p_detail1, "\"; \"", p_detail2, "\")", NULL);
	m_errorStrings->Push(line);
	free(line);
}
