# Fails when clang-format would change any C++ file of the project: its
# formatting, and the order of the includes within each group.
find_program(CLANG_FORMAT clang-format REQUIRED)
set(pliki)
foreach(folder engine results model cli wasm python settings widgets help charts display simwindow shell assets
               tests bench)
    file(GLOB_RECURSE znalezione ${ZRODLA}/${folder}/*.cpp ${ZRODLA}/${folder}/*.h)
    list(APPEND pliki ${znalezione})
endforeach()
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${pliki}
                RESULT_VARIABLE wynik ERROR_VARIABLE bledy)
if(NOT wynik EQUAL 0)
    message(FATAL_ERROR "clang-format zmieniłby pliki:\n${bledy}")
endif()
