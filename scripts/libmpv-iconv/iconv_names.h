/* Which Windows code page reads a character set, by the names uchardet answers and libmpv passes.
 * Portable, so that the build can check it against uchardet's names on Linux. */
#ifndef TARNWICK_ICONV_NAMES_H
#define TARNWICK_ICONV_NAMES_H

/* Not Windows code pages: the UTF-16 and UTF-32 forms, decoded by the converter itself. "UTF-16"
 * and "UTF-32" read a byte-order mark and are little-endian without one, as Windows writes them. */
enum {
    ICONV_UTF16 = -1, ICONV_UTF16LE = -2, ICONV_UTF16BE = -3,
    ICONV_UTF32 = -4, ICONV_UTF32LE = -5, ICONV_UTF32BE = -6,
};

/* The code page (or one of the values above) for a character set's name, any case, with or
 * without a "//..." suffix; 0 for a name that is known but not offered, -100 for an unknown one. */
int iconv_code_page(const char *name);

enum { ICONV_NOT_OFFERED = 0, ICONV_UNKNOWN = -100 };

#endif
