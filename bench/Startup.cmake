# Start-up of the release game against a bare window opened and swapped once,
# both started as programs and timed from outside.
if(TARGET frelmory)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(BENCH_WINDOW_GLFW3 REQUIRED IMPORTED_TARGET glfw3)
  find_package(OpenGL REQUIRED)
  add_executable(bare_window startup/BareWindow.cpp)
  target_link_libraries(bare_window PRIVATE PkgConfig::BENCH_WINDOW_GLFW3 OpenGL::GL)
  frelmory_add_bench(NAME startup_bench SOURCES startup/StartupBench.cpp LIBS)
  if(TARGET startup_bench)
    target_compile_definitions(startup_bench PRIVATE FRELMORY_GAME_BINARY="$<TARGET_FILE:frelmory>"
                                                     FRELMORY_BARE_WINDOW="$<TARGET_FILE:bare_window>")
    add_dependencies(startup_bench frelmory bare_window)
  endif()
endif()
