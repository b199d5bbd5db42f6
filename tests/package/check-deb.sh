#!/usr/bin/env bash
# Checks that a built package holds what an installed Tavrin needs and declares
# the Debian packages it runs with.
set -euo pipefail
deb=$1
case "$(basename "$deb")" in
tavrin_*_*.deb) ;;
*) echo "unexpected package name: $deb" >&2; exit 1 ;;
esac

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
status=0
for path in \
    ./usr/bin/tavrin \
    ./usr/bin/tavrin-cli \
    ./usr/share/applications/tavrin.desktop \
    ./usr/share/icons/hicolor/scalable/apps/tavrin.svg \
    ./usr/share/icons/hicolor/48x48/apps/tavrin.png \
    ./usr/share/icons/hicolor/64x64/apps/tavrin.png \
    ./usr/share/doc/tavrin/README.md \
    ./usr/share/tavrin/Recrut.scp; do
    grep -qxF "$path" <<<"$contents" || { echo "missing from $deb: $path" >&2; status=1; }
done

depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libqt6printsupport6 libqt6dbus6 libical3 fonts-liberation2 qt6-translations-l10n; do
    grep -qw "$dep" <<<"$depends" || { echo "$deb does not depend on $dep" >&2; status=1; }
done
[ $status -eq 0 ] && echo "package ok: $(basename "$deb")"
exit $status
