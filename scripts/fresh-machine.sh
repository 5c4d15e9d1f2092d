#!/bin/sh
# Shows that the README's two commands work on a machine that has none of the packages: makes
# a Debian bookworm with debootstrap (minbase: no compiler, no Python, no Wine, no LibreOffice)
# in a folder of its own, puts a clean clone of the current commit in it and there, as root
# and without a display, runs scripts/run.sh (which saves a screenshot of the main window)
# and then scripts/test.sh. Not run by CI: it downloads about 1 GB of packages, takes about
# 7 GB of disk (with the build folders) and, on two cores, 20 to 60 minutes.
# Usage, as root: scripts/fresh-machine.sh [--fresh] [FOLDER]    (default /var/tmp/zorvi-fresh)
#   FOLDER/base      the machine as debootstrap made it, kept to start again from
#   FOLDER/root      the machine the commands run in; a new run reuses it, with what the last
#                    one installed, unless --fresh makes it again from FOLDER/base
#   FOLDER/fresh-machine.log, FOLDER/zorvi-screenshot.png   what the last run printed and showed
set -eu
cd "$(dirname "$0")/.."
source=$(pwd -P)

fresh=0
while [ $# -gt 0 ]; do
    case $1 in
        --fresh) fresh=1; shift ;;
        -h | --help) sed -n '2,12s/^# \{0,1\}//p' "$0"; exit 0 ;;
        -*) echo "fresh-machine: unknown option $1" >&2; exit 2 ;;
        *) break ;;
    esac
done
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null 2>&1 || { echo "fresh-machine: run it as root" >&2; exit 2; }
    [ "$fresh" = 1 ] && set -- --fresh "$@"
    exec sudo "$0" "$@"
