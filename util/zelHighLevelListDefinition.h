#ifndef ZEL_HIGH_LEVEL_LIST_DEFINITION_H
#define ZEL_HIGH_LEVEL_LIST_DEFINITION_H

#include <cstdint>
#include <cstdio>

#include "zelHighLevelList.h"
#include "zelStringQueue.h"

extern const char zelHLLD_ERROR__NULL_HIGH_LEVEL_LIST[];
extern const char zelHLLD_ERROR__NULL_DEFINITION_PATH[];
extern const char zelHLLD_ERROR__UNABLE_TO_OPEN_DEFINITION[];
extern const char zelHLLD_ERROR__UNKNOWN_MEMBER_TYPE[];
extern const char zelHLLD_ERROR__TYPE_MUST_HAVE_SUFFIX[];
extern const char zelHLLD_ERROR__TYPE_MUST_NOT_HAVE_SUFFIX[];
extern const char zelHLLD_ERROR__UNKNOWN_STRING_SET_SUFFIX[];
extern const char zelHLLD_ERROR__UNKNOWN_RANGE_TYPE[];
extern const char zelHLLD_ERROR__LOWER_RANGE_ALREADY_INPUT[];
extern const char zelHLLD_ERROR__UPPER_RANGE_ALREADY_INPUT[];
extern const char zelHLLD_ERROR__TOO_MANY_RANGES[];
extern const char zelHLLD_ERROR__DOUBLE_RANGE_CANNOT_BE_HEXADECIMAL_NOTATION[];
extern const char zelHLLD_ERROR__UNEXPECTED_END_OF_FILE[];
extern const char zelHLLD_ERROR__STRING_BUFFER_LENGTH_EXCEEDED[];

// What the type word of a member line says.
struct zelHLLD_MemberType_struct
{
	zelHLL_MEMBER_TYPE m_type;
	uint32_t m_boolString;
	uint32_t m_stringSet;
	uint32_t m_scientificNotation;
};

// The bounds read from the suffix of a member line.
struct zelHLLD_MemberRange_struct
{
	uint32_t m_hasLowerBound;
	uint32_t m_lowerBoundIsExclusive;
	uint32_t m_hasUpperBound;
	uint32_t m_upperBoundIsExclusive;
	int m_intLowerBound;
	int m_intUpperBound;
	double m_doubleLowerBound;
	double m_doubleUpperBound;
};

// Declares the members of a high-level list from a definition file (.hlld).
class zelHighLevelListDefinition
{
public:
	explicit zelHighLevelListDefinition(zelStringQueue* p_errorStrings);

	void DefineHighLevelList(zelHighLevelList* p_list, const char* p_path);

private:
	char* InputString(FILE* p_file, const char* p_delimiters, unsigned int p_count, char* p_found, bool p_endOfFileIsUnexpected);
	char* InputMemberLabel(FILE* p_file);
	void InputMember(FILE* p_file, zelHighLevelList* p_list, const char* p_label);
	zelHLLD_MemberType_struct InputMemberType(FILE* p_file, char* p_found);
	void InputRange(FILE* p_file, const zelHLLD_MemberType_struct& p_type, zelHLLD_MemberRange_struct* p_range);
	char InputRangeOnce(FILE* p_file, const zelHLLD_MemberType_struct& p_type, zelHLLD_MemberRange_struct* p_range);
	zelHLL_MEMBER_RANGE InputRangeType(FILE* p_file, bool* p_hexadecimal);
	void CheckLowerRangeAlreadyInput(const zelHLLD_MemberRange_struct* p_range);
	void CheckUpperRangeAlreadyInput(const zelHLLD_MemberRange_struct* p_range);
	void InputAcceptableStrings(FILE* p_file, zelHighLevelList* p_list, const char* p_label);
	void InputBreakMemberLabels(FILE* p_file, zelHighLevelList* p_list);
	void SetRange(zelHighLevelList* p_list, const char* p_label, const zelHLLD_MemberType_struct& p_type, const zelHLLD_MemberRange_struct& p_range);
	void SetLengths(zelHighLevelList* p_list, const char* p_label, const zelHLLD_MemberRange_struct& p_range);
	void PushErrorString(const char* p_error);
	void PushErrorString(const char* p_error, const char* p_detail);

	zelStringQueue* m_errorStrings;
};

#endif
