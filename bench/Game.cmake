# The whole game through a level on its own frame loop: the frame after a
# smash on the wall clock and the game thread's, the GL calls against what the
# scene needs, and the peak resident size against a window doing the same work.
if(TARGET client AND TARGET shell_window)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(BENCH_GLFW3 REQUIRED IMPORTED_TARGET glfw3)
  find_package(OpenGL REQUIRED)
  find_package(OpenAL REQUIRED)
  find_path(BENCH_CHIPMUNK_INCLUDE_DIR chipmunk/chipmunk.h REQUIRED)
  # The memory row's floor.
  add_executable(scene_window memory/SceneWindow.cpp)
  target_link_libraries(scene_window PRIVATE PkgConfig::BENCH_GLFW3 OpenGL::GL OpenAL::OpenAL)
  frelmory_add_bench(NAME game_bench
    SOURCES game/GameBench.cpp game/GlCallCount.cpp game/SceneNeeds.cpp game/FrameHooks.cpp game/SampleBytes.cpp
    LIBS client shell_window PkgConfig::BENCH_GLFW3 OpenAL::OpenAL)
  if(TARGET game_bench)
    target_include_directories(game_bench PRIVATE ${BENCH_CHIPMUNK_INCLUDE_DIR})
    target_compile_definitions(game_bench PRIVATE FRELMORY_SCENE_WINDOW="$<TARGET_FILE:scene_window>")
    add_dependencies(game_bench scene_window)
  endif()
endif()
