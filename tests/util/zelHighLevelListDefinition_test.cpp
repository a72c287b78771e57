#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "TestWindow.h"
#include "hllTestHelpers.h"
#include "zelHighLevelListDefinition.h"
#include "zelString2No.h"

namespace
{
	// Defines a list from a definition written to a temporary file.
	class DefinitionTest : public ::testing::Test
	{
	protected:
		DefinitionTest() : m_list(&m_errors), m_definition(&m_errors), m_path(m_folder.File("list.hlld"))
		{
		}

		const char* Define(const std::string& p_text)
		{
			m_folder.Write("list.hlld", p_text);
			return Thrown([&] { m_definition.DefineHighLevelList(&m_list, m_path.c_str()); });
		}

		// Whether the member takes the value; the member is cleared again.
		bool Accepts(const char* p_label, const std::string& p_value)
		{
			FILE* file = TextStream("\"" + p_value + "\"");
			const bool accepted = Thrown([&] { m_list.Input(file, p_label); }) == nullptr;
			fclose(file);
			m_list.ClearInput(p_label);
			return accepted;
		}

		zelStringQueue m_errors;
		zelHighLevelList m_list;
		zelHighLevelListDefinition m_definition;
		TempFolder m_folder;
		std::string m_path;
	};
}

TEST(HighLevelListDefinitionMessages, HoldTheirTexts)
{
	const struct
	{
		const char* m_constant;
		const char* m_text;
	} cases[] =
	{
		{ zelHLLD_ERROR__NULL_HIGH_LEVEL_LIST, "(zelHighLevelListDefinition::DefineHighLevelList) passed NULL as the high-level list which is to be defined" },
		{ zelHLLD_ERROR__NULL_DEFINITION_PATH, "(zelHighLevelListDefinition::DefineHighLevelList) passed NULL as the path to the definition which is to define the high-level list" },
		{ zelHLLD_ERROR__UNABLE_TO_OPEN_DEFINITION, "(zelHighLevelList::DefineHighLevelList) unable to open the definition which is to define the high-level list" },
		{ zelHLLD_ERROR__UNKNOWN_MEMBER_TYPE, "(zelHighLevelListDefinition::InputMemberType) unknown member type in the definition of the high-level list" },
		{ zelHLLD_ERROR__TYPE_MUST_HAVE_SUFFIX, "(zelHighLevelListDefinition::DefineHighLevelList) a member of that type must have a suffix" },
		{ zelHLLD_ERROR__TYPE_MUST_NOT_HAVE_SUFFIX, "(zelHighLevelListDefinition::DefineHighLevelList) a member of that type must not have a suffix" },
		{ zelHLLD_ERROR__UNKNOWN_STRING_SET_SUFFIX, "(zelHighLevelListDefinition::InputAcceptableStrings) unknown suffix to the acceptable strings" },
		{ zelHLLD_ERROR__UNKNOWN_RANGE_TYPE, "(zelHighLevelListDefinition::InputRangeType) unknown range type" },
		{ zelHLLD_ERROR__LOWER_RANGE_ALREADY_INPUT, "(zelHighLevelListDefinition::InputRange) the lower range has already been input" },
		{ zelHLLD_ERROR__UPPER_RANGE_ALREADY_INPUT, "(zelHighLevelListDefinition::InputRange) the upper range has already been input" },
		{ zelHLLD_ERROR__TOO_MANY_RANGES, "(zelHighLevelListDefinition::InputRange) too many ranges (there should be at most a lower and an upper range)" },
		{ zelHLLD_ERROR__DOUBLE_RANGE_CANNOT_BE_HEXADECIMAL_NOTATION, "(zelHighLevelListDefinition::InputRange) the range of a zelHLL_MEMBER_TYPE__DOUBLE-type member cannot be held in hexdecimal notation" },
		{ zelHLLD_ERROR__UNEXPECTED_END_OF_FILE, "(zelHighlevelListDefinition::InputString) the definition of the high-level list unexpectedly ends" },
		{ zelHLLD_ERROR__STRING_BUFFER_LENGTH_EXCEEDED, "(zelHighLevelListDefinition::InputString) a string in the definition of the high-level list exceeds the length of the string buffer" },
	};
	for (const auto& c : cases)
	{
		EXPECT_STREQ(c.m_constant, c.m_text);
	}
}

