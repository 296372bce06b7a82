# The two commands of the README, and a few for maintainers.
#   make run    install what is missing, build, start the atlas
#   make test   install what is missing, build, run every test (also under sanitizers)
#   make bench  build and run the benchmarks
#   make install / make uninstall   into PREFIX (default /usr/local)
#   make icons  redraw data/icons from the map
#   make pictures  render data/images from the scenes in tools/pictures
#               (installs POV-Ray when missing; NAMES="A B" for only some)
#   make data   regenerate data/borders.dat and data/terrain.dat from the
#               public sources (needs GDAL; SHARED_DATA=DIR to use other sources)
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
SHARED_DATA ?= ../shared/data
ETOPO ?= /usr/share/ferret-vis/data/etopo5.cdf

.PHONY: deps build run test bench clean data install uninstall icons pictures contact-sheet

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

# The atlas's pictures, ray-traced from our own scenes, and their contact sheet.
pictures:
	@scripts/install-deps povray libjpeg-turbo-progs
	tools/pictures/render.sh $(NAMES)
	tools/pictures/contact-sheet.sh

contact-sheet:
	tools/pictures/contact-sheet.sh

data:
	@scripts/install-deps libgdal-dev ferret-datasets
	@cmake -S . -B build-data -DCMAKE_BUILD_TYPE=Release -DVELTMAREN_DATA_TOOLS=ON -DVELTMAREN_BENCH=OFF >/dev/null
	@cmake --build build-data -j $(JOBS) --target atlasgen
	build-data/atlasgen --data $(SHARED_DATA) --etopo $(ETOPO) --out data

clean:
	rm -rf build build-asan build-data
