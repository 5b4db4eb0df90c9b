# The whole game through a level on the scripted frame loop: CPU per frame
# after a smash against the frame budget, and the peak resident size.
if(TARGET client)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(BENCH_GLFW3 REQUIRED IMPORTED_TARGET glfw3)
  frelmory_add_bench(NAME game_bench
    SOURCES game/GameBench.cpp game/GlCallCount.cpp ${PROJECT_SOURCE_DIR}/tests/client/ScriptedWindowApp.cpp
    LIBS client PkgConfig::BENCH_GLFW3)
  if(TARGET game_bench)
    target_include_directories(game_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests/client)
    # The memory row's floor: the bare window of the start-up benchmark.
    target_compile_definitions(game_bench PRIVATE FRELMORY_BARE_WINDOW="$<TARGET_FILE:bare_window>")
    add_dependencies(game_bench bare_window)
  endif()
endif()
