# Quick start: `make run` builds and starts Fotino, `make test` builds and runs every test.
# Both install what is missing first (scripts/install-deps.sh).

BUILD      ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
FUZZ_BUILD ?= build-fuzz
# How long each fuzz target runs in `make fuzz-run` (CI).
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?=
PREFIX     ?= /usr/local
DESTDIR    ?=

.PHONY: all deps configure build run test test-asan asan bench format format-check clean \
	install uninstall package fuzz fuzz-run fuzz-long soak soak-memory leak-check

all: build

deps:
	@./scripts/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/fotino

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 180 -j $(JOBS)

# `make install [PREFIX=/usr/local] [DESTDIR=/tmp/stage]`: the program, its resources, its menu
# entry, document type, icons and metainfo. Installed for real (no DESTDIR), the desktop's
# caches learn of the document type and the menu entry; an icon cache is refreshed only where
# one exists, since a cache that later goes stale hides icons.
refresh-caches = if [ -z "$(DESTDIR)" ]; then \
	  update-mime-database "$(PREFIX)/share/mime" || true; \
	  update-desktop-database -q "$(PREFIX)/share/applications" || true; \
	  if [ -f "$(PREFIX)/share/icons/hicolor/icon-theme.cache" ]; then \
	    gtk-update-icon-cache -q "$(PREFIX)/share/icons/hicolor" || true; fi; \
	fi

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"
	@$(refresh-caches)

# Removes what the last `make install` wrote (give it the same PREFIX and DESTDIR).
uninstall:
	@test -f $(BUILD)/install_manifest.txt || { echo "nothing installed from $(BUILD)"; exit 1; }
	xargs -d '\n' rm -f < $(BUILD)/install_manifest.txt
	@$(refresh-caches)

# The Debian package, $(BUILD)/fotino_VERSION_ARCH.deb.
package: build
	cd $(BUILD) && cpack

$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFOTINO_SANITIZE=ON $(CMAKE_FLAGS)

asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)

test-asan: asan
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure --timeout 300 -j $(JOBS)

$(BENCH_BUILD)/build.ninja:
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DFOTINO_BUILD_BENCHMARKS=ON -DFOTINO_BUILD_TESTS=OFF $(CMAKE_FLAGS)

bench: deps $(BENCH_BUILD)/build.ninja
	cmake --build $(BENCH_BUILD) -j $(JOBS)

# 1,000 saves killed at random moments, then every document checked (SOAK_KILLS to change).
SOAK_KILLS ?= 1000
soak: bench
	./$(BENCH_BUILD)/bench/fotino_soak_saves --kills $(SOAK_KILLS)

# 200 editors on a 12 MP photo and 1,000 print previews: the resident memory before and after.
soak-memory: bench
	./$(BENCH_BUILD)/bench/fotino_soak_memory

# The same under AddressSanitizer, for LeakSanitizer's verdict at exit.
leak-check: asan
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target fotino_soak_memory
	ASAN_OPTIONS=detect_leaks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  ./$(ASAN_BUILD)/bench/fotino_soak_memory $(LEAK_CHECK_FLAGS)

# The fuzz targets (fuzz/), built with clang, libFuzzer, ASan and UBSan in their own folder.
$(FUZZ_BUILD)/build.ninja:
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DFOTINO_FUZZ=ON -DFOTINO_BUILD_TESTS=OFF $(CMAKE_FLAGS)

fuzz: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets

# Each target for FUZZ_SECONDS, niced; libFuzzer's final figures go to
# $(FUZZ_BUILD)/fuzz-summary.txt. Fails when a target found a crash (kept in
# $(FUZZ_BUILD)/fuzz-artifacts/).
fuzz-run: fuzz
	fuzz/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The same for half an hour a target, or as long as asked: `make fuzz-long FUZZ_SECONDS=3600`.
fuzz-long: FUZZ_SECONDS = 1800
fuzz-long: fuzz-run

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

format-check:
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
