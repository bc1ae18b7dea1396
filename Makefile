# Korvane's two commands: `make run` and `make test`. Both install missing Debian packages first.
# `make test` treats compiler warnings as errors, as CI does; the setting stays in build/debug.

PACKAGES := cmake g++ make pkg-config \
            qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-svg-dev \
            libglib2.0-dev libglib2.0-bin libpsl-dev \
            desktop-file-utils shared-mime-info dbus xdg-utils fonts-dejavu-core \
            appstream man-db groff-base dpkg-dev \
            qt6-l10n-tools qt6-tools-dev qt6-translations-l10n gettext
LINT_PACKAGES := clang-tidy
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

PREFIX ?= /usr/local

.PHONY: all deps lint-deps build build-release run test fuzz-smoke bench screenshots asan lint \
        format clean install uninstall package translations translations-check

all: build

# Installs the Debian packages named that are missing (as root), or says how.
install-missing = @missing=""; \
	for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	  else \
	    echo "Missing packages. Install them with:"; \
	    echo "  sudo apt-get install -y$$missing"; \
	    exit 1; \
	  fi; \
	fi

deps:
	$(call install-missing,$(PACKAGES))

# clang-tidy is needed for `make lint` only.
lint-deps:
	$(call install-missing,$(LINT_PACKAGES))

build: deps
	cmake --preset debug >/dev/null
	cmake --build --preset debug -j $(JOBS)

build-release: deps
	cmake --preset release >/dev/null
	cmake --build --preset release -j $(JOBS)

run: build-release
	./build/release/src/korvane $(ARGS)

test: deps
	cmake --preset debug -DKORVANE_WERROR=ON >/dev/null
	cmake --build --preset debug -j $(JOBS)
	@code=$$(find src -name '*.cpp' -o -name '*.h' | xargs cat | grep -c -v -E '^\s*(//.*)?$$'); \
	tests=$$(find tests -name '*.cpp' -o -name '*.h' | xargs cat | grep -c -v -E '^\s*(//.*)?$$'); \
	echo "Test code: $$tests lines against $$code lines of code under src/ ($$((100 * tests / code))%)"
	ctest --preset debug -j $(JOBS)
	@if command -v clang++ >/dev/null 2>&1; then $(MAKE) --no-print-directory fuzz-smoke; \
	else echo "clang++ is not installed: the fuzz smoke runs are skipped"; fi

# A short run of each libFuzzer target from its seeds (clang only).
fuzz-smoke: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS)
	ctest --preset fuzz

bench: deps
	cmake --preset bench >/dev/null
	cmake --build --preset bench -j $(JOBS)
	@status=0; for b in build/bench/bench/bench_*; do \
	  [ -f "$$b" ] && [ -x "$$b" ] && { echo "== $$(basename $$b)"; "$$b" || status=1; }; \
	done; exit $$status

screenshots: build
	./build/debug/tools/korvane_screenshots screenshots

asan: deps
	cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# Installs under PREFIX (and DESTDIR, when set); uninstall removes exactly what was installed.
install: build-release
	cmake -DCMAKE_INSTALL_PREFIX=$(PREFIX) build/release >/dev/null
	DESTDIR="$(DESTDIR)" cmake --install build/release

uninstall:
	@test -f build/release/install_manifest.txt || { echo "Nothing was installed from here."; exit 1; }
	xargs -d '\n' rm -fv < build/release/install_manifest.txt

# A Debian package: build/release/korvane_VERSION_ARCH.deb
package: build-release
	cd build/release && cpack -G DEB

# clang-tidy with the checks of .clang-tidy over Korvane's sources in the debug build's compile
# commands (src, tests, bench, tools; not what the build generates); any finding fails.
lint: build lint-deps
	run-clang-tidy -p build/debug -j $(JOBS) -quiet '$(CURDIR)/(src|tests|bench|tools)/'

# Brings every language's files (data/po/LINGUAS) up to date with the texts of the sources, the
# launcher entry and the AppStream metadata, making those of a new language: new texts come in
# unfinished for the translators.
translations: deps
	xgettext --from-code=UTF-8 --package-name=korvane --foreign-user -o data/po/korvane.pot \
	  data/org.korvane.Korvane.desktop.in data/org.korvane.Korvane.metainfo.xml.in
	for l in $$(cat data/po/LINGUAS); do \
	  /usr/lib/qt6/bin/lupdate -silent -locations none -target-language $$l src \
	    -ts translations/korvane_$$l.ts; \
	  if [ -f data/po/$$l.po ]; then msgmerge --quiet --update --backup=none data/po/$$l.po data/po/korvane.pot; \
	  else msginit --no-translator -l $$l.UTF-8 -i data/po/korvane.pot -o data/po/$$l.po; fi; \
	done
	/usr/lib/qt6/bin/lupdate -silent -locations none -pluralonly src -ts translations/korvane_en.ts

# Fails on any unfinished or no longer used text in a shipped language.
translations-check: deps
	tools/translations_check.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
