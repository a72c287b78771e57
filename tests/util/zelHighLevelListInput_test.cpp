#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "hllTestHelpers.h"
#include "zelHighLevelList.h"
#include "zelHighLevelListFileInput.h"
#include "zelString2No.h"

namespace
{
	// The list of the example file: integers x and y, string message;
	// x and message are break members.
	class ListingTest : public ::testing::Test
	{
	protected:
		ListingTest() : m_list(&m_errors)
		{
			m_list.NewMember("x", zelHLL_MEMBER_TYPE__INT);
			m_list.NewMember("y", zelHLL_MEMBER_TYPE__INT);
			m_list.NewMember("message", zelHLL_MEMBER_TYPE__STRING);
			m_list.NewBreakMembers("x", "message", NULL);
		}

		~ListingTest()
		{
			if (m_file != nullptr)
			{
				fclose(m_file);
			}
		}

		void Open(const std::string& p_text)
		{
			m_file = TextStream(p_text);
		}

		const char* InputListing()
		{
			return Thrown([&] { m_list.Input(m_file); });
		}

		std::string Message()
		{
			char* message = m_list.String("message");
			std::string text = message;
			free(message);
			return text;
		}

		zelStringQueue m_errors;
		zelHighLevelList m_list;
		FILE* m_file = nullptr;
	};

	// A list of one member, for the checks of single values.
	class ValueTest : public ::testing::Test
	{
	protected:
		ValueTest() : m_list(&m_errors)
		{
		}

		// Reads one quoted value into the member.
		const char* Read(const char* p_label, const std::string& p_value)
		{
			FILE* file = TextStream("=\"" + p_value + "\"");
			const char* thrown = Thrown([&] { m_list.Input(file, p_label); });
			fclose(file);
			return thrown;
		}

		zelStringQueue m_errors;
		zelHighLevelList m_list;
	};
}

TEST_F(ListingTest, TheExampleFileHoldsTwoListings)
{
	m_file = fopen("fixtures/hll_example.txt", "r");
	ASSERT_NE(m_file, nullptr);

	EXPECT_EQ(InputListing(), nullptr);
	ASSERT_TRUE(m_list.AllBreakMembersHaveBeenInput());
	EXPECT_EQ(m_list.Int("x"), 10);
	EXPECT_EQ(m_list.Int("y"), 20);
	EXPECT_EQ(Message(), "play");
	m_list.ClearInput();

	EXPECT_EQ(InputListing(), nullptr);
	ASSERT_TRUE(m_list.AllBreakMembersHaveBeenInput());
	EXPECT_EQ(m_list.Int("x"), 10);
	EXPECT_EQ(Message(), "quit");
	EXPECT_FALSE(m_list.MemberHasBeenInput("y"));
	m_list.ClearInput();

	EXPECT_EQ(InputListing(), nullptr);
	EXPECT_FALSE(m_list.AllBreakMembersHaveBeenInput());
	EXPECT_FALSE(m_list.AnyMemberHasBeenInput());
	EXPECT_TRUE(RecordedLines(m_errors).empty());
}

TEST_F(ListingTest, AnOptionalMemberAfterTheBreakMembersStartsTheNextListing)
{
	Open(".x=\"1\"\n.message=\"a\"\n.y=\"2\"\n.x=\"3\"\n.message=\"b\"\n");
	EXPECT_EQ(InputListing(), nullptr);
	EXPECT_FALSE(m_list.MemberHasBeenInput("y"));
	m_list.ClearInput();
	EXPECT_EQ(InputListing(), nullptr);
	EXPECT_EQ(m_list.Int("y"), 2);
	EXPECT_EQ(m_list.Int("x"), 3);
}

TEST_F(ListingTest, WithoutBreakMembersAListingEndsWhenEveryMemberIsRead)
{
	zelHighLevelList list(&m_errors);
	list.NewMember("a", zelHLL_MEMBER_TYPE__INT);
	list.NewMember("b", zelHLL_MEMBER_TYPE__INT);
	FILE* file = TextStream(".b=\"2\".a=\"1\".a=\"3\"");
	list.Input(file);
	EXPECT_TRUE(list.AllMembersHaveBeenInput());
	EXPECT_EQ(list.Int("a"), 1);
	list.ClearInput();
	EXPECT_EQ(Thrown([&] { list.Input(file); }), zelHLL_ERROR__FILE_ENDS_UNEXPECTEDLY);
	fclose(file);
	EXPECT_TRUE(RecordedLines(m_errors).empty());
}

