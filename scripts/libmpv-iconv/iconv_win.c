/* iconv over Windows' code pages (MultiByteToWideChar), so that the DLL reads a subtitle file's
 * legacy encoding exactly as Windows itself, and Notepad, reads it, without tables of its own.
 * It converts into UTF-8 only, which is all libmpv asks. Bytes that are not a character of the
 * code page become what Windows makes of them (U+FFFD or the code page's default character)
 * instead of failing the conversion: libmpv would otherwise drop the whole file to Latin-1 for
 * one stray byte. Code pages that keep a state between characters (ISO-2022, HZ) are refused,
 * since the conversion goes a piece of whole characters at a time. */
#include <errno.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>
#include <windows.h>

#include "iconv.h"
#include "iconv_names.h"

enum { kChunkBytes = 4096 };

struct converter {
    int code_page; /* a Windows code page, or ICONV_UTF16... */
    int utf_width; /* 2 or 4 for UTF-16 and UTF-32, else 0 */
    int big_endian;
    int reads_bom; /* "UTF-16" and "UTF-32": a leading byte-order mark sets the order */
    int bom_seen;
    int double_byte; /* lead bytes start two-byte characters (Shift_JIS, GBK, Big5, CP949) */
};

static int to_utf8(const char *tocode)
{
    const char *suffix = strstr(tocode, "//");
    const size_t length = suffix ? (size_t)(suffix - tocode) : strlen(tocode);
    return (length == 5 && strncasecmp(tocode, "UTF-8", 5) == 0) ||
           (length == 4 && strncasecmp(tocode, "UTF8", 4) == 0);
}

iconv_t iconv_open(const char *tocode, const char *fromcode)
{
    int code_page = iconv_code_page(fromcode);
    if (code_page == 54936 && !IsValidCodePage(54936))
        code_page = 936; /* Wine has no GB18030; GBK is the part of it that real files use */
    struct converter c = {.code_page = code_page};
    switch (code_page) {
    case ICONV_UTF16: c.reads_bom = 1; /* fall through */
    case ICONV_UTF16LE: c.utf_width = 2; break;
    case ICONV_UTF16BE: c.utf_width = 2, c.big_endian = 1; break;
    case ICONV_UTF32: c.reads_bom = 1; /* fall through */
    case ICONV_UTF32LE: c.utf_width = 4; break;
    case ICONV_UTF32BE: c.utf_width = 4, c.big_endian = 1; break;
    default: {
        CPINFO info;
        if (code_page <= 0 || code_page > 65535 || !IsValidCodePage(code_page) ||
            !GetCPInfo(code_page, &info) ||
            (info.MaxCharSize > 2 && code_page != 54936 && code_page != CP_UTF8)) {
            errno = EINVAL;
            return (iconv_t)-1;
        }
        c.double_byte = info.MaxCharSize == 2;
    }
    }
    if (!to_utf8(tocode)) {
        errno = EINVAL;
        return (iconv_t)-1;
    }
    struct converter *out = malloc(sizeof c);
    if (!out) {
        errno = ENOMEM;
        return (iconv_t)-1;
    }
    *out = c;
    return out;
}

int iconv_close(iconv_t cd)
{
    free(cd);
    return 0;
}

static unsigned long unit(const struct converter *c, const unsigned char *p)
{
    unsigned long value = 0;
    for (int i = 0; i < c->utf_width; i++)
        value |= (unsigned long)p[i] << 8 * (c->big_endian ? c->utf_width - 1 - i : i);
    return value;
}

/* The length of the character at p, or 0 when it does not end within the n bytes left. */
static size_t char_length(const struct converter *c, const unsigned char *p, size_t n)
{
    size_t length = 1;
    if (c->utf_width == 2) {
        length = n >= 2 && unit(c, p) >= 0xD800 && unit(c, p) < 0xDC00 ? 4 : 2;
    } else if (c->utf_width == 4) {
        length = 4;
    } else if (c->code_page == CP_UTF8) {
        length = p[0] >= 0xF0 && p[0] < 0xF5 ? 4 : p[0] >= 0xE0 ? 3 : p[0] >= 0xC2 ? 2 : 1;
        for (size_t i = 1; i < length && i < n; i++)
            if ((p[i] & 0xC0) != 0x80)
                return i; /* a broken sequence: Windows makes U+FFFD of it */
    } else if (c->code_page == 54936) {
        if (p[0] >= 0x81 && p[0] < 0xFF)
            length = n >= 2 && p[1] >= 0x30 && p[1] <= 0x39 ? 4 : 2;
    } else if (c->double_byte) {
        length = IsDBCSLeadByteEx(c->code_page, p[0]) ? 2 : 1;
    }
    return length <= n ? length : 0;
}

/* Decodes n bytes of whole characters into wide; returns the number of UTF-16 units. */
static int decode(const struct converter *c, const unsigned char *p, size_t n, WCHAR *wide)
{
    if (!c->utf_width)
        return MultiByteToWideChar(c->code_page, 0, (const char *)p, (int)n, wide, (int)n);
    int count = 0;
    for (size_t i = 0; i < n; i += c->utf_width) {
        unsigned long value = unit(c, p + i);
        if (value > 0x10FFFF || (c->utf_width == 4 && value >= 0xD800 && value < 0xE000))
            value = 0xFFFD;
        if (value >= 0x10000) {
            wide[count++] = (WCHAR)(0xD800 + ((value - 0x10000) >> 10));
            value = 0xDC00 + (value & 0x3FF);
        }
        wide[count++] = (WCHAR)value; /* a lone surrogate becomes U+FFFD in UTF-8 */
    }
    return count;
}

size_t iconv(iconv_t cd, char **inbuf, size_t *inbytesleft, char **outbuf, size_t *outbytesleft)
{
    struct converter *c = cd;
    if (!inbuf || !*inbuf) { /* back to the initial state; nothing is ever held back */
        c->bom_seen = 0;
        return 0;
    }
    const unsigned char *in = (const unsigned char *)*inbuf;
    size_t left = *inbytesleft;
    if (c->reads_bom && !c->bom_seen && left >= (size_t)c->utf_width) {
        c->bom_seen = 1;
        c->big_endian = 1;
        const int big = unit(c, in) == 0xFEFF;
        c->big_endian = 0;
        if (big || unit(c, in) == 0xFEFF) {
            c->big_endian = big;
            in += c->utf_width, left -= c->utf_width;
        }
    }
    WCHAR wide[kChunkBytes];
    size_t most = kChunkBytes; /* bytes of input a piece may take; 1 character once out is short */
    int result = 0;
    while (left > 0) {
        size_t piece = 0, length;
        while (piece < left && (length = char_length(c, in + piece, left - piece)) != 0 &&
               piece + length <= most)
            piece += length;
        if (piece == 0) {
            if (char_length(c, in, left) == 0) {
                errno = EINVAL; /* the input ends inside a character */
                result = -1;
                break;
            }
            piece = char_length(c, in, left); /* one character longer than most */
        }
        const int units = decode(c, in, piece, wide);
        const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, units, NULL, 0, NULL, NULL);
        if ((size_t)bytes > *outbytesleft) {
            if (most > 1) {
                most = 1;
                continue;
            }
            errno = E2BIG;
            result = -1;
            break;
        }
        WideCharToMultiByte(CP_UTF8, 0, wide, units, *outbuf, bytes, NULL, NULL);
        *outbuf += bytes, *outbytesleft -= bytes;
        in += piece, left -= piece;
    }
    *inbuf = (char *)in;
    *inbytesleft = left;
    return result == 0 ? 0 : (size_t)-1;
}
