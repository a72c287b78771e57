#include "zelHighLevelListFileInput.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace
{
	// A read-only stream over the given bytes, closed on destruction.
	class Stream
	{
	public:
		explicit Stream(const std::string& p_bytes)
			: m_file(tmpfile())
		{
			fwrite(p_bytes.data(), 1, p_bytes.size(), m_file);
			rewind(m_file);
		}
		~Stream() { fclose(m_file); }
		FILE* File() const { return m_file; }
		// What is left unread.
		std::string Rest() const
		{
			std::string rest;
			int character;
			while ((character = fgetc(m_file)) != EOF)
			{
				rest += static_cast<char>(character);
			}
			return rest;
		}
	private:
		FILE* m_file;
	};

	// A fixture file opened for reading, closed on destruction.
	class Fixture
	{
	public:
		explicit Fixture(const char* p_name)
			: m_file(fopen((std::string("fixtures/") + p_name).c_str(), "rb"))
		{
		}
		~Fixture()
		{
			if (m_file != nullptr)
			{
				fclose(m_file);
			}
		}
		FILE* File() const { return m_file; }
	private:
		FILE* m_file;
	};

	// Takes ownership of a returned value; null stays distinguishable.
	std::string Take(char* p_value)
	{
		if (p_value == nullptr)
		{
			return "(null)";
		}
		std::string result(p_value);
		free(p_value);
		return result;
	}

	const char* Failure(const std::function<void()>& p_read)
	{
		try
		{
			p_read();
		}
		catch (const char* caught)
		{
			return caught;
		}
		return nullptr;
	}

	const zelHighLevelListFileInput g_input;
}

TEST(zelHighLevelListFileInput, NullStreamFailsInEveryRead)
{
	const std::function<void()> reads[] = {
		[] { free(g_input.InputString(nullptr, '.', '=', false)); },
		[] { free(g_input.InputString(nullptr, false)); },
		[] { g_input.InputInt(nullptr, true); },
		[] { g_input.InputDouble(nullptr, true); },
		[] { g_input.InputHexInt(nullptr, true); },
	};
	for (const auto& read : reads)
	{
		EXPECT_EQ(Failure(read), zelHLL_FILE_INPUT_ERROR__NULL_PARAMETER);
	}
}

TEST(zelHighLevelListFileInput, QuotedValueKeepsItsBlanksAndLeavesTheStreamAfterIt)
{
	Stream stream("=  \"a value\" rest");
	EXPECT_EQ(Take(g_input.InputString(stream.File(), true)), "a value");
	EXPECT_EQ(stream.Rest(), " rest");
}

TEST(zelHighLevelListFileInput, EmptyQuotedValue)
{
	Stream stream("\"\"\"x\"");
	EXPECT_EQ(Take(g_input.InputString(stream.File(), true)), "");
	EXPECT_EQ(Take(g_input.InputString(stream.File(), true)), "x");
}

TEST(zelHighLevelListFileInput, DistinctDelimitersReadLabels)
{
	Stream stream("# note\n.first=\"1\"\n.second = \"2\"");
	EXPECT_EQ(Take(g_input.InputString(stream.File(), '.', '=', false)), "first");
	EXPECT_EQ(g_input.InputInt(stream.File(), true), 1);
	EXPECT_EQ(Take(g_input.InputString(stream.File(), '.', '=', false)), "second ");
	EXPECT_EQ(g_input.InputInt(stream.File(), true), 2);
	EXPECT_EQ(Take(g_input.InputString(stream.File(), '.', '=', false)), "(null)");
}

TEST(zelHighLevelListFileInput, EndOfFileInsideASpanFailsWhateverTheFlag)
{
	for (bool flag : { false, true })
	{
		Fixture fixture("tokens_label_without_value.txt");
		ASSERT_NE(fixture.File(), nullptr);
		EXPECT_EQ(Failure([&] { free(g_input.InputString(fixture.File(), '.', '=', flag)); }),
			zelHLL_FILE_INPUT_ERROR__FILE_ENDS_UNEXPECTEDLY);
	}
	Stream unclosed("\"never closed");
	EXPECT_EQ(Failure([&] { free(g_input.InputString(unclosed.File(), false)); }),
		zelHLL_FILE_INPUT_ERROR__FILE_ENDS_UNEXPECTEDLY);
}

TEST(zelHighLevelListFileInput, EndOfFileBeforeTheSpanDependsOnTheFlag)
{
	{
		Fixture fixture("tokens_blank.txt");
		ASSERT_NE(fixture.File(), nullptr);
		EXPECT_EQ(g_input.InputString(fixture.File(), false), nullptr);
	}
	{
		Fixture fixture("tokens_blank.txt");
		EXPECT_EQ(Failure([&] { free(g_input.InputString(fixture.File(), true)); }),
			zelHLL_FILE_INPUT_ERROR__FILE_ENDS_UNEXPECTEDLY);
	}
	Stream empty("");
	EXPECT_EQ(g_input.InputString(empty.File(), '.', '=', false), nullptr);
}

