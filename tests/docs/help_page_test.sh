#!/usr/bin/env bash
# The help page that korvel demo writes is the page kept in docs/, refers to nothing outside itself,
# and opens in a real browser (headless Chromium) with every section of the guide and its Japanese
# texts intact.
# Usage: help_page_test.sh KORVEL SOURCE_DIR
set -euo pipefail
korvel=$1
source_dir=$2

browser=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$browser" ]; then
  echo "SKIPPED: chromium is not installed here (scripts/install-deps.sh installs it, CI has it)"
  exit 77
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$korvel" demo "$tmp/demo" > /dev/null
page=$tmp/demo/help.html
cmp "$page" "$source_dir/docs/help.html"

if grep -Eino "(src|href)=[\"']?(https?:)?//|url\([\"']?(https?:)?//|@import|<script|<iframe" "$page"; then
  echo "FAIL: the page loads something from outside itself (above)"
  exit 1
fi

args=(--headless --disable-gpu --disable-dev-shm-usage --no-first-run --user-data-dir="$tmp/profile"
      --dump-dom "file://$page")
if [ "$(id -u)" -eq 0 ]; then args=(--no-sandbox "${args[@]}"); fi
if ! timeout 120 "$browser" "${args[@]}" > "$tmp/dom.html" 2> "$tmp/browser.log"; then
  cat "$tmp/browser.log"
  echo "FAIL: chromium could not load the page"
  exit 1
fi

failed=0
expect() {
  if ! grep -q -- "$1" "$tmp/dom.html"; then
    echo "FAIL: the page as the browser shows it lacks: $1"
    failed=1
  fi
}
expect "<title>Korvel View - Help</title>"
for heading in "Korvel View" "Contents" "Starting" "The mouse" "Keys" "Menus" \
    "Debug view and the environment editor" "Scene folders" "File formats" "Making key shapes" \
    "Checking a scene" "The headless tool"; do
  expect "<h[12][^>]*>$heading"
done
expect "ファイル ... は開けません"
exit $failed
