# Builds, runs and tests Pixora on Debian 12: make run, make test.
PACKAGES := build-essential cmake qt6-base-dev libgtest-dev libgmock-dev \
            xvfb xauth xdotool x11-utils x11-xserver-utils imagemagick \
            fonts-dejavu-core fonts-liberation
# Packaging and its checks, and a real window manager for the end-to-end tests.
PACKAGES += dpkg-dev desktop-file-utils appstream openbox dbus-daemon
PREFIX ?= /usr/local
JOBS := 2
MAKEFLAGS += --no-print-directory

.PHONY: deps build run test clean

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${db:Status-Status}\n' $$p 2>/dev/null | grep -qx installed || echo $$p; \
	done | xargs); \
	[ -z "$$missing" ] && exit 0; \
	if [ "$$(id -u)" -eq 0 ]; then \
	    echo "Installing: $$missing"; \
	    export DEBIAN_FRONTEND=noninteractive; \
	    apt-get update && apt-get install -y --no-install-recommends $$missing; \
	else \
	    echo "Missing packages: $$missing. Install them with:"; \
	    echo "  sudo apt-get update && sudo apt-get install -y --no-install-recommends $$missing"; \
	    exit 1; \
	fi

build:
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DPIXORA_SANITIZE=OFF -DPIXORA_TESTS=OFF
	cmake --build build -j$(JOBS)

run: deps build
	cd build/samples && ../pixora

test: deps
	cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DPIXORA_SANITIZE=ON -DPIXORA_TESTS=ON
	cmake --build build-test -j$(JOBS)
	ctest --test-dir build-test --output-on-failure -j$(JOBS)

clean:
	rm -rf build build-test

.PHONY: install package package-check

# make install PREFIX=/opt/pixora puts it elsewhere.
install: build
	cmake --install build --prefix $(PREFIX)

package: build
	cd build && cpack

# Not part of make test: it installs the package on this machine, runs it and removes it again.
package-check: deps package
	bash packaging/check_package.sh build/pixora_*_$$(dpkg --print-architecture).deb