TEST(HighLevelListDefinitionExample, DeclaresTheMembersThatADataFileIsHeldTo)
{
	zelStringQueue errors;
	zelHighLevelList list(&errors);
	zelHighLevelListDefinition definition(&errors);
	definition.DefineHighLevelList(&list, "fixtures/hlld_example.hlld");
	EXPECT_EQ(list.Type("width"), zelHLL_MEMBER_TYPE__INT);
	EXPECT_EQ(list.Type("scale"), zelHLL_MEMBER_TYPE__DOUBLE);
	EXPECT_EQ(list.Type("title"), zelHLL_MEMBER_TYPE__STRING);
	EXPECT_EQ(list.Type("style"), zelHLL_MEMBER_TYPE__STRING);
	EXPECT_EQ(list.Type("tint"), zelHLL_MEMBER_TYPE__HEX_INT);
	EXPECT_EQ(list.Type("sound"), zelHLL_MEMBER_TYPE__STRING);

	FILE* file = fopen("fixtures/hll_example_defined.txt", "r");
	ASSERT_NE(file, nullptr);
	list.Input(file);
	ASSERT_TRUE(list.AllMembersHaveBeenInput());
	EXPECT_EQ(list.Int("width"), 255);
	EXPECT_DOUBLE_EQ(list.Double("scale"), 0.25);
	EXPECT_TRUE(list.CompareStringTo("style", "LINE"));
	EXPECT_EQ(list.HexInt("tint"), 0xc0ffeeu);
	EXPECT_TRUE(list.BoolFromString("sound"));
	list.ClearInput();
	// The break members width and title end the second listing.
	list.Input(file);
	EXPECT_TRUE(list.AllBreakMembersHaveBeenInput());
	EXPECT_EQ(list.Int("width"), 1);
	EXPECT_FALSE(list.MemberHasBeenInput("tint"));
	fclose(file);
	EXPECT_TRUE(RecordedLines(errors).empty());
}

TEST_F(DefinitionTest, TheExampleHoldsValuesToItsConstraints)
{
	ASSERT_EQ(Define("width=int;>=:1;<=:255\nscale=sci_double;>:0\ntitle=string;<=:32\n"
		"style=string_set;none,line,curve;ignore_case\ntint=hex_int\nsound=bool_string\nbreak=width,title\n"), nullptr);
	EXPECT_TRUE(Accepts("width", "1"));
	EXPECT_FALSE(Accepts("width", "0"));
	EXPECT_FALSE(Accepts("width", "256"));
	EXPECT_TRUE(Accepts("scale", "1e-9"));
	EXPECT_FALSE(Accepts("scale", "0"));
	EXPECT_TRUE(Accepts("title", std::string(32, 't')));
	EXPECT_FALSE(Accepts("title", std::string(33, 't')));
	EXPECT_TRUE(Accepts("style", "Curve"));
	EXPECT_FALSE(Accepts("style", "zigzag"));
	EXPECT_TRUE(Accepts("sound", "NO"));
	EXPECT_FALSE(Accepts("sound", "maybe"));
}

TEST_F(DefinitionTest, WithoutAnyEqualsSignNothingIsDefined)
{
	for (const char* text : { "", "just some words\nand lines\n" })
	{
		EXPECT_EQ(Define(text), nullptr) << text;
		EXPECT_EQ(Thrown([&] { m_list.AllMembersHaveBeenInput(); }), zelHLL_ERROR__NOT_YET_INITIALISED);
	}
	// Trailing text without '=' after the last line is ignored too.
	EXPECT_EQ(Define("a=int\nthe end\n"), nullptr);
	EXPECT_EQ(m_list.Type("a"), zelHLL_MEMBER_TYPE__INT);
	EXPECT_TRUE(RecordedLines(m_errors).empty());
}

