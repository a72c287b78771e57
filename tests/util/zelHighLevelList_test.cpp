#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "hllTestHelpers.h"
#include "zelHighLevelList.h"

namespace
{
	// A list with one member of each type, as most tests need.
	class HighLevelListTest : public ::testing::Test
	{
	protected:
		HighLevelListTest() : m_list(&m_errors)
		{
			m_list.NewMember("count", zelHLL_MEMBER_TYPE__INT);
			m_list.NewMember("tint", zelHLL_MEMBER_TYPE__HEX_INT);
			m_list.NewMember("scale", zelHLL_MEMBER_TYPE__DOUBLE);
			m_list.NewMember("title", zelHLL_MEMBER_TYPE__STRING);
		}

		// Reads one quoted value into a member.
		void Give(const char* p_label, const std::string& p_quoted)
		{
			FILE* file = TextStream(p_quoted);
			try
			{
				m_list.Input(file, p_label);
			}
			catch (const char*)
			{
				fclose(file);
				throw;
			}
			fclose(file);
		}

		zelStringQueue m_errors;
		zelHighLevelList m_list;
	};
}

TEST(HighLevelListMessages, HoldTheirTexts)
{
	const struct
	{
		const char* m_constant;
		const char* m_text;
	} cases[] =
	{
		{ zelHLL_ERROR__NOT_YET_INITIALISED, "(zelHighLevelList::{...}) no members of the high-level list have been initialised" },
		{ zelHLL_ERROR__NULL_MEMBER_LABEL, "(zelHighLevelList::{...}) passed NULL as the label of a member in the high-level list" },
		{ zelHLL_ERROR__MEMBER_LABEL_NOT_FOUND, "(zelHighLevelList::{...}) a member with that label was not found in the high-level list" },
		{ zelHLL_ERROR__MEMBER_LABEL_FOUND, "(zelHighLevelList::NewMember) a member with that label is already present in the high-level list" },
		{ zelHLL_ERROR__INCORRECT_MEMBER_TYPE, "(zelHighLevelList::{...}) the member with that label in the high-level list is not a member which may be operated on by that method" },
		{ zelHLL_ERROR__MEMBER_NOT_INPUT, "(zelHighLevelList::{...}) the member with that label in the high-level list has not yet been input" },
		{ zelHLL_ERROR__IMPOSSIBLE_RANGE, "(zelHighLevelList::Set{no}MemberRange) tried to set an impossible range for the member of the high-level list with that label" },
		{ zelHLL_ERROR__IMPOSSIBLE_RANGE_OF_LENGTHS, "(zelHighLevelList::SetStringMemberLength__DisableAcceptableStrings) tried to set an impossible range of lengths for the member of the high-level list with that label" },
		{ zelHLL_ERROR__NO_ACCEPTABLE_STRINGS, "(zelHighLevelList::SetAcceptableStrings__DisableMinMaxLength) passed no acceptable strings for the member of the high-level list with that label" },
		{ zelHLL_ERROR__UNABLE_TO_CONVERT_STRING_TO_BOOL, "(zelHighLevelList::BoolFromString) unable to convert the string of the member in the high-level list to a bool; for example, where \"true\" or \"yes\" or \"1\" is converted to true" },
		{ zelHLL_ERROR__NULL_PARAMETER, "(zelHighLevelList::CompareStringTo/Ignorecase) passed NULL as the string to which the string held in the member of the high-level list with that label is to be compared" },
		{ zelHLL_ERROR__NULL_FIRST_BREAK_MEMBER_LABEL, "(zelHighLevelList::NewBreakMembers) passed NULL as the first label of a break-member in the high-level list" },
		{ zelHLL_ERROR__BREAK_MEMBER_LABEL_NOT_FOUND, "(zelHighlevelList::NewBreakMembers) a member with that label, which is to be defined as a break-member label, was not found in the high-level list" },
		{ zelHLL_ERROR__NULL_BREAK_MEMBER_LABELS, "(zelHighLevelList::NewBreakMembers) passed NULL as the queue of labels of break-members in the high-level list" },
		{ zelHLL_ERROR__NO_BREAK_MEMBER_LABELS, "(zelHighLevelList::NewBreakMembers) passed an empty queue as the queue of labels of break-members in the high-level list" },
		{ zelHLL_ERROR__BREAK_MEMBER_LABELS_NOT_YET_DEFINED, "(zelHighLevelList::AllBreakMembersHaveBeenInput) no break-member labels have been defined for the high-level list" },
		{ zelHLL_ERROR__NULL_FILE, "(zelHighLevelList::Input) passed NULL as the high-level list file which is to be input" },
		{ zelHLL_ERROR__FILE_ENDS_UNEXPECTEDLY, "(zelHighLevelList::Input) the high-level list ends with an incomplete listing" },
		{ zelHLL_ERROR__MEMBER_INPUT, "(zelHighLevelList::Input) the member with that label in the high-level list has already been input" },
		{ zelHLL_ERROR__OUT_OF_RANGE, "(zelHighLevelList::Input) the value input for the member in the high-level list with that label is out of the acceptable range" },
		{ zelHLL_ERROR__STRING_TOO_SHORT, "(zelHighLevelList::Input) the string input for the member of the high-level list with that label is below the minimum string length set for that member" },
		{ zelHLL_ERROR__STRING_TOO_LONG, "(zelHighLevelList::Input) the string input for the member of the high-level list with that label is above the maximum string length set for that member" },
		{ zelHLL_ERROR__ACCEPTABLE_STRING_NOT_FOUND, "(zelHighLevelList::Input) the string input for the member of the high-level list with that label is not an acceptable string for that member" },
	};
	for (const auto& c : cases)
	{
		EXPECT_STREQ(c.m_constant, c.m_text);
	}
}

