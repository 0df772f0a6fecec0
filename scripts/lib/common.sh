# Shared by scripts/run and scripts/test: install what is missing, then configure and build.

VANTOR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
VANTOR_BUILD=${VANTOR_BUILD:-$VANTOR_ROOT/build}

# Every Debian package the project builds, runs and tests with.
VANTOR_PACKAGES=(
  build-essential cmake pkg-config
  libsdl2-dev libimgui-dev libepoxy-dev libgl1-mesa-dri libegl-mesa0
  googletest libgtest-dev libbenchmark-dev libglm-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool imagemagick x11-utils
  libassimp-dev libtinygltf-dev libstb-dev
  assimp-testmodels minetest-data
)
# node runs the glTF validator; Debian's nodejs and npm come in only where no node is installed.
command -v node >/dev/null 2>&1 || VANTOR_PACKAGES+=(nodejs npm)

vantor_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

vantor_install_packages() {
  local missing=()
  local p
  for p in "${VANTOR_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "== Installing Debian packages: ${missing[*]}"
    vantor_as_root apt-get update -qq
    vantor_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

vantor_build() {
  local werror=OFF
  [ "${VANTOR_WERROR:-0}" = 1 ] && werror=ON
  echo "== Configuring and building in $VANTOR_BUILD"
  cmake -S "$VANTOR_ROOT" -B "$VANTOR_BUILD" -DVANTOR_WARNINGS_AS_ERRORS=$werror "$@" >/dev/null
  cmake --build "$VANTOR_BUILD" -j "$(nproc)"
}

# The Khronos glTF validator at the version pinned in tools/export/validator, installed with npm
# into the build folder (never into the sources). Reinstalled only when the pinned lock changes.
vantor_install_gltf_validator() {
  local pinned="$VANTOR_ROOT/tools/export/validator"
  local target="$VANTOR_BUILD/gltf-validator"
  if [ -d "$target/node_modules/gltf-validator" ] && cmp -s "$pinned/package-lock.json" "$target/package-lock.json"; then
    return
  fi
  echo "== Installing the glTF validator into $target"
  rm -rf "$target"
  mkdir -p "$target"
  cp "$pinned/package.json" "$pinned/package-lock.json" "$target/"
  (cd "$target" && npm ci --no-audit --no-fund --loglevel=error)
}