TEST_F(DefinitionTest, RangesBecomeBoundsAndLengths)
{
	ASSERT_EQ(Define("hex=int;>=X:ff\nopen=int;<:10;>:1\nlength=string;>:3;<:8\nfrac=double;>=:-.5;<:.5\n"
		"sci=sci_double;<=:1E3\nset=string_set;x,Y\nfree=string\n"), nullptr);
	const struct
	{
		const char* m_label;
		std::string m_value;
		bool m_accepted;
	} cases[] =
	{
		{ "hex", "254", false }, { "hex", "255", true },
		{ "open", "1", false }, { "open", "2", true }, { "open", "9", true }, { "open", "10", false },
		{ "length", "abc", false }, { "length", "abcd", true }, { "length", "abcdefg", true }, { "length", "abcdefgh", false },
		{ "frac", "-0.5", true }, { "frac", "-0.51", false }, { "frac", "0.49", true }, { "frac", "0.5", false },
		{ "sci", "1e3", true }, { "sci", "1001", false },
		{ "set", "Y", true }, { "set", "y", false }, { "set", "X", false },
		{ "free", "", true }, { "free", std::string(1023, 'f'), true },
	};
	for (const auto& c : cases)
	{
		EXPECT_EQ(Accepts(c.m_label, c.m_value), c.m_accepted) << c.m_label << "=" << c.m_value;
	}
}

TEST_F(DefinitionTest, FailingLinesRecordTheirTokenAndThePath)
{
	const struct
	{
		const char* m_text;
		const char* m_error;
		const char* m_detail;	// null: only the line with the path
	} cases[] =
	{
		{ "a=integer\n", zelHLLD_ERROR__UNKNOWN_MEMBER_TYPE, "integer" },
		{ "a=INT\n", zelHLLD_ERROR__UNKNOWN_MEMBER_TYPE, "INT" },
		{ "a=string_set\n", zelHLLD_ERROR__TYPE_MUST_HAVE_SUFFIX, "a" },
		{ "a=hex_int;>=:0\n", zelHLLD_ERROR__TYPE_MUST_NOT_HAVE_SUFFIX, "a" },
		{ "a=bool_string;x\n", zelHLLD_ERROR__TYPE_MUST_NOT_HAVE_SUFFIX, "a" },
		{ "a=string_set;x,y;IGNORE_CASE\n", zelHLLD_ERROR__UNKNOWN_STRING_SET_SUFFIX, "IGNORE_CASE" },
		{ "a=int;=>:1\n", zelHLLD_ERROR__UNKNOWN_RANGE_TYPE, "=>" },
		{ "a=int;>=x:1\n", zelHLLD_ERROR__UNKNOWN_RANGE_TYPE, ">=x" },
		{ "a=double;>=X:10\n", zelHLLD_ERROR__DOUBLE_RANGE_CANNOT_BE_HEXADECIMAL_NOTATION, "10" },
		{ "a=sci_double;<X:10\n", zelHLLD_ERROR__DOUBLE_RANGE_CANNOT_BE_HEXADECIMAL_NOTATION, "10" },
		{ "a=int;>=:1.5\n", zelSTRING2NO_ERROR__CONVERSION_ERROR, "1.5" },
		{ "a=int;>=X:fg\n", zelSTRING2NO_ERROR__CONVERSION_ERROR, "fg" },
		{ "a=double;>=:1e3\n", zelSTRING2NO_ERROR__CONVERSION_ERROR, "1e3" },
		{ "a=sci_double;>=:e3\n", zelSTRING2NO_ERROR__EXPONENT_BUT_NO_COEFFICIENT, "e3" },
		{ "a=string;<=:\n", zelSTRING2NO_ERROR__ZERO_LENGTH_STRING, "" },
		{ "a=int;>=:1;<=:9;<=:10\n", zelHLLD_ERROR__TOO_MANY_RANGES, nullptr },
		{ "a=int", zelHLLD_ERROR__UNEXPECTED_END_OF_FILE, nullptr },
		{ "a=int;>=", zelHLLD_ERROR__UNEXPECTED_END_OF_FILE, nullptr },
		{ "a=int;>=:1", zelHLLD_ERROR__UNEXPECTED_END_OF_FILE, nullptr },
		{ "a=string_set;x,", zelHLLD_ERROR__UNEXPECTED_END_OF_FILE, nullptr },
		{ "a=string_set;x;ignore_case", zelHLLD_ERROR__UNEXPECTED_END_OF_FILE, nullptr },
		{ "break=", zelHLLD_ERROR__UNEXPECTED_END_OF_FILE, nullptr },
	};
	for (const auto& c : cases)
	{
		SCOPED_TRACE(c.m_text);
		zelStringQueue errors;
		zelHighLevelList list(&errors);
		zelHighLevelListDefinition definition(&errors);
		m_folder.Write("line.hlld", c.m_text);
		const std::string path = m_folder.File("line.hlld");
		EXPECT_EQ(Thrown([&] { definition.DefineHighLevelList(&list, path.c_str()); }), c.m_error);
		Lines expected;
		if (c.m_detail != nullptr)
		{
			expected.push_back(Quoted(c.m_error, c.m_detail));
		}
		expected.push_back(Quoted(c.m_error, path));
		EXPECT_EQ(RecordedLines(errors), expected);
	}
}

