# Two commands for a new user on Debian 12:
#   make run   installs what is missing, builds and starts Pellmore
#   make test  the same set-up, then the whole test suite headless

PACKAGES := build-essential cmake make pkg-config qt6-base-dev libzip-dev \
            xvfb xauth imagemagick xdotool fonts-liberation

.PHONY: run test build deps

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
