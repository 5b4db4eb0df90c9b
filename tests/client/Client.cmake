# The game client: state machine, handlers, levels, profiles and start-up.
frelmory_add_test(NAME client_fsm_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ClientFSMTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StateHandlersTest.cpp
  LIBS client)
frelmory_add_test(NAME client_game_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/GameClientTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CarrotRecordTest.cpp
  LIBS client)
frelmory_add_test(NAME client_main_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ClientMainTest.cpp
  LIBS client)
frelmory_add_test(NAME client_sound_preload_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/SoundPreloaderTest.cpp
  LIBS client)
frelmory_add_test(NAME client_data_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ShippedClientDataTest.cpp
  LIBS splash_maker client)

# Whole runs of the game on a hidden window.
find_package(PkgConfig REQUIRED)
pkg_check_modules(CLIENT_TEST_GLFW3 REQUIRED IMPORTED_TARGET glfw3)
frelmory_add_test(NAME client_whole_tests DISPLAY
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ScriptedWindowApp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WholeGameTest.cpp
  LIBS client splash_maker PkgConfig::CLIENT_TEST_GLFW3
  WHOLE_PROGRAM)

# The real binary under Xvfb, driven by xdotool.
foreach(run keys invalid empty help)
  add_test(NAME client_binary.${run}
    COMMAND ${FRELMORY_WITH_DISPLAY} ${CMAKE_CURRENT_LIST_DIR}/run_frelmory.sh
            $<TARGET_FILE:frelmory> ${PROJECT_SOURCE_DIR} ${run})
  set_tests_properties(client_binary.${run} PROPERTIES LABELS display TIMEOUT ${FRELMORY_TEST_TIMEOUT})
endforeach()
# The others end before a window opens; this one runs the frame loop.
set_tests_properties(client_binary.keys PROPERTIES ${FRELMORY_WHOLE_PROGRAM_PROPERTIES})
