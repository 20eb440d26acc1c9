// Fuzz the name derivation: any bytes as a name, with either extension.
#include "chext.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

// The first byte picks the extension; the rest, cut at its first NUL as the
// command line would cut it, is the name. The name gets a buffer of exactly
// its size, so that a read past its NUL is an out-of-bounds read.
extern "C" int
LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
	if (size == 0)
		return 0;
	const char *ext = (data[0] & 1) != 0 ? "kim" : "kex";
	std::size_t n = size - 1;
	std::unique_ptr<char[]> name(new char[n + 1]);
	std::memcpy(name.get(), data + 1, n);
	name[n] = '\0';

	// What must hold: the name's first characters up to and including a
	// '.' among its first eleven, then the extension; else no name.
	std::size_t len = std::strlen(name.get());
	std::string want;
	for (std::size_t i = 0; i < len && i < 11; i++) {
		if (name[i] == '.') {
			want.assign(name.get(), i + 1);
			want += ext;
			break;
		}
	}

	fname got = chext(name.get(), ext);
	if (want != got.s)
		std::abort();
	return 0;
}