TEST(HighLevelListEmpty, EveryLookUpAndQueryFailsUnrecorded)
{
	zelStringQueue errors;
	zelHighLevelList list(&errors);
	const std::vector<std::pair<const char*, std::function<void()>>> calls =
	{
		{ "Int", [&] { list.Int("a"); } },
		{ "Type", [&] { list.Type("a"); } },
		{ "SetIntMemberRange", [&] { list.SetIntMemberRange("a", 0, 1); } },
		{ "AllMembersHaveBeenInput", [&] { list.AllMembersHaveBeenInput(); } },
		{ "AnyMemberHasBeenInput", [&] { list.AnyMemberHasBeenInput(); } },
		{ "AllBreakMembersHaveBeenInput", [&] { list.AllBreakMembersHaveBeenInput(); } },
		{ "ClearInput()", [&] { list.ClearInput(); } },
		{ "ClearInput(label)", [&] { list.ClearInput("a"); } },
	};
	for (const auto& call : calls)
	{
		EXPECT_EQ(Thrown(call.second), zelHLL_ERROR__NOT_YET_INITIALISED) << call.first;
	}
	EXPECT_TRUE(RecordedLines(errors).empty());
}

TEST_F(HighLevelListTest, NullLabelFailsUnrecorded)
{
	EXPECT_EQ(Thrown([&] { m_list.Int(nullptr); }), zelHLL_ERROR__NULL_MEMBER_LABEL);
	EXPECT_EQ(Thrown([&] { m_list.NewMember(nullptr, zelHLL_MEMBER_TYPE__INT); }), zelHLL_ERROR__NULL_MEMBER_LABEL);
	EXPECT_TRUE(RecordedLines(m_errors).empty());
}

TEST_F(HighLevelListTest, UnknownLabelRecordsExactlyOneLine)
{
	EXPECT_EQ(Thrown([&] { m_list.Type("colour"); }), zelHLL_ERROR__MEMBER_LABEL_NOT_FOUND);
	EXPECT_EQ(RecordedLines(m_errors), Lines({ WithLabel(zelHLL_ERROR__MEMBER_LABEL_NOT_FOUND, "colour") }));
}

TEST_F(HighLevelListTest, NewMemberRecordsOnlyAnExistingLabel)
{
	m_list.NewMember("depth", zelHLL_MEMBER_TYPE__DOUBLE);
	EXPECT_TRUE(RecordedLines(m_errors).empty());

	EXPECT_EQ(Thrown([&] { m_list.NewMember("count", zelHLL_MEMBER_TYPE__STRING); }), zelHLL_ERROR__MEMBER_LABEL_FOUND);
	EXPECT_EQ(RecordedLines(m_errors), Lines({ WithLabel(zelHLL_ERROR__MEMBER_LABEL_FOUND, "count") }));
	EXPECT_EQ(m_list.Type("count"), zelHLL_MEMBER_TYPE__INT);
}

