#!/usr/bin/env bash
# The Debian package builds, lists what a user expects, and runs from an unpacked tree: korvel writes
# the demo and renders every demo scene, and the desktop launcher starts the viewer.
# Usage: package_test.sh BUILD_DIR CPACK
set -euo pipefail
build_dir=$1
cpack=$2

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

"$cpack" -G DEB --config "$build_dir/CPackConfig.cmake" -B "$tmp/out" > "$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log"; fail "cpack could not build the package"; }
deb=$(ls "$tmp"/out/korvel-view_*.deb)

dpkg-deb -c "$deb" | awk '{print $6}' > "$tmp/listing"
for path in ./usr/bin/korvel ./usr/bin/korvel-view ./usr/bin/korvel-view-demo \
    ./usr/share/applications/korvel-view.desktop ./usr/share/icons/hicolor/scalable/apps/korvel-view.svg \
    ./usr/share/doc/korvel-view/help.html; do
  grep -qx -- "$path" "$tmp/listing" || fail "the package lacks $path"
done
if grep -v -e '^\./usr/bin/' -e '^\./usr/share/' -e '^\./$' -e '^\./usr/$' "$tmp/listing"; then
  fail "the package installs outside /usr/bin and /usr/share (above)"
fi
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libqt6widgets6 qt6-qpa-plugins; do
  [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done

tree=$tmp/tree
dpkg -x "$deb" "$tree"
bin=$tree/usr/bin
"$bin/korvel" --help > /dev/null
"$bin/korvel" demo "$tmp/demo" > /dev/null
cmp "$tmp/demo/help.html" "$tree/usr/share/doc/korvel-view/help.html"

# Each scene of the demo, by the keys a user presses; a blank frame compresses to a few kilobytes.
check_png() {
  [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "$1 is no PNG"
  [ "$(od -An -tx1 -j16 -N8 "$1" | tr -d ' \n')" = "00000280000001e0" ] || fail "$1 is not 640 x 480"
  [ "$(stat -c %s "$1")" -gt 50000 ] || fail "$1 is (nearly) blank"
}
printf 'idle 30\nshot 10.png\nkey NUM1\nidle 30\nshot 11.png\nkey F2\nidle 30\nshot 20.png\nkey F3\nidle 30\n' \
  > "$tmp/scenes.txt"
(cd "$tmp" && "$bin/korvel" render --root demo --script scenes.txt --out 30.png)
for scene in 10 11 20 30; do check_png "$tmp/$scene.png"; done
cmp -s "$tmp/10.png" "$tmp/20.png" && fail "scene 20 shows the same picture as scene 10"
"$bin/korvel" check --root "$tmp/demo" 10 11 20 30 || fail "korvel check finds problems in the demo"

# The launcher writes the demo into the user's data folder and keeps the viewer running.
if [ -x "$bin/korvel-view" ]; then
  status=0
  XDG_DATA_HOME=$tmp/data QT_QPA_PLATFORM=offscreen timeout 5 "$bin/korvel-view-demo" > "$tmp/view.log" 2>&1 || status=$?
  [ "$status" -eq 124 ] || { cat "$tmp/view.log"; fail "korvel-view-demo ended with $status instead of running"; }
  [ -f "$tmp/data/korvel-view/demo/dir10/model.x" ] || fail "korvel-view-demo wrote no demo"
fi
echo "package $(basename "$deb") builds, installs and renders"
