// convert: write the bootstrap image of a program read from a stream.
#ifndef LODEWISE_CONVERT_H
#define LODEWISE_CONVERT_H

#include <cstdio>

// What became of one conversion; the driver turns each into its message
// and exit status.
enum outcome {
	converted, // the whole image reached the image stream's file
	overlong,  // the source holds more than 254 bytes; nothing was written
	readfail,  // the source could not be read; nothing was written
	writefail, // a write or the flush of the image failed
};

outcome convert(std::FILE *src, std::FILE *img);

#endif
