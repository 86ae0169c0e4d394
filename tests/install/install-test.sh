#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR under /usr, as a package does, and checks what a
# user gets: the programs find their files under share/veltrano, the menu entries, document types
# and AppStream data pass their validators, and both programs start offscreen.
#   install-test.sh BUILD_FOLDER
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
usr=$stage/usr
data=$usr/share/veltrano

# The programs alone in bin/, everything they read under share/veltrano.
[[ "$(ls "$usr/bin")" == $'TorvaneQuillet\nVeltrano' ]] || fail "bin/ holds: $(ls "$usr/bin" | tr '\n' ' ')"
for file in modules.db "Instruction Manual.pdf" Bedienungsanleitung.pdf \
            Translations/arventa_en.qm Translations/arventa_de.qm \
            Translations/TorvaneQuillet_en.qm Translations/TorvaneQuillet_de.qm \
            Help/TorvaneVurerQuilletHelp_en.html Help/TorvaneVurerQuilletHelp_de.html; do
  [[ -s "$data/$file" ]] || fail "share/veltrano/$file is not installed"
done
# The toolkit's own catalogues belong to the system's package, not to this one.
compgen -G "$data/Translations/qt*" >/dev/null && fail "the toolkit's catalogues are installed as well"

export QT_QPA_PLATFORM=offscreen HOME=$stage/home XDG_RUNTIME_DIR=$stage/runtime
export XDG_CONFIG_HOME=$stage/home/.config XDG_DATA_HOME=$stage/home/.local/share
mkdir -p "$HOME"

# Each program's own account of what it found, through the lookup it uses at run time.
check() {
  local program=$1; shift
  local report
  report=$("$usr/bin/$program" --check-installation) || fail "$program misses files: $report"
  for file in "$@"; do
    grep -qxF "found: $file" <<<"$report" || fail "$program does not look for $file: $report"
  done
}
check Veltrano "$data/Translations/arventa_de.qm" "$data/Instruction Manual.pdf" \
  "$data/Bedienungsanleitung.pdf" "$data/modules.db" "$usr/bin/TorvaneQuillet"
check TorvaneQuillet "$data/Translations/TorvaneQuillet_de.qm" "$data/Help/TorvaneVurerQuilletHelp_de.html"

# Menu entries, document types, AppStream data.
applications=$usr/share/applications
for entry in example.torvane.Veltrano example.torvane.TorvaneQuillet; do
  desktop-file-validate "$applications/$entry.desktop" || fail "$entry.desktop does not validate"
  for size in 16x16 48x48 256x256; do
    [[ -s "$usr/share/icons/hicolor/$size/apps/$entry.png" ]] || fail "no $size icon for $entry"
  done
done
grep -qx 'Exec=Veltrano %f' "$applications/example.torvane.Veltrano.desktop" \
  || fail "Veltrano's menu entry does not hand it the file"
appstreamcli validate --no-net --explain "$usr/share/metainfo/example.torvane.Veltrano.metainfo.xml" \
  || fail "the AppStream metainfo does not validate"

mime=$stage/data/mime
mkdir -p "$mime/packages"
cp "$usr/share/mime/packages/veltrano.xml" "$mime/packages/"
errors=$(XDG_DATA_DIRS=$stage/data update-mime-database "$mime" 2>&1) || fail "update-mime-database refuses the types: $errors"
[[ -z "$errors" ]] || fail "update-mime-database complains: $errors"
declare -A globs=(
  [arvir]=inspection-report [arvatr]=array-test-report [arvvc]=verification-certificate
  [arvchk]=checklist [arvreport]=report [pak]=report-template [arvcrv]=curve-data
  [arvid]=installation-diagram)
for extension in "${!globs[@]}"; do
  type=application/x-veltrano-${globs[$extension]}
  grep -q ":$type:\*\.$extension\$" "$mime/globs2" || fail "*.$extension is not $type"
  grep -q "MimeType=.*$type;" "$applications/example.torvane.Veltrano.desktop" \
    || fail "Veltrano does not open $type"
  [[ -s "$usr/share/icons/hicolor/32x32/mimetypes/${type/\//-}.png" ]] || fail "no icon for $type"
  grep -q "^$type:${type/\//-}\$" "$mime/icons" || fail "$type names no icon"
done
grep -q "^application/x-veltrano-curve-data application/vnd.sqlite3\$" "$mime/subclasses" \
  || fail "curve data is not known as SQLite"

# Both programs start from the installation and keep running until they are closed.
mkdir -p "$XDG_CONFIG_HOME/Torvane"
printf '[General]\nlocale=de_DE\n\n[Welcome]\nshow=false\n' >"$XDG_CONFIG_HOME/Torvane/Veltrano.conf"
pids=()
for program in Veltrano TorvaneQuillet; do
  "$usr/bin/$program" >"$stage/$program.log" 2>&1 &
  pids+=($!)
done
sleep 5
for index in 0 1; do
  program=$([[ $index -eq 0 ]] && echo Veltrano || echo TorvaneQuillet)
  if kill -0 "${pids[$index]}" 2>/dev/null; then
    kill "${pids[$index]}"
  else
    fail "$program ended at start: $(cat "$stage/$program.log")"
  fi
  wait "${pids[$index]}" 2>/dev/null || true
done

[[ $failures -eq 0 ]] || { echo "$failures check(s) failed"; exit 1; }
