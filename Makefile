# Builds, runs, tests and measures Pixora on Debian 12: make run, make test, make bench.
PACKAGES := build-essential cmake qt6-base-dev libxcb1-dev libgtest-dev libgmock-dev \
            libjpeg62-turbo-dev xvfb xauth xdotool x11-utils x11-xserver-utils imagemagick \
            fonts-dejavu-core fonts-liberation
# Colour management with Little CMS.
PACKAGES += pkg-config liblcms2-dev
# The X server's own screensaver and DPMS, held off where the desktop offers no D-Bus screensaver.
PACKAGES += libxcb-screensaver0-dev
# Packaging and its checks, and a real window manager for the end-to-end tests.
PACKAGES += dpkg-dev desktop-file-utils appstream openbox dbus-daemon
PACKAGES += lintian
# The desktops the end-to-end tests run on: XFCE, GNOME's compositor with XWayland, and Weston.
PACKAGES += xfwm4 xfce4-panel xfconf mutter xwayland weston qt6-wayland
PREFIX ?= /usr/local
JOBS ?= $(shell nproc)
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
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DPIXORA_SANITIZE=OFF -DBUILD_TESTING=OFF
	cmake --build build -j$(JOBS)

run: deps build
	cd build/samples && ../pixora

test: deps
	cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DPIXORA_SANITIZE=ON -DBUILD_TESTING=ON -DPIXORA_WERROR=ON
	cmake --build build-test -j$(JOBS)
	ctest --test-dir build-test --output-on-failure -j$(JOBS)

clean:
	rm -rf build build-test build-fuzz build-bench build-tsan

# Fuzzing with libFuzzer, which comes with clang: make fuzz FUZZ_SECONDS=60 for a shorter run. New
# inputs gather in build-fuzz/corpus; a finding (a crash, a hang, an allocation past 512 MB) is saved
# in build-fuzz/findings, and once copied into fuzz/regressions/<target> make test replays it.
FUZZ_PACKAGES := clang libclang-rt-14-dev
FUZZ_TARGETS := number_reader picture_loader colour_profile
FUZZ_SECONDS ?= 300

.PHONY: fuzz-deps fuzz

fuzz-deps:
	@$(MAKE) deps PACKAGES="$(PACKAGES) $(FUZZ_PACKAGES)"

fuzz: fuzz-deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPIXORA_SANITIZE=ON \
	    -DBUILD_TESTING=OFF -DPIXORA_FUZZ=ON
	cmake --build build-fuzz -j$(JOBS) --target $(FUZZ_TARGETS:%=%_fuzz)
	@for t in $(FUZZ_TARGETS); do \
	    mkdir -p build-fuzz/corpus/$$t build-fuzz/findings/$$t; \
	    echo "Fuzzing $$t for $(FUZZ_SECONDS) seconds"; \
	    build-fuzz/fuzz/$${t}_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=30 \
	        -malloc_limit_mb=512 -artifact_prefix=build-fuzz/findings/$$t/ build-fuzz/corpus/$$t fuzz/corpus/$$t \
	        || exit 1; \
	done

.PHONY: install package package-check

# make install PREFIX=/opt/pixora puts it elsewhere.
install: build
	cmake --install build --prefix $(PREFIX)

package: build
	cd build && cpack

# Not part of make test: it installs the package on this machine, runs it and removes it again.
package-check: deps package
	bash packaging/check_package.sh build/pixora_*_$$(dpkg --print-architecture).deb

# Figures, not pass or fail: a Release build measured on the offscreen platform with a 1920 x 1080
# screen, beside feh showing the same pictures on an Xvfb screen of that size. The test pictures
# are made on the first run, into build-bench/bench-pictures.
BENCH_PACKAGES := feh

.PHONY: bench-deps bench

bench-deps:
	@$(MAKE) deps PACKAGES="$(PACKAGES) $(BENCH_PACKAGES)"

bench: bench-deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DPIXORA_SANITIZE=OFF -DBUILD_TESTING=OFF -DPIXORA_BENCH=ON
	cmake --build build-bench -j$(JOBS) --target pixora_bench
	build-bench/pixora_bench --pictures build-bench/bench-pictures

# ThreadSanitizer over the Qt tests and a short scripted show of the real program; not part of make
# test. Qt's libraries are not built with it: what they touch is not reported, and what is left of
# theirs is suppressed (tests/tsan.supp); a process Qt forks only to run another program may start
# threads before it does. Any other report fails the run; they stay in build-tsan/tsan-reports.
TSAN_REPORTS := $(CURDIR)/build-tsan/tsan-reports
TSAN_ENV := TSAN_OPTIONS="suppressions=$(CURDIR)/tests/tsan.supp log_path=$(TSAN_REPORTS)/report \
            ignore_noninstrumented_modules=1 die_after_fork=0 \
            second_deadlock_stack=1 history_size=4 exitcode=0"

.PHONY: tsan

tsan: deps
	cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DPIXORA_SANITIZE=OFF -DPIXORA_TSAN=ON -DBUILD_TESTING=ON \
	    -DPIXORA_WERROR=ON
	cmake --build build-tsan -j$(JOBS) --target qt_tests pixora
	rm -rf $(TSAN_REPORTS) && mkdir -p $(TSAN_REPORTS)
	$(TSAN_ENV) QT_QPA_PLATFORM=offscreen build-tsan/tests/qt/qt_tests --gtest_brief=1
	$(TSAN_ENV) ctest --test-dir build-tsan -R '^e2e_spine$$' --output-on-failure
	@if ls $(TSAN_REPORTS) | grep -q .; then \
	    echo "ThreadSanitizer reports:"; cat $(TSAN_REPORTS)/*; exit 1; \
	fi
	@echo "ThreadSanitizer: no reports"