TEST_F(ListingTest, TheEndOfTheFileAfterACompleteListing)
{
	Open(".x=\"1\"\n.message=\"a\"\n");
	EXPECT_EQ(InputListing(), nullptr);
	// Without clearing, the members still input make the end look like an incomplete listing.
	EXPECT_EQ(InputListing(), zelHLL_ERROR__FILE_ENDS_UNEXPECTEDLY);
	m_list.ClearInput();
	EXPECT_EQ(InputListing(), nullptr);
	EXPECT_FALSE(m_list.AllBreakMembersHaveBeenInput());
	EXPECT_TRUE(RecordedLines(m_errors).empty());
}

TEST_F(ListingTest, AnIncompleteListingFailsUnrecorded)
{
	Open(".x=\"1\"\n.y=\"2\"\n");
	EXPECT_EQ(InputListing(), zelHLL_ERROR__FILE_ENDS_UNEXPECTEDLY);
	EXPECT_TRUE(RecordedLines(m_errors).empty());
}

TEST_F(ListingTest, FilesWithoutEntriesReadNothing)
{
	for (const char* text : { "", "no entries here\n\n  at all = \"1\"\n" })
	{
		Open(text);
		EXPECT_EQ(InputListing(), nullptr) << text;
		EXPECT_FALSE(m_list.AnyMemberHasBeenInput()) << text;
		fclose(m_file);
		m_file = nullptr;
	}
	EXPECT_TRUE(RecordedLines(m_errors).empty());
}

TEST_F(ListingTest, NullFileAndEmptyListFailUnrecorded)
{
	EXPECT_EQ(InputListing(), zelHLL_ERROR__NULL_FILE);
	zelHighLevelList empty(&m_errors);
	FILE* file = TextStream(".x=\"1\"");
	EXPECT_EQ(Thrown([&] { empty.Input(file); }), zelHLL_ERROR__NOT_YET_INITIALISED);
	fclose(file);
	// The members are checked before the stream.
	EXPECT_EQ(Thrown([&] { empty.Input(nullptr); }), zelHLL_ERROR__NOT_YET_INITIALISED);
	EXPECT_TRUE(RecordedLines(m_errors).empty());
}

TEST_F(ListingTest, LabelsAreTakenVerbatim)
{
	const struct
	{
		const char* m_text;
		const char* m_label;
	} cases[] =
	{
		{ ".x =\"1\"\n", "x " },
		{ "# version 1.2\n.x=\"1\"\n", "2\n.x" },
		{ "\r\n.X=\"1\"\r\n", "X" },
	};
	for (const auto& c : cases)
	{
		Open(c.m_text);
		EXPECT_EQ(InputListing(), zelHLL_ERROR__MEMBER_LABEL_NOT_FOUND) << c.m_text;
		EXPECT_EQ(NewlyRecordedLines(m_errors), Lines({ WithLabel(zelHLL_ERROR__MEMBER_LABEL_NOT_FOUND, c.m_label) }));
		fclose(m_file);
		m_file = nullptr;
	}
}

TEST_F(ListingTest, TextAroundTheValueIsIgnored)
{
	Open("header text\r\n\t.x=  \r\n \"7\" trailing\r\n\r\n.message=\"two\nlines. = here\" .y=\"9\"");
	EXPECT_EQ(InputListing(), nullptr);
	EXPECT_EQ(m_list.Int("x"), 7);
	EXPECT_EQ(Message(), "two\nlines. = here");
	EXPECT_FALSE(m_list.MemberHasBeenInput("y"));
}

TEST_F(ListingTest, ALabelTwiceInOneListingFails)
{
	Open(".y=\"1\"\n.y=\"2\"\n");
	EXPECT_EQ(InputListing(), zelHLL_ERROR__MEMBER_INPUT);
	EXPECT_EQ(RecordedLines(m_errors), Lines({ WithLabel(zelHLL_ERROR__MEMBER_INPUT, "y") }));
	EXPECT_EQ(m_list.Int("y"), 1);
}

TEST_F(ListingTest, TokenFailuresAreRecordedWithTheLabel)
{
	const std::string longest(zelHighLevelListFileInput::MAX_TOKEN_LENGTH, 'k');
	Open(".message=\"" + longest + "\"\n.x=\"1\"\n");
	EXPECT_EQ(InputListing(), nullptr);
	EXPECT_EQ(Message(), longest);
	m_list.ClearInput();
	fclose(m_file);

	const struct
	{
		std::string m_text;
		const char* m_error;
	} cases[] =
	{
		{ ".message=\"" + longest + "k\"", zelHLL_FILE_INPUT_ERROR__STRING_BUFFER_OVERFLOW },
		{ ".message=\"unfinished", zelHLL_FILE_INPUT_ERROR__FILE_ENDS_UNEXPECTEDLY },
		{ ".message=", zelHLL_FILE_INPUT_ERROR__FILE_ENDS_UNEXPECTEDLY },
	};
	for (const auto& c : cases)
	{
		Open(c.m_text);
		EXPECT_EQ(InputListing(), c.m_error) << c.m_text;
		// Recorded once, by the read of the value.
		EXPECT_EQ(NewlyRecordedLines(m_errors), Lines({ WithLabel(c.m_error, "message") }));
		fclose(m_file);
		m_file = nullptr;
	}
}

