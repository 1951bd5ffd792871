# Two commands for a new user on Debian 12:
#   make run   installs what is missing, builds and starts Pellmore
#   make test  the same set-up, then the whole test suite headless
#   make bench builds the speed benchmark optimised in build-bench and runs it

PACKAGES := build-essential cmake make pkg-config qt6-base-dev libzip-dev \
            xvfb xauth imagemagick

.PHONY: run test build deps bench

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

# BENCH_PLATFORM=xcb measures on an X display (Xvfb when there is none).
bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DPELLMORE_BENCH=ON
	cmake --build build-bench -j2 --target pellmore_bench
	@if [ "$$BENCH_PLATFORM" = xcb ] && [ -z "$$DISPLAY" ]; then \
	  xvfb-run -a build-bench/bench/pellmore_bench; \
	else \
	  build-bench/bench/pellmore_bench; \
	fi