fi
folder=$(realpath -m "${1:-/var/tmp/zorvi-fresh}")
case $folder/ in
    "$source"/*) echo "fresh-machine: $folder is inside the checkout; give a folder outside it" >&2; exit 2 ;;
    *[[:space:]]*) echo "fresh-machine: give a folder whose path has no blanks" >&2; exit 2 ;;
esac
mkdir -p "$folder"
base=$folder/base root=$folder/root log=$folder/fresh-machine.log
mirror=${ZORVI_DEBIAN_MIRROR:-http://deb.debian.org/debian}

# What the machine is given from this one, innermost last; everything else it has of its own.
# /tmp is this machine's: a chroot shares the network, and with it the X displays' sockets,
# so xvfb-run -a on either side must see the other's display locks to pick a free display.
# The downloaded packages are kept beside it, for the next --fresh.
mounts="proc sys dev dev/pts dev/shm tmp var/cache/apt/archives"

unmount_all() {
    for m in $(echo "$mounts" | tr ' ' '\n' | sed '1!G;h;$!d'); do
        if mountpoint -q "$root/$m" 2>/dev/null; then
            umount "$root/$m" 2>/dev/null || umount -l "$root/$m"
        fi
    done
}

# The machine's own processes (Wine servers, virtual displays) are ended before it is
# unmounted: they were all started by this script, inside the chroot.
end_processes() {
    for signal in TERM KILL; do
        found=""
        for proc in /proc/[0-9]*; do
            if [ "$(readlink "$proc/root" 2>/dev/null)" = "$root" ]; then
                kill -s "$signal" "${proc#/proc/}" 2>/dev/null && found=1
            fi
        done
        [ -n "$found" ] || return 0
        sleep 3
    done
}

cleanup() {
    end_processes
    unmount_all
}

# Never remove a folder that still holds this machine's /dev or /tmp.
nothing_mounted() {
    if grep -qF " $root/" /proc/mounts; then
        echo "fresh-machine: something is still mounted under $root; not removing it" >&2
        exit 1
    fi
}

. scripts/deps.sh
if [ ! -f "$base/.zorvi-debootstrap-done" ]; then
    need_packages debootstrap
    rm -rf "$base"
    echo "== debootstrap: Debian bookworm (minbase) in $base"
    debootstrap --variant=minbase bookworm "$base" "$mirror"
    # The lists of a Debian machine as installed, with its updates.
    cat >"$base/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb http://deb.debian.org/debian-security bookworm-security main
EOF
    # What an installed machine has and debootstrap leaves out.
    [ -f "$base/etc/hosts" ] || printf '127.0.0.1\tlocalhost\n::1\t\tlocalhost ip6-localhost ip6-loopback\n' \
        >"$base/etc/hosts"
    # No service that a package brings is started inside a chroot.
    printf '#!/bin/sh\nexit 101\n' >"$base/usr/sbin/policy-rc.d"
    chmod +x "$base/usr/sbin/policy-rc.d"
    touch "$base/.zorvi-debootstrap-done"
fi

unmount_all
if [ "$fresh" = 1 ] || [ ! -d "$root" ]; then
    nothing_mounted
    rm -rf "$root"
    echo "== a new machine from $base"
    cp -a "$base" "$root"
fi
trap 'cleanup' EXIT
trap 'exit 130' INT TERM HUP
cp /etc/resolv.conf "$root/etc/resolv.conf"
mkdir -p "$folder/apt-archives/partial"
mount -t proc proc "$root/proc"
mount -t sysfs -o ro sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
mount --bind /tmp "$root/tmp"
mount --bind "$folder/apt-archives" "$root/var/cache/apt/archives"

commit=$(git rev-parse HEAD)
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
    echo "fresh-machine: the changes not committed are not tried, only commit $commit"
fi
rm -rf "$root/root/zorvi"
git clone -q --no-hardlinks --no-checkout "$source" "$root/root/zorvi"
git -C "$root/root/zorvi" checkout -q --detach "$commit"
rm -f "$folder/zorvi-screenshot.png"

# As root on a new machine: only what a login gives, no display, the locale of a Debian
# without the locales package.
in_machine() {
    chroot "$root" /usr/bin/env -i HOME=/root USER=root LOGNAME=root SHELL=/bin/sh LANG=C.UTF-8 \
        TERM="${TERM:-dumb}" PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        sh -c 'cd /root/zorvi && exec "$@"' sh "$@"
}
minutes() { echo "$(( ($(date +%s) - $1 + 30) / 60 )) min"; }

result=$folder/result
rm -f "$result"
{
    echo "== fresh machine $root, commit $commit, $(date)"
    start=$(date +%s)
    if in_machine scripts/run.sh; then
        echo "run=ok $(minutes "$start")" >>"$result"
    else
        echo "run=FAILED $(minutes "$start")" >>"$result"
    fi
    start=$(date +%s)
    if in_machine scripts/test.sh; then
        echo "test=ok $(minutes "$start")" >>"$result"
    else
        echo "test=FAILED $(minutes "$start")" >>"$result"
    fi
} 2>&1 | tee "$log"

shot=$root/root/zorvi/build/run/zorvi-screenshot.png
[ -s "$shot" ] && cp "$shot" "$folder/zorvi-screenshot.png"
run=$(sed -n 's/^run=//p' "$result" 2>/dev/null || true)
test=$(sed -n 's/^test=//p' "$result" 2>/dev/null || true)
echo "== fresh machine: scripts/run.sh ${run:-did not end}, scripts/test.sh ${test:-did not end}"
echo "   log: $log"
if [ -s "$folder/zorvi-screenshot.png" ]; then
    echo "   screenshot of the main window: $folder/zorvi-screenshot.png"
else
    echo "   no screenshot was saved"
fi
if [ "${run%% *}" = ok ] && [ "${test%% *}" = ok ] && [ -s "$folder/zorvi-screenshot.png" ]; then
    echo "== both README commands passed"
    exit 0
fi
echo "== FAILED on the fresh machine"
exit 1