TEST(zelHighLevelListFileInput, ValuesHoldAtMost1023Characters)
{
	const std::string longest(zelHighLevelListFileInput::MAX_TOKEN_LENGTH, 'v');
	Stream fits("\"" + longest + "\"");
	EXPECT_EQ(Take(g_input.InputString(fits.File(), true)), longest);

	// The 1024th character fails even when the closing quote follows at once.
	Stream tooLong("\"" + longest + "w\"after");
	EXPECT_EQ(Failure([&] { free(g_input.InputString(tooLong.File(), true)); }),
		zelHLL_FILE_INPUT_ERROR__STRING_BUFFER_OVERFLOW);
	EXPECT_EQ(tooLong.Rest(), "\"after");

	Stream huge("\"" + std::string(100000, 'v'));
	EXPECT_EQ(Failure([&] { free(g_input.InputString(huge.File(), false)); }),
		zelHLL_FILE_INPUT_ERROR__STRING_BUFFER_OVERFLOW);
}

TEST(zelHighLevelListFileInput, EveryByteCounts)
{
	// 0xFF must not pass for the end of the file, nor a byte 0 for the end of a value.
	const char bytes[] = "\xff\x01 \"\xff\x80\"\"a\0b\"";
	Stream stream(std::string(bytes, sizeof bytes - 1));
	EXPECT_EQ(Take(g_input.InputString(stream.File(), true)), "\xff\x80");
	EXPECT_EQ(Take(g_input.InputString(stream.File(), true)), "a");
	EXPECT_EQ(stream.Rest(), "");

	Stream highDelimiters("x\xfe" "abc\xff" "d");
	EXPECT_EQ(Take(g_input.InputString(highDelimiters.File(), '\xfe', '\xff', true)), "abc");
}

TEST(zelHighLevelListFileInput, CarriageReturnsAreOrdinaryBytes)
{
	Fixture fixture("tokens_crlf.txt");
	ASSERT_NE(fixture.File(), nullptr);
	FILE* file = fixture.File();
	EXPECT_EQ(Take(g_input.InputString(file, '.', '=', false)), "width");
	EXPECT_EQ(g_input.InputInt(file, true), 12);
	EXPECT_EQ(Take(g_input.InputString(file, '.', '=', false)), "colour");
	EXPECT_EQ(g_input.InputHexInt(file, true), 0xffu);
	EXPECT_EQ(Take(g_input.InputString(file, '.', '=', false)), "speed");
	EXPECT_EQ(g_input.InputDouble(file, true), -0.25);
	EXPECT_EQ(Take(g_input.InputString(file, '.', '=', false)), "name");
	EXPECT_EQ(Take(g_input.InputString(file, true)), "two\r\nlines");
	EXPECT_EQ(g_input.InputString(file, '.', '=', false), nullptr);
}

TEST(zelHighLevelListFileInput, NumbersCarryTheConversionFailures)
{
	const struct
	{
		const char* m_stream;
		std::function<void(FILE*)> m_read;
		const char* m_expected;
	} cases[] = {
		{ "\"12a\"", [](FILE* p_file) { g_input.InputInt(p_file, true); }, zelSTRING2NO_ERROR__CONVERSION_ERROR },
		{ "\"1.5\"", [](FILE* p_file) { g_input.InputInt(p_file, true); }, zelSTRING2NO_ERROR__CONVERSION_ERROR },
		{ "\"\"", [](FILE* p_file) { g_input.InputDouble(p_file, true); }, zelSTRING2NO_ERROR__ZERO_LENGTH_STRING },
		{ "\".\"", [](FILE* p_file) { g_input.InputDouble(p_file, true); }, zelSTRING2NO_ERROR__POINT_ONLY_STRING },
		{ "\"0xff\"", [](FILE* p_file) { g_input.InputHexInt(p_file, true); }, zelSTRING2NO_ERROR__CONVERSION_ERROR },
		{ "\"12\r\"", [](FILE* p_file) { g_input.InputInt(p_file, true); }, zelSTRING2NO_ERROR__CONVERSION_ERROR },
		// With no further value and the flag clear, the conversion meets null.
		{ "  ", [](FILE* p_file) { g_input.InputInt(p_file, false); }, zelSTRING2NO_ERROR__NULL_PARAMETER },
		{ "  ", [](FILE* p_file) { g_input.InputHexInt(p_file, false); }, zelSTRING2NO_ERROR__NULL_PARAMETER },
		{ "  ", [](FILE* p_file) { g_input.InputDouble(p_file, true); }, zelHLL_FILE_INPUT_ERROR__FILE_ENDS_UNEXPECTEDLY },
		{ "\"12", [](FILE* p_file) { g_input.InputInt(p_file, false); }, zelHLL_FILE_INPUT_ERROR__FILE_ENDS_UNEXPECTEDLY },
	};
	for (const auto& test : cases)
	{
		SCOPED_TRACE(test.m_stream);
		Stream stream(test.m_stream);
		EXPECT_EQ(Failure([&] { test.m_read(stream.File()); }), test.m_expected);
	}
}

TEST(zelHighLevelListFileInput, MessageTexts)
{
	EXPECT_STREQ(zelHLL_FILE_INPUT_ERROR__NULL_PARAMETER, "(zelHighLevelListFileInput::Input{...}) passed NULL to the method");
	EXPECT_STREQ(zelHLL_FILE_INPUT_ERROR__STRING_BUFFER_OVERFLOW, "(zelHighLevelListFileInput::Input{...}) the length of the string to input exceeds the length of the buffer");
	EXPECT_STREQ(zelHLL_FILE_INPUT_ERROR__FILE_ENDS_UNEXPECTEDLY, "(zelHighLevelListFileInput::Input{...}) the file from which to input the string ends unexpectedly");
}
