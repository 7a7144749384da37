# Test programs of a cross build run through an emulator (Wine for Windows). Starting one costs far
# more than a test case does, so each suite is one CTest test that runs all of its cases, instead of
# one test per case found by running the program at build time. Suites keep calling
# gtest_discover_tests as usual; this replaces it for the cross build only.
if(WIN32 AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    find_program(EAW_WINE wine REQUIRED)
    # A prefix of the build's own, so nothing outside the build folder is touched.
    set(EAW_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "Wine prefix the cross-built tests run in")
    set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/env WINEPREFIX=${EAW_WINEPREFIX} WINEDEBUG=-all ${EAW_WINE})
endif()

function(gtest_discover_tests target)
    add_test(NAME ${target} COMMAND ${target} --gtest_color=no)
endfunction()