TEST_F(DefinitionTest, ASecondBoundOnOneSideIsRecordedBare)
{
	EXPECT_EQ(Define("a=int;>=:5;>=:6\n"), zelHLLD_ERROR__LOWER_RANGE_ALREADY_INPUT);
	EXPECT_EQ(Define("b=double;<:5;<=:6\n"), zelHLLD_ERROR__UPPER_RANGE_ALREADY_INPUT);
	EXPECT_EQ(RecordedLines(m_errors), Lines({
		zelHLLD_ERROR__LOWER_RANGE_ALREADY_INPUT, Quoted(zelHLLD_ERROR__LOWER_RANGE_ALREADY_INPUT, m_path),
		zelHLLD_ERROR__UPPER_RANGE_ALREADY_INPUT, Quoted(zelHLLD_ERROR__UPPER_RANGE_ALREADY_INPUT, m_path) }));
	// A failing range line declares nothing.
	EXPECT_EQ(Thrown([&] { m_list.Type("a"); }), zelHLL_ERROR__NOT_YET_INITIALISED);
}

TEST_F(DefinitionTest, FailuresOfTheListAreRecordedByItThenWithThePath)
{
	const struct
	{
		const char* m_text;
		const char* m_error;
		const char* m_label;
	} cases[] =
	{
		{ "a=string;<=:2;>=:5\n", zelHLL_ERROR__IMPOSSIBLE_RANGE_OF_LENGTHS, "a" },
		{ "a=int;>=:5;<=:5\n", zelHLL_ERROR__IMPOSSIBLE_RANGE, "a" },
		{ "a=int\na=double\n", zelHLL_ERROR__MEMBER_LABEL_FOUND, "a" },
		{ "break=b\nb=int\n", zelHLL_ERROR__BREAK_MEMBER_LABEL_NOT_FOUND, "b" },
		{ "a=int\nbreak=a,\n", zelHLL_ERROR__BREAK_MEMBER_LABEL_NOT_FOUND, "" },
	};
	for (const auto& c : cases)
	{
		SCOPED_TRACE(c.m_text);
		zelStringQueue errors;
		zelHighLevelList list(&errors);
		zelHighLevelListDefinition definition(&errors);
		m_folder.Write("line.hlld", c.m_text);
		const std::string path = m_folder.File("line.hlld");
		EXPECT_EQ(Thrown([&] { definition.DefineHighLevelList(&list, path.c_str()); }), c.m_error);
		EXPECT_EQ(RecordedLines(errors), Lines({ WithLabel(c.m_error, c.m_label), Quoted(c.m_error, path) }));
	}
}

