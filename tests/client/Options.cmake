# Option keys, command-line flags, the options file, the help text and the
# whole-or-nothing save they rely on.
frelmory_add_test(NAME options_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ConfigFlagsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ConfigDefaultsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionsFileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionsAtomicSaveTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HelpTextTest.cpp
  LIBS client)
