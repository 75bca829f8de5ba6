#!/usr/bin/env bash
# `cmake --install` into a private prefix, then the installed programs run
# from there: versions, the demo and its headers, and the desktop program
# finding its module library in the installed module folder (not in the
# build tree). Usage: install_test.sh BUILD-DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" > "$prefix/install.log" || { cat "$prefix/install.log"; fail "cmake --install"; }
for f in bin/fidforge bin/fidforge-cli lib/fidforge/libfidforge.so lib/fidforge/libfidforge_tsql.so \
         share/applications/fidforge.desktop share/icons/hicolor/scalable/apps/fidforge.svg \
         share/icons/hicolor/256x256/apps/fidforge.png share/man/man1/fidforge.1.gz \
         share/man/man1/fidforge-cli.1.gz share/bash-completion/completions/fidforge-cli \
         share/doc/fidforge/README.md share/doc/fidforge/copyright share/doc/fidforge/docs/command-line.md; do
  [ -s "$prefix/$f" ] || fail "not installed: $f"
done
desktop-file-validate "$prefix/share/applications/fidforge.desktop" || fail "the desktop entry is not valid"
# The PNG icon is a 256x256 PNG.
head -c 24 "$prefix/share/icons/hicolor/256x256/apps/fidforge.png" | od -An -tx1 | tr -d ' \n' |
  grep -q '^89504e470d0a1a0a0000000d494844520000010000000100' || fail "the PNG icon is not a 256x256 PNG"
# The man page of fidforge-cli holds every command's options and the
# hand-written sections; no option runs into its description (.HP).
man=$(zcat "$prefix/share/man/man1/fidforge-cli.1.gz")
for command in $("$build/bin/fidforge-cli" --help | awk '/^Subcommands:/ { on = 1; next } on && /^  [a-z]/ { print $1 }'); do
  grep -qx ".SS \"$command\"" <<<"$man" || fail "the man page lacks the command $command"
done
for section in SYNOPSIS COMMANDS '"EXIT STATUS"' ENVIRONMENT FILES EXAMPLES '"SEE ALSO"'; do
  grep -qx ".SH $section" <<<"$man" || fail "the man page lacks the section $section"
done
for page in fidforge-cli fidforge; do
  ! zcat "$prefix/share/man/man1/$page.1.gz" | grep -q '^\.HP' || fail "an option runs into its description in man $page"
done

export XDG_DATA_HOME=$prefix/data XDG_CONFIG_HOME=$prefix/config QT_QPA_PLATFORM=offscreen
"$prefix/bin/fidforge-cli" --version | grep -q '^fidforge-cli [0-9]' || fail "fidforge-cli --version"
"$prefix/bin/fidforge" --version | grep -q '^fidforge [0-9]' || fail "fidforge --version"
"$prefix/bin/fidforge-cli" init-demo "$prefix/demo.sqlite" > /dev/null || fail "init-demo"
"$prefix/bin/fidforge-cli" --db "$prefix/demo.sqlite" headers --out "$prefix/headers" > /dev/null || fail "headers"
[ "$(ls "$prefix/headers" | wc -l)" -eq 5 ] || fail "headers did not write five files"
# Still running after two seconds: the module loaded and the window is up.
status=0
timeout 2 "$prefix/bin/fidforge" > "$prefix/gui.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$prefix/gui.log"; fail "the installed desktop program ended with status $status"; }
echo "installed and ran from $prefix"