TEST(HighLevelListTree, FindsEveryMemberWhateverTheOrderOfCreation)
{
	const std::vector<std::string> labels = { "m", "c", "x", "a", "e", "z", "w", "b", "mm", "" };
	zelHighLevelList list(nullptr);
	for (size_t i = 0; i < labels.size(); ++i)
	{
		list.NewMember(labels[i].c_str(), static_cast<zelHLL_MEMBER_TYPE>(i % 4));
	}
	for (size_t i = 0; i < labels.size(); ++i)
	{
		EXPECT_EQ(list.Type(labels[i].c_str()), static_cast<zelHLL_MEMBER_TYPE>(i % 4)) << labels[i];
	}
	// Labels are compared byte for byte.
	EXPECT_EQ(Thrown([&] { list.Type("M"); }), zelHLL_ERROR__MEMBER_LABEL_NOT_FOUND);
}

TEST(HighLevelListRanges, IntRangeMustLeaveMoreThanOneValue)
{
	const struct
	{
		int m_lower;
		int m_upper;
		zelHLL_MEMBER_RANGE m_kind;
		int m_bound;
		bool m_possible;
	} cases[] =
	{
		{ 0, 10, zelHLL_MEMBER_RANGE__GREATER_OR_EQUAL, 10, false },
		{ 0, 10, zelHLL_MEMBER_RANGE__GREATER, 9, false },
		{ 0, 10, zelHLL_MEMBER_RANGE__GREATER, 8, true },
		{ 0, 10, zelHLL_MEMBER_RANGE__GREATER_OR_EQUAL, 9, true },
		{ 0, 10, zelHLL_MEMBER_RANGE__LESS_OR_EQUAL, 0, false },
		{ 0, 10, zelHLL_MEMBER_RANGE__LESS, 1, false },
		{ 0, 10, zelHLL_MEMBER_RANGE__LESS, 2, true },
		{ 0, 10, zelHLL_MEMBER_RANGE__LESS_OR_EQUAL, 1, true },
		// At the edges of int the tests must not overflow.
		{ -5, INT_MAX, zelHLL_MEMBER_RANGE__GREATER, INT_MAX, false },
		{ INT_MIN, 5, zelHLL_MEMBER_RANGE__LESS, INT_MIN, false },
	};
	for (const auto& c : cases)
	{
		zelStringQueue errors;
		zelHighLevelList list(&errors);
		list.NewMember("count", zelHLL_MEMBER_TYPE__INT);
		list.SetIntMemberRange("count", c.m_lower, c.m_upper);
		const char* thrown = Thrown([&] { list.SetIntMemberRange("count", c.m_kind, c.m_bound); });
		SCOPED_TRACE(testing::Message() << c.m_lower << ".." << c.m_upper << ", kind " << c.m_kind << ", bound " << c.m_bound);
		if (c.m_possible)
		{
			EXPECT_EQ(thrown, nullptr);
			EXPECT_TRUE(RecordedLines(errors).empty());
		}
		else
		{
			EXPECT_EQ(thrown, zelHLL_ERROR__IMPOSSIBLE_RANGE);
			EXPECT_EQ(RecordedLines(errors), Lines({ WithLabel(zelHLL_ERROR__IMPOSSIBLE_RANGE, "count") }));
		}
	}
}

TEST_F(HighLevelListTest, DoubleRangeRefusesOnlyCrossedBounds)
{
	m_list.SetDoubleMemberRange("scale", zelHLL_MEMBER_RANGE__GREATER, 0.0);
	m_list.SetDoubleMemberRange("scale", zelHLL_MEMBER_RANGE__LESS, 0.5);
	EXPECT_EQ(Thrown([&] { m_list.SetDoubleMemberRange("scale", zelHLL_MEMBER_RANGE__LESS_OR_EQUAL, 0.0); }), zelHLL_ERROR__IMPOSSIBLE_RANGE);
	EXPECT_EQ(Thrown([&] { m_list.SetDoubleMemberRange("scale", zelHLL_MEMBER_RANGE__GREATER_OR_EQUAL, 0.5); }), zelHLL_ERROR__IMPOSSIBLE_RANGE);
	EXPECT_EQ(RecordedLines(m_errors), Lines(2, WithLabel(zelHLL_ERROR__IMPOSSIBLE_RANGE, "scale")));
	// The former bounds stay.
	EXPECT_EQ(Thrown([&] { Give("scale", "\"0.5\""); }), zelHLL_ERROR__OUT_OF_RANGE);
	Give("scale", "\"0.25\"");
	EXPECT_DOUBLE_EQ(m_list.Double("scale"), 0.25);
}