TEST_F(DefinitionTest, ANegativeMaximumLengthIsRefused)
{
	EXPECT_EQ(Define("a=string;>:-5;<:0\n"), zelHLL_ERROR__IMPOSSIBLE_RANGE_OF_LENGTHS);
	EXPECT_EQ(RecordedLines(m_errors), Lines({ Quoted(zelHLL_ERROR__IMPOSSIBLE_RANGE_OF_LENGTHS, "a"), Quoted(zelHLL_ERROR__IMPOSSIBLE_RANGE_OF_LENGTHS, m_path) }));

	// A minimum below zero holds every string; bounds at the edges of int do not overflow.
	EXPECT_EQ(Define("b=string;>:-5;<=:0\nc=string;>:2147483647\nd=int;>:2147483646\n"), nullptr);
	EXPECT_TRUE(Accepts("b", ""));
	EXPECT_FALSE(Accepts("c", "c"));
	EXPECT_TRUE(Accepts("d", "2147483647"));
}

TEST_F(DefinitionTest, MembersBeforeAFailingLineStay)
{
	EXPECT_EQ(Define("a=int\nb=int;>=:x\n"), zelSTRING2NO_ERROR__CONVERSION_ERROR);
	EXPECT_EQ(m_list.Type("a"), zelHLL_MEMBER_TYPE__INT);
	EXPECT_EQ(Thrown([&] { m_list.Type("b"); }), zelHLL_ERROR__MEMBER_LABEL_NOT_FOUND);
}

TEST_F(DefinitionTest, LineBreaksAreSingleCharacters)
{
	// A lone carriage return ends a line as a line feed does.
	ASSERT_EQ(Define("a=int;>:0\rb=string_set;x,y\rbreak=a,b\r"), nullptr);
	EXPECT_FALSE(Accepts("a", "0"));
	EXPECT_TRUE(Accepts("b", "y"));

	// With a carriage return and a line feed, the second label begins with the line feed.
	zelStringQueue errors;
	zelHighLevelList list(&errors);
	zelHighLevelListDefinition definition(&errors);
	m_folder.Write("crlf.hlld", "a=int\r\nb=int\r\n");
	definition.DefineHighLevelList(&list, m_folder.File("crlf.hlld").c_str());
	EXPECT_EQ(list.Type("\nb"), zelHLL_MEMBER_TYPE__INT);
	FILE* file = TextStream(".a=\"1\"\n.b=\"2\"\n");
	EXPECT_EQ(Thrown([&] { list.Input(file); }), zelHLL_ERROR__MEMBER_LABEL_NOT_FOUND);
	fclose(file);
	EXPECT_EQ(RecordedLines(errors), Lines({ WithLabel(zelHLL_ERROR__MEMBER_LABEL_NOT_FOUND, "b") }));
}

TEST_F(DefinitionTest, TokensHoldAtMost1023Characters)
{
	const std::string longest(1023, 'L');
	ASSERT_EQ(Define(longest + "=int\n"), nullptr);
	EXPECT_EQ(m_list.Type(longest.c_str()), zelHLL_MEMBER_TYPE__INT);

	// The last text fails while reading the label after a complete line.
	for (const std::string& text : { longest + "L=int\n", "b=" + longest + "L\n", longest + "L", "c=int\n" + longest + "L" })
	{
		RecordedLines(m_errors);
		EXPECT_EQ(Define(text), zelHLLD_ERROR__STRING_BUFFER_LENGTH_EXCEEDED);
		EXPECT_EQ(m_errors.IsEndOfQueue(), false);
		char* line = m_errors.Pop();
		EXPECT_EQ(std::string(line), Quoted(zelHLLD_ERROR__STRING_BUFFER_LENGTH_EXCEEDED, m_path));
		free(line);
		EXPECT_TRUE(m_errors.IsEndOfQueue());
	}
}

