// Bootstrap image conversion: source bytes to image bytes and outcome.
#include "convert.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <vector>

namespace {

using bytes = std::vector<unsigned char>;

struct result {
	outcome out;
	bytes image;
	long consumed; // source bytes taken from the stream
};

bytes
slurp(std::FILE *fp)
{
	bytes b;
	std::rewind(fp);
	for (int c; (c = std::getc(fp)) != EOF;)
		b.push_back(static_cast<unsigned char>(c));
	return b;
}

result
run(const bytes &source)
{
	std::FILE *src = std::tmpfile();
	std::FILE *img = std::tmpfile();
	if (src == nullptr || img == nullptr)
		ADD_FAILURE() << "tmpfile failed";
	// data() of an empty vector may be null, which fwrite must not see.
	if (!source.empty())
		std::fwrite(source.data(), 1, source.size(), src);
	std::rewind(src);
	result r = {convert(src, img), {}, std::ftell(src)};
	r.image = slurp(img);
	std::fclose(src);
	std::fclose(img);
	return r;
}

// An accepted image: the two markers, the zero fill, then tail.
bytes
image(const bytes &tail)
{
	bytes b = {0xFF, 0xFF};
	b.resize(256 - tail.size(), 0x00);
	b.insert(b.end(), tail.begin(), tail.end());
	return b;
}

bytes
counting(std::size_t n)
{
	bytes b(n);
	for (std::size_t i = 0; i < n; i++)
		b[i] = static_cast<unsigned char>(i * 7 + 3);
	return b;
}

bytes
reversed(bytes b)
{
	std::reverse(b.begin(), b.end());
	return b;
}

struct row {
	const char *what;
	bytes source;
	bytes tail; // the image's bytes after the fill
};

const row rows[] = {
	{"empty", {}, {}},
	{"one byte", {0x41}, {0x41}},
	{"three bytes", {0x01, 0x02, 0x03}, {0x03, 0x02, 0x01}},
	{"0x00 first, 0xFF last", {0x00, 0x10, 0xFF}, {0xFF, 0x10, 0x00}},
	{"0xFF first, 0x00 last", {0xFF, 0x20, 0x00}, {0x00, 0x20, 0xFF}},
	{"all 0xFF", bytes(10, 0xFF), bytes(10, 0xFF)},
	{"253 bytes", counting(253), reversed(counting(253))},
	{"254 bytes, no fill", counting(254), reversed(counting(254))},
};

void
PrintTo(const row &r, std::ostream *os)
{
	*os << r.what;
}

class accepted : public testing::TestWithParam<row> {};

TEST_P(accepted, image)
{
	const row &r = GetParam();
	result got = run(r.source);
	EXPECT_EQ(got.out, converted);
	EXPECT_EQ(got.image, image(r.tail));
	EXPECT_EQ(got.image.size(), 256u);
}

INSTANTIATE_TEST_SUITE_P(table, accepted, testing::ValuesIn(rows));

TEST(accepted, trailing_zeros_match_the_shorter_program)
{
	EXPECT_EQ(run({0x41, 0x00, 0x00}).image, run({0x41}).image);
}

// A source over 254 bytes is refused after its 255th byte, however long it
// is, and leaves the image empty.
TEST(refused, overlong)
{
	for (std::size_t n : {255u, 256u, 1000u, 100000u}) {
		result got = run(bytes(n, 0x55));
		EXPECT_EQ(got.out, overlong) << n;
		EXPECT_TRUE(got.image.empty()) << n;
		EXPECT_EQ(got.consumed, 255) << n;
	}
}

// A directory opens for reading on POSIX systems, and its first read fails.
TEST(refused, unreadable_source)
{
#ifdef _WIN32
	GTEST_SKIP() << "a directory does not open as a stream on Windows";
#else
	std::FILE *src = std::fopen(".", "rb");
	std::FILE *img = std::tmpfile();
	ASSERT_NE(src, nullptr);
	ASSERT_NE(img, nullptr);
	EXPECT_EQ(convert(src, img), readfail);
	EXPECT_TRUE(slurp(img).empty());
	std::fclose(src);
	std::fclose(img);
#endif
}

// Every write to /dev/full is taken into the buffer; the flush fails.
TEST(refused, full_disk)
{
#ifdef _WIN32
	GTEST_SKIP() << "no /dev/full on Windows";
#else
	std::FILE *src = std::tmpfile();
	std::FILE *img = std::fopen("/dev/full", "wb");
	ASSERT_NE(src, nullptr);
	ASSERT_NE(img, nullptr);
	EXPECT_EQ(convert(src, img), writefail);
	std::fclose(src);
	std::fclose(img);
#endif
}

} // namespace
