# Two commands for a new user on Debian 12:
#   make run   installs what is missing, builds and starts Pellmore
#   make test  the same set-up, then the whole test suite headless
# and, for installing: make package builds the Debian package build/pellmore_*.deb
#   make bench builds the speed benchmark optimised in build-bench and runs it

PACKAGES := build-essential cmake make pkg-config qt6-base-dev libzip-dev \
            xvfb xauth imagemagick \
            dpkg-dev file desktop-file-utils appstream shared-mime-info xdotool fonts-liberation

.PHONY: run test build deps package fuzz test-sanitize bench

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing || exit 1; \
	  elif command -v sudo >/dev/null 2>&1; then \
	    sudo apt-get update && sudo DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing || exit 1; \
	  else \
	    echo "Missing packages. Run as root: apt-get install$$missing"; exit 1; \
	  fi; \
	fi

build: deps
	cmake --preset default
	cmake --build --preset default

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found; to start Pellmore without one, run: xvfb-run -a build/pellmore"; \
	  exit 0; \
	fi; \
	./build/pellmore

test: build
	QT_QPA_PLATFORM=offscreen ctest --preset default

package: build
	cd build && cpack -G DEB

# Checked builds, each in its own build folder (see README).
FUZZ_PACKAGES := clang libclang-rt-14-dev
SANITIZE_ENV := QT_QPA_PLATFORM=offscreen \
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1:verify_asan_link_order=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0

fuzz:
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGES) $(FUZZ_PACKAGES)"
	cmake -S . -B build-fuzz -DPELLMORE_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-fuzz -j2 --target fuzzers
	fuzz/run.sh

test-sanitize: deps
	cmake -S . -B build-sanitize -DPELLMORE_SANITIZE=ON -DCMAKE_CXX_COMPILER=g++ -DCMAKE_BUILD_TYPE=Debug
	cmake --build build-sanitize -j2
	cd build-sanitize && $(SANITIZE_ENV) ctest --output-on-failure

# BENCH_PLATFORM=xcb measures on an X display (Xvfb when there is none).
bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DPELLMORE_BENCH=ON
	cmake --build build-bench -j2 --target pellmore_bench
	@if [ "$$BENCH_PLATFORM" = xcb ] && [ -z "$$DISPLAY" ]; then \
	  xvfb-run -a build-bench/bench/pellmore_bench; \
	else \
	  build-bench/bench/pellmore_bench; \
	fi
