#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that every file lands where a Linux
# desktop looks for it and is valid, and that the installed programs run.
#   check_install.sh BUILD_DIR SOURCE_DIR VERSION
set -uo pipefail
build_dir=$1 source_dir=$2 version=$3
here=$(cd "$(dirname "$0")" && pwd)

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
if ! cmake --install "$build_dir" --prefix "$prefix" >/dev/null; then
    echo "FAIL: cmake --install did not succeed" >&2
    exit 1
fi

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
installed() {
    [ -f "$prefix/$1" ] || fail "$1 is not installed"
}

# Each file in its usual place.
for file in share/tessarin/help/tessarin.html share/applications/tessarin.desktop \
    share/icons/hicolor/scalable/apps/tessarin.svg share/icons/hicolor/48x48/apps/tessarin.png \
    share/man/man1/tessarin-cli.1; do
    installed "$file"
done
for program in tessarin tessarin-cli; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed as a program"
done
# The whole help and, once there is one, every file of the example.
for folder in help examples; do
    [ -d "$source_dir/$folder" ] || continue
    while IFS= read -r -d '' file; do
        installed "share/tessarin/$folder/${file#"$source_dir/$folder/"}"
    done < <(find "$source_dir/$folder" -type f -print0)
done

# One version, the project's, from both programs; neither needs a display for it.
[ "$(env -u DISPLAY "$prefix/bin/tessarin-cli" --version)" = "tessarin-cli $version" ] ||
    fail "tessarin-cli --version does not say $version"
[ "$(env -u DISPLAY "$prefix/bin/tessarin" --version)" = "tessarin $version" ] ||
    fail "tessarin --version does not say $version"

# The desktop entry: valid, and naming the installed program and icon.
desktop=$prefix/share/applications/tessarin.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate refuses tessarin.desktop"
grep -qx 'Exec=tessarin %f' "$desktop" || fail "the desktop entry does not start tessarin"
grep -qx 'Icon=tessarin' "$desktop" || fail "the desktop entry does not name the tessarin icon"

# The icons: a 48 by 48 PNG, and an SVG that renders.
png=$prefix/share/icons/hicolor/48x48/apps/tessarin.png
size=$(od -An -tu1 -j16 -N8 "$png" 2>/dev/null | tr -s ' ' | sed 's/^ //')
[ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "tessarin.png is not a PNG"
[ "$size" = "0 0 0 48 0 0 0 48" ] || fail "tessarin.png is not 48 by 48 pixels ($size)"
rsvg-convert -w 48 -h 48 "$prefix/share/icons/hicolor/scalable/apps/tessarin.svg" >/dev/null ||
    fail "tessarin.svg does not render"

# The manual page: renders without a groff warning, and each command's section names every
# option that the command's --help lists.
page=$prefix/share/man/man1/tessarin-cli.1
warnings=$(groff -man -Tutf8 -ww -z "$page" 2>&1)
[ -z "$warnings" ] || fail "groff warns about tessarin-cli.1: $warnings"
if command -v man >/dev/null; then
    MANWIDTH=80 man -l "$page" 2>/dev/null | grep -q 'TESSARIN-CLI(1)' ||
        fail "man -l cannot show tessarin-cli.1"
fi
for command in import export info wavelet tie tie-summary; do
    section=$(awk -v head=".SH \"TESSARIN-CLI ${command^^}\"" \
        '$0 == head { inside = 1; next } /^\.SH/ { inside = 0 } inside' "$page" |
        sed 's/\\-/-/g; s/\\f[BIRP]//g')
    [ -n "$section" ] || fail "tessarin-cli.1 has no section for $command"
    options=$("$prefix/bin/tessarin-cli" "$command" --help |
        grep -oE '^  (-[a-zA-Z], )?--?[a-zA-Z][a-zA-Z-]*' | sed 's/.* //; s/^ *//' | grep -vx -- '--help')
    for option in $options; do
        grep -qF -- "$option" <<<"$section" || fail "tessarin-cli.1 does not describe $command $option"
    done
done

# The installed program starts, finds its help and opens the example on screen.
example=$prefix/share/tessarin/examples/F03-4/F03-4.tsp
well=$("$prefix/bin/tessarin-cli" info "$example" | sed -n 's/^Well: *//p')
# The batch tool draws through a module of its own, installed apart from it.
QT_QPA_PLATFORM=offscreen "$prefix/bin/tessarin-cli" export "$example" --png "$prefix/check.png" \
    >/dev/null || fail "the installed tessarin-cli cannot draw a picture"
rm -f "$prefix/check.png"
xvfb-run -a -s "-screen 0 1280x1024x24" "$here/program_opens_project.sh" \
    "$prefix/bin/tessarin" "$example" "$well" ||
    fail "the installed tessarin did not open $example"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) of the installation failed" >&2
    exit 1
fi
echo "installation checked: $(find "$prefix" -type f | wc -l) files in $prefix"
