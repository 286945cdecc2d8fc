# Shared by the scripts: installs what is missing, builds, and runs Windows programs
# under Wine inside an X server of their own when no display is set.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build="$root/build"

packages=(
  cmake g++ googletest libgtest-dev libgmock-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  wine wine32:i386 xvfb xauth x11-utils imagemagick gnuplot-nox
  fonts-wqy-microhei locales
)

# Installs the project's packages, and any named as arguments, that are missing.
ensure_packages() {
  packages+=("$@")
  local missing=()
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    missing+=(update)
  fi
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
      "${packages[@]}" >/dev/null
  fi
  if ! locale -a | grep -qi '^zh_CN\.utf-\?8$'; then
    sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    locale-gen >/dev/null
  fi
}

configure_and_build() {
  local preset
  for preset in "$@"; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)"
  done
}

# Wine keeps its own prefix under the build folder, so nothing outside the project is touched.
export WINEPREFIX="${WINEPREFIX:-$build/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

xvfb_pid=
start_display() {
  if [ -n "${DISPLAY:-}" ]; then
    return
  fi
  local n
  for n in $(seq 90 130); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
    trap stop_display EXIT
    return
  done
  echo "No free X display number" >&2
  return 1
}

stop_display() {
  if [ -n "$xvfb_pid" ]; then
    wineserver -k 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
  fi
}

ensure_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    wineserver -w
  fi
  # Without a window manager Wine waits up to two seconds for each framed window it destroys;
  # windows it draws itself close at once.
  if ! grep -q '"Managed"="N"' "$WINEPREFIX/user.reg"; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
  fi
}
