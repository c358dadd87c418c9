# The Windows build's tests, included by the top-level CMakeLists with the other tests.
# - hq_windows_tests: the Windows pieces that are plain C++ (the MIDI file reader and the
#   letterbox arithmetic), tested natively with GoogleTest.
# - windows_wine: cross-builds hollyquill.scr and its installer and runs every mode under Wine
#   on a virtual X display (tests/windows/run.sh); skipped when the tools are missing.
find_package(GTest REQUIRED)
include(GoogleTest)

add_executable(hq_windows_tests
  ${PROJECT_SOURCE_DIR}/tests/windows/smf_sequence_test.cpp
  ${PROJECT_SOURCE_DIR}/tests/windows/letterbox_test.cpp
  ${PROJECT_SOURCE_DIR}/src/platform/windows/SmfSequence.cpp)
target_include_directories(hq_windows_tests PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(hq_windows_tests PRIVATE GTest::gtest_main)
gtest_discover_tests(hq_windows_tests DISCOVERY_TIMEOUT 60)

add_test(NAME windows_wine
  COMMAND ${PROJECT_SOURCE_DIR}/tests/windows/run.sh ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR}/windows-wine ${HQ_ASSET_OUT})
set_tests_properties(windows_wine PROPERTIES TIMEOUT 1500 SKIP_RETURN_CODE 77 PROCESSORS 2)
