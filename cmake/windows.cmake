# The Windows program, its window tests and its end-to-end tests.
enable_language(RC)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
# The manifest carries the version as four numbers; windres finds it in the build folder.
set(VANTRY_VERSION_QUAD "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0")
configure_file(res/vantry.manifest.in ${CMAKE_BINARY_DIR}/generated/vantry.manifest @ONLY)
set_source_files_properties(res/vantry.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_BINARY_DIR}/generated/vantry.manifest;${PROJECT_SOURCE_DIR}/src/tools/program_info.h")
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${PROJECT_SOURCE_DIR}/src -I${CMAKE_BINARY_DIR}/generated")

add_library(vantry_win STATIC
  src/documents/document_file.cpp
  src/documents/file_info_dialog.cpp
  src/documents/file_saving.cpp
  src/documents/png_export.cpp
  src/documents/printing.cpp
  src/documents/recent_files_menu.cpp
  src/settings/display_font.cpp
  src/settings/file_associations.cpp
  src/settings/options_dialog.cpp
  src/settings/registry_key.cpp
  src/settings/settings_store.cpp
  src/shell/application.cpp
  src/shell/document_saving.cpp
  src/shell/edit_menu.cpp
  src/shell/memo_look.cpp
  src/shell/main_window_messages.cpp
  src/shell/nfo01.cpp
  src/shell/options_commands.cpp
  src/shell/print_commands.cpp
  src/shell/recent_menu.cpp
  src/shell/reopen_commands.cpp
  src/shell/status_line.cpp
  src/shell/text_tools.cpp
  src/shell/view_state.cpp
  src/tools/about_box.cpp
  src/tools/find_window.cpp
  src/tools/goto_dialog.cpp
  src/tools/link_detection.cpp
  src/tools/address_pointer.cpp
  src/tools/message_dialog.cpp
  src/tools/readme_viewer.cpp
  src/win/dialog.cpp
  src/win/dpi.cpp
  src/win/edit_control.cpp
  src/win/error.cpp
  src/win/error_report.cpp
  src/win/monitor.cpp
  src/win/system_ui.cpp
  src/win/tooltips.cpp
  src/win/window.cpp
)
target_link_libraries(vantry_win PUBLIC vantry_logic windowscodecs comctl32 comdlg32 shell32 ole32 uuid advapi32 gdi32 user32 usp10 uxtheme winspool)

add_executable(Vantry WIN32 src/shell/main.cpp res/vantry.rc)
target_link_libraries(Vantry PRIVATE vantry_win)
if(MINGW)
  target_link_options(Vantry PRIVATE -municode)
endif()

# The program's data files stand beside the executable.
set(VANTRY_DATA_FILES res/fonts/fdata.nf res/fonts/tfdata.nf res/readme.nfo)
foreach(file IN LISTS VANTRY_DATA_FILES)
  get_filename_component(name ${file} NAME)
  configure_file(${file} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name} COPYONLY)
endforeach()

add_executable(window_tests
  tests/window/test_support.cpp
  tests/window/fonts_test.cpp
  tests/window/main_window_test.cpp
  tests/window/opening_test.cpp
  tests/window/recent_files_test.cpp
  tests/window/saving_test.cpp
  tests/window/text_tools_test.cpp
  tests/window/links_test.cpp
  tests/window/options_test.cpp
  tests/window/printing_test.cpp
  tests/window/windows_conventions_test.cpp
  res/vantry.rc
)
target_include_directories(window_tests PRIVATE tests)
target_link_libraries(window_tests PRIVATE vantry_win version gtest_main)
add_test(NAME window COMMAND window_tests --gtest_filter=-RealPrinter*:HighDpi*:Utf8CodePage*:OtherLocale*)
set_tests_properties(window PROPERTIES LABELS window RUN_SERIAL TRUE)
# The program's own scaling on a screen of 144 dots per inch, in a prefix set to that.
add_test(NAME high_dpi COMMAND window_tests --gtest_filter=HighDpi*:-HighDpiRealPrinter*)
set_tests_properties(high_dpi PROPERTIES LABELS window RUN_SERIAL TRUE
  ENVIRONMENT VANTRY_WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-tests-144dpi)
# A system whose ANSI code page is UTF-8 (65001), in a prefix made under such a locale.
add_test(NAME code_page_utf8 COMMAND window_tests --gtest_filter=Utf8CodePage*)
set_tests_properties(code_page_utf8 PROPERTIES LABELS window RUN_SERIAL TRUE
  ENVIRONMENT "VANTRY_WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-tests-utf8;VANTRY_LANG=hi_IN.UTF-8")
