#!/usr/bin/env bash
# Checks the release zip made from this tree's Quorvin.exe: the same bytes when made again
# from another folder, every entry's time in Japan Standard Time, the guide's name in code page
# 932, its text Shift-JIS with CRLF line ends and the maker's inquiry page in it.
#   check-release-zip.sh <Quorvin.exe> <source folder>
set -euo pipefail
exe=$1 source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for folder in one another-folder; do
  mkdir -p "$work/$folder"
  cp "$exe" "$work/$folder/Quorvin.exe"
  (cd "$work/$folder" && /usr/bin/python3 "$source/scripts/release_zip.py" Quorvin.exe \
    "$source/docs/guide.ja.txt" "$source/resources/Product.h" 9.8.7.6 1767225600 release.zip)
done
cmp "$work/one/release.zip" "$work/another-folder/release.zip" && echo "ok: made alike twice"
/usr/bin/python3 - "$work/one/release.zip" "$exe" "$source/resources/Product.h" <<'PY'
import re, sys, zipfile
archive, exe, header = sys.argv[1:]
url = re.search(r'QUORVIN_INQUIRY_URL "([^"]+)"', open(header, encoding='utf-8').read()).group(1)
z = zipfile.ZipFile(archive)
assert z.testzip() is None
# Python decodes a name without the UTF-8 flag as code page 437: undo that to get the bytes.
names = [i.filename.encode('cp437').decode('cp932') for i in z.infolist()]
assert names == ['Quorvin.exe', 'はじめにお読みください.txt'], names
# 2026-01-01 00:00 UTC is 09:00 in Japan Standard Time.
assert all(i.flag_bits == 0 and i.date_time == (2026, 1, 1, 9, 0, 0) for i in z.infolist())
assert z.read(z.infolist()[0]) == open(exe, 'rb').read()
guide = z.read(z.infolist()[1])
assert b'\n' not in guide.replace(b'\r\n', b''), 'a line end without CR'
text = guide.decode('cp932')
assert url in text and 'Quorvin 9.8.7.6 をお使いになる前に' in text, text[:200]
print('ok: names, time stamps, the program and the guide')
PY