TEST_F(HighLevelListTest, AnInclusiveBoundReplacesAnExclusiveOne)
{
	m_list.SetIntMemberRange("count", zelHLL_MEMBER_RANGE__GREATER, 5);
	m_list.SetIntMemberRange("count", zelHLL_MEMBER_RANGE__GREATER_OR_EQUAL, 3);
	Give("count", "\"3\"");
	EXPECT_EQ(m_list.Int("count"), 3);

	m_list.SetDoubleMemberRange("scale", zelHLL_MEMBER_RANGE__LESS, 1.0);
	m_list.SetDoubleMemberRange("scale", zelHLL_MEMBER_RANGE__LESS_OR_EQUAL, 2.0);
	Give("scale", "\"2\"");
	EXPECT_DOUBLE_EQ(m_list.Double("scale"), 2.0);
}

TEST_F(HighLevelListTest, NumberSettersOnAnotherTypeFailUnrecorded)
{
	const std::vector<std::function<void()>> calls =
	{
		[&] { m_list.SetIntMemberRange("scale", 0, 1); },
		[&] { m_list.SetIntMemberRange("tint", zelHLL_MEMBER_RANGE__LESS, 1); },
		[&] { m_list.SetDoubleMemberRange("count", 0.0, 1.0); },
		[&] { m_list.SetDoubleMemberRange("title", zelHLL_MEMBER_RANGE__GREATER, 1.0); },
		[&] { m_list.SetDoubleIsInScientificNotation("count", true); },
	};
	for (size_t i = 0; i < calls.size(); ++i)
	{
		EXPECT_EQ(Thrown(calls[i]), zelHLL_ERROR__INCORRECT_MEMBER_TYPE) << "call " << i;
	}
	EXPECT_TRUE(RecordedLines(m_errors).empty());
}

TEST_F(HighLevelListTest, StringSettersOnAnotherTypeFailRecorded)
{
	zelStringQueue strings;
	strings.Push("a");
	const std::vector<std::function<void()>> calls =
	{
		[&] { m_list.SetStringMemberLength__DisableAcceptableStrings("count", 1, 2); },
		[&] { m_list.SetStringMemberLength__DisableAcceptableStrings("count", zelHLL_MEMBER_LENGTH__MAXIMUM, 2); },
		[&] { m_list.SetAcceptableStrings__DisableMinMaxLength("count", &strings); },
		[&] { m_list.SetAcceptableStrings__DisableMinMaxLength("count", "a", "b", NULL); },
		[&] { m_list.SetIgnoreCaseOfAcceptableStrings("count", true); },
		[&] { m_list.SetAcceptableStringsForBoolFromString__DisableMinMaxLength("count"); },
	};
	for (size_t i = 0; i < calls.size(); ++i)
	{
		EXPECT_EQ(Thrown(calls[i]), zelHLL_ERROR__INCORRECT_MEMBER_TYPE) << "call " << i;
		EXPECT_EQ(RecordedLines(m_errors).size(), i + 1) << "call " << i;
	}
	EXPECT_EQ(RecordedLines(m_errors), Lines(calls.size(), WithLabel(zelHLL_ERROR__INCORRECT_MEMBER_TYPE, "count")));
}

TEST_F(HighLevelListTest, GettersCheckTypeThenInput)
{
	const std::vector<std::pair<const char*, std::function<void()>>> getters =
	{
		{ "count", [&] { m_list.Int("count"); } },
		{ "tint", [&] { m_list.HexInt("tint"); } },
		{ "scale", [&] { m_list.Double("scale"); } },
		{ "title", [&] { free(m_list.String("title")); } },
		{ "title", [&] { m_list.BoolFromString("title"); } },
		{ "title", [&] { m_list.CompareStringTo("title", "x"); } },
		{ "title", [&] { m_list.CompareStringToIgnoreCase("title", "x"); } },
	};
	for (const auto& getter : getters)
	{
		EXPECT_EQ(Thrown(getter.second), zelHLL_ERROR__MEMBER_NOT_INPUT) << getter.first;
		EXPECT_EQ(NewlyRecordedLines(m_errors), Lines({ WithLabel(zelHLL_ERROR__MEMBER_NOT_INPUT, getter.first) }));
	}
	const std::vector<std::function<void()>> wrongType =
	{
		[&] { m_list.Int("tint"); },
		[&] { m_list.HexInt("count"); },
		[&] { m_list.Double("title"); },
		[&] { free(m_list.String("scale")); },
	};
	for (const auto& getter : wrongType)
	{
		EXPECT_EQ(Thrown(getter), zelHLL_ERROR__INCORRECT_MEMBER_TYPE);
	}
	// The type is checked first: only the type line is recorded.
	const Lines expected =
	{
		WithLabel(zelHLL_ERROR__INCORRECT_MEMBER_TYPE, "tint"),
		WithLabel(zelHLL_ERROR__INCORRECT_MEMBER_TYPE, "count"),
		WithLabel(zelHLL_ERROR__INCORRECT_MEMBER_TYPE, "title"),
		WithLabel(zelHLL_ERROR__INCORRECT_MEMBER_TYPE, "scale"),
	};
	EXPECT_EQ(NewlyRecordedLines(m_errors), expected);
}

