#!/bin/sh
# Checks what a finished build installs and ships: the installed layout, the
# desktop entry and metainfo as the validators see them, the Debian package,
# and that the packaged program opens its window.
# Usage: sh packaging/check.sh BUILD_DIR
set -eu

[ $# -eq 1 ] || { echo "usage: sh packaging/check.sh BUILD_DIR" >&2; exit 2; }
build=$(cd "$1" && pwd)

app_id=org.zarvin.Calculator
sizes="16 24 32 48 128 256"
failed=0

pass() { echo "PASS: $1"; }
fail() { echo "FAIL: $1"; failed=1; }
# For a step the remaining checks cannot do without.
die() { echo "FAIL: $1"; exit 1; }

missing=""
for pair in cmake:cmake cpack:cmake dpkg-deb:dpkg dpkg-shlibdeps:dpkg-dev file:file \
    desktop-file-validate:desktop-file-utils appstreamcli:appstream \
    xvfb-run:xvfb xauth:xauth xdotool:xdotool timeout:coreutils; do
    command -v "${pair%%:*}" >/dev/null 2>&1 || missing="$missing ${pair#*:}"
done
[ -z "$missing" ] || die "tools missing; apt-get install$missing"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
trap 'exit 130' INT TERM

# Lists the files that make up an installation under $1, one a line.
expected() {
    echo "$1/bin/zarvin-calculator"
    echo "$1/share/applications/$app_id.desktop"
    echo "$1/share/metainfo/$app_id.metainfo.xml"
    for n in $sizes; do
        echo "$1/share/icons/hicolor/${n}x$n/apps/zarvin-calculator.png"
    done
    echo "$1/share/icons/hicolor/scalable/apps/zarvin-calculator.svg"
}

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 ||
    { cat "$tmp/install.log"; die "cmake --install"; }
pass "cmake --install"

absent=""
for f in $(expected "$prefix"); do
    [ -f "$f" ] || absent="$absent ${f#"$prefix"/}"
done
[ -x "$prefix/bin/zarvin-calculator" ] || absent="$absent bin/zarvin-calculator(executable)"
if [ -z "$absent" ]; then pass "installed files"; else fail "installed files missing:$absent"; fi

# A PNG put in the wrong size folder is picked at the wrong size.
wrong=""
for n in $sizes; do
    png=$prefix/share/icons/hicolor/${n}x$n/apps/zarvin-calculator.png
    [ -f "$png" ] || continue
    case $(file -b "$png") in
        "PNG image data, $n x $n,"*) ;;
        *) wrong="$wrong ${n}x$n" ;;
    esac
done
if [ -z "$wrong" ]; then pass "icon sizes match their folders"; else fail "icon sizes wrong in:$wrong"; fi

# desktop-file-validate exits 0 on warnings, so any output counts as failure.
desktop=$prefix/share/applications/$app_id.desktop
if out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ]; then
    pass "desktop-file-validate"
else
    echo "$out"
    fail "desktop-file-validate"
fi

# appstreamcli fails on warnings and errors; infos and pedantic notes pass.
if out=$(appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" 2>&1); then
    pass "appstreamcli validate"
else
    echo "$out"
    fail "appstreamcli validate"
fi

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/pkg" >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log"; die "cpack -G DEB"; }
set -- "$tmp"/pkg/zarvin-calculator_*.deb
if [ $# -ne 1 ] || [ ! -f "$1" ]; then die "cpack made no single zarvin-calculator .deb"; fi
deb=$1
pass "cpack -G DEB: ${deb##*/}"

dpkg-deb --info "$deb" >"$tmp/info" 2>&1 || { cat "$tmp/info"; die "dpkg-deb --info"; }
depends=$(dpkg-deb --field "$deb" Depends)
# libqt6widgets6 only appears when dpkg-shlibdeps has read the binary.
if [ "$(dpkg-deb --field "$deb" Package)" = zarvin-calculator ] &&
    [ "$(dpkg-deb --field "$deb" Section)" = games ] &&
    case ", $depends," in *", fonts-dejavu-extra,"*) true ;; *) false ;; esac &&
    case "$depends" in *libqt6widgets6*) true ;; *) false ;; esac; then
    pass "dpkg-deb --info (Depends: $depends)"
else
    cat "$tmp/info"
    fail "dpkg-deb --info"
fi

dpkg-deb --contents "$deb" >"$tmp/contents" 2>&1 || { cat "$tmp/contents"; die "dpkg-deb --contents"; }
absent=""
for f in $(expected /usr); do
    awk -v f=".$f" '$NF == f { found = 1 } END { exit !found }' "$tmp/contents" || absent="$absent $f"
done
if [ -z "$absent" ]; then pass "dpkg-deb --contents"; else fail "package lacks:$absent"; fi

root=$tmp/root
dpkg-deb -x "$deb" "$root" || die "dpkg-deb -x"
# Finds the desktop entry the metainfo launches, as a software centre would.
if out=$(appstreamcli validate-tree --no-net "$root" 2>&1); then
    pass "appstreamcli validate-tree on the package"
else
    echo "$out"
    fail "appstreamcli validate-tree on the package"
fi

# There is no window manager under Xvfb to close the window, so once it has
# appeared the program is ended with SIGTERM.
mkdir -m 700 "$tmp/runtime"
# shellcheck disable=SC2016 # the inner script expands its own arguments
if id=$(XDG_RUNTIME_DIR=$tmp/runtime timeout 60 xvfb-run -a -e "$tmp/xvfb.log" sh -c '
        "$1" >"$2" 2>&1 &
        app=$!
        id=$(timeout 20 xdotool search --sync --onlyvisible --name "^Zarvin Calculator\$" | head -n 1)
        kill "$app" 2>/dev/null || true
        wait "$app" 2>/dev/null || true
        [ -n "$id" ] && echo "$id"' sh "$root/usr/bin/zarvin-calculator" "$tmp/app.log"); then
    pass "packaged program shows its window (id $id)"
else
    cat "$tmp/app.log" "$tmp/xvfb.log" 2>/dev/null || true
    fail "packaged program shows its window"
fi

if [ "$failed" -eq 0 ]; then echo "PASS: packaging"; else echo "FAIL: packaging"; exit 1; fi
