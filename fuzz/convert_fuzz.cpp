// Fuzz the conversion: any bytes as a source program.
#include "convert.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void
check(bool ok)
{
	if (!ok)
		std::abort();
}

} // namespace

// The source is read from memory and the image written to memory, so a run
// costs no file. An empty source is /dev/null: fmemopen refuses size 0.
extern "C" int
LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
	std::FILE *src = size == 0 ? std::fopen("/dev/null", "rb")
				   : fmemopen(const_cast<std::uint8_t *>(data),
					      size, "rb");
	char *img = nullptr;
	std::size_t len = 0;
	std::FILE *out = open_memstream(&img, &len);
	check(src != nullptr && out != nullptr);

	outcome r = convert(src, out);
	check(std::fclose(out) == 0);
	std::fclose(src);

	const auto *b = reinterpret_cast<const unsigned char *>(img);
	if (size > 254) {
		// Refused, and nothing of it written.
		check(r == overlong && len == 0);
	} else {
		// 0xFF 0xFF, the zero fill, then the source backwards.
		check(r == converted && len == 256);
		check(b[0] == 0xFF && b[1] == 0xFF);
		for (std::size_t k = 2; k < 256 - size; k++)
			check(b[k] == 0x00);
		for (std::size_t k = 0; k < size; k++)
			check(b[255 - k] == data[k]);
	}
	std::free(img);
	return 0;
}