# NFO art and text on a Cyrillic and on a Japanese system.
foreach(locale IN ITEMS ru_RU ja_JP)
  add_test(NAME code_page_${locale} COMMAND window_tests --gtest_filter=OtherLocale*)
  set_tests_properties(code_page_${locale} PROPERTIES LABELS window RUN_SERIAL TRUE
    ENVIRONMENT "VANTRY_WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-tests-${locale};VANTRY_LANG=${locale}.UTF-8")
endforeach()
# Printing on the PDF printer that tools/printer.sh provides, at 96 and at 144 dots per inch.
add_test(NAME printing COMMAND window_tests --gtest_filter=RealPrinter*)
set_tests_properties(printing PROPERTIES LABELS printing RUN_SERIAL TRUE)
add_test(NAME printing_high_dpi COMMAND window_tests --gtest_filter=HighDpiRealPrinter*)
set_tests_properties(printing_high_dpi PROPERTIES LABELS printing RUN_SERIAL TRUE
  ENVIRONMENT VANTRY_WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-tests-144dpi)

add_executable(end_to_end_tests
  tests/end_to_end/end_to_end_test.cpp
)
target_include_directories(end_to_end_tests PRIVATE tests src)
target_link_libraries(end_to_end_tests PRIVATE vantry_logic advapi32 user32 winspool gtest_main)
add_dependencies(end_to_end_tests Vantry)
add_test(NAME end_to_end COMMAND end_to_end_tests)
set_tests_properties(end_to_end PROPERTIES LABELS end_to_end RUN_SERIAL TRUE)

# The tests run in a Wine prefix of their own, so they never touch the settings of the
# prefix that run.sh shows the program in.
set(VANTRY_TEST_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix-tests)
set_tests_properties(window printing PROPERTIES ENVIRONMENT VANTRY_WINEPREFIX=${VANTRY_TEST_WINEPREFIX})
# The program started from outside sees no printer: its CUPS server is not there.
set_tests_properties(end_to_end PROPERTIES ENVIRONMENT
  "VANTRY_WINEPREFIX=${VANTRY_TEST_WINEPREFIX};CUPS_SERVER=/nonexistent/vantry-cups.sock")

# The portable rules also run natively, built with clang and the sanitizers, when test.sh
# says where.
if(VANTRY_NATIVE_LOGIC_TESTS)
  add_test(NAME logic_native COMMAND ${VANTRY_NATIVE_LOGIC_TESTS})
  set_tests_properties(logic_native PROPERTIES LABELS logic)
  # clang-tidy over the same rules, on the native build's compile commands.
  get_filename_component(VANTRY_NATIVE_BUILD ${VANTRY_NATIVE_LOGIC_TESTS} DIRECTORY)
  add_test(NAME clang_tidy COMMAND ${PROJECT_SOURCE_DIR}/tools/tidy.sh ${VANTRY_NATIVE_BUILD})
  set_tests_properties(clang_tidy PROPERTIES LABELS logic)
endif()

add_test(NAME fonts_regenerate COMMAND ${PROJECT_SOURCE_DIR}/tools/check-fonts.sh)
set_tests_properties(fonts_regenerate PROPERTIES LABELS logic)

# The outside timers: a program started and driven from another process.
foreach(timer IN ITEMS open_timer command_timer)
  add_executable(${timer} bench/${timer}.cpp)
  target_link_libraries(${timer} PRIVATE psapi user32)
  if(MINGW)
    target_link_options(${timer} PRIVATE -municode)
  endif()
endforeach()

# The in-process benchmarks: the program's own windows on large documents.
foreach(bench IN ITEMS pointer_bench save_bench find_bench pagination_bench soak_bench roundtrip_bench)
  add_executable(${bench} bench/${bench}.cpp res/vantry.rc)
  target_link_libraries(${bench} PRIVATE vantry_win)
  if(MINGW)
    target_link_options(${bench} PRIVATE -municode)
  endif()
endforeach()
target_link_libraries(soak_bench PRIVATE psapi ntdll)
target_include_directories(roundtrip_bench PRIVATE tests)

# The fuzz targets, a fixed number of inputs each (test.sh builds them natively first).
add_test(NAME fuzz_smoke COMMAND ${PROJECT_SOURCE_DIR}/tools/fuzz.sh smoke)
set_tests_properties(fuzz_smoke PROPERTIES LABELS logic)
include(cmake/packaging.cmake)
add_test(NAME packaging COMMAND ${PROJECT_SOURCE_DIR}/tests/packaging/install_test.sh ${CMAKE_BINARY_DIR})
set_tests_properties(packaging PROPERTIES LABELS packaging RUN_SERIAL TRUE)
