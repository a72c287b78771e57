#include "zelString2No.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

namespace
{
	enum Reader
	{
		INT,
		DOUBLE,
		HEX,
		SCI
	};

	const char* ReaderName(Reader p_reader)
	{
		static const char* const names[] = { "String2Int", "String2Double", "HexString2Int", "SciString2Double" };
		return names[p_reader];
	}

	double Read(Reader p_reader, const char* p_string)
	{
		const zelString2No reader;
		switch (p_reader)
		{
		case INT:
			return reader.String2Int(p_string);
		case DOUBLE:
			return reader.String2Double(p_string);
		case HEX:
			return reader.HexString2Int(p_string);
		case SCI:
			return reader.SciString2Double(p_string);
		}
		return 0.0;
	}

	const char* Failure(Reader p_reader, const char* p_string)
	{
		try
		{
			Read(p_reader, p_string);
		}
		catch (const char* caught)
		{
			return caught;
		}
		return nullptr;
	}

	struct Accepted
	{
		Reader m_reader;
		const char* m_input;
		double m_expected;
	};

	struct Refused
	{
		Reader m_reader;
		const char* m_input;
		const char* m_expected;
	};
}

TEST(zelString2No, AcceptedInputs)
{
	const Accepted cases[] = {
		{ INT, "0042", 42 },
		{ INT, "+7", 7 },
		{ INT, "-0", 0 },
		{ INT, "-123", -123 },
		{ INT, "2147483647", INT_MAX },
		{ INT, "-2147483648", INT_MIN },
		{ INT, "000000000000000000000000000001", 1 },
		{ DOUBLE, "3.25", 3.25 },
		{ DOUBLE, ".5", 0.5 },
		{ DOUBLE, "5.", 5 },
		{ DOUBLE, "-.25", -0.25 },
		{ DOUBLE, "+2", 2 },
		{ DOUBLE, "0.1", 0.1 },
		{ DOUBLE, "3.14159", 3.14159 },
		{ DOUBLE, "12.999", 12.999 },
		{ HEX, "ff", 255 },
		{ HEX, "FF", 255 },
		{ HEX, "Ff", 255 },
		{ HEX, "0", 0 },
		{ HEX, "ffffffff", 4294967295.0 },
		{ HEX, "0000000000000000000abc", 0xabc },
		{ SCI, "1.5e3", 1500 },
		{ SCI, "2E-2", 0.02 },
		{ SCI, "3e-1", 0.3 },
		{ SCI, "-4.5e+1", -45 },
		{ SCI, "7", 7 },
		{ SCI, "0e400", 0 },
	};
	for (const Accepted& test : cases)
	{
		SCOPED_TRACE(std::string(ReaderName(test.m_reader)) + "(\"" + test.m_input + "\")");
		EXPECT_EQ(Read(test.m_reader, test.m_input), test.m_expected);
	}
}

TEST(zelString2No, RefusedInputs)
{
	const Refused cases[] = {
		{ INT, nullptr, zelSTRING2NO_ERROR__NULL_PARAMETER },
		{ DOUBLE, nullptr, zelSTRING2NO_ERROR__NULL_PARAMETER },
		{ HEX, nullptr, zelSTRING2NO_ERROR__NULL_PARAMETER },
		{ SCI, nullptr, zelSTRING2NO_ERROR__NULL_PARAMETER },
		{ INT, "", zelSTRING2NO_ERROR__ZERO_LENGTH_STRING },
		{ DOUBLE, "", zelSTRING2NO_ERROR__ZERO_LENGTH_STRING },
		{ HEX, "", zelSTRING2NO_ERROR__ZERO_LENGTH_STRING },
		{ SCI, "", zelSTRING2NO_ERROR__ZERO_LENGTH_STRING },
		{ INT, "-", zelSTRING2NO_ERROR__SIGN_ONLY_STRING },
		{ INT, "+", zelSTRING2NO_ERROR__SIGN_ONLY_STRING },
		{ INT, "1-2", zelSTRING2NO_ERROR__CONVERSION_ERROR },
		{ INT, " 5", zelSTRING2NO_ERROR__CONVERSION_ERROR },
		{ INT, "5 ", zelSTRING2NO_ERROR__CONVERSION_ERROR },
		{ INT, "--5", zelSTRING2NO_ERROR__CONVERSION_ERROR },
		{ INT, "1.0", zelSTRING2NO_ERROR__CONVERSION_ERROR },
		{ INT, "12\r", zelSTRING2NO_ERROR__CONVERSION_ERROR },
		{ DOUBLE, ".", zelSTRING2NO_ERROR__POINT_ONLY_STRING },
		{ DOUBLE, "-.", zelSTRING2NO_ERROR__SIGN_ONLY_STRING },
		{ DOUBLE, "+", zelSTRING2NO_ERROR__SIGN_ONLY_STRING },
		{ DOUBLE, "1e5", zelSTRING2NO_ERROR__CONVERSION_ERROR },
		{ DOUBLE, "1.2.3", zelSTRING2NO_ERROR__CONVERSION_ERROR },
		{ DOUBLE, "1..", zelSTRING2NO_ERROR__CONVERSION_ERROR },
		{ DOUBLE, "..5", zelSTRING2NO_ERROR__CONVERSION_ERROR },
		// Read from the end, a point that stands first before any digit is reported as such.
		{ DOUBLE, "..", zelSTRING2NO_ERROR__POINT_ONLY_STRING },
		{ DOUBLE, "-..", zelSTRING2NO_ERROR__SIGN_ONLY_STRING },
		{ DOUBLE, "1,5", zelSTRING2NO_ERROR__CONVERSION_ERROR },
		{ DOUBLE, "\xff", zelSTRING2NO_ERROR__CONVERSION_ERROR },
		{ HEX, "0x10", zelSTRING2NO_ERROR__CONVERSION_ERROR },
		{ HEX, "-1", zelSTRING2NO_ERROR__CONVERSION_ERROR },
		{ HEX, "+1", zelSTRING2NO_ERROR__CONVERSION_ERROR },
		{ HEX, "fg", zelSTRING2NO_ERROR__CONVERSION_ERROR },
		{ HEX, "a b", zelSTRING2NO_ERROR__CONVERSION_ERROR },
		{ SCI, "e5", zelSTRING2NO_ERROR__EXPONENT_BUT_NO_COEFFICIENT },
		{ SCI, "5e", zelSTRING2NO_ERROR__E_TOKEN_BUT_NO_EXPONENT },
		{ SCI, "e", zelSTRING2NO_ERROR__E_TOKEN_BUT_NO_EXPONENT },
		{ SCI, "1e2e3", zelSTRING2NO_ERROR__CONVERSION_ERROR },
		{ SCI, "1e+", zelSTRING2NO_ERROR__SIGN_ONLY_STRING },
		{ SCI, "1e2.5", zelSTRING2NO_ERROR__CONVERSION_ERROR },
		{ SCI, "-e5", zelSTRING2NO_ERROR__SIGN_ONLY_STRING },
		{ SCI, ".e5", zelSTRING2NO_ERROR__POINT_ONLY_STRING },
		{ SCI, "x1e5", zelSTRING2NO_ERROR__CONVERSION_ERROR },
	};
	for (const Refused& test : cases)
	{
		SCOPED_TRACE(std::string(ReaderName(test.m_reader)) + "(\"" + (test.m_input ? test.m_input : "NULL") + "\")");
		EXPECT_EQ(Failure(test.m_reader, test.m_input), test.m_expected);
	}
}

