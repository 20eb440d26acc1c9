// convert: write the bootstrap image of a program read from a stream.
#include "convert.h"

#include <cstring>

// The image is a block of 256 bytes written from its last byte to its
// first: the program at the bottom, a fill of 0x00, and two 0xFF markers
// at the top. The reader loads it backwards, so the file ends with the
// program's first byte and the marker leads the file.
outcome
convert(std::FILE *src, std::FILE *img)
{
	unsigned char buf[256];
	int lng = 0;
	int last = 0;

	// The whole source is read before the first image byte is written, so
	// a refused source leaves nothing of itself in the image. Stopping at
	// the 255th byte bounds the read of an endless source.
	while ((last = std::getc(src)) != EOF) {
		if (lng == 254)
			return overlong;
		buf[lng++] = static_cast<unsigned char>(last);
	}
	// getc gives EOF for a read error as well; an image of half a program
	// would load as if it were whole.
	if (std::ferror(src) != 0)
		return readfail;

	std::memset(buf + lng, 0x00, static_cast<std::size_t>(254 - lng));
	buf[254] = 0xFF;
	buf[255] = 0xFF;
	for (int k = 255; k >= 0; k--)
		if (std::putc(buf[k], img) == EOF)
			return writefail;

	// The bytes may still sit in the stream's buffer: a full disk shows
	// only when they are flushed.
	if (std::fflush(img) == EOF || std::ferror(img) != 0)
		return writefail;
	return converted;
}
