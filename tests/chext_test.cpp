// Name derivation: argument and extension to derived name, or no name.
#include "chext.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct row {
	const char *name;
	const char *newext;
	const char *want; // "" for no name
};

const row rows[] = {
	{"File.kex", "kex", "File.kex"},
	{"File.kex", "kim", "File.kim"},
	{"File.txt", "kex", "File.kex"},
	{"File.", "kim", "File.kim"},          // nothing after the dot
	{"File.k", "kex", "File.kex"},         // a shorter extension goes whole
	{"File.kexkexkex", "kim", "File.kim"}, // and so does a longer one
	{".kex", "kim", ".kim"},               // empty stem
	{"a.b.c", "kex", "a.kex"},             // the first dot wins
	{"abcdefghij.kex", "kim", "abcdefghij.kim"}, // dot at position 10
	{"abcdefghijk.kex", "kim", ""},              // dot at position 11
	{"abcdefghijklmnop", "kex", ""},
	{"dir.d\\prog.kex", "kex", "dir.kex"}, // a dot in the directory part
	{"dir.d/prog.kex", "kim", "dir.kim"},
	{"..\\x.kex", "kex", ".kex"},
	{"../x.kex", "kim", ".kim"},
	{"C:\\work\\File.kex", "kex", ""},           // first dot at position 12
	{"/home/me/x.kex", "kim", "/home/me/x.kim"}, // dot at position 10
	{"/home/me/prog.kex", "kex", ""},            // first dot at position 13
	{"File", "kex", ""},
	{"", "kex", ""},
	{"%s%n.kex", "kim", "%s%n.kim"},
	{"my prog.x", "kim", "my prog.kim"},
	{"\xe9\xff\x01.kex", "kim", "\xe9\xff\x01.kim"},
	{"abcdefghij.", "kexx", "abcdefghij.kexx"}, // the longest that fits
};

// Writes a name as readable text: a byte outside printable ASCII as \xHH,
// so that no test name holds raw 8-bit bytes.
void
quote(const char *s, std::ostream *os)
{
	static const char hex[] = "0123456789ABCDEF";
	*os << '"';
	for (; *s != '\0'; s++) {
		auto c = static_cast<unsigned char>(*s);
		if (c >= 0x20 && c < 0x7F)
			*os << *s;
		else
			*os << "\\x" << hex[c >> 4] << hex[c & 0xF];
	}
	*os << '"';
}

// Names the row in test reports by its argument.
void
PrintTo(const row &r, std::ostream *os)
{
	quote(r.name, os);
	*os << " with ";
	quote(r.newext, os);
}

class derive : public testing::TestWithParam<row> {};

TEST_P(derive, name)
{
	const row &r = GetParam();
	EXPECT_STREQ(chext(r.name, r.newext).s, r.want);
}

INSTANTIATE_TEST_SUITE_P(table, derive, testing::ValuesIn(rows));

// The scan must stop at the NUL: a '.' after it, still inside the eleven
// characters, is not part of the name.
TEST(derive, dot_past_the_end_is_not_seen)
{
	const char name[] = {'a', 'b', '\0', '.', 'k', 'e', 'x', '\0'};
	EXPECT_STREQ(chext(name, "kim").s, "");
}

// Deriving again from a derived name finds the same stem.
TEST(derive, derived_name_keeps_its_stem)
{
	for (const row &r : rows) {
		std::string src = chext(r.name, "kex").s;
		if (src.empty())
			continue;
		EXPECT_STREQ(chext(src.c_str(), "kim").s,
			     chext(r.name, "kim").s)
			<< r.name;
	}
}

// An extension too long for the stem to carry gives no name rather than a
// cut one.
TEST(derive, no_truncated_name)
{
	EXPECT_STREQ(chext("abcdefghij.kex", "kexxx").s, "");
	EXPECT_STREQ(chext("a.kex", "kexxx").s, "a.kexxx");
}

} // namespace
