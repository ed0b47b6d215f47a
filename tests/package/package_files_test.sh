#!/bin/sh
# The package's files, installed as the .deb installs them: nothing lands where the bank lookup
# finds a user's or an administrator's bank, so that no upgrade or removal touches one; the
# installed program finds its sample bank, read-only and last.
set -eu
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null

status=0
if (cd "$root" && find . ! -type d | grep -E '/quizra/bank(/|$)|/bin/.*\.(ini|png|bmp|jpe?g|gif)$'); then
    echo "FAIL: the files above land where a user's or an administrator's bank is looked for"
    status=1
fi
if (cd "$root/usr/share/quizra/sample" && find . -type f -perm /222 | grep .); then
    echo "FAIL: the sample bank's files above are writable"
    status=1
fi
where=$(XDG_DATA_HOME="$root/home/.local/share" XDG_DATA_DIRS="$root/usr/local/share:$root/usr/share" \
    "$root/usr/bin/quizra-check" where)
if [ "$(printf '%s\n' "$where" | head -n 1)" != "$root/usr/share/quizra/sample" ]; then
    printf 'FAIL: the installed program does not read its sample bank:\n%s\n' "$where"
    status=1
fi
if [ "$(LC_ALL=ja_JP.UTF-8 "$root/usr/bin/quizra-check" --help)" = \
     "$(LC_ALL=C.UTF-8 "$root/usr/bin/quizra-check" --help)" ]; then
    echo "FAIL: the installed quizra-check does not find its Japanese translation"
    status=1
fi
exit $status