TEST_F(ListingTest, ALabelThatNeverEndsFailsUnrecorded)
{
	Open(".x=\"1\"\n.message");
	EXPECT_EQ(InputListing(), zelHLL_FILE_INPUT_ERROR__FILE_ENDS_UNEXPECTEDLY);
	EXPECT_TRUE(RecordedLines(m_errors).empty());
}

TEST_F(ValueTest, IntegersAndTheirBounds)
{
	m_list.NewMember("n", zelHLL_MEMBER_TYPE__INT);
	m_list.NewMember("odd", zelHLL_MEMBER_TYPE__INT);
	m_list.SetIntMemberRange("n", 1, 10);
	m_list.SetIntMemberRange("odd", zelHLL_MEMBER_RANGE__GREATER, 1);
	m_list.SetIntMemberRange("odd", zelHLL_MEMBER_RANGE__LESS, 10);
	const struct
	{
		const char* m_label;
		const char* m_value;
		const char* m_error;
		int m_result;
	} cases[] =
	{
		{ "n", "007", nullptr, 7 },
		{ "n", "1", nullptr, 1 },
		{ "n", "10", nullptr, 10 },
		{ "n", "+3", nullptr, 3 },
		{ "n", "0", zelHLL_ERROR__OUT_OF_RANGE, 0 },
		{ "n", "11", zelHLL_ERROR__OUT_OF_RANGE, 0 },
		{ "n", "7.0", zelSTRING2NO_ERROR__CONVERSION_ERROR, 0 },
		{ "n", " 7", zelSTRING2NO_ERROR__CONVERSION_ERROR, 0 },
		{ "n", "", zelSTRING2NO_ERROR__ZERO_LENGTH_STRING, 0 },
		{ "n", "-", zelSTRING2NO_ERROR__SIGN_ONLY_STRING, 0 },
		{ "odd", "2", nullptr, 2 },
		{ "odd", "9", nullptr, 9 },
		{ "odd", "1", zelHLL_ERROR__OUT_OF_RANGE, 0 },
		{ "odd", "10", zelHLL_ERROR__OUT_OF_RANGE, 0 },
	};
	for (const auto& c : cases)
	{
		SCOPED_TRACE(std::string(c.m_label) + "=" + c.m_value);
		m_list.ClearInput();
		EXPECT_EQ(Read(c.m_label, c.m_value), c.m_error);
		if (c.m_error == nullptr)
		{
			EXPECT_EQ(m_list.Int(c.m_label), c.m_result);
		}
		else
		{
			EXPECT_EQ(NewlyRecordedLines(m_errors), Lines({ WithLabel(c.m_error, c.m_label) }));
			// A rejected number leaves the member not input.
			EXPECT_FALSE(m_list.MemberHasBeenInput(c.m_label));
		}
	}
}

TEST_F(ValueTest, DoublesPlainAndScientific)
{
	m_list.NewMember("plain", zelHLL_MEMBER_TYPE__DOUBLE);
	m_list.NewMember("sci", zelHLL_MEMBER_TYPE__DOUBLE);
	m_list.SetDoubleIsInScientificNotation("sci", true);
	m_list.SetDoubleMemberRange("sci", zelHLL_MEMBER_RANGE__GREATER, 0.0);
	m_list.SetDoubleMemberRange("sci", zelHLL_MEMBER_RANGE__LESS_OR_EQUAL, 1000.0);
	const struct
	{
		const char* m_label;
		const char* m_value;
		const char* m_error;
		double m_result;
	} cases[] =
	{
		{ "plain", "-.25", nullptr, -0.25 },
		{ "plain", "1e3", zelSTRING2NO_ERROR__CONVERSION_ERROR, 0 },
		{ "plain", ".", zelSTRING2NO_ERROR__POINT_ONLY_STRING, 0 },
		{ "sci", "1e3", nullptr, 1000.0 },
		{ "sci", "2.5E-1", nullptr, 0.25 },
		{ "sci", "1.5", nullptr, 1.5 },
		{ "sci", "0", zelHLL_ERROR__OUT_OF_RANGE, 0 },
		{ "sci", "1.01e3", zelHLL_ERROR__OUT_OF_RANGE, 0 },
		{ "sci", "e3", zelSTRING2NO_ERROR__EXPONENT_BUT_NO_COEFFICIENT, 0 },
		{ "sci", "3e", zelSTRING2NO_ERROR__E_TOKEN_BUT_NO_EXPONENT, 0 },
	};
	for (const auto& c : cases)
	{
		SCOPED_TRACE(std::string(c.m_label) + "=" + c.m_value);
		m_list.ClearInput();
		EXPECT_EQ(Read(c.m_label, c.m_value), c.m_error);
		if (c.m_error == nullptr)
		{
			EXPECT_DOUBLE_EQ(m_list.Double(c.m_label), c.m_result);
		}
		else
		{
			EXPECT_EQ(NewlyRecordedLines(m_errors), Lines({ WithLabel(c.m_error, c.m_label) }));
			EXPECT_FALSE(m_list.MemberHasBeenInput(c.m_label));
		}
	}
}

