#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks it as a desktop program:
#   tests/install_test.sh <build-dir> <source-dir>
# The executable, every texture and the translations sit together in
# lib/solar-system;
# bin/solar-system is a relative link that starts it, and the program then
# reads its textures from that folder; the desktop entry, the theme icons and
# the AppStream metadata share one id and pass their validators.
# Starting the program needs a display (DISPLAY).
set -euo pipefail

build="$1"
source="$2"
work="$(mktemp -d)"
prefix="$work/prefix"
program="$prefix/lib/solar-system"
watcher=""
started=""
cleanup() {
  if [ -n "$started" ]; then kill "$started" 2>/dev/null || true; fi
  if [ -n "$watcher" ]; then kill "$watcher" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "install_test: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

# --- layout ---
# The texture names as the build lists them, in tools/CMakeLists.txt.
# The program reads the textures at start, the moons' maps when it first shows them.
names_of() {
  sed -n "/^set($1/,/)/p" "$source/tools/CMakeLists.txt" | grep -o '[[:alnum:]_]*\.bmp' | sort
}
textures="$(names_of solar_texture_files)"
[ -n "$textures" ] || fail "no texture names in $source/tools/CMakeLists.txt"
installed="$(find "$program" -maxdepth 1 -name '*.bmp' -printf '%f\n' | sort)"
[ "$installed" = "$(printf '%s\n%s\n' "$textures" "$(names_of solar_moon_map_files)" | sort)" ] || fail "textures in $program differ from the build's: $(tr '\n' ' ' <<<"$installed")"
[[ -f "$program/solar-system" && -x "$program/solar-system" ]] || fail "no executable in $program"
# The English translation, where the program looks for it.
file -b "$program/translations/solar-system_en.qm" | grep -q '^Qt Translation' ||
  fail "no English translation in $program/translations"

command="$prefix/bin/solar-system"
[ -L "$command" ] || fail "$command is not a symbolic link"
case "$(readlink "$command")" in
  /*) fail "$command points to an absolute path" ;;
esac
[ "$(readlink -f "$command")" = "$(readlink -f "$program/solar-system")" ] ||
  fail "$command does not lead to $program/solar-system"

# --- desktop entry, icons, metadata ---
entries=("$prefix"/share/applications/*.desktop)
[[ ${#entries[@]} -eq 1 && -f "${entries[0]}" ]] || fail "expected one desktop entry"
entry="${entries[0]}"
id="$(basename "$entry" .desktop)"
grep -qx 'Exec=solar-system' "$entry" || fail "$entry does not run solar-system"
grep -qx "Icon=$id" "$entry" || fail "$entry does not name the icon $id"
for size in 16 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
  file -b "$icon" | grep -q "^PNG image data, $size x $size," || fail "$icon is not a $size x $size PNG"
done
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
[ -f "$metainfo" ] || fail "no metadata $metainfo"

# Desktop search finds the program in Italian and in English.
for keyword in "sistema solare" pianeti "solar system" planets astronomy; do
  grep -q "^Keywords=.*$keyword;" "$entry" || fail "$entry lacks the keyword $keyword"
  grep -q "<keyword[^>]*>$keyword</keyword>" "$metainfo" || fail "$metainfo lacks the keyword $keyword"
done
for element in "<launchable type=\"desktop-id\">$id.desktop</launchable>" '<binary>solar-system</binary>' \
  '<content_rating type="oars-1.1"'; do
  grep -qF "$element" "$metainfo" || fail "$metainfo lacks $element"
done

report="$(desktop-file-validate "$entry" 2>&1)" || fail "desktop-file-validate: $report"
if grep -E '(error|warning):' <<<"$report"; then fail "desktop-file-validate complains"; fi
report="$(appstreamcli validate --no-net --no-color "$metainfo" 2>&1)" || fail "appstreamcli: $report"

# --- start through the command, as the desktop entry does ---
[ -n "${DISPLAY:-}" ] || fail "needs a display: set DISPLAY"
# Record which files of the program folder are read while it starts.
inotifywait -m -e close_nowrite --format '%f' "$program" >"$work/opened" 2>"$work/watching" &
watcher=$!
for _ in $(seq 50); do
  grep -q 'Watches established' "$work/watching" && break
  sleep 0.1
done
grep -q 'Watches established' "$work/watching" || fail "inotifywait: $(cat "$work/watching")"

(cd / && PATH="$prefix/bin:$PATH" exec solar-system) &
started=$!
# Wait (a minute at most: a sanitized build starts slowly) until every texture
# has been read, as the watcher reports it, or the program has ended.
opened=""
for _ in $(seq 600); do
  opened="$(grep '\.bmp$' "$work/opened" | sort -u || true)"
  [ "$opened" = "$textures" ] && break
  kill -0 "$started" 2>/dev/null || break
  sleep 0.1
done
[ "$opened" = "$textures" ] || fail "the program read only these textures from $program: $(tr '\n' ' ' <<<"$opened")"
# Having read them all, it runs on: a start that fails ends at once.
sleep 1
kill -0 "$started" 2>/dev/null || fail "solar-system ended instead of running"
kill "$started"
status=0
wait "$started" || status=$?
started=""
# 143: ended by the signal this script sent.
[ "$status" -eq 143 ] || fail "solar-system ended with status $status when stopped"

echo "install_test: installed, validated and started"
