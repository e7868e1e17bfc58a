#!/usr/bin/env bash
# Builds the Debian package from a copy of the source, has lintian check it,
# installs it with apt, runs the installed program, then purges it and checks
# that nothing of it is left on the system.
# Run as: check_debian_package.sh SOURCE WORK VERSION
# WORK (in the build tree) receives the copy, the package and the logs; the
# source itself is left as it was. VERSION is the one the program shows.
# Reports itself skipped (77) without root or dpkg-buildpackage.
set -euo pipefail
source_dir=$(cd "$1" && pwd -P)
work=$(mkdir -p "$2" && cd "$2" && pwd -P)
version=$3
started=$SECONDS

skip() {
  echo "SKIPPED: $1"
  exit 77
}
fail() {
  echo "FAILED: $1"
  exit 1
}
[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
command -v dpkg-buildpackage >/dev/null || skip "dpkg-buildpackage is missing"
for tool in dh lintian apt-get; do
  command -v "$tool" >/dev/null || fail "$tool is missing: scripts/setup installs it"
done
if dpkg-query -W -f='${Status}' quillane 2>/dev/null | grep -q 'ok installed'; then
  skip "quillane is installed on this machine already; this test would remove it"
fi

# A copy of what git would commit (tracked and new files, not what is
# ignored), or without git everything but version control and build trees.
# Always the same folder, so a compiler cache finds its earlier results.
tree="$work/quillane"
rm -rf "$tree" "$work"/quillane[_-]*.* "$work"/*.log
mkdir -p "$tree"
if [ "$(git -C "$source_dir" rev-parse --show-toplevel 2>/dev/null)" = "$source_dir" ]; then
  git -C "$source_dir" ls-files -z --cached --others --exclude-standard |
    tar -C "$source_dir" --null --files-from=- --ignore-failed-read -cf - | tar -C "$tree" -xf -
else
  tar -C "$source_dir" --exclude=./.git --exclude='./build*' --exclude='./obj-*' -cf - . | tar -C "$tree" -xf -
fi

options=${DEB_BUILD_OPTIONS:-}
[[ " $options " == *" parallel="* ]] || options="${options:+$options }parallel=$(nproc)"
# debhelper gives the build a HOME of its own inside the tree, so the
# compiler cache is named here, or each build would start an empty one.
if [ -z "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ] && command -v ccache >/dev/null; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache
  CCACHE_DIR=${CCACHE_DIR:-$(ccache -k cache_dir)}
  export CCACHE_DIR
fi
echo "dpkg-buildpackage -b -us -uc (DEB_BUILD_OPTIONS=$options), log in $work/build.log"
if ! (cd "$tree" && DEB_BUILD_OPTIONS="$options" dpkg-buildpackage -b -us -uc) >"$work/build.log" 2>&1; then
  tail -n 40 "$work/build.log"
  fail "the package did not build"
fi
echo "built in $((SECONDS - started)) s"

shopt -s nullglob
debs=("$work"/quillane_*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one quillane_*.deb in $work, found ${#debs[@]}"
deb=${debs[0]}
packaged=$(dpkg-deb -f "$deb" Version)
[ "$packaged" = "$version" ] || fail "the package has version $packaged, the program $version (debian/changelog)"

checked=("$deb" "$work"/quillane_*.changes "$work"/quillane_*.buildinfo)
echo "lintian --fail-on error,warning ${checked[*]##*/}:"
lintian_status=0
lintian --fail-on error,warning "${checked[@]}" || lintian_status=$?
[ "$lintian_status" -eq 0 ] || fail "lintian found errors or warnings (status $lintian_status)"
echo "lintian: no errors, no warnings"

installed=0
purge_on_exit() {
  [ "$installed" -eq 1 ] && DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq quillane >/dev/null 2>&1
  return 0
}
trap purge_on_exit EXIT
installed=1
if ! DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$deb" >"$work/install.log" 2>&1; then
  cat "$work/install.log"
  fail "apt-get could not install $deb"
fi
status=$(dpkg-query -W -f='${Status} ${Version}' quillane)
[ "$status" = "install ok installed $version" ] || fail "after installing, dpkg says: $status"

files=$(dpkg -L quillane)
shown=$(/usr/bin/quillane --version) || fail "quillane --version failed"
echo "quillane --version: $shown"
[ "${shown##* }" = "$version" ] || fail "the installed program shows '$shown', not version $version"

if ! DEBIAN_FRONTEND=noninteractive apt-get purge -y quillane >"$work/purge.log" 2>&1; then
  cat "$work/purge.log"
  fail "apt-get could not purge quillane"
fi
installed=0
if dpkg -s quillane >/dev/null 2>&1; then
  fail "dpkg still knows quillane after the purge: $(dpkg-query -W -f='${Status}' quillane)"
fi

# Every file of the package is gone; a folder may stay only when another
# package owns it or something else lives in it.
left=()
while IFS= read -r path; do
  [ "$path" = "/." ] && continue
  if [ -d "$path" ] && [ ! -L "$path" ]; then
    dpkg-query -S "$path" >/dev/null 2>&1 || [ -n "$(ls -A "$path")" ] || left+=("$path")
  elif [ -e "$path" ] || [ -L "$path" ]; then
    left+=("$path")
  fi
done <<<"$files"
if [ ${#left[@]} -gt 0 ]; then
  printf '  %s\n' "${left[@]}"
  fail "${#left[@]} paths of the package are left after the purge"
fi

rm -rf "$tree"
echo "built, checked, installed, run and purged in $((SECONDS - started)) s; the package stays at $deb"
