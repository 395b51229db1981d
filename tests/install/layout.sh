# Checks shared by the install and package tests: check_layout PREFIX SOURCE checks an installed tree.
# Each check prints what is wrong and counts it in $failures; the caller exits with the count.

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# The width and height in a PNG's header, as "W H".
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'
}

check_layout() {
  local prefix=$1 source=$2
  local program_dir=$prefix/lib/moxel

  # The program finds its sounds and Readme.txt beside itself, so all of them share one folder.
  [ -x "$program_dir/moxel" ] || fail "no program in $program_dir"
  local sound
  for sound in chma chma00 chma01 chma02 chma03 chma04 chma05 chma06 chma07 chma08 chma09 chma10 chma11; do
    [ -s "$program_dir/$sound.wav" ] || fail "no $sound.wav beside the program"
  done
  cmp -s "$program_dir/Readme.txt" "$source/assets/Readme.txt" || fail "Readme.txt beside the program differs"
  [ -x "$prefix/bin/moxel" ] || fail "no launcher in $prefix/bin"
  [ -x "$program_dir/moxel-board" ] || fail "no moxel-board beside the program"
  [ -x "$prefix/bin/moxel-board" ] || fail "no moxel-board launcher in $prefix/bin"

  local desktop=$prefix/share/applications/moxel.desktop
  desktop-file-validate "$desktop" || fail "desktop entry does not validate"
  grep -qx 'Exec=moxel %F' "$desktop" || fail "desktop entry does not start the launcher with the files"
  local icon type
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  type=$(sed -n 's/^MimeType=\(.*\);$/\1/p' "$desktop")

  # The file type as the desktop sees it once its database is rebuilt from our package file.
  local data
  data=$(mktemp -d)
  cp -r "$prefix/share/mime" "$data/mime"
  if XDG_DATA_DIRS=$data update-mime-database "$data/mime"; then
    grep -q "^[0-9]*:$type:\*\.qvx$" "$data/mime/globs2" || fail "no *.qvx glob for $type"
    grep -qx "$type:$icon" "$data/mime/icons" || fail "$type does not show the icon $icon"
  else
    fail "the file type does not load"
  fi
  rm -rf "$data"

  local size count=0
  for size in 16 22 24 32 48 64 128 256; do
    local png=$prefix/share/icons/hicolor/${size}x$size/apps/$icon.png
    if [ -f "$png" ]; then
      [ "$(png_size "$png")" = "$size $size" ] || fail "$png is $(png_size "$png"), not $size × $size"
      count=$((count + 1))
    fi
  done
  [ "$count" -eq 8 ] || fail "$count of 8 icon sizes installed"

  # Manual pages for both programs on the PATH, which man reads without a warning.
  local page warnings
  for page in moxel moxel-board; do
    [ -x "$prefix/bin/$page" ] || fail "no $page on the PATH for its manual page"
    if [ -f "$prefix/share/man/man1/$page.1.gz" ]; then
      warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
      [ -z "$warnings" ] || fail "man warns about $page(1): $warnings"
    else
      fail "no manual page $page(1)"
    fi
  done

  local metainfo=$prefix/share/metainfo/org.example.moxel.metainfo.xml
  appstreamcli validate --no-net "$metainfo" >/dev/null || fail "the software-centre metadata does not validate"
  grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" ||
    fail "the software-centre metadata does not launch the desktop entry"
  grep -q "<mediatype>$type</mediatype>" "$metainfo" || fail "the software-centre metadata does not provide $type"

  [ -f "$prefix/share/doc/moxel/copyright" ] || fail "no copyright file"
}
