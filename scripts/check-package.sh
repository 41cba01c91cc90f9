#!/usr/bin/env bash
# Checks a Debian package made by scripts/package.sh: its name, version and dependencies,
# the files it ships and where, the desktop entry, AppStream record and manual pages, that
# the durnik-batch in it converts the sample pictures, and what lintian says of it.
# With --install (as root) it also installs the package with apt-get, converts the
# samples with the durnik-batch on the PATH and removes it again, leaving nothing behind.
#
#   scripts/check-package.sh [--install] [durnik_VERSION_amd64.deb]
set -euo pipefail
cd "$(dirname "$0")/.."

install=false
if [ "${1:-}" = "--install" ]; then
    install=true
    shift
fi
package="${1:-$(ls durnik_*_amd64.deb 2>/dev/null | head -n 1)}"
if [ -z "$package" ] || [ ! -f "$package" ]; then
    echo "check-package: no package to check; scripts/package.sh builds one" >&2
    exit 2
fi
package="$(realpath "$package")"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# --- Name, version and dependencies -------------------------------------------------
version="$(sed -n 's/^project(Durnik VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
product_version="$(sed -n 's/^set(DURNIK_PRODUCT_VERSION \([0-9.]*\))/\1/p' CMakeLists.txt)"
field() { dpkg-deb --field "$package" "$1"; }
[ "$(field Package)" = durnik ] && pass "package name durnik" || fail "package name is $(field Package)"
[ "$(field Version)" = "$version" ] && pass "version $version" || fail "version $(field Version), the project's is $version"
[ "$(field Architecture)" = amd64 ] || fail "architecture $(field Architecture)"
[ "$(basename "$package")" = "durnik_${version}_amd64.deb" ] || fail "file name $(basename "$package")"
depends="$(field Depends)"
echo "Depends: $depends"
depended=" $(sed 's/ ([^)]*)//g; s/,/ /g' <<<"$depends" | tr -s ' ') "
for library in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
    [[ "$depended" == *" $library "* ]] || fail "Depends lacks $library"
done
[[ "$depended" == *"-dev "* ]] && fail "Depends names a development package: $depends"

# --- Files ----------------------------------------------------------------------------
multiarch="$(dpkg-architecture -qDEB_HOST_MULTIARCH)"
programs="/usr/lib/$multiarch/durnik"
dpkg-deb --contents "$package" | awk '{ print $6 }' | sed 's|^\./|/|' | grep -v '/$' | sort >"$work/contents"
expected=(
    /usr/bin/durnik /usr/bin/durnik-batch
    "$programs/durnik" "$programs/durnik-batch" "$programs/mask/iso.bmp"
    "$programs/bmp/grass.bmp" "$programs/bmp/sand.bmp" "$programs/bmp/stone.bmp" "$programs/bmp/water.bmp"
    /usr/share/applications/durnik.desktop
    /usr/share/icons/hicolor/scalable/apps/durnik.svg
    /usr/share/metainfo/org.durnik.durnik.metainfo.xml
    /usr/share/man/man1/durnik.1.gz /usr/share/man/man1/durnik-batch.1.gz
    /usr/share/doc/durnik/copyright /usr/share/doc/durnik/changelog.gz
)
for file in "${expected[@]}"; do
    grep -qxF "$file" "$work/contents" || fail "the package lacks $file"
done
# Everything lives in the places a package of this kind may use.
if grep -Ev "^(/usr/bin/durnik[^/]*|$programs/.*|/usr/share/(applications|metainfo|icons/hicolor|man/man1|doc/durnik)/.*|/usr/share/lintian/overrides/durnik)$" \
    "$work/contents" >"$work/stray"; then
    fail "files outside the expected places: $(tr '\n' ' ' <"$work/stray")"
fi
pass "$(wc -l <"$work/contents") files in their places"

# --- The unpacked package works ---------------------------------------------------------
root="$work/root"
dpkg-deb --extract "$package" "$root"
[ "$(readlink "$root/usr/bin/durnik-batch")" = "../lib/$multiarch/durnik/durnik-batch" ] \
    || fail "/usr/bin/durnik-batch links to $(readlink "$root/usr/bin/durnik-batch")"
[ "$("$root/usr/bin/durnik-batch" --version)" = "durnik-batch $version" ] \
    && pass "durnik-batch --version says $version" || fail "durnik-batch --version: $("$root/usr/bin/durnik-batch" --version)"
