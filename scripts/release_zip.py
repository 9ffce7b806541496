#!/usr/bin/env python3
"""Writes one release zip: Quorvin.exe and the Japanese guide for end users.

    release_zip.py <Quorvin.exe> <guide source> <Product.h> <version> <epoch> <out.zip>

The same inputs give the same bytes: the entries are written in a fixed order, all with the
time given as seconds since 1970 (the commit's) in Japan Standard Time, and nothing of the
machine, the user or the folders goes into the archive.
"""
import re
import struct
import sys
import time
import zlib

# The guide's name as users see it in the zip.
GUIDE_NAME = 'はじめにお読みください.txt'


def guide_bytes(source_path, header_path, version):
    """The guide as Notepad on Japanese Windows reads it: Shift-JIS (code page 932), CRLF."""
    with open(header_path, encoding='utf-8') as f:
        url = re.search(r'^#define QUORVIN_INQUIRY_URL "([^"]+)"', f.read(), re.M).group(1)
    with open(source_path, encoding='utf-8') as f:
        text = f.read()
    text = text.replace('@QUORVIN_VERSION@', version).replace('@QUORVIN_INQUIRY_URL@', url)
    left = re.search(r'@QUORVIN_\w+@', text)
    if left:
        raise SystemExit(f'{source_path}: nothing fills {left.group(0)}')
    # Strict: a character without a code-page-932 form stops the release.
    return text.replace('\r\n', '\n').replace('\n', '\r\n').encode('cp932')


# Zip tools and Explorer show an entry's DOS time as local time: it is written in the time of
# the people who download the release, Japan Standard Time (UTC+9, no daylight saving time),
# whatever the zone of the machine that builds it or of the commit.
JST_OFFSET = 9 * 3600


def dos_time(epoch):
    t = time.gmtime(max(epoch + JST_OFFSET, 315532800))  # a zip holds no time before 1980
    return ((t.tm_hour << 11) | (t.tm_min << 5) | (t.tm_sec // 2),
            ((t.tm_year - 1980) << 9) | (t.tm_mon << 5) | t.tm_mday)


def entry_name(name):
    """The name's bytes and extra field.

    The name is stored in code page 932 without the UTF-8 flag: Windows 7's built-in zip
    folders ignore the flag and decode every name in the OEM code page, 932 on Japanese
    Windows, and later Windows does the same for a name without the flag, so the name reads
    right on Japanese Windows 7 to 11. The Info-ZIP Unicode Path field carries the name in
    UTF-8 as well, for tools that read it (7-Zip, Info-ZIP unzip) on other systems.
    """
    raw = name.encode('cp932')
    if name.isascii():
        return raw, b''
    utf8 = name.encode('utf-8')
    unicode_path = struct.pack('<BI', 1, zlib.crc32(raw)) + utf8
    return raw, struct.pack('<HH', 0x7075, len(unicode_path)) + unicode_path


def write_zip(path, entries, epoch):
    mtime, mdate = dos_time(epoch)
    out = bytearray()
    central = bytearray()
    for name, data in entries:
        raw, extra = entry_name(name)
        packer = zlib.compressobj(9, zlib.DEFLATED, -15)
        packed = packer.compress(data) + packer.flush()
        crc = zlib.crc32(data)
        # Version 2.0, deflate, no flags; MS-DOS host and no attributes, so that no Unix mode
        # or owner of the build machine goes in.
        common = struct.pack('<HHHHHIIIHH', 20, 0, 8, mtime, mdate, crc, len(packed), len(data),
                             len(raw), len(extra))
        central += (struct.pack('<IH', 0x02014B50, 20) + common +
                    struct.pack('<HHHII', 0, 0, 0, 0, len(out)) + raw + extra)
        out += struct.pack('<I', 0x04034B50) + common + raw + extra + packed
    end = struct.pack('<IHHHHIIH', 0x06054B50, 0, 0, len(entries), len(entries), len(central),
                      len(out), 0)
    with open(path, 'wb') as f:
        f.write(out + central + end)


def main(exe, guide, header, version, epoch, out):
    with open(exe, 'rb') as f:
        program = f.read()
    write_zip(out, [('Quorvin.exe', program), (GUIDE_NAME, guide_bytes(guide, header, version))],
              int(epoch))


if __name__ == '__main__':
    if len(sys.argv) != 7:
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