TEST_F(HighLevelListTest, GettersReturnTheInputValues)
{
	Give("count", "\"-12\"");
	Give("tint", "\"FF8000\"");
	Give("scale", "\"2.5\"");
	Give("title", "\"Kittens\"");
	EXPECT_EQ(m_list.Int("count"), -12);
	EXPECT_EQ(m_list.HexInt("tint"), 0xff8000u);
	EXPECT_DOUBLE_EQ(m_list.Double("scale"), 2.5);
	char* title = m_list.String("title");
	EXPECT_STREQ(title, "Kittens");
	title[0] = 'X';
	free(title);
	title = m_list.String("title");
	EXPECT_STREQ(title, "Kittens");
	free(title);
	EXPECT_TRUE(RecordedLines(m_errors).empty());
}

TEST_F(HighLevelListTest, StringLengthsAndAcceptableStringsExcludeEachOther)
{
	m_list.SetStringMemberLength__DisableAcceptableStrings("title", 2, 5);
	m_list.SetAcceptableStrings__DisableMinMaxLength("title", "a", "toolong", NULL);
	Give("title", "\"toolong\"");
	m_list.ClearInput("title");
	Give("title", "\"a\"");
	m_list.ClearInput("title");

	// A length removes the acceptable strings again.
	m_list.SetStringMemberLength__DisableAcceptableStrings("title", zelHLL_MEMBER_LENGTH__MAXIMUM, 3);
	Give("title", "\"xyz\"");
	m_list.ClearInput("title");
	EXPECT_EQ(Thrown([&] { Give("title", "\"toolong\""); }), zelHLL_ERROR__STRING_TOO_LONG);
}

TEST_F(HighLevelListTest, ImpossibleLengthsAreRefused)
{
	m_list.SetStringMemberLength__DisableAcceptableStrings("title", 3, 3);
	EXPECT_EQ(Thrown([&] { m_list.SetStringMemberLength__DisableAcceptableStrings("title", zelHLL_MEMBER_LENGTH__MINIMUM, 4); }), zelHLL_ERROR__IMPOSSIBLE_RANGE_OF_LENGTHS);
	EXPECT_EQ(Thrown([&] { m_list.SetStringMemberLength__DisableAcceptableStrings("title", zelHLL_MEMBER_LENGTH__MAXIMUM, 2); }), zelHLL_ERROR__IMPOSSIBLE_RANGE_OF_LENGTHS);
	EXPECT_EQ(RecordedLines(m_errors), Lines(2, WithLabel(zelHLL_ERROR__IMPOSSIBLE_RANGE_OF_LENGTHS, "title")));
	Give("title", "\"abc\"");
}

TEST_F(HighLevelListTest, AcceptableStringsAccumulate)
{
	m_list.SetAcceptableStrings__DisableMinMaxLength("title", "none", NULL);
	zelStringQueue more;
	more.Push("line");
	m_list.SetAcceptableStrings__DisableMinMaxLength("title", &more);
	Give("title", "\"none\"");
	m_list.ClearInput("title");
	Give("title", "\"line\"");
	m_list.ClearInput("title");
	EXPECT_EQ(Thrown([&] { Give("title", "\"curve\""); }), zelHLL_ERROR__ACCEPTABLE_STRING_NOT_FOUND);
}