expected_version="Durnik $version (product version $product_version)"
[ "$("$root/usr/bin/durnik" --version)" = "$expected_version" ] \
    && pass "durnik --version says $expected_version" || fail "durnik --version: $("$root/usr/bin/durnik" --version)"
grep -q "^X-Durnik-Version=$version$" "$root/usr/share/applications/durnik.desktop" \
    || fail "the desktop entry does not carry version $version"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/org.durnik.durnik.metainfo.xml" \
    || fail "the AppStream record does not carry version $version"

# Converts the samples into 128 x 63 tiles of the same names.
check_tiles() { # program sample-folder output-folder
    mkdir -p "$3"
    if ! "$1" "$2" "$3" >"$work/batch.out" 2>"$work/batch.err"; then
        fail "$1 $2 $3 failed: $(cat "$work/batch.err")"
        return
    fi
    local count=0 tile
    for tile in "$3"/*.bmp; do
        [ -f "$tile" ] || continue
        count=$((count + 1))
        # Width and height, little-endian at bytes 18 and 22 of the file.
        [ "$(od -An -tu4 -j18 -N8 "$tile" | tr -s ' ')" = " 128 63" ] || fail "$tile is not 128 x 63"
    done
    [ "$count" -eq 4 ] && pass "$1 made 4 tiles from $2" || fail "$1 made $count tiles, not 4"
}
check_tiles "$root/usr/bin/durnik-batch" "$root$programs/bmp" "$work/tiles-unpacked"

# --- Desktop entry, AppStream, manuals -------------------------------------------------
if appstreamcli validate --no-net "$root/usr/share/metainfo/org.durnik.durnik.metainfo.xml" >"$work/appstream" 2>&1; then
    pass "appstreamcli validate: $(tail -n 1 "$work/appstream")"
else
    fail "appstreamcli validate: $(cat "$work/appstream")"
fi
for page in durnik durnik-batch; do
    if warnings="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)" \
        && [ -z "$warnings" ]; then
        pass "man -l $page.1.gz renders without warnings"
    else
        fail "man -l $page.1.gz: $warnings"
    fi
done

# --- lintian ------------------------------------------------------------------------------
# Errors fail the check; warnings are shown.
if lintian --fail-on error --display-info "$package" >"$work/lintian" 2>&1; then
    pass "lintian: no errors"
else
    fail "lintian reports errors"
fi
sed 's/^/    /' "$work/lintian"

# --- Installed with apt-get, used from the PATH, removed -------------------------------
if $install; then
    if dpkg-query -W -f='${Status}' durnik 2>/dev/null | grep -q "install ok installed"; then
        fail "durnik is installed already; not replacing it"
    else
        sudo_cmd=()
        [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
        export DEBIAN_FRONTEND=noninteractive
        "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "$package" >"$work/apt" 2>&1 \
            || fail "apt-get install: $(cat "$work/apt")"
        [ "$(command -v durnik-batch)" = /usr/bin/durnik-batch ] \
            && pass "durnik-batch is on the PATH" || fail "durnik-batch is not on the PATH"
        check_tiles durnik-batch "$programs/bmp" "$work/tiles-installed"
        [ -f /usr/share/applications/durnik.desktop ] && pass "Durnik is in the desktop menu" \
            || fail "no desktop entry installed"
        "${sudo_cmd[@]}" apt-get purge -y -qq durnik >"$work/apt" 2>&1 || fail "apt-get purge: $(cat "$work/apt")"
        left=()
        while read -r file; do
            if [ -e "$file" ] || [ -L "$file" ]; then
                left+=("$file")
            fi
        done <"$work/contents"
        for folder in "$programs" /usr/share/doc/durnik; do
            if [ -e "$folder" ]; then
                left+=("$folder")
            fi
        done
        if [ ${#left[@]} -eq 0 ] && ! dpkg-query -W durnik >/dev/null 2>&1; then
            pass "installed with apt-get and removed, nothing left behind"
        else
            fail "left behind after removal: ${left[*]}"
        fi
    fi
fi

if [ "$failures" -ne 0 ]; then
    echo "check-package: $failures check(s) failed for $(basename "$package")" >&2
    exit 1
fi
echo "check-package: $(basename "$package") is sound"
