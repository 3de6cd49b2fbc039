#!/usr/bin/env bash
# Set-up, build and test steps of armakon, for a fresh Debian machine (run as root) and CI.
#
#   scripts/dev.sh demo       install what is missing, build, run the main job on sample data
#   scripts/dev.sh test       install what is missing, build, run the whole test suite
#   scripts/dev.sh sanitize   the test suite again under AddressSanitizer + UBSan, then TSan
#   scripts/dev.sh consumer   install the library, build and run examples/consumer on its shared library
#   scripts/dev.sh fuzz [S]   build the libFuzzer targets with clang and run each for S seconds (default 60)
#   scripts/dev.sh gui        build and start armakon-gui on the sample catalogs and sample project
#   scripts/dev.sh screenshots [SCENE...]  every dialog and armakon-gui in a real window under Xvfb -> docs/screenshots/
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)
tsan_labels=(components platform vdi3805 dialogs entry)
tsan_suites=(armakon_components_tests armakon_platform_tests armakon_vdi3805_tests armakon_dialogs_tests armakon_entry_tests)

deps() {
  local packages=(cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev locales
    qt6-base-dev xvfb xauth fonts-dejavu-core)
  [ "${1:-}" = clang ] && packages+=(clang libclang-rt-14-dev)
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq "${missing[@]}" >/dev/null
  fi
  # The number-formatting tests run under a German locale (decimal comma).
  if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    locale-gen >/dev/null
  fi
}

# Every option is stated on each configure: CMake keeps cached values, so a job that left
# one out would inherit what the previous job (sharing the folder) had set.
build() {  # build DIR [cmake options overriding the defaults...]
  local dir=$1; shift
  cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DARMAKON_BUILD_TESTS=ON \
    -DARMAKON_BUILD_BENCH=ON -DARMAKON_BUILD_TOOL=ON -DARMAKON_FUZZ=OFF -DARMAKON_SANITIZE= \
    "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}

case "${1:-}" in
  demo)
    deps
    build build -DARMAKON_BUILD_TESTS=OFF -DARMAKON_BUILD_BENCH=OFF
    ./build/armakon --version
    ./build/armakon check data/samples/catalogs/Aqualis/VDI_2/AQ_HEIZUNG.VDI
    ;;
  test)
    deps
    build build
    ctest --test-dir build --output-on-failure --no-tests=error -j "$jobs"
    ;;
  sanitize)
    deps
    # Sanitizer builds at -O1: most of the checking at a fraction of the compile time.
    # Without Qt: the dialogs on screen add much build time and little the sanitizers find.
    local_flags=(-DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1" -DARMAKON_BUILD_BENCH=OFF -DARMAKON_BUILD_QT=OFF)
    build build-asan "${local_flags[@]}" -DARMAKON_SANITIZE=address,undefined
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --test-dir build-asan --output-on-failure --no-tests=error -j "$jobs"
    # ThreadSanitizer for the code that runs threads: the parallel catalog load, timers,
    # the process-wide registries of the components.
    cmake -S "$root" -B build-tsan "${local_flags[@]}" -DARMAKON_SANITIZE=thread -DARMAKON_BUILD_TESTS=ON \
      -DARMAKON_BUILD_TOOL=OFF -DARMAKON_FUZZ=OFF >/dev/null
    cmake --build build-tsan -j "$jobs" --target "${tsan_suites[@]}"
    TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build-tsan --output-on-failure --no-tests=error -j "$jobs" -L "$(IFS='|'; echo "${tsan_labels[*]}")"
    ;;
  consumer)
    deps
    build build -DARMAKON_BUILD_TESTS=OFF -DARMAKON_BUILD_BENCH=OFF
    rm -rf build-prefix build-consumer
    cmake --install build --prefix build-prefix >/dev/null
    cmake -S examples/consumer -B build-consumer -DCMAKE_PREFIX_PATH="$root/build-prefix" >/dev/null
    cmake --build build-consumer -j "$jobs"
    # The host must run on the installed shared library, not on a copy linked into it.
    needed=$(readelf -d build-consumer/consumer | sed -n 's/.*NEEDED.*\[\(libarmakon\.so[^]]*\)\].*/\1/p')
    [ -n "$needed" ] && ls build-prefix/lib*/"$needed" >/dev/null || { echo "consumer: libarmakon.so not linked from the package" >&2; exit 1; }
    echo "consumer links $needed"
    ./build-consumer/consumer
    ;;
  fuzz)
    deps clang
    seconds=${2:-60}
    build build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DARMAKON_FUZZ=ON -DARMAKON_SANITIZE=address,undefined \
      -DARMAKON_BUILD_TESTS=OFF -DARMAKON_BUILD_BENCH=OFF -DARMAKON_BUILD_TOOL=OFF
    for fuzzer in build-fuzz/fuzz/fuzz_*; do
      name=$(basename "$fuzzer")
      corpus=$(mktemp -d)
      [ -d "fuzz/corpus/$name" ] && cp -r "fuzz/corpus/$name/." "$corpus/"
      echo "== $name ($seconds s)"
      "$fuzzer" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 "$corpus" 2>&1 | grep -E '^(#[0-9]+ *DONE|Done|==[0-9]+==ERROR)' || true
      rm -rf "$corpus"
    done
    ;;
  gui)
    deps
    build build -DARMAKON_BUILD_TESTS=OFF -DARMAKON_BUILD_BENCH=OFF
    ./build/armakon-gui data/samples/projects/heating.armakon --catalogs data/samples/catalogs
    ;;
  screenshots)
    deps
    build build -DARMAKON_BUILD_TESTS=OFF -DARMAKON_BUILD_BENCH=OFF
    cmake --build build -j "$jobs" --target armakon_qt_screenshots
    mkdir -p docs/screenshots
    # Without names every picture is taken; the name armakon-gui stands for the application's
    # main window (the sample project open, a differential-pressure regulator sized).
    scenes=()
    for scene in "${@:2}"; do [ "$scene" = armakon-gui ] || scenes+=("$scene"); done
    if [ $# -eq 1 ] || [ ${#scenes[@]} -gt 0 ]; then
      xvfb-run -a -s '-screen 0 1600x1200x24' ./build/qt/armakon_qt_screenshots data/samples docs/screenshots "${scenes[@]}"
    fi
    if [ $# -eq 1 ] || [ ${#scenes[@]} -lt $(($# - 1)) ]; then
      xvfb-run -a -s '-screen 0 1600x1200x24' ./build/armakon-gui data/samples/projects/heating.armakon \
        --catalogs data/samples/catalogs --kind 4450 --flow 0.8 --dp 71 --setpoint 200 --dn 20 \
        --screenshot docs/screenshots/armakon-gui.png
    fi
    ;;
  *)
    sed -n '2,11p' "$0" | sed 's/^# \?//'
    exit 2
    ;;
esac