TEST_F(HighLevelListTest, NoAcceptableStringsIsRefused)
{
	zelStringQueue empty;
	EXPECT_EQ(Thrown([&] { m_list.SetAcceptableStrings__DisableMinMaxLength("title", static_cast<zelStringQueue*>(nullptr)); }), zelHLL_ERROR__NO_ACCEPTABLE_STRINGS);
	EXPECT_EQ(Thrown([&] { m_list.SetAcceptableStrings__DisableMinMaxLength("title", &empty); }), zelHLL_ERROR__NO_ACCEPTABLE_STRINGS);
	EXPECT_EQ(Thrown([&] { m_list.SetAcceptableStrings__DisableMinMaxLength("title", static_cast<const char*>(nullptr), NULL); }), zelHLL_ERROR__NO_ACCEPTABLE_STRINGS);
	EXPECT_EQ(RecordedLines(m_errors), Lines(3, WithLabel(zelHLL_ERROR__NO_ACCEPTABLE_STRINGS, "title")));
}

TEST_F(HighLevelListTest, BoolFromStringReadsTruthValues)
{
	const struct
	{
		const char* m_value;
		bool m_truth;
	} cases[] =
	{
		{ "TRUE", true }, { "yes", true }, { "1", true }, { "Yes", true },
		{ "false", false }, { "NO", false }, { "0", false },
	};
	for (const auto& c : cases)
	{
		Give("title", std::string("\"") + c.m_value + "\"");
		EXPECT_EQ(m_list.BoolFromString("title"), c.m_truth) << c.m_value;
		m_list.ClearInput("title");
	}
	Give("title", "\"maybe\"");
	EXPECT_EQ(Thrown([&] { m_list.BoolFromString("title"); }), zelHLL_ERROR__UNABLE_TO_CONVERT_STRING_TO_BOOL);
	EXPECT_EQ(RecordedLines(m_errors), Lines({ WithLabelAndString(zelHLL_ERROR__UNABLE_TO_CONVERT_STRING_TO_BOOL, "title", "maybe") }));
}

TEST_F(HighLevelListTest, BoolStringsAreAcceptableInAnyCase)
{
	m_list.SetStringMemberLength__DisableAcceptableStrings("title", 6, 9);
	m_list.SetAcceptableStringsForBoolFromString__DisableMinMaxLength("title");
	Give("title", "\"No\"");
	EXPECT_FALSE(m_list.BoolFromString("title"));
	m_list.ClearInput("title");
	EXPECT_EQ(Thrown([&] { Give("title", "\"nope\""); }), zelHLL_ERROR__ACCEPTABLE_STRING_NOT_FOUND);
}

TEST_F(HighLevelListTest, CompareStringComparesBytesOrIgnoresCase)
{
	Give("title", "\"Snow\"");
	EXPECT_TRUE(m_list.CompareStringTo("title", "Snow"));
	EXPECT_FALSE(m_list.CompareStringTo("title", "snow"));
	EXPECT_TRUE(m_list.CompareStringToIgnoreCase("title", "sNOW"));
	EXPECT_FALSE(m_list.CompareStringToIgnoreCase("title", "snows"));
	EXPECT_FALSE(m_list.CompareStringToIgnoreCase("title", "sno"));
	EXPECT_EQ(Thrown([&] { m_list.CompareStringTo("title", nullptr); }), zelHLL_ERROR__NULL_PARAMETER);
	EXPECT_EQ(Thrown([&] { m_list.CompareStringToIgnoreCase("title", nullptr); }), zelHLL_ERROR__NULL_PARAMETER);
	EXPECT_TRUE(RecordedLines(m_errors).empty());
}

TEST_F(HighLevelListTest, InputQueriesAndClearing)
{
	EXPECT_FALSE(m_list.AnyMemberHasBeenInput());
	EXPECT_FALSE(m_list.AllMembersHaveBeenInput());
	Give("count", "\"1\"");
	EXPECT_TRUE(m_list.MemberHasBeenInput("count"));
	EXPECT_FALSE(m_list.MemberHasBeenInput("title"));
	EXPECT_TRUE(m_list.AnyMemberHasBeenInput());
	EXPECT_FALSE(m_list.AllMembersHaveBeenInput());
	Give("tint", "\"1\"");
	Give("scale", "\"1\"");
	Give("title", "\"1\"");
	EXPECT_TRUE(m_list.AllMembersHaveBeenInput());

	m_list.ClearInput("title");
	EXPECT_FALSE(m_list.MemberHasBeenInput("title"));
	EXPECT_FALSE(m_list.AllMembersHaveBeenInput());
	m_list.ClearInput();
	EXPECT_FALSE(m_list.AnyMemberHasBeenInput());
	EXPECT_EQ(Thrown([&] { m_list.Int("count"); }), zelHLL_ERROR__MEMBER_NOT_INPUT);
	EXPECT_EQ(RecordedLines(m_errors), Lines({ WithLabel(zelHLL_ERROR__MEMBER_NOT_INPUT, "count") }));
}

