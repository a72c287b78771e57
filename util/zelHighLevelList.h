#ifndef ZEL_HIGH_LEVEL_LIST_H
#define ZEL_HIGH_LEVEL_LIST_H

#include <cstdint>
#include <cstdio>

#include "zelHighLevelListFileInput.h"
#include "zelStringQueue.h"

extern const char zelHLL_ERROR__NOT_YET_INITIALISED[];
extern const char zelHLL_ERROR__NULL_MEMBER_LABEL[];
extern const char zelHLL_ERROR__MEMBER_LABEL_NOT_FOUND[];
extern const char zelHLL_ERROR__MEMBER_LABEL_FOUND[];
extern const char zelHLL_ERROR__INCORRECT_MEMBER_TYPE[];
extern const char zelHLL_ERROR__MEMBER_NOT_INPUT[];
extern const char zelHLL_ERROR__IMPOSSIBLE_RANGE[];
extern const char zelHLL_ERROR__IMPOSSIBLE_RANGE_OF_LENGTHS[];
extern const char zelHLL_ERROR__NO_ACCEPTABLE_STRINGS[];
extern const char zelHLL_ERROR__UNABLE_TO_CONVERT_STRING_TO_BOOL[];
extern const char zelHLL_ERROR__NULL_PARAMETER[];
extern const char zelHLL_ERROR__NULL_FIRST_BREAK_MEMBER_LABEL[];
extern const char zelHLL_ERROR__BREAK_MEMBER_LABEL_NOT_FOUND[];
extern const char zelHLL_ERROR__NULL_BREAK_MEMBER_LABELS[];
extern const char zelHLL_ERROR__NO_BREAK_MEMBER_LABELS[];
extern const char zelHLL_ERROR__BREAK_MEMBER_LABELS_NOT_YET_DEFINED[];

extern const char zelHLL_ERROR__NULL_FILE[];
extern const char zelHLL_ERROR__FILE_ENDS_UNEXPECTEDLY[];
extern const char zelHLL_ERROR__MEMBER_INPUT[];
extern const char zelHLL_ERROR__OUT_OF_RANGE[];
extern const char zelHLL_ERROR__STRING_TOO_SHORT[];
extern const char zelHLL_ERROR__STRING_TOO_LONG[];
extern const char zelHLL_ERROR__ACCEPTABLE_STRING_NOT_FOUND[];

enum zelHLL_MEMBER_TYPE
{
	zelHLL_MEMBER_TYPE__INT = 0,
	zelHLL_MEMBER_TYPE__HEX_INT = 1,
	zelHLL_MEMBER_TYPE__DOUBLE = 2,
	zelHLL_MEMBER_TYPE__STRING = 3
};

enum zelHLL_MEMBER_RANGE
{
	zelHLL_MEMBER_RANGE__GREATER_OR_EQUAL = 0,
	zelHLL_MEMBER_RANGE__LESS_OR_EQUAL = 1,
	zelHLL_MEMBER_RANGE__GREATER = 2,
	zelHLL_MEMBER_RANGE__LESS = 3
};

enum zelHLL_MEMBER_LENGTH
{
	zelHLL_MEMBER_LENGTH__MINIMUM = 0,
	zelHLL_MEMBER_LENGTH__MAXIMUM = 1
};

struct zelHLL_IntMember_struct
{
	int m_value;
	int m_lowerBound;
	int m_upperBound;
	uint32_t m_hasLowerBound;
	uint32_t m_lowerBoundIsExclusive;
	uint32_t m_hasUpperBound;
	uint32_t m_upperBoundIsExclusive;
};

struct zelHLL_HexIntMember_struct
{
	unsigned int m_value;
};

struct zelHLL_DoubleMember_struct
{
	double m_value;
	double m_lowerBound;
	double m_upperBound;
	uint32_t m_scientificNotation;
	uint32_t m_hasLowerBound;
	uint32_t m_lowerBoundIsExclusive;
	uint32_t m_hasUpperBound;
	uint32_t m_upperBoundIsExclusive;
};

struct zelHLL_StringMember_struct
{
	char* m_value;	// owned; valid only while the member is input
	uint32_t m_hasMaximumLength;
	uint32_t m_hasMinimumLength;
	unsigned int m_maximumLength;
	unsigned int m_minimumLength;
	uint32_t m_hasAcceptableStrings;
	uint32_t m_ignoreCase;
	zelStringQueue* m_acceptableStrings;	// owned; valid only while m_hasAcceptableStrings
};

// One node of the tree of members, ordered by strcmp of the labels.
struct zelHighLevelListMember_struct
{
	zelHighLevelListMember_struct* m_lesser;
	zelHighLevelListMember_struct* m_greater;
	char* m_label;
	zelHLL_MEMBER_TYPE m_type;
	uint32_t m_input;
	union
	{
		zelHLL_IntMember_struct m_int;
		zelHLL_HexIntMember_struct m_hexInt;
		zelHLL_DoubleMember_struct m_double;
		zelHLL_StringMember_struct m_string;
	};
};

