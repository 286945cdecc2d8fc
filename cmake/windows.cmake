# clicker.exe and its end-to-end tests, for 32-bit Windows.
enable_language(RC)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

add_library(clicker_platform STATIC
  platform/win32_click_timer.cpp
  platform/win32_decimal_edit.cpp
  platform/win32_keyboard_navigation.cpp
  platform/win32_link_label.cpp
  platform/win32_main_window.cpp
  platform/win32_text.cpp
)
target_include_directories(clicker_platform PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(clicker_platform PUBLIC clicker_platform_helpers comctl32 shell32 advapi32)

add_executable(clicker WIN32
  app/start_up.cpp
  platform/win32_entry.cpp
  resources/clicker.rc
)
target_link_libraries(clicker PRIVATE clicker_logic clicker_platform)
if(MSVC)
  # The manifest is one of the program's resources.
  target_link_options(clicker PRIVATE /MANIFEST:NO)
endif()

# The Windows test programs and the benchmark, with GoogleTest built from its sources where they
# are (a Debian machine cross-building); without them only the program is built.
set(CLICKER_GOOGLETEST_SOURCES /usr/src/googletest CACHE PATH "GoogleTest's sources")
if(EXISTS ${CLICKER_GOOGLETEST_SOURCES}/CMakeLists.txt)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${CLICKER_GOOGLETEST_SOURCES} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  add_subdirectory(tests/e2e)
  add_subdirectory(tests/platform)
  add_subdirectory(bench)
endif()
