#!/usr/bin/env bash
# Makes the download for Windows users: build/Acordina-<version>-win32.zip, holding the release
# Acordina.exe, the sample sounds and LEIA-ME.txt. The readme is kept in the repository as
# UTF-8 with LF line ends and becomes Windows-1252 with CR LF here, as Notepad expects.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >&2

cmake --preset windows >/dev/null
cmake --build --preset windows -j 2 --target Acordina >/dev/null

version=$(sed -n 's/^project(Acordina VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
zip=$PWD/build/Acordina-$version-win32.zip
stage=build/package
rm -rf "$stage" "$zip"
mkdir -p "$stage"
cp build/windows/Acordina.exe resources/sounds/*.wav "$stage/"
iconv -f UTF-8 -t WINDOWS-1252 docs/LEIA-ME.txt | sed 's/$/\r/' >"$stage/LEIA-ME.txt"
(cd "$stage" && zip -q -X "$zip" Acordina.exe LEIA-ME.txt ./*.wav)
echo "$zip"
