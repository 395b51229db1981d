#!/usr/bin/env bash
# Checks that every image the README shows is in the repository, so no reader sees a broken picture.
#   readme_images_test.sh SOURCE_DIR
set -uo pipefail
cd "$1" || exit 1

failures=0
images=$(grep -oE '!\[[^]]*\]\([^) ]+' README.md | sed 's/.*(//'; grep -oE '<img [^>]*src="[^"]+"' README.md | sed 's/.*src="//; s/"$//')
[ -n "$images" ] || { echo "FAIL: the README shows no image"; exit 1; }
while read -r image; do
  if ! git ls-files --error-unmatch -- "$image" >/dev/null 2>&1; then
    echo "FAIL: the README shows $image, which git does not track"
    failures=$((failures + 1))
  fi
done <<<"$images"
exit "$failures"
