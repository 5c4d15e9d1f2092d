# GoogleTest for the test programs, as the targets GTest::gtest and GTest::gtest_main.
# An installed GoogleTest is taken where it suits the compiler (Debian's libgtest-dev on the
# host, MSYS2's mingw-w64-x86_64-gtest on Windows); a cross build sees only packages built
# for its target (cmake/mingw-common.cmake) and otherwise builds GoogleTest from its sources,
# by default Debian's /usr/src/googletest (package googletest).
set(ZORVI_GTEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH
    "GoogleTest sources, built with the tests when no installed GoogleTest suits the compiler")

find_package(GTest QUIET)
if(NOT TARGET GTest::gtest)
    if(NOT EXISTS "${ZORVI_GTEST_SOURCE_DIR}/CMakeLists.txt")
        message(FATAL_ERROR
            "The tests need GoogleTest, and none was found: install it (Debian: libgtest-dev and googletest; "
            "MSYS2: mingw-w64-x86_64-gtest), or give its sources with -DZORVI_GTEST_SOURCE_DIR=<folder>, "
            "or build without the tests with -DBUILD_TESTING=OFF.")
    endif()
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    add_subdirectory(${ZORVI_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    if(NOT TARGET GTest::gtest)  # newer GoogleTest names its targets so itself
        add_library(GTest::gtest ALIAS gtest)
        add_library(GTest::gtest_main ALIAS gtest_main)
    endif()
endif()
