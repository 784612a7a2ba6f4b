# The web build: engine, results and the batch runner compiled by Debian's
# emscripten, the JavaScript module over them and the batch runner for Node.
# No Qt, no Debian package, nothing fetched: zlib and libxlsxwriter are
# compiled from the Debian sources that scripts/web.sh unpacks into
# FAZOLAB_ZRODLA, and GoogleTest from the sources libgtest-dev installs.
set(FAZOLAB_ZRODLA "${PROJECT_BINARY_DIR}/zrodla" CACHE PATH
    "The unpacked sources of zlib and libxlsxwriter")
set(FAZOLAB_BENCH OFF)
enable_language(C)

# The engine's hot loop is the figure to watch: the web build is optimised
# whatever the build type, with the whole program seen at once; the core
# reports bad input by exceptions, which emscripten leaves uncaught unless told.
add_compile_options(-O3 -flto -fexceptions)
add_link_options(-O3 -flto -fexceptions)

# A second tree of the web build, with threads, gives the batch runner for
# Node that runs replicas in worker threads as the native one does. Threads
# cost the single run about a tenth (shared memory), so fazolab-batch.mjs loads
# this core only for replicas, and the page's module never has them.
option(FAZOLAB_WATKI "The batch runner for Node with worker threads" OFF)
set(FAZOLAB_WYJSCIE "${PROJECT_BINARY_DIR}" CACHE PATH "Where the programs of this build go")
if(FAZOLAB_WATKI)
    add_compile_options(-pthread)
    add_link_options(-pthread)
endif()

file(GLOB FAZOLAB_ZLIB_ZRODLA ${FAZOLAB_ZRODLA}/zlib/*.c)
list(FILTER FAZOLAB_ZLIB_ZRODLA EXCLUDE REGEX "/(example|minigzip)\\.c$")
if(NOT FAZOLAB_ZLIB_ZRODLA)
    message(FATAL_ERROR "No zlib sources in ${FAZOLAB_ZRODLA}/zlib: run scripts/web.sh build")
endif()
add_library(fazolab_zlib STATIC ${FAZOLAB_ZLIB_ZRODLA})
target_include_directories(fazolab_zlib SYSTEM PUBLIC ${FAZOLAB_ZRODLA}/zlib)
target_compile_options(fazolab_zlib PRIVATE -w)

set(FAZOLAB_XLSX ${FAZOLAB_ZRODLA}/libxlsxwriter)
file(GLOB FAZOLAB_XLSX_ZRODLA ${FAZOLAB_XLSX}/src/*.c)
add_library(fazolab_xlsxwriter STATIC ${FAZOLAB_XLSX_ZRODLA}
    ${FAZOLAB_XLSX}/third_party/minizip/ioapi.c ${FAZOLAB_XLSX}/third_party/minizip/zip.c
    ${FAZOLAB_XLSX}/third_party/tmpfileplus/tmpfileplus.c ${FAZOLAB_XLSX}/third_party/md5/md5.c)
target_include_directories(fazolab_xlsxwriter SYSTEM PUBLIC ${FAZOLAB_XLSX}/include)
target_compile_definitions(fazolab_xlsxwriter PRIVATE NOCRYPT NOUNCRYPT)
target_compile_options(fazolab_xlsxwriter PRIVATE -w)
target_link_libraries(fazolab_xlsxwriter PUBLIC fazolab_zlib)

# The engine takes about 18 MB; the memory grows by what a session or a
# workbook needs, up to what a 32-bit WebAssembly memory can address without
# the 4 GB mode. Every program of this build loads its WebAssembly file
# through BezFetchWNode.js under Node.
set(FAZOLAB_PAMIEC -sINITIAL_MEMORY=33554432 -sALLOW_MEMORY_GROWTH=1 -sMAXIMUM_MEMORY=2147483648)
set(CMAKE_EXE_LINKER_FLAGS "${CMAKE_EXE_LINKER_FLAGS} --pre-js ${PROJECT_SOURCE_DIR}/wasm/BezFetchWNode.js")

set(FAZOLAB_LAYERS engine results model cli wasm)
foreach(layer IN LISTS FAZOLAB_LAYERS)
    add_subdirectory(${layer})
endforeach()

# The GoogleTest suites of the engine and the results core, run under Node.
if(FAZOLAB_TESTY)
    enable_testing()
    set(INSTALL_GTEST OFF)
    add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    include(GoogleTest)
    # Each suite runs whole, once, under Node: a Node start per test case would
    # cost minutes. Left out there: the tests that read a workbook back through
    # the unzip program (a process), that limit the file size (rlimit), and
    # that feed a pipe from a thread. The physics check (label fizyka, twenty
    # seconds natively) runs in the native build only.
    set(FAZOLAB_POMINIETE_W_NODE
        SkoroszytWynikowTest.MaKomorkiCsvZLiczbamiJakoLiczby
        SkoroszytWynikowTest.SluchaPolWyboruJakCsv
        SkoroszytWynikowTest.TylkoZwyklyZapisStaloprzecinkowyJestLiczba
        SkoroszytWynikowTest.ZapisWybieraPiszacegoWedlugTypuPliku
        SkoroszytWynikowTest.BladBibliotekiNieTrafiaNaStandardoweWyjscieBledow
        ZapiszPlikTest.NieudanyZapisZostawiaPlikBezZmianIBezPlikuTymczasowego
        ZapiszPlikTest.CelInnyNizZwyklyPlikZapisanyWprost)
    list(JOIN FAZOLAB_POMINIETE_W_NODE ":" FAZOLAB_FILTR)
    function(gtest_discover_tests cel)
        cmake_parse_arguments(ARG "" "DISCOVERY_TIMEOUT" "PROPERTIES" ${ARGN})
        add_test(NAME ${cel} COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${cel}>
                 --gtest_filter=-${FAZOLAB_FILTR})
        if(ARG_PROPERTIES)
            set_tests_properties(${cel} PROPERTIES ${ARG_PROPERTIES})
        endif()
    endfunction()
    # The suites on the machine's own files, as natively.
    set(CMAKE_EXE_LINKER_FLAGS "${CMAKE_EXE_LINKER_FLAGS} -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1")
    add_subdirectory(tests/engine)
    add_subdirectory(tests/results)
endif()
