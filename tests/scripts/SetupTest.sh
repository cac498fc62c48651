#!/usr/bin/env bash
# The set-up's choice of packages and build on a bad mirror, with apt-get, dpkg, dpkg-query and
# sudo replaced by stubs over a pretend machine in $STUB: nothing installed, and i386 added by an
# earlier set-up where no 32-bit program runs. FAIL is what the mirror fails: update, wine32 (an
# install asking for it, which also needs i386) or all (every install).
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
stub="$(mktemp -d)"
trap 'rm -rf "$stub"' EXIT
mkdir "$stub/bin"
printf '#!/bin/sh\nexec "$@"\n' >"$stub/bin/sudo"
printf '%s\n' '#!/bin/sh' 'case $1 in --print-f*) cat $STUB/foreign ;;' \
    '--add-a*) echo $2 >>$STUB/foreign ;; --remove-a*) sed -i /^$2\$/d $STUB/foreign ;; esac' \
    >"$stub/bin/dpkg"
printf '%s\n' '#!/bin/sh' \
    '[ $# = 2 ] && exec sed "s/.*:i386$/i386/; t; s/.*/amd64/" $STUB/installed' \
    'grep -qxF "$3" $STUB/installed && printf "ii "' >"$stub/bin/dpkg-query"
cat >"$stub/bin/apt-get" <<'SH'
#!/usr/bin/env bash
echo "apt-get $*" >>"$STUB/log"
[ "$1" != update ] || { [ "$FAIL" != update ]; exit; }
packages=$(printf '%s\n' "${@:2}" | grep -v '^-')
[ "$FAIL" != all ] || exit 100
if grep -qx wine32:i386 <<<"$packages"; then
    [ "$FAIL" != wine32 ] && grep -qx i386 "$STUB/foreign" || exit 100
fi
echo "$packages" >>"$STUB/installed"
SH
chmod +x "$stub/bin/"*

# setup.sh's package step, 32-bit programs running if $support is yes; its status, then its build.
setup() {
    (
        set -euo pipefail
        export PATH="$stub/bin:$PATH" QUILLOW_APT_RETRY_DELAY=0 QUILLOW_BUILD_DIR="$STUB"
        unset QUILLOW_WIN_ARCH QUILLOW_SETUP_BUILD_ONLY
        source "$root/scripts/setup-packages.sh"
        quillow_runs_32bit() { [ "$support" = yes ]; }
        quillow_setup_packages
        echo "build $QUILLOW_WIN_ARCH"
    ) </dev/null >"$STUB/out" 2>&1
    echo "$? $(sed -n 's/^build //p' "$STUB/out" | grep . || echo -)"
}
answer() { "$@" && echo yes || echo no; }

passed=0 failures=0
# FAIL 32-bit | status, build, i386 left, update tries, wine32 asked, apt again | what it says
while IFS='|' read -r machine want says; do
    read -r FAIL support <<<"$machine" && read -ra want <<<"$want"
    export FAIL STUB="$stub/$FAIL-$support"
    mkdir "$STUB" && : >"$STUB/installed" && : >"$STUB/foreign"
    [ "$support" = yes ] || echo i386 >"$STUB/foreign"
    got="$(setup) $(answer grep -qx i386 "$STUB/foreign") $(grep -c 'get update' "$STUB/log")"
    got+=" $(answer grep -q wine32 "$STUB/log")"
    grep -q "${says# }" "$STUB/out" || got+=" (not saying${says})"
    : >"$STUB/log"
    setup >/dev/null
    got+=" $(answer test -s "$STUB/log")"
    if [ "$got" != "${want[*]}" ]; then
        echo "FAILED: failing $FAIL, 32-bit $support: got '$got', want '${want[*]}'"
        cat "$STUB/out"
        failures=$((failures + 1))
    else
        passed=$((passed + 1))
    fi
done <<'TABLE'
update yes | 0 i686   yes 3 yes no  | installing .*wine32:i386
update no  | 0 x86_64 no  3 no  no  | runs no 32-bit program
wine32 yes | 0 x86_64 yes 1 yes yes | wine32:i386 could not be installed
wine32 no  | 0 x86_64 no  1 no  no  | runs no 32-bit program
all yes    | 1 -      yes 1 yes yes | could not install cmake .* run: .*apt-get install cmake
all no     | 1 -      no  1 no  yes | could not install cmake .* run: .*apt-get install cmake
TABLE
echo "$passed passed, $failures failed"
[ "$passed" -eq 6 ]
