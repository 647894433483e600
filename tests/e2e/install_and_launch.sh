#!/usr/bin/env bash
# cmake --install puts the program, the launcher, the metainfo and the icons where the desktop
# looks for them; the launcher entry starts Tavrio; the README's uninstall section names every
# installed file, and its commands leave nothing of Tavrio behind but the user's settings.
#   install_and_launch.sh TAVRIO PROBE BUILD-DIR SOURCE-DIR
source "$(dirname "$0")/lib.sh" "$@"

readonly BUILD=${E2E_TOOLS[0]:?build folder} SOURCE=${E2E_TOOLS[1]:?source folder}
readonly PREFIX=$E2E_DIR/prefix

note "installed into a prefix"
cmake --install "$BUILD" --prefix "$PREFIX" >"$E2E_DIR/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$E2E_DIR/install.log")"
for file in bin/tavrio \
    share/applications/org.tavrio.Tavrio.desktop \
    share/metainfo/org.tavrio.Tavrio.metainfo.xml \
    share/icons/hicolor/16x16/apps/org.tavrio.Tavrio.png \
    share/icons/hicolor/32x32/apps/org.tavrio.Tavrio.png \
    share/icons/hicolor/48x48/apps/org.tavrio.Tavrio.png \
    share/icons/hicolor/128x128/apps/org.tavrio.Tavrio.png \
    share/icons/hicolor/scalable/apps/org.tavrio.Tavrio.svg \
    share/man/man1/tavrio.1.gz; do
    check "$file is installed" test -s "$PREFIX/$file"
done
check "the installed launcher is valid" \
    desktop-file-validate "$PREFIX/share/applications/org.tavrio.Tavrio.desktop"

note "the README's uninstall section"
manifest=$BUILD/install_manifest.txt
check "cmake wrote the list of installed files" test -s "$manifest"
missing=()
while read -r installed; do
    relative=${installed#"$PREFIX"/}
    grep -qF "$relative" "$SOURCE/README.md" || missing+=("$relative")
done <"$manifest"
check_eq "it names every installed file" "${missing[*]}" ""

note "started from the launcher entry"
start_display
exec_line=$(sed -n 's/^Exec=//p' "$PREFIX/share/applications/org.tavrio.Tavrio.desktop" | head -n 1)
# The entry's command with its field codes (%f, %u...) removed, as a launcher runs it, with the
# prefix's programs first on the path as they are after a system install.
read -r -a command <<<"${exec_line//%[a-zA-Z]/}"
PATH=$PREFIX/bin:$PATH "${command[@]}" >>"$E2E_DIR/tavrio.log" 2>&1 &
TAVRIO_PID=$!
E2E_PIDS+=("$TAVRIO_PID")
wait_until 20 "the installed Tavrio's timer window to appear" tavrio_window_shown
check_eq "the installed program runs" "$(readlink "/proc/$TAVRIO_PID/exe")" "$PREFIX/bin/tavrio"
check_eq "and shows the timer window" "$(window_property "$TAVRIO_WINDOW" _NET_WM_NAME)" \
    '"Tavrio To ??"'
stop_tavrio

note "uninstalled as the README says"
xargs -d '\n' rm -f -- <"$manifest"
check "Tavrio's own folder goes" rmdir "$PREFIX/share/doc/tavrio"
check_eq "no file is left in the prefix" "$(find "$PREFIX" -type f)" ""
check_eq "nor a folder named for Tavrio" "$(find "$PREFIX" -iname '*tavrio*')" ""
# The window manager's log aside, what the run wrote to the home folder is the settings alone.
check_eq "Tavrio wrote nothing but its settings to the home folder" \
    "$(find "$HOME" "$XDG_CONFIG_HOME" -type f ! -path "$HOME/.cache/openbox/*" \
        ! -path "$XDG_CONFIG_HOME/Tavrio/*")" ""

finish
