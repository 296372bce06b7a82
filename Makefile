# The two commands of the README, and a few for maintainers.
#   make run    install what is missing, build, start the atlas
#   make test   install what is missing, build, run every test (also under sanitizers)
#   make bench  build and run the benchmarks
#   make install / make uninstall   into PREFIX (default /usr/local)
#   make icons  redraw data/icons from the map
#   make fuzz   fuzz every loader FUZZ_SECONDS (default 60) each, with clang
#   make fuzz-regress  every fuzz target once over its committed corpus
#   make data   regenerate data/borders.dat and data/terrain.dat from the
#               public sources (needs GDAL; SHARED_DATA=DIR to use other sources)
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = borders terrain history picture replay keys
SHARED_DATA ?= ../shared/data
ETOPO ?= /usr/share/ferret-vis/data/etopo5.cdf

.PHONY: deps build run test bench clean data install uninstall icons fuzz fuzz-build fuzz-regress

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build -j $(JOBS)

run: build
	cd data && ../build/veltmaren

test: build
	@cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVELTMAREN_SANITIZE=ON >/dev/null
	@cmake --build build-asan -j $(JOBS)
	cd build && ctest --output-on-failure -j $(JOBS)
	cd build-asan && ctest --output-on-failure -j $(JOBS)

bench: build
	build/veltmaren_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

install: build
	cmake --install build --prefix $(PREFIX)

# Removes what the last install put in place, as its manifest lists it.
uninstall:
	@test -f build/install_manifest.txt || { echo "nothing installed from build/"; exit 1; }
	xargs -d '\n' rm -f < build/install_manifest.txt

# The icons, drawn from the atlas's own map.
icons: build
	cd data && for s in 48 128 256; do ../build/veltmaren-atlas icon --size $$s --out icons/veltmaren-$$s.png; done

# Fuzzing with clang's libFuzzer: each target runs FUZZ_SECONDS on a fresh
# working corpus seeded from fuzz/corpus/<target>; findings go to
# build-fuzz/findings/<target>/ (keep them in fuzz/corpus/ once fixed).
fuzz-build:
	@scripts/install-deps clang libclang-rt-14-dev
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVELTMAREN_FUZZ=ON -DVELTMAREN_SANITIZE=ON -DVELTMAREN_BENCH=OFF >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))

fuzz: fuzz-build
	@for t in $(FUZZ_TARGETS); do \
	  rm -rf build-fuzz/work/$$t; mkdir -p build-fuzz/work/$$t build-fuzz/findings/$$t; \
	  cp fuzz/corpus/$$t/* build-fuzz/work/$$t/; \
	  dict=""; [ -f fuzz/$$t.dict ] && dict="-dict=$(CURDIR)/fuzz/$$t.dict"; \
	  echo "== $$t"; \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp build-fuzz/fuzz_$$t $$dict \
	    -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
	    -artifact_prefix=$(CURDIR)/build-fuzz/findings/$$t/ $(CURDIR)/build-fuzz/work/$$t \
	    2>&1 | tail -n 14 || exit 1; \
	done

# Every target once over its committed corpus (which keeps the fixed findings).
fuzz-regress: fuzz-build
	@for t in $(FUZZ_TARGETS); do \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp build-fuzz/fuzz_$$t -runs=0 $(CURDIR)/fuzz/corpus/$$t \
	    2>&1 | tail -n 1 || exit 1; \
	done

data:
	@scripts/install-deps libgdal-dev ferret-datasets
	@cmake -S . -B build-data -DCMAKE_BUILD_TYPE=Release -DVELTMAREN_DATA_TOOLS=ON -DVELTMAREN_BENCH=OFF >/dev/null
	@cmake --build build-data -j $(JOBS) --target atlasgen
	build-data/atlasgen --data $(SHARED_DATA) --etopo $(ETOPO) --out data

clean:
	rm -rf build build-asan build-data
