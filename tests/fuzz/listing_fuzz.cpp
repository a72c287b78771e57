// Reads arbitrary bytes as a data file with members of every type, bounds,
// lengths, acceptable strings and break members. Any failure must be one of
// our thrown messages; anything else (a crash, a sanitizer report) is a bug.
#include "zelHighLevelList.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

static void DefineMembers(zelHighLevelList& p_list)
{
	p_list.NewMember("x", zelHLL_MEMBER_TYPE__INT);
	p_list.SetIntMemberRange("x", -5, 500);
	p_list.NewMember("colour", zelHLL_MEMBER_TYPE__HEX_INT);
	p_list.NewMember("speed", zelHLL_MEMBER_TYPE__DOUBLE);
	p_list.SetDoubleMemberRange("speed", zelHLL_MEMBER_RANGE__GREATER, 0.0);
	p_list.NewMember("scale", zelHLL_MEMBER_TYPE__DOUBLE);
	p_list.SetDoubleIsInScientificNotation("scale", true);
	p_list.NewMember("name", zelHLL_MEMBER_TYPE__STRING);
	p_list.SetStringMemberLength__DisableAcceptableStrings("name", 1, 16);
	p_list.NewMember("mode", zelHLL_MEMBER_TYPE__STRING);
	p_list.SetAcceptableStrings__DisableMinMaxLength("mode", "bRepeat", "bReverse", "bHalt", (const char*)NULL);
	p_list.SetIgnoreCaseOfAcceptableStrings("mode", true);
	p_list.NewMember("on", zelHLL_MEMBER_TYPE__STRING);
	p_list.SetAcceptableStringsForBoolFromString__DisableMinMaxLength("on");
	p_list.NewBreakMembers("x", "name", (const char*)NULL);
}


extern "C" int LLVMFuzzerTestOneInput(const uint8_t* p_data, size_t p_size)
{
	FILE* file = fmemopen(const_cast<uint8_t*>(p_data), p_size, "rb");
	if (file == NULL)
		return 0;
	zelStringQueue errorStrings;
	zelHighLevelList list(&errorStrings);
	DefineMembers(list);
	try
	{
		for (int listing = 0; listing < 64; listing++)
		{
			list.Input(file);
			if (!list.AllBreakMembersHaveBeenInput())
				break;
			free(list.String("name"));
			list.Int("x");
			if (list.MemberHasBeenInput("on"))
				list.BoolFromString("on");
			list.ClearInput();
		}
	}
	catch (const char*)
	{
	}
	fclose(file);
	return 0;
}
