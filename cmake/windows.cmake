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

add_subdirectory(tests/e2e)
add_subdirectory(tests/platform)
