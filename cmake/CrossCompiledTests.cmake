# GoogleTest for a cross build: no gtest library for the target system is installed, so it is
# built with the project's compiler from the sources that Debian's googletest package ships
# (/usr/src/googletest). It yields the same GTest::gtest and GTest::gtest_main targets as
# find_package(GTest) does for the native build.
set(KONWPL_GOOGLETEST_SOURCE /usr/src/googletest
    CACHE PATH "GoogleTest sources, built along with the tests of a cross build")
if(NOT EXISTS "${KONWPL_GOOGLETEST_SOURCE}/googletest/CMakeLists.txt")
  message(FATAL_ERROR "No GoogleTest sources in ${KONWPL_GOOGLETEST_SOURCE} "
                      "(Debian: apt-get install googletest)")
endif()
set(BUILD_GMOCK OFF)
set(INSTALL_GTEST OFF)
add_subdirectory("${KONWPL_GOOGLETEST_SOURCE}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)

# Making the emulator's Wine prefix takes several seconds, longer than test discovery waits for
# a test program to list its tests: the build makes it, once.
if(CMAKE_CROSSCOMPILING_EMULATOR)
  add_custom_target(konwpl_emulator_ready ALL
    COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR}
    COMMENT "Preparing the emulator that runs the tests"
    VERBATIM)
endif()
