# need.sh -- sourced by the make-data scripts: stop with one clear line when a program is missing.
# need PROGRAM DEBIAN-PACKAGE
need() {
    command -v "$1" > /dev/null 2>&1 || { echo "make-data: $1 is missing; install the Debian package $2" >&2; exit 1; }
}