TEST_F(DefinitionTest, ArgumentsAndMissingFiles)
{
	EXPECT_EQ(Thrown([&] { m_definition.DefineHighLevelList(nullptr, m_path.c_str()); }), zelHLLD_ERROR__NULL_HIGH_LEVEL_LIST);
	EXPECT_EQ(Thrown([&] { m_definition.DefineHighLevelList(&m_list, nullptr); }), zelHLLD_ERROR__NULL_DEFINITION_PATH);
	const std::string missing = m_folder.File("missing.hlld");
	EXPECT_EQ(Thrown([&] { m_definition.DefineHighLevelList(&m_list, missing.c_str()); }), zelHLLD_ERROR__UNABLE_TO_OPEN_DEFINITION);
	// A folder opens but cannot be read as a definition.
	EXPECT_EQ(Thrown([&] { m_definition.DefineHighLevelList(&m_list, m_folder.Path().c_str()); }), zelHLLD_ERROR__UNABLE_TO_OPEN_DEFINITION);
	EXPECT_EQ(RecordedLines(m_errors), Lines({ zelHLLD_ERROR__NULL_HIGH_LEVEL_LIST, zelHLLD_ERROR__NULL_DEFINITION_PATH,
		Quoted(zelHLLD_ERROR__UNABLE_TO_OPEN_DEFINITION, missing), Quoted(zelHLLD_ERROR__UNABLE_TO_OPEN_DEFINITION, m_folder.Path()) }));
}

TEST(HighLevelListDefinitionWithoutErrorQueue, OnlyThrows)
{
	TempFolder folder;
	folder.Write("bad.hlld", "a=integer\n");
	zelHighLevelList list(nullptr);
	zelHighLevelListDefinition definition(nullptr);
	EXPECT_EQ(Thrown([&] { definition.DefineHighLevelList(&list, folder.File("bad.hlld").c_str()); }), zelHLLD_ERROR__UNKNOWN_MEMBER_TYPE);
	EXPECT_EQ(Thrown([&] { definition.DefineHighLevelList(nullptr, "x"); }), zelHLLD_ERROR__NULL_HIGH_LEVEL_LIST);
}

TEST(HighLevelListDefinitionFuzz, GarbageNeverCrashes)
{
	TempFolder folder;
	const char alphabet[] = { 'a', 'b', '=', ';', ':', ',', '>', '<', 'X', '1', '\n', '\r', '\0', '\xff', '.',
		'i', 'n', 't', '_', 's', 'e' };
	const char* const words[] = { "int", "hex_int", "double", "sci_double", "string", "bool_string", "string_set",
		"break", "ignore_case", ">=", "<=X", "2147483647", "-2147483648", "ffffffff", "1e308" };
	unsigned int seed = 2024;
	for (int round = 0; round < 200; ++round)
	{
		std::string text;
		for (int i = 0; i < 200; ++i)
		{
			seed = seed * 1103515245u + 12345u;
			const unsigned int pick = (seed >> 16) % (sizeof alphabet + 15);
			text += pick < sizeof alphabet ? std::string(1, alphabet[pick]) : words[pick - sizeof alphabet];
		}
		folder.Write("fuzz.hlld", text);
		zelStringQueue errors;
		zelHighLevelList list(&errors);
		zelHighLevelListDefinition definition(&errors);
		Thrown([&] { definition.DefineHighLevelList(&list, folder.File("fuzz.hlld").c_str()); });
	}
}