// Out-of-range numbers saturate at the limits of the result instead of
// wrapping round to unrelated values.
TEST(zelString2No, OutOfRangeSaturates)
{
	const zelString2No reader;
	EXPECT_EQ(reader.String2Int("2147483648"), INT_MAX);
	EXPECT_EQ(reader.String2Int("-2147483649"), INT_MIN);
	EXPECT_EQ(reader.String2Int("99999999999999999999999"), INT_MAX);
	EXPECT_EQ(reader.String2Int("-4294967296"), INT_MIN);
	EXPECT_EQ(reader.HexString2Int("100000000"), UINT_MAX);
	EXPECT_EQ(reader.HexString2Int("fffffffffffffffffff"), UINT_MAX);
	EXPECT_EQ(reader.SciString2Double("1e400"), HUGE_VAL);
	EXPECT_EQ(reader.SciString2Double("1e-400"), 0.0);
	EXPECT_EQ(reader.SciString2Double("1e99999999999"), HUGE_VAL);
	// An overflowing coefficient stays infinite, never NaN, so bounds still refuse it.
	EXPECT_EQ(reader.SciString2Double((std::string(400, '9') + "e-400").c_str()), HUGE_VAL);
	EXPECT_EQ(reader.SciString2Double(("-" + std::string(400, '9') + "e-99999999999").c_str()), -HUGE_VAL);
}

// Long digit strings keep their value: the point may stand far from the
// significant digits, and huge mantissas overflow to infinity, never NaN.
TEST(zelString2No, LongDoublesKeepTheirValue)
{
	const zelString2No reader;
	EXPECT_EQ(reader.String2Double(("1." + std::string(400, '0')).c_str()), 1.0);
	EXPECT_EQ(reader.String2Double(("0." + std::string(400, '0') + "1").c_str()), 0.0);
	EXPECT_DOUBLE_EQ(reader.String2Double(("0." + std::string(1000, '3')).c_str()), 1.0 / 3.0);
	EXPECT_EQ(reader.String2Double((std::string(400, '9') + "." + std::string(400, '9')).c_str()), HUGE_VAL);
	EXPECT_EQ(reader.String2Double(("-" + std::string(400, '9')).c_str()), -HUGE_VAL);
}

TEST(zelString2No, MessageTexts)
{
	EXPECT_STREQ(zelSTRING2NO_ERROR__NULL_PARAMETER, "(zelString2No::String2{no}) passed NULL as the string to be converted");
	EXPECT_STREQ(zelSTRING2NO_ERROR__ZERO_LENGTH_STRING, "(zelString2No::String2{no}) passed a string of zero length as the string to be converted");
	EXPECT_STREQ(zelSTRING2NO_ERROR__SIGN_ONLY_STRING, "(zelString2No::String2{no}) passed only a positive or a negative sign as the string to be converted");
	EXPECT_STREQ(zelSTRING2NO_ERROR__CONVERSION_ERROR, "(zelString2No::String2{no}) passed a string containing illegal characters as the string to be converted");
	EXPECT_STREQ(zelSTRING2NO_ERROR__POINT_ONLY_STRING, "(zelString2No::String2{no}) passed only a floating point as the string to be converted");
	EXPECT_STREQ(zelSTRING2NO_ERROR__EXPONENT_BUT_NO_COEFFICIENT, "(zelString2No::String2{no}) passed a string containing an exponent but no coefficient as the string to be converted");
	EXPECT_STREQ(zelSTRING2NO_ERROR__E_TOKEN_BUT_NO_EXPONENT, "(zelString2No::String2{no}) passed a string containing the 'e' or 'E' token which prefixes an exponent, but no exponent, as the string to be converted");
}
