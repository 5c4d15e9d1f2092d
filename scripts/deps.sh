# Sourced by the run and test scripts: installs the Debian packages that are missing,
# and nothing when everything is there already.

# need_packages PACKAGE...: apt-get installs those that dpkg does not report installed
# (a package removed with its configuration left behind is known to dpkg, but not installed).
need_packages() {
    missing=""
    for pkg in "$@"; do
        dpkg -s "$pkg" 2>/dev/null | grep -q '^Status: [a-z]* ok installed$' || missing="$missing $pkg"
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    if [ -z "${ZORVI_APT_UPDATED:-}" ]; then
        $sudo apt-get update -q || return 1
        # Once for all: the scripts that this one starts install from the same lists.
        ZORVI_APT_UPDATED=1
        export ZORVI_APT_UPDATED
    fi
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
}

# What builds the program and its tests: host compiler, GoogleTest, the two MinGW-w64
# cross compilers, Wine and a virtual X display to run the Windows programs, Python to
# write the default elements.dat, the Blue Obelisk data that its masses are checked against,
# two real word processors (pandoc, LibreOffice Writer) that read the exported documents back,
# and zip, unzip and pdftotext to make the release package, take its program out and check
# its help document.
need_build_packages() {
    need_packages cmake make g++ libgtest-dev googletest \
        g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64 \
        binutils-mingw-w64-i686 wine64 xvfb xauth python3 bodr pandoc libreoffice-writer \
        zip unzip poppler-utils
}
