#include "zelStringConcatenation.h"

#include <gtest/gtest.h>

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

TEST(zelStringConcatenation, JoinsAllArgumentsUpToTheNull)
{
	EXPECT_EQ(Take(zelStringConcatenation::ConcatenateStrings("(X::Y) failed", " (", "label", ")", nullptr)),
		"(X::Y) failed (label)");
	EXPECT_EQ(Take(zelStringConcatenation::ConcatenateStrings("a", "", "b", "", nullptr)), "ab");
	// The list ends at the first null even if more follow.
	EXPECT_EQ(Take(zelStringConcatenation::ConcatenateStrings("a", "b", nullptr, "c", nullptr)), "ab");
}

TEST(zelStringConcatenation, SingleStringGivesACopy)
{
	const char original[] = "alone";
	char* copy = zelStringConcatenation::ConcatenateStrings(original, nullptr);
	EXPECT_NE(copy, original);
	EXPECT_EQ(Take(copy), "alone");
	EXPECT_EQ(Take(zelStringConcatenation::ConcatenateStrings("", nullptr)), "");
}

TEST(zelStringConcatenation, NullFirstThrows)
{
	const char* caught = nullptr;
	try
	{
		free(zelStringConcatenation::ConcatenateStrings(nullptr, "b", nullptr));
	}
	catch (const char* thrown)
	{
		caught = thrown;
	}
	EXPECT_EQ(caught, zelSTRING_CONCATENATION_ERROR__NULL_PARAMETER);
	EXPECT_STREQ(zelSTRING_CONCATENATION_ERROR__NULL_PARAMETER, "(zelStringConcatenation::ConcatenateStrings) passed NULL as the first of the strings to concatenate");
}