TEST_F(HighLevelListTest, BreakMembersFromArguments)
{
	EXPECT_EQ(Thrown([&] { m_list.AllBreakMembersHaveBeenInput(); }), zelHLL_ERROR__BREAK_MEMBER_LABELS_NOT_YET_DEFINED);
	EXPECT_EQ(Thrown([&] { m_list.NewBreakMembers(static_cast<const char*>(nullptr), NULL); }), zelHLL_ERROR__NULL_FIRST_BREAK_MEMBER_LABEL);
	EXPECT_TRUE(RecordedLines(m_errors).empty());

	// A failure keeps the labels before it but defines no break members.
	EXPECT_EQ(Thrown([&] { m_list.NewBreakMembers("count", "colour", NULL); }), zelHLL_ERROR__BREAK_MEMBER_LABEL_NOT_FOUND);
	EXPECT_EQ(RecordedLines(m_errors), Lines({ WithLabel(zelHLL_ERROR__BREAK_MEMBER_LABEL_NOT_FOUND, "colour") }));
	EXPECT_EQ(Thrown([&] { m_list.AllBreakMembersHaveBeenInput(); }), zelHLL_ERROR__BREAK_MEMBER_LABELS_NOT_YET_DEFINED);

	m_list.NewBreakMembers("title", NULL);
	EXPECT_FALSE(m_list.AllBreakMembersHaveBeenInput());
	Give("title", "\"t\"");
	EXPECT_FALSE(m_list.AllBreakMembersHaveBeenInput());
	Give("count", "\"1\"");
	EXPECT_TRUE(m_list.AllBreakMembersHaveBeenInput());
}

TEST_F(HighLevelListTest, BreakMembersFromAQueueStartAtItsCursor)
{
	EXPECT_EQ(Thrown([&] { m_list.NewBreakMembers(static_cast<zelStringQueue*>(nullptr)); }), zelHLL_ERROR__NULL_BREAK_MEMBER_LABELS);
	zelStringQueue labels;
	EXPECT_EQ(Thrown([&] { m_list.NewBreakMembers(&labels); }), zelHLL_ERROR__NO_BREAK_MEMBER_LABELS);
	labels.Push("count");
	free(labels.Pop());
	EXPECT_EQ(Thrown([&] { m_list.NewBreakMembers(&labels); }), zelHLL_ERROR__NO_BREAK_MEMBER_LABELS);
	EXPECT_TRUE(RecordedLines(m_errors).empty());

	labels.Push("title");
	m_list.NewBreakMembers(&labels);
	Give("title", "\"t\"");
	EXPECT_TRUE(m_list.AllBreakMembersHaveBeenInput());

	labels.Push("nothing");
	EXPECT_EQ(Thrown([&] { m_list.NewBreakMembers(&labels); }), zelHLL_ERROR__BREAK_MEMBER_LABEL_NOT_FOUND);
	EXPECT_EQ(RecordedLines(m_errors), Lines({ WithLabel(zelHLL_ERROR__BREAK_MEMBER_LABEL_NOT_FOUND, "nothing") }));
}

TEST(HighLevelListWithoutErrorQueue, FailsWithoutRecording)
{
	zelHighLevelList list(nullptr);
	list.NewMember("a", zelHLL_MEMBER_TYPE__STRING);
	EXPECT_EQ(Thrown([&] { list.NewMember("a", zelHLL_MEMBER_TYPE__INT); }), zelHLL_ERROR__MEMBER_LABEL_FOUND);
	EXPECT_EQ(Thrown([&] { list.Int("b"); }), zelHLL_ERROR__MEMBER_LABEL_NOT_FOUND);
	EXPECT_EQ(Thrown([&] { list.Int("a"); }), zelHLL_ERROR__INCORRECT_MEMBER_TYPE);
	EXPECT_EQ(Thrown([&] { free(list.String("a")); }), zelHLL_ERROR__MEMBER_NOT_INPUT);
}
