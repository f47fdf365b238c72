# The Windows product: ANSI Win32, statically linked so that one letloom.exe
# runs on Windows and under Wine.
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX STRICT _WIN32_WINNT=0x0601 WINVER=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)

# Everything Win32 lives in one library so that the Windows-side test programs
# link the very code that letloom.exe runs.
add_library(letloom_app STATIC)
target_include_directories(letloom_app PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(letloom_app PRIVATE -Wall -Wextra)
target_link_libraries(letloom_app PUBLIC letloom_portable
  comctl32 comdlg32 shell32 shfolder advapi32 gdi32 user32 winmm ole32)

add_executable(letloom WIN32 startup/WinMain.cpp)
target_link_libraries(letloom PRIVATE letloom_app letloom_res)