// A typed record of labelled members, filled one listing at a time from a
// high-level list file and read back by label.
class zelHighLevelList : public zelHighLevelListFileInput
{
public:
	explicit zelHighLevelList(zelStringQueue* p_errorStrings);
	~zelHighLevelList();
	zelHighLevelList(const zelHighLevelList&) = delete;
	zelHighLevelList& operator=(const zelHighLevelList&) = delete;

	void NewMember(const char* p_label, zelHLL_MEMBER_TYPE p_type);
	// The further arguments are labels, ending with a null pointer.
	void NewBreakMembers(const char* p_label, ...);
	// Pops the labels from the queue's current cursor to its end.
	void NewBreakMembers(zelStringQueue* p_labels);

	void SetIntMemberRange(const char* p_label, zelHLL_MEMBER_RANGE p_kind, int p_bound);
	void SetIntMemberRange(const char* p_label, int p_lower, int p_upper);
	void SetDoubleMemberRange(const char* p_label, zelHLL_MEMBER_RANGE p_kind, double p_bound);
	void SetDoubleMemberRange(const char* p_label, double p_lower, double p_upper);
	void SetDoubleIsInScientificNotation(const char* p_label, bool p_scientificNotation);
	void SetStringMemberLength__DisableAcceptableStrings(const char* p_label, zelHLL_MEMBER_LENGTH p_kind, unsigned int p_length);
	void SetStringMemberLength__DisableAcceptableStrings(const char* p_label, unsigned int p_minimum, unsigned int p_maximum);
	void SetAcceptableStrings__DisableMinMaxLength(const char* p_label, zelStringQueue* p_strings);
	// The further arguments are strings, ending with a null pointer.
	void SetAcceptableStrings__DisableMinMaxLength(const char* p_label, const char* p_string, ...);
	void SetIgnoreCaseOfAcceptableStrings(const char* p_label, bool p_ignoreCase);
	void SetAcceptableStringsForBoolFromString__DisableMinMaxLength(const char* p_label);

	// Reads the next listing of the file into the list.
	void Input(FILE* p_file);
	// Reads the next quoted value of the file into one member and validates it.
	void Input(FILE* p_file, const char* p_label);

	int Int(const char* p_label);
	unsigned int HexInt(const char* p_label);
	double Double(const char* p_label);
	// Returns a malloc'ed copy that the caller frees.
	char* String(const char* p_label);
	bool BoolFromString(const char* p_label);
	bool CompareStringTo(const char* p_label, const char* p_string);
	bool CompareStringToIgnoreCase(const char* p_label, const char* p_string);
	zelHLL_MEMBER_TYPE Type(const char* p_label);
	bool MemberHasBeenInput(const char* p_label);
	bool AllMembersHaveBeenInput();
	bool AnyMemberHasBeenInput();
	bool AllBreakMembersHaveBeenInput();

	void ClearInput(const char* p_label);
	void ClearInput();

private:
	zelHighLevelListMember_struct* Search(const char* p_label);
	zelHighLevelListMember_struct* Search(const char* p_label, zelHighLevelListMember_struct* p_node) const;
	void NewMember(const char* p_label, zelHLL_MEMBER_TYPE p_type, zelHighLevelListMember_struct* p_node);
	void Delete(zelHighLevelListMember_struct* p_node);
	void ClearInput(zelHighLevelListMember_struct* p_member);
	void NewBreakMember(const char* p_label);
	zelHighLevelListMember_struct* SearchOfType(const char* p_label, zelHLL_MEMBER_TYPE p_type);
	zelHighLevelListMember_struct* SearchInputOfType(const char* p_label, zelHLL_MEMBER_TYPE p_type);
	bool AllInput(zelStringQueue* p_labels);
	void InputIntValue(FILE* p_file, zelHighLevelListMember_struct* p_member);
	void InputHexIntValue(FILE* p_file, zelHighLevelListMember_struct* p_member);
	void InputDoubleValue(FILE* p_file, zelHighLevelListMember_struct* p_member);
	void InputStringValue(FILE* p_file, zelHighLevelListMember_struct* p_member);
	void PushErrorString(const char* p_error, const char* p_detail);
	void PushErrorString(const char* p_error, const char* p_detail1, const char* p_detail2);

	zelHighLevelListMember_struct* m_root;
	zelStringQueue m_memberLabels;
	uint32_t m_breakMembersDefined;
	zelStringQueue m_breakMemberLabels;
	zelStringQueue* m_errorStrings;
};

#endif