TEST_F(ValueTest, HexadecimalIntegers)
{
	m_list.NewMember("tint", zelHLL_MEMBER_TYPE__HEX_INT);
	EXPECT_EQ(Read("tint", "fF00a0"), nullptr);
	EXPECT_EQ(m_list.HexInt("tint"), 0xff00a0u);
	m_list.ClearInput();
	EXPECT_EQ(Read("tint", "0x10"), zelSTRING2NO_ERROR__CONVERSION_ERROR);
	EXPECT_EQ(RecordedLines(m_errors), Lines({ WithLabel(zelSTRING2NO_ERROR__CONVERSION_ERROR, "tint") }));
}

TEST_F(ValueTest, StringsAreCheckedForLengthsThenAcceptableStrings)
{
	m_list.NewMember("name", zelHLL_MEMBER_TYPE__STRING);
	m_list.NewMember("style", zelHLL_MEMBER_TYPE__STRING);
	m_list.NewMember("exact", zelHLL_MEMBER_TYPE__STRING);
	m_list.SetStringMemberLength__DisableAcceptableStrings("name", 2, 4);
	m_list.SetAcceptableStrings__DisableMinMaxLength("style", "none", "line", NULL);
	m_list.SetIgnoreCaseOfAcceptableStrings("style", true);
	m_list.SetAcceptableStrings__DisableMinMaxLength("exact", "none", NULL);
	const struct
	{
		const char* m_label;
		const char* m_value;
		const char* m_error;
	} cases[] =
	{
		{ "name", "ab", nullptr },
		{ "name", "abcd", nullptr },
		{ "name", "a", zelHLL_ERROR__STRING_TOO_SHORT },
		{ "name", "", zelHLL_ERROR__STRING_TOO_SHORT },
		{ "name", "abcde", zelHLL_ERROR__STRING_TOO_LONG },
		{ "style", "LINE", nullptr },
		{ "style", "none", nullptr },
		{ "style", "curve", zelHLL_ERROR__ACCEPTABLE_STRING_NOT_FOUND },
		{ "style", "non", zelHLL_ERROR__ACCEPTABLE_STRING_NOT_FOUND },
		{ "exact", "none", nullptr },
		{ "exact", "None", zelHLL_ERROR__ACCEPTABLE_STRING_NOT_FOUND },
	};
	for (const auto& c : cases)
	{
		SCOPED_TRACE(std::string(c.m_label) + "=" + c.m_value);
		m_list.ClearInput();
		EXPECT_EQ(Read(c.m_label, c.m_value), c.m_error);
		if (c.m_error != nullptr)
		{
			EXPECT_EQ(NewlyRecordedLines(m_errors), Lines({ WithLabelAndString(c.m_error, c.m_label, c.m_value) }));
		}
		// Stored as written, and input even when rejected.
		char* value = m_list.String(c.m_label);
		EXPECT_STREQ(value, c.m_value);
		free(value);
	}
}

TEST(HighLevelListInputFuzz, BinaryGarbageNeverCrashes)
{
	zelHighLevelList list(nullptr);
	list.NewMember("a", zelHLL_MEMBER_TYPE__STRING);
	list.NewMember("b", zelHLL_MEMBER_TYPE__INT);
	list.NewBreakMembers("b", NULL);
	std::string garbage;
	unsigned int seed = 12345;
	for (int i = 0; i < 20000; ++i)
	{
		seed = seed * 1103515245u + 12345u;
		const char alphabet[] = { '.', '=', '"', 'a', 'b', '1', '\n', '\r', '\0', '\xff', '-', ' ' };
		garbage += alphabet[(seed >> 16) % sizeof alphabet];
	}
	FILE* file = TextStream(garbage);
	int listings = 0;
	for (int attempt = 0; attempt < 20000; ++attempt)
	{
		list.ClearInput();
		if (Thrown([&] { list.Input(file); }) == nullptr && !list.AnyMemberHasBeenInput())
		{
			break;
		}
		++listings;
	}
	fclose(file);
	EXPECT_GT(listings, 0);
}
