#include "zelNo2String.h"
#include "zelString2No.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

namespace
{
	std::string Take(char* p_string)
	{
		std::string result(p_string);
		free(p_string);
		return result;
	}
}

TEST(zelNo2String, Int2String)
{
	const struct
	{
		int m_value;
		bool m_plus;
		const char* m_expected;
	} cases[] = {
		{ 0, true, "0" },
		{ 0, false, "0" },
		{ 5, true, "+5" },
		{ 5, false, "5" },
		{ -5, true, "-5" },
		{ -5, false, "-5" },
		{ 1000, false, "1000" },
		{ INT_MAX, true, "+2147483647" },
		{ INT_MIN, false, "-2147483648" },
	};
	const zelNo2String writer;
	for (const auto& test : cases)
	{
		SCOPED_TRACE(test.m_expected);
		EXPECT_EQ(Take(writer.Int2String(test.m_value, test.m_plus)), test.m_expected);
	}
}

TEST(zelNo2String, Double2String)
{
	const struct
	{
		double m_value;
		unsigned int m_digits;
		bool m_plus;
		const char* m_expected;
	} cases[] = {
		{ 0.0, 2, true, "0.00" },
		{ -0.0, 0, true, "0" },
		{ 3.14159, 2, false, "3.14" },
		{ 2.5, 0, false, "2" },
		{ -0.5, 1, false, "-0.5" },
		{ 0.5, 2, true, "+0.50" },
		{ 12.999, 2, false, "12.99" },
		{ -2.75, 1, true, "-2.7" },
		{ 1234567.0, 3, false, "1234567.000" },
		{ 0.001, 3, false, "0.001" },
		// Beyond 32 bits the integer part is written exactly.
		{ 4294967296.5, 1, false, "4294967296.5" },
		{ -1e22, 0, false, "-10000000000000000000000" },
		{ 1e23, 0, false, "99999999999999991611392" },
	};
	const zelNo2String writer;
	for (const auto& test : cases)
	{
		SCOPED_TRACE(test.m_expected);
		EXPECT_EQ(Take(writer.Double2String(test.m_value, test.m_digits, test.m_plus)), test.m_expected);
	}
}

// Whatever the value or the number of digits, the output is a number that
// the strict reader accepts.
TEST(zelNo2String, Double2StringIsAlwaysWellFormed)
{
	const double values[] = { DBL_MAX, -DBL_MAX, DBL_MIN, 1e300, 123.456, HUGE_VAL, -HUGE_VAL, NAN };
	const unsigned int digitCounts[] = { 0, 1, 6, 25, 400 };
	const zelNo2String writer;
	const zelString2No reader;
	for (double value : values)
	{
		for (unsigned int digits : digitCounts)
		{
			const std::string text = Take(writer.Double2String(value, digits, true));
			SCOPED_TRACE(text);
			EXPECT_NO_THROW(reader.String2Double(text.c_str()));
			const size_t point = text.find('.');
			EXPECT_EQ(point == std::string::npos ? 0 : text.size() - point - 1, digits);
		}
	}
	EXPECT_EQ(Take(writer.Double2String(NAN, 2, true)), "0.00");
	EXPECT_EQ(Take(writer.Double2String(-HUGE_VAL, 0, false)), Take(writer.Double2String(-DBL_MAX, 0, false)));
}

TEST(zelNo2String, Int2HexString)
{
	const struct
	{
		unsigned int m_value;
		bool m_prefix;
		bool m_capitalDigits;
		bool m_capitalX;
		const char* m_expected;
	} cases[] = {
		{ 255, true, true, false, "0xFF" },
		{ 255, false, false, false, "ff" },
		{ 255, false, false, true, "ff" },
		{ 0, false, false, false, "0" },
		{ 0, true, false, true, "0X0" },
		{ 4096, false, false, false, "1000" },
		{ 0xDEADBEEF, true, false, true, "0Xdeadbeef" },
		{ UINT_MAX, false, true, false, "FFFFFFFF" },
	};
	const zelNo2String writer;
	for (const auto& test : cases)
	{
		SCOPED_TRACE(test.m_expected);
		EXPECT_EQ(Take(writer.Int2HexString(test.m_value, test.m_prefix, test.m_capitalDigits, test.m_capitalX)), test.m_expected);
	}
}
