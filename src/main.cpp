// Lodewise: convert a Kelvaron program (.kex) into its bootstrap image (.kim).
#include <csignal>
#include <cstdio>

#include "chext.h"
#include "convert.h"
#include "samefile.h"

// Exit statuses. Each has one message, written by report() alone.
enum status {
	ok = 0,       // the image is written
	usage = 1,    // not exactly one argument
	noopen = 2,   // the source cannot be opened or read
	nocreate = 3, // the image cannot be created or written
	toolong = 4,  // the source is longer than 254 bytes
};

static void wipe(const char *name);
static int report(status st, const char *name);

int
main(int n, char **names)
{
	// A reader that has gone, or a file size limit, would otherwise kill
	// the program with a signal in place of its status: ignored, they make
	// the write fail instead, which the program answers like any other
	// failed write. Ignoring installs no code of the program's own.
#ifdef SIGPIPE
	(void)std::signal(SIGPIPE, SIG_IGN);
#endif
#ifdef SIGXFSZ
	(void)std::signal(SIGXFSZ, SIG_IGN);
#endif

	if (n != 2)
		return report(usage, nullptr);

	// Without a stem there is no name to open; the argument is named as
	// typed, and no file is opened or created.
	fname src = chext(names[1], "kex");
	if (src.s[0] == '\0')
		return report(noopen, names[1]);
	std::FILE *in = std::fopen(src.s, "rb");
	if (in == nullptr)
		return report(noopen, src.s);

	fname img = chext(names[1], "kim");
	if (samefile(in, img.s))
		return report(nocreate, img.s);
	std::FILE *out = std::fopen(img.s, "wb");
	if (out == nullptr)
		return report(nocreate, img.s);

	outcome r = convert(in, out);
	// On glibc a failed flush is followed by a close that succeeds, so
	// convert checks the flush and this checks the close. Both files are
	// closed before a message is written: started with standard output
	// closed, the program holds one of them on its descriptor, and a
	// message flushed at exit would land in that file.
	if (std::fclose(out) == EOF && r == converted)
		r = writefail;
	// Everything has been read; closing the source cannot lose anything.
	(void)std::fclose(in);
	if (r == writefail)
		wipe(img.s);

	switch (r) {
	case converted:
		return report(ok, nullptr);
	case overlong:
		return report(toolong, nullptr);
	case readfail:
		return report(noopen, src.s);
	case writefail:
		break;
	}
	return report(nocreate, img.s);
}

// An image cut short by a failed write would load as if it were a whole
// program; an empty one is refused by any loader. The stream is closed
// first, so that no byte left in its buffer can land after the emptying.
// If even this fails, there is nothing more to do: the status says it.
static void
wipe(const char *name)
{
	std::FILE *fp = std::fopen(name, "wb");
	if (fp != nullptr)
		(void)std::fclose(fp);
}

// The texts are the program's own, as its users' scripts know them; puts
// adds a line end to strings that already end in one.
static int
report(status st, const char *name)
{
	switch (st) {
	case ok:
		break;
	case usage:
		std::puts("Lodewise.exe\n");
		std::puts("Converts Kelvaron Executable file to Bootstarp Fast "
			  "Reader format.\n");
		std::puts("Usage:\n");
		std::puts("Lodewise.exe File.kex\n");
		std::puts("Generate resalt file \"File.kim\".\n");
		break;
	case noopen:
		std::printf("Could not open Kelvaron EXecutable file: %s.",
			    name);
		break;
	case nocreate:
		std::printf("Could not create Kelvaron BootStrap file: %s.",
			    name);
		break;
	case toolong:
		std::puts("Could not convert source programm to BootStrap "
			  "format:\n");
		std::puts("Source programm coud not be longer, then 254 "
			  "bytes.\n");
		break;
	}
	return st;
}
