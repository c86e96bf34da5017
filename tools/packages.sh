# Shared by ./run, ./test, ./benchmark and ./package: makes sure the Debian packages a step needs
# are present. Source it, then call ensure_packages [--no-install-recommends] PACKAGE...

missing_packages() {
  local package missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  echo "${missing[@]}"
}

ensure_packages() {
  local missing install="apt-get install"
  if [ "${1:-}" = --no-install-recommends ]; then install="$install $1"; shift; fi
  missing=$(missing_packages "$@")
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing missing packages: $missing"
    apt-get update -qq >/dev/null &&
      DEBIAN_FRONTEND=noninteractive $install -y -qq $missing >/dev/null ||
      { echo "apt-get could not install: $missing" >&2; return 1; }
  else
    echo "Missing Debian packages: $missing" >&2
    echo "Install them with: sudo $install $missing" >&2
    return 1
  fi
}

# What building the program needs, and what running it needs besides.
BUILD_PACKAGES="cmake g++ make freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev libx11-dev libxrandr-dev"
RUNTIME_PACKAGES="libgl1-mesa-dri"
# The image decoder's fuzzer: clang with libFuzzer and the sanitizers' run-time libraries.
FUZZ_PACKAGES="clang libclang-rt-dev"
# The install test also reads the installed picture back and checks the desktop entry and manual.
# The window-system tests close and resize the window with xdotool, under openbox too, and
# define monitors with xrandr. The reference pictures are PNG files.
TEST_PACKAGES="libgtest-dev libpng-dev libx11-dev libxml2-utils xvfb tesseract-ocr imagemagick desktop-file-utils groff-base
  mandoc xdotool openbox x11-xserver-utils $FUZZ_PACKAGES"
# Google Benchmark, and the virtual X server the frame-rate runs use.
BENCH_PACKAGES="libbenchmark-dev xvfb"
# Building the Debian package and checking it (./package): dpkg-shlibdeps and dpkg-buildflags,
# the file type check cpack runs before dpkg-shlibdeps, lintian, the AppStream and desktop-entry
# validators.
PACKAGE_PACKAGES="dpkg-dev file lintian appstream desktop-file-utils"
# Then the installed package under MATE's screen-saver host and the screen lock xsecurelock:
# the hosts, installed without the packages they recommend (so without any collection of screen
# savers, which xsecurelock suggests), and what the test uses besides: a virtual X server,
# screenshots, gsettings, strace for the exit statuses, and dpkg-repack to put back a gyrotrak
# package installed before.
SCREENSAVER_HOST_PACKAGES="mate-screensaver dbus-x11 xsecurelock"
HOST_TEST_PACKAGES="xvfb imagemagick libglib2.0-bin strace dpkg-repack"
# Only for rebuilding the data images (tools/make_images.sh, tools/check_images.sh).
IMAGE_PACKAGES="cmake g++ make"
# Only for remaking the README's pictures and the icon (tools/screenshots.sh).
SCREENSHOT_PACKAGES="xvfb imagemagick"
