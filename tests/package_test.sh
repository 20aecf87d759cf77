#!/usr/bin/env bash
# Builds the Debian package of a build and checks it as Debian does:
#   tests/package_test.sh <build-dir>
# lintian, pedantic tags and experimental ones included, prints nothing; the
# manual page renders at 80 columns without a warning; the executable carries
# no symbols and no run path.
set -euo pipefail

build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fail() {
  echo "package_test: $*" >&2
  exit 1
}

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
  fail "cpack: $(cat "$work/cpack.log")"
packages=("$work"/*.deb)
[[ ${#packages[@]} -eq 1 && -f "${packages[0]}" ]] || fail "expected one package in $work"
package="${packages[0]}"

report="$(lintian --pedantic --display-experimental --info --fail-on error,warning,info,pedantic,experimental \
  "$package" 2>&1 | grep -v '^running with root privileges is not recommended!$' || true)"
[ -z "$report" ] || fail "lintian: $report"

dpkg-deb -x "$package" "$work/root"
page="$work/root/usr/share/man/man6/solar-system.6.gz"
[ -f "$page" ] || fail "no manual page at usr/share/man/man6/solar-system.6.gz"
warnings="$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)"
[ -z "$warnings" ] || fail "man: $warnings"
MANWIDTH=80 man -l "$page" 2>/dev/null | grep -q -- '--max-fps' || fail "the manual page does not render its options"

program="$work/root/usr/lib/solar-system/solar-system"
file -b "$program" | grep -q ', stripped' || fail "$program is not stripped"
if readelf -d "$program" | grep -E '\((RPATH|RUNPATH)\)'; then fail "$program carries a run path"; fi

echo "package_test: lintian clean, manual page renders, executable stripped"
